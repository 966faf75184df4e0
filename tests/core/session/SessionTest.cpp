// The session's plain logic: the start-up, the year switch, the personal
// options and the date format.

#include "core/categories/CategoryEditorLogic.h"
#include "core/session/DateFormatLogic.h"
#include "core/session/PersonalOptions.h"
#include "core/session/StartUp.h"
#include "core/session/YearSwitch.h"
#include "support/KillLoop.h"
#include "support/StoreChanges.h"

using namespace cw;
using namespace cwtest;

namespace {

StartUpResult startUp()
{
    return openPersonalSettings(*Env::posix(), QDate(2026, 3, 9), [] { return QString(); }, [](const Message&) {});
}

Result<bool> recode(Env* env) { return CategoryEditorLogic(*env, kCats, kData).replace("FT", "FX", "Food"); }

TEST(StartUp, ThePasscodeIsReadAsANumberAndThreeWrongAnswersRefuseTheStart)
{
    for (const auto& [answer, code, accepted] : {std::tuple(" 01234 ", 1234, true), {"1234", 1234, true},
                                                {"12 34", 1234, true}, {"", 1234, false}, {"1,234", 1234, false},
                                                {"", 0, true}})
        EXPECT_EQ(passcodeAccepted(QString::fromLatin1(answer), std::int16_t(code)), accepted) << answer;
    TempFolder folder;
    writeSettings(u'A', 77);
    const QString wrong = "Coinwick 2 | Incorrect code. Try again.", out = "Coinwick 2 | Sorry, three strikes and yer out!";
    for (const auto& [answers, outcome, said] : {std::tuple(QStringList{"", "77"}, StartUpResult::Outcome::Opened, QStringList{wrong}),
                                                 {QStringList{"", "1", "x"}, StartUpResult::Outcome::Refused, QStringList{wrong, wrong, out}}}) {
        int asked = 0;
        QStringList told;
        const StartUpResult r = openPersonalSettings(
            *Env::current(), kToday,
            [&] {
                EXPECT_EQ(readBytes("PERSONAL.DAT").mid(630, 10), "03-15-2026");
                return answers.value(asked++);
            },
            [&](const Message& m) { told << m.title + " | " + m.text; });
        EXPECT_EQ(asked, answers.size());
        EXPECT_EQ(r.outcome, outcome);
        EXPECT_EQ(told, said);
    }
    ProgramState state;
    state.selectedCategory = "FO";
    startRun(state, PersonalRecord::creationValues(kToday), kToday);
    EXPECT_EQ(state.dataFileName + state.categoryFileName + state.selectedCategory + state.currencySymbol,
              "2026CWK.DAT2026CATS.DATall$");
}

TEST(YearSwitch, CopiesTheCategoriesByteForByteOnlyWhenThereIsSomethingToCopy)
{
    TempFolder folder;
    ProgramState state;
    state.setActiveYear("2026");
    // A trailing partial record is copied too: the copy is of bytes, not records.
    writeBytes("2026CATS.DAT", bytesOf(sampleCategories()) + "XY");
    const YearSwitch change("1999", state);
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    writeBytes("1999CATS.DAT", QByteArray());
    EXPECT_TRUE(*change.categoriesMissing(*Env::posix()));
    EXPECT_EQ(change.question().title + " | " + change.question().text,
              "No categories! | There is no category file for 1999\nCopy over 2026's categories ?");
    ASSERT_TRUE(change.copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(readBytes("1999CATS.DAT"), readBytes("2026CATS.DAT"));
    EXPECT_FALSE(*change.categoriesMissing(*Env::posix()));

    state.setActiveYear("2025");   // no category file
    EXPECT_TRUE(YearSwitch("2027", state).copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2027CATS.DAT"), -1);
    // The same year, its category file empty: it is its own previous file.
    state.setActiveYear("2024");
    writeBytes("2024CATS.DAT", QByteArray());
    EXPECT_TRUE(YearSwitch("2024", state).copyCategories(*Env::posix()).isOk());
    EXPECT_EQ(fileSize("2024CATS.DAT"), 0);
}

TEST(PersonalOptions, UserNameAndPasscodeAnswers)
{
    for (const auto& [answer, stored] : {std::pair<QString, QString>("Bob", "Bob" + QString(25, u' ')),
                                         {QString(40, u'n'), QString(28, u'n')},
                                         {"\x01Zo\u00eb\t", "Zo\u00eb" + QString(25, u' ')}})
        EXPECT_EQ(userNameFromAnswer(answer), stored) << answer.toStdString();
    EXPECT_EQ(userNameFromAnswer("\t\x01"), std::nullopt);
    EXPECT_EQ(userNameFromAnswer(""), std::nullopt);
    const QString set = QStringLiteral("Your passcode is set to: %1\nDont't forget!"), bad = QStringLiteral("Bad Code! Try again...");
    const std::tuple<QString, std::optional<int>, QString> cases[] = {
        {"0042", 42, set.arg(42)}, {"123456789", 1234, set.arg(1234)}, {"    ", 0, set.arg(0)},
        {"12a4", {}, bad}, {"1 23", {}, bad}, {QString::fromUtf8("\u0661\u0662"), {}, bad}};
    for (const auto& [answer, code, message] : cases) {
        const PasscodeChoice c = passcodeFromAnswer(answer);
        EXPECT_EQ(c.code ? std::optional<int>(*c.code) : std::nullopt, code) << answer.toStdString();
        EXPECT_EQ(c.message.text, message);
        EXPECT_EQ(c.message.icon, Message::Icon::None);
    }
}

TEST(PersonalOptions, ChangeReadsTheFileAndKeepsEveryOtherByte)
{
    TempFolder folder;
    const PersonalRecord loaded = PersonalRecord::creationValues(kToday);
    QByteArray stored(690, Qt::Uninitialized);
    for (int i = 0; i < stored.size(); ++i)
        stored[i] = char(i * 7 + 3);
    writeBytes("personal.dat", stored + "tail");   // the file's own spelling is kept
    ASSERT_TRUE(changePersonal(*Env::posix(), loaded, [](PersonalRecord& p) { p.passCode = 42; }).isOk());
    EXPECT_EQ(readBytes("personal.dat"), stored.replace(31, 2, QByteArray("\x2A\x00", 2)) + "tail");
    EXPECT_FALSE(QFile::exists("PERSONAL.DAT"));

    // A short file takes the missing bytes from the record the run loaded.
    writeBytes("personal.dat", "Short");
    const Result<PersonalRecord> shortFile = readStoredPersonal(*Env::posix(), loaded);
    ASSERT_TRUE(shortFile.isOk());
    PersonalRecord completed = loaded;
    std::memcpy(completed.userName.data(), "Short", 5);
    EXPECT_EQ(*shortFile, completed);
}

TEST(DateFormat, FlagsMessagesAndAPositionalSwap)
{
    EXPECT_EQ(otherDateFlag(u'A'), QChar(u'E'));
    EXPECT_EQ(otherDateFlag(u'E'), QChar(u'A'));
    EXPECT_EQ(otherDateFlag(u'X'), std::nullopt);
    EXPECT_EQ(dateFormatQuestion(u'A').title + " | " + dateFormatQuestion(u'A').text,
              "Change Date Format | Current date format is MM-DD-YY\nChange to DD-MM-YY ?");
    EXPECT_EQ(dateFormatQuestion(u'E').text, "Current date format is DD-MM-YY\nChange to MM-DD-YY ?");
    EXPECT_EQ(dateFormatSetMessage(u'E').text, "Date format set to DD-MM-YY (E)");
    EXPECT_EQ(dateFormatSetMessage(u'A').text, "Date format set to MM-DD-YY (A)");
    EXPECT_EQ(dateConvertQuestion().title + " | " + dateConvertQuestion().text,
              "Convert date format of existing records | Swap place of month and day in this year's data?");
    std::vector<LedgerEntry> year = {entry("03-15-98", "FT", -5, "a"), entry("15-03-98", "ab", 7, "b"),
                                     entry("03/15/98", "X", 0, "c")};
    QByteArray bytes = bytesOf(year) + QByteArray("\x01\x02\x03", 3);   // a partial record
    swapMonthAndDay(bytes);
    year[0].setDate("15-03-98");
    year[1].setDate("03-15-98");
    year[2].setDate("15-03-98");
    EXPECT_EQ(bytes, bytesOf(year) + QByteArray("\x01\x02\x03", 3));
}

TEST(DateFormat, ConvertingAFileWithoutWholeRecordsWritesNothing)
{
    TempFolder folder;
    writeBytes("1998CWK.DAT", QByteArray(57, 'x'));
    ASSERT_TRUE(convertDataFileDates(*Env::posix(), "1998CWK.DAT").isOk());
    EXPECT_EQ(readBytes("1998CWK.DAT"), QByteArray(57, 'x'));
    EXPECT_TRUE(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
    EXPECT_FALSE(*yearHoldsEntries(*Env::posix(), "1998CWK.DAT"));
    writeBytes("1998CWK.DAT", bytesOf({entry("03-15-98", "FT", 1)}));   // one whole record is an entry
    EXPECT_TRUE(*yearHoldsEntries(*Env::posix(), "1998CWK.DAT"));
    writeBytes("1998CWK.DAT", bytesOf({entry("03-15-98", "FT", 1)}) + "x");
    ASSERT_TRUE(convertDataFileDates(*Env::posix(), "1998CWK.DAT").isOk());
    EXPECT_EQ(readBytes("1998CWK.DAT"), bytesOf({entry("15-03-98", "FT", 1)}) + "x");
}

TEST(HostileStart, AReCodeKilledAtEveryDiskCallIsWholeAfterTheNextStart)
{
    QByteArray cats[2], data[2];
    FaultEnv counter;
    {
        TempFolder folder;
        seedFolder();
        cats[0] = readBytes(kCats), data[0] = readBytes(kData);
        ASSERT_TRUE(*recode(&counter));
        cats[1] = readBytes(kCats), data[1] = readBytes(kData);
        ASSERT_NE(cats[0], cats[1]);
        ASSERT_NE(data[0], data[1]);
    }
    bool sawHalf = false;
    killAtEachCall(counter.calls(), seedFolder, [](Env* env) { recode(env); }, [&](int k) {
        sawHalf = sawHalf || (readBytes(kCats) == cats[1] && readBytes(kData) == data[0]);
        ASSERT_EQ(startUp().outcome, StartUpResult::Outcome::Opened) << "call " << k;
        const int pair = readBytes(kCats) == cats[1] ? 1 : 0;
        EXPECT_EQ(readBytes(kCats), cats[pair]) << "killed at call " << k;
        EXPECT_EQ(readBytes(kData), data[pair]) << "killed at call " << k;
        EXPECT_EQ(QDir().entryList({"*.$$$"}, QDir::Files | QDir::Hidden), QStringList());
    });
    EXPECT_TRUE(sawHalf);   // the loop did reach the gap between the two files
}

TEST(HostileStart, AStaleReCodeNoteDoesNotUndoLaterCategoryChanges)
{
    TempFolder folder;
    seedFolder();
    ASSERT_TRUE(*recode(Env::posix()));
    // A note left behind although the re-code was done and the categories changed since.
    writeBytes(kRecodeNoteName, QByteArray("2026CATS.DAT\n2026CWK.DAT\nFT\nFX\n0\n"));
    ASSERT_TRUE(CategoryEditorLogic(*Env::posix(), kCats, kData).save("ZZ", "Later").isOk());
    const QByteArray cats = readBytes(kCats), data = readBytes(kData);
    ASSERT_EQ(startUp().outcome, StartUpResult::Outcome::Opened);
    EXPECT_EQ(readBytes(kCats), cats);
    EXPECT_EQ(readBytes(kData), data);
    EXPECT_FALSE(QFile::exists(kRecodeNoteName));
}

} // namespace
