// Byte layouts of the three record files, checked against hand-made bytes,
// and "PERSONAL.DAT" loaded.

#include "store/PersonalSettings.h"
#include "support/Records.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace cw;
using namespace cwtest;

namespace {

QByteArray encode(const PersonalRecord& p)
{
    QByteArray r(690, '\x55');
    PersonalRecordCodec::encode(p, r.data());
    return r;
}

TEST(LedgerEntryLayout, FieldsAtTheirOffsetsBlankPaddedInWindows1252WithALittleEndianAmount)
{
    const QByteArray r = bytesOf({entry("12-31-98", "A", 125000, "Rent")});
    ASSERT_EQ(r.size(), 58);
    EXPECT_EQ(r.left(10), QByteArray("12-31-98A "));
    EXPECT_EQ(r.mid(10, 8), hex("48 E8 01 00 00 00 00 00"));   // ten-thousandths
    EXPECT_EQ(r.mid(18), QByteArray("Rent") + QByteArray(36, ' '));
    // Long text is cut; text never assigned is zero bytes.
    LedgerEntry e;
    e.setNote(QString(50, QLatin1Char('x')));
    EXPECT_EQ(bytesOf({e}).left(10), QByteArray(10, '\0'));
    EXPECT_EQ(bytesOf({e}).mid(18), QByteArray(40, 'x'));
    const QByteArray bytes = QByteArray("03-04-99Hm") + hex("B8 17 FE FF FF FF FF FF") + QByteArray("  lead") + QByteArray(34, ' ');
    const LedgerEntry decoded = LedgerEntryCodec::decode(bytes.constData());
    EXPECT_EQ(decoded.dateText() + decoded.codeText() + decoded.noteTrimmed(), QStringLiteral("03-04-99Hmlead"));
    EXPECT_EQ(decoded.amount, -125000);
    EXPECT_EQ(bytesOf({decoded}), bytes);
    LedgerEntry n;
    n.setNote(QStringLiteral("\u20AC caf\u00E9 \u4E2D"));   // "?" for what the code page lacks
    EXPECT_EQ(bytesOf({n}).mid(18, 8), QByteArray("\x80 caf\xE9 ?"));
    EXPECT_EQ(n.noteTrimmed(), QStringLiteral("\u20AC caf\u00E9 ?"));
}

TEST(CategoryRecordLayout, CodeThenName)
{
    const CategoryRecord c = category("FT", "Food");
    const QByteArray r = bytesOf(std::vector{c});
    EXPECT_EQ(r, QByteArray("FTFood") + QByteArray(12, ' '));
    EXPECT_EQ(CategoryRecordCodec::decode(r.constData()), c);
}

TEST(PersonalRecordLayout, CreationValuesByteForByteAndEveryByteSurvivesARoundTrip)
{
    const QByteArray r = encode(PersonalRecord::creationValues(QDate(2026, 3, 9)));
    const std::pair<int, QByteArray> fields[] = {
        {0, "Your Name (click Options)   "}, {28, QByteArray(5, '\0')}, {33, QByteArray(60, ' ')}, {93, QByteArray("\0$A", 3)},
        {96, QByteArray(32, '\0')}, {128, "00-00-0000your mom's birthday (for example)       "}, {178, QByteArray(452, '\0')},
        {630, "03-09-2026"}, {640, QByteArray(50, '\0')}};
    for (const auto& [at, bytes] : fields)
        EXPECT_EQ(r.mid(at, bytes.size()), bytes) << at;
    QByteArray any(690, '\0');
    for (int i = 0; i < any.size(); ++i)
        any[i] = char((i * 37 + 11) & 0xFF);
    PersonalRecord p = PersonalRecordCodec::decode(any.constData());
    EXPECT_EQ(encode(p), any);
    EXPECT_EQ(p.passCode, qint16(quint8(any[31]) | (quint8(any[32]) << 8)));
    p.passCode = 1234;
    EXPECT_EQ(encode(p).mid(31, 2), hex("D2 04"));
}

TEST(PersonalSettings, LoadKeepsTheRecordButForTheStartDateCompletesAShortOneAndSparesAReadOnlyOne)
{
    TempFolder folder;
    QByteArray old(700, '\0');
    for (int i = 0; i < old.size(); ++i)
        old[i] = char('a' + i % 26);
    writeBytes(QStringLiteral("PERSONAL.DAT"), old);
    ASSERT_TRUE(loadOrCreatePersonal(*Env::current(), kToday).isOk());
    EXPECT_EQ(readBytes(QStringLiteral("PERSONAL.DAT")), old.replace(630, 10, "03-15-2026"));
    // A short file is completed with the creation values.
    writeBytes(QStringLiteral("PERSONAL.DAT"), QByteArray("Ann"));
    ASSERT_TRUE(loadOrCreatePersonal(*Env::current(), kToday).isOk());
    const QByteArray bytes = readBytes(QStringLiteral("PERSONAL.DAT"));
    ASSERT_EQ(bytes.size(), 690);
    EXPECT_EQ(bytes.left(28), QByteArray("Annr Name (click Options)   "));
    EXPECT_EQ(bytes.mid(94, 2), QByteArray("$A"));
    // A read-only file is read, and the start date not written.
    ::chmod("PERSONAL.DAT", 0444);
    ASSERT_TRUE(loadOrCreatePersonal(*Env::current(), kToday.addDays(1)).isOk());
    EXPECT_EQ(readBytes(QStringLiteral("PERSONAL.DAT")), bytes);
}

} // namespace
