// Every change is written whole and renamed into place. For each kind of
// change, a child process is killed at each real disk call in turn, and
// separately each call is made to fail: the file is then the old one or the
// new one, byte for byte, never a mix.

#include "store/CategoryFile.h"
#include "store/LedgerFile.h"
#include "store/PersonalSettings.h"
#include "store/RecordFile.h"
#include "support/FaultEnv.h"
#include "support/Records.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace cw;
using cwtest::entry;
using cwtest::FaultEnv;
using cwtest::readBytes;
using cwtest::writeBytes;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");

struct Change {
    const char* name;
    QString file;
    std::function<Status(Env*)> run;
};

std::vector<LedgerEntry> seedEntries()
{
    return {entry("05-01-26", "FT", -125000, "groceries"), entry("04-02-26", "CA", -500000, "fuel"),
            entry("04-02-26", "CA", -500000, "fuel"), entry("01-15-26", "SA", 30000000, "salary")};
}

void seedFolder()
{
    ASSERT_TRUE(LedgerFile(kData).writeAll(seedEntries()).isOk());
    CategoryRecord food, car;
    food.setCode(QStringLiteral("FT"));
    food.setName(QStringLiteral("Food"));
    car.setCode(QStringLiteral("CA"));
    car.setName(QStringLiteral("Car"));
    ASSERT_TRUE(CategoryFile(kCats).writeAll({food, car}).isOk());
    ASSERT_TRUE(loadOrCreatePersonal(*Env::posix(), QDate(2026, 3, 9)).isOk());
}

Status fromBool(const Result<bool>& r) { return r.status(); }

std::vector<Change> changes()
{
    return {
        {"insert", kData, [](Env* env) { return LedgerFile(kData, env).insertInOrder(entry("04-02-26", "CA", -1, "new"), 'A'); }},
        {"replace", kData, [](Env* env) { return fromBool(LedgerFile(kData, env).replace(seedEntries()[1], entry("04-03-26", "CA", -2, "edited"))); }},
        {"delete", kData, [](Env* env) { return fromBool(LedgerFile(kData, env).deleteOne(seedEntries()[1])); }},
        {"rewrite", kData, [](Env* env) {
             Result<qsizetype> r = rewriteKeeping<LedgerEntry>(*env, kData, QStringLiteral("tempfile.$$$"),
                                                               [](const LedgerEntry& e) { return e.codeText() != QStringLiteral("CA"); });
             return r.status();
         }},
        {"categories", kCats, [](Env* env) {
             CategoryRecord c;
             c.setCode(QStringLiteral("ZZ"));
             c.setName(QStringLiteral("Other"));
             return CategoryFile(kCats, env).writeAll({c});
         }},
        {"personal", kPersonalFileName, [](Env* env) {
             PersonalRecord p = PersonalRecord::creationValues(QDate(2026, 3, 10));
             p.setUserName(QStringLiteral("Changed"));
             return savePersonal(*env, p);
         }},
    };
}

class CrashSafety : public ::testing::TestWithParam<int> {
protected:
    Change change() const { return changes()[size_t(GetParam())]; }

    // Runs the change once without faults: the number of disk calls and the bytes it gives.
    void measure(int* calls, QByteArray* before, QByteArray* after)
    {
        cwtest::TempFolder folder;
        seedFolder();
        *before = readBytes(change().file);
        FaultEnv counter;
        ASSERT_TRUE(change().run(&counter).isOk());
        *calls = counter.calls();
        *after = readBytes(change().file);
        ASSERT_NE(*before, *after);
    }
};

} // namespace

TEST_P(CrashSafety, KilledAtEveryDiskCallLeavesTheOldOrTheNewFile)
{
    int calls = 0;
    QByteArray before, after;
    measure(&calls, &before, &after);
    ASSERT_GT(calls, 3);
    for (int k = 0; k < calls; ++k) {
        cwtest::TempFolder folder;
        seedFolder();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FaultEnv killer(FaultEnv::Mode::Kill, k);
            change().run(&killer);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "call " << k;
        const QByteArray now = readBytes(change().file);
        EXPECT_TRUE(now == before || now == after) << change().name << ": killed at call " << k;
        // The last calls come after the rename: the new file must be there.
        if (k == calls - 1)
            EXPECT_EQ(now, after) << change().name;
    }
}

TEST_P(CrashSafety, AFailureAtEveryDiskCallIsReportedAndLosesNothing)
{
    int calls = 0;
    QByteArray before, after;
    measure(&calls, &before, &after);
    for (int k = 0; k < calls; ++k) {
        cwtest::TempFolder folder;
        seedFolder();
        FaultEnv failer(FaultEnv::Mode::Fail, k);
        const Status s = change().run(&failer);
        EXPECT_FALSE(s.isOk()) << change().name << ": failure at call " << k << " not reported";
        EXPECT_FALSE(s.file().isEmpty());
        const QByteArray now = readBytes(change().file);
        EXPECT_TRUE(now == before || now == after) << change().name << ": failed at call " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryChange, CrashSafety, ::testing::Range(0, 6),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(changes()[size_t(info.param)].name);
                         });
