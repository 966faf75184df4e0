#pragma once
// Every kind of change the program makes to its files, run against a given
// Env over a seeded folder: the table the crash and failure tests walk.

#include "core/tools/Sorter.h"
#include "store/CategoryFile.h"
#include "store/LedgerFile.h"
#include "support/Records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace cwtest {

inline const QString kData = QStringLiteral("2026CWK.DAT");
inline const QString kCats = QStringLiteral("2026CATS.DAT");
inline const QString kUnsorted = QStringLiteral("2025CWK.DAT");

struct Change {
    const char* name;
    QString file;   // the file it changes
    std::function<cw::Status(cw::Env*)> run;
};

inline std::vector<cw::LedgerEntry> seedEntries()
{
    return {entry("05-01-26", "FT", -125000, "groceries"), entry("04-02-26", "CA", -500000, "fuel"),
            entry("04-02-26", "CA", -500000, "fuel"), entry("01-15-26", "SA", 30000000, "salary")};
}

// A year's data and categories and the settings file, written to the real disk.
inline void seedFolder()
{
    using namespace cw;
    ASSERT_TRUE(LedgerFile(kData, Env::posix()).writeAll(seedEntries()).isOk());
    ASSERT_TRUE(CategoryFile(kCats, Env::posix()).writeAll({category("FT", "Food"), category("CA", "Car")}).isOk());
    ASSERT_TRUE(loadOrCreatePersonal(*Env::posix(), QDate(2026, 3, 9)).isOk());
    std::vector<LedgerEntry> unsorted = seedEntries();
    std::reverse(unsorted.begin(), unsorted.end());
    ASSERT_TRUE(LedgerFile(kUnsorted, Env::posix()).writeAll(unsorted).isOk());
}

inline std::vector<Change> changes()
{
    using namespace cw;
    return {
        {"insert", kData, [](Env* env) { return LedgerFile(kData, env).insertInOrder(entry("04-02-26", "CA", -1, "new"), 'A'); }},
        {"replace", kData, [](Env* env) {
             return LedgerFile(kData, env).replace(seedEntries()[1], entry("04-03-26", "CA", -2, "edited")).status();
         }},
        {"delete", kData, [](Env* env) { return LedgerFile(kData, env).deleteOne(seedEntries()[1]).status(); }},
        {"rewrite", kData, [](Env* env) {
             return rewriteKeeping<LedgerEntry>(*env, kData, QStringLiteral("tempfile.$$$"),
                                                [](const LedgerEntry& e) { return e.codeText() != QStringLiteral("CA"); })
                 .status();
         }},
        {"sort", kUnsorted, [](Env* env) { return sortMainFile(*env, kUnsorted, 'A').status(); }},
        {"categories", kCats, [](Env* env) { return CategoryFile(kCats, env).writeAll({category("ZZ", "Other")}); }},
        {"personal", kPersonalFileName, [](Env* env) {
             PersonalRecord p = PersonalRecord::creationValues(QDate(2026, 3, 10));
             p.setUserName(QStringLiteral("Changed"));
             return savePersonal(*env, p);
         }},
    };
}

// Names the instantiated tests after their change.
inline std::string changeName(const ::testing::TestParamInfo<int>& info) { return changes()[size_t(info.param)].name; }

} // namespace cwtest
