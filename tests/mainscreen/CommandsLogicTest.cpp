// The plain logic behind Find, Date Format and Date Coverter, User Name,
// Pass Code and Notes.

#include "Seed.h"
#include "support/TempFolder.h"

#include "mainscreen/DateFormatLogic.h"
#include "mainscreen/PersonalOptions.h"
#include "mainscreen/TextEditor.h"
#include "mainscreen/WordMatch.h"

#include <gtest/gtest.h>

using namespace cwtest;

namespace {

TEST(DateFormatLogic, FlagsQuestionsAndMessages)
{
    EXPECT_EQ(cw::otherDateFlag(u'A'), QChar(u'E'));
    EXPECT_EQ(cw::otherDateFlag(u'E'), QChar(u'A'));
    EXPECT_FALSE(cw::otherDateFlag(u'a'));
    EXPECT_FALSE(cw::otherDateFlag(QChar()));
    EXPECT_EQ(cw::dateFormatQuestion(u'E').text, "Current date format is DD-MM-YY\nChange to MM-DD-YY ?");
    EXPECT_EQ(cw::dateFormatQuestion(u'A').text, "Current date format is MM-DD-YY\nChange to DD-MM-YY ?");
    EXPECT_EQ(cw::dateFormatSetMessage(u'A').text, "Date format set to MM-DD-YY (A)");
    EXPECT_EQ(cw::dateFormatSetMessage(u'E').text, "Date format set to DD-MM-YY (E)");
}

TEST(DateFormatLogic, SwapIsPositionalAndKeepsEveryOtherByte)
{
    std::vector<cw::LedgerEntry> year = {entry("03-15-98", "FT", -5, "a"), entry("15-03-98", "ab", 7, "b"),
                                         entry("03/15/98", "X", 0, "c")};
    QByteArray bytes = cw::encodeRecords(year) + QByteArray("\x01\x02\x03", 3);   // a partial record
    const QByteArray before = bytes;
    cw::swapMonthAndDay(bytes);
    year[0].setDate("15-03-98");
    year[1].setDate("03-15-98");
    year[2].setDate("15-03-98");
    EXPECT_EQ(bytes, cw::encodeRecords(year) + QByteArray("\x01\x02\x03", 3));
    cw::swapMonthAndDay(bytes);
    year[2].setDate("03-15-98");
    EXPECT_EQ(bytes.mid(0, 116), before.mid(0, 116));
    EXPECT_EQ(bytes.mid(116), cw::encodeRecords(std::vector{year[2]}) + QByteArray("\x01\x02\x03", 3));
}

TEST(DateFormatLogic, ConvertingAFileWithoutRecordsWritesNothing)
{
    TempFolder folder;
    writeBytes("1998CWK.DAT", QByteArray(57, 'x'));
    ASSERT_TRUE(cw::convertDataFileDates(*cw::Env::posix(), "1998CWK.DAT").isOk());
    EXPECT_EQ(readBytes("1998CWK.DAT"), QByteArray(57, 'x'));
    EXPECT_TRUE(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
}

TEST(PersonalOptions, UserNameIsPaddedOrCutToTwentyEight)
{
    EXPECT_EQ(cw::userNameFromAnswer("Bob"), QString("Bob").leftJustified(28));
    EXPECT_EQ(cw::userNameFromAnswer(QString(40, u'n')), QString(28, u'n'));
    EXPECT_EQ(cw::userNameFromAnswer("   "), QString(28, u' '));
    EXPECT_EQ(cw::userNameFromAnswer("A\tB\x01" "C\n"), QString("ABC").leftJustified(28));
    EXPECT_FALSE(cw::userNameFromAnswer(""));
    EXPECT_FALSE(cw::userNameFromAnswer("\t\r\n"));
}

TEST(PersonalOptions, PasscodeAnswers)
{
    const std::pair<const char*, int> taken[] = {
        {"1234", 1234}, {"0042", 42}, {"123456", 1234}, {"    ", 0}, {" 12 ", 12}, {"0000", 0}, {"9999", 9999}};
    for (const auto& [answer, code] : taken) {
        const cw::PasscodeChoice c = cw::passcodeFromAnswer(QString::fromLatin1(answer));
        ASSERT_TRUE(c.code) << answer;
        EXPECT_EQ(*c.code, code) << answer;
        EXPECT_EQ(c.message.text, "Your passcode is set to: " + QString::number(code) + "\nDont't forget!");
        EXPECT_EQ(c.message.title, "Coinwick 2");
        EXPECT_EQ(c.message.icon, cw::Message::Icon::None);
    }
    const QStringList refused = {"12a4", "1 23", "-123", "12.3", "\t123", QString::fromUtf8("\u0661\u0662\u0663"),
                                 QString::fromUtf8("\uff11\uff12")};
    for (const QString& answer : refused) {
        const cw::PasscodeChoice c = cw::passcodeFromAnswer(answer);
        EXPECT_FALSE(c.code) << qPrintable(answer);
        EXPECT_EQ(c.message.text, "Bad Code! Try again...");
        EXPECT_EQ(c.message.icon, cw::Message::Icon::None);
    }
}

TEST(PersonalOptions, ChangeReadsTheFileAndKeepsEveryOtherByte)
{
    TempFolder folder;
    cw::PersonalRecord loaded = cw::PersonalRecord::creationValues(kToday);
    QByteArray stored(690, Qt::Uninitialized);
    for (int i = 0; i < stored.size(); ++i)
        stored[i] = char(i * 7 + 3);
    writeBytes("personal.dat", stored + "tail");   // the file's own spelling is kept
    const cw::Result<cw::PersonalRecord> r = cw::changePersonal(*cw::Env::posix(), loaded,
                                                                [](cw::PersonalRecord& p) { p.passCode = 42; });
    ASSERT_TRUE(r.isOk());
    QByteArray expected = stored + "tail";
    expected[31] = 42;
    expected[32] = 0;
    EXPECT_EQ(readBytes("personal.dat"), expected);
    EXPECT_FALSE(QFile::exists("PERSONAL.DAT"));

    // A short file takes the missing bytes from the record the run loaded.
    writeBytes("personal.dat", "Short");
    const cw::Result<cw::PersonalRecord> shortFile = cw::readStoredPersonal(*cw::Env::posix(), loaded);
    ASSERT_TRUE(shortFile.isOk());
    QByteArray full(690, Qt::Uninitialized);
    cw::PersonalRecordCodec::encode(loaded, full.data());
    full.replace(0, 5, "Short");
    QByteArray got(690, Qt::Uninitialized);
    cw::PersonalRecordCodec::encode(*shortFile, got.data());
    EXPECT_EQ(got, full);
}

TEST(FindScan, RowsAreExaminedInOrderFromTheNextRow)
{
    const QStringList notes = {"Taxi to airport", "surtax", "(tax refund)", "bus fare"};
    auto noteAt = [&](qsizetype r) { return notes[r]; };
    cw::FindScan s = cw::scanNotes(u"TAX", 0, notes.size(), noteAt);
    EXPECT_EQ(s.hit, 0);
    EXPECT_EQ(s.next, 1);
    s = cw::scanNotes(u"TAX", s.next, notes.size(), noteAt);
    EXPECT_EQ(s.hit, 2);
    EXPECT_EQ(s.next, 3);
    s = cw::scanNotes(u"TAX", s.next, notes.size(), noteAt);
    EXPECT_EQ(s.hit, -1);
    EXPECT_EQ(s.lastExamined, 3);
    EXPECT_EQ(s.next, 4);
    s = cw::scanNotes(u"BUS FARE", 0, notes.size(), noteAt);
    EXPECT_EQ(s.hit, -1);
    s = cw::scanNotes(u"TAX", 0, 0, noteAt);
    EXPECT_EQ(s.lastExamined, -1);
    EXPECT_EQ(s.next, 0);
    EXPECT_EQ(cw::findNextQuestion().title, "Searching...");
    EXPECT_EQ(cw::findDoneMessage().title, "Done searching");
}

TEST(Notes, FileIsMadeEmptyOnceAndAnotherCaseIsTheSameFile)
{
    TempFolder folder;
    cw::Result<QString> name = cw::notesFileToEdit(*cw::Env::posix(), "2001");
    ASSERT_TRUE(name.isOk());
    EXPECT_EQ(*name, "2001_cwk.nts");
    EXPECT_EQ(fileSize("2001_cwk.nts"), 0);

    writeBytes("2002_CWK.NTS", "my notes");
    name = cw::notesFileToEdit(*cw::Env::posix(), "2002");
    ASSERT_TRUE(name.isOk());
    EXPECT_EQ(*name, "2002_CWK.NTS");
    EXPECT_EQ(readBytes("2002_CWK.NTS"), "my notes");
    EXPECT_FALSE(QFile::exists("2002_cwk.nts"));
}

} // namespace
