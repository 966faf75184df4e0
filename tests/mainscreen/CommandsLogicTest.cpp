// The plain logic behind Date Coverter and the personal settings changes,
// where the window tests do not reach: odd record files.

#include "support/Seed.h"
#include "support/TempFolder.h"

#include "core/session/DateFormatLogic.h"
#include "core/session/PersonalOptions.h"

#include <gtest/gtest.h>

using namespace cwtest;

namespace {

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
    // Such a year holds no entry to convert; one whole record is one.
    EXPECT_FALSE(*cw::yearHoldsEntries(*cw::Env::posix(), "1998CWK.DAT"));
    writeBytes("1998CWK.DAT", QByteArray(58, 'x'));
    EXPECT_TRUE(*cw::yearHoldsEntries(*cw::Env::posix(), "1998CWK.DAT"));
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

} // namespace
