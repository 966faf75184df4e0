// Byte layouts of the three record files, checked against hand-made bytes.

#include "store/CategoryRecord.h"
#include "store/LedgerEntry.h"
#include "store/PersonalRecord.h"
#include "support/Records.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace cw;
using cwtest::entry;
using cwtest::hex;

namespace {

QByteArray encode(const LedgerEntry& e)
{
    QByteArray r(LedgerEntryCodec::kSize, '\0');
    LedgerEntryCodec::encode(e, r.data());
    return r;
}

} // namespace

TEST(LedgerEntryLayout, AmountIsLittleEndianTenThousandths)
{
    EXPECT_EQ(encode(entry("01-02-98", "FT", 125000, "")).mid(10, 8), hex("48 E8 01 00 00 00 00 00"));
    EXPECT_EQ(encode(entry("01-02-98", "FT", -125000, "")).mid(10, 8), hex("B8 17 FE FF FF FF FF FF"));
}

TEST(LedgerEntryLayout, FieldsSitAtTheirOffsetsBlankPadded)
{
    const QByteArray r = encode(entry("12-31-98", "A", 10000, "Rent"));
    ASSERT_EQ(r.size(), 58);
    EXPECT_EQ(r.left(8), QByteArray("12-31-98"));
    EXPECT_EQ(r.mid(8, 2), QByteArray("A "));
    EXPECT_EQ(r.mid(18), QByteArray("Rent") + QByteArray(36, ' '));
}

TEST(LedgerEntryLayout, LongTextIsCutAndUnassignedTextIsZeroBytes)
{
    LedgerEntry e;
    e.setNote(QString(50, QLatin1Char('x')));
    const QByteArray r = encode(e);
    EXPECT_EQ(r.left(10), QByteArray(10, '\0'));
    EXPECT_EQ(r.mid(18), QByteArray(40, 'x'));
}

TEST(LedgerEntryLayout, DecodeReadsHandMadeBytes)
{
    const QByteArray r = QByteArray("03-04-99") + "Hm" + hex("B8 17 FE FF FF FF FF FF") + QByteArray("  lead") +
                         QByteArray(34, ' ');
    const LedgerEntry e = LedgerEntryCodec::decode(r.constData());
    EXPECT_EQ(e.dateText(), QStringLiteral("03-04-99"));
    EXPECT_EQ(e.codeText(), QStringLiteral("Hm"));
    EXPECT_EQ(e.amount, -125000);
    EXPECT_EQ(e.noteTrimmed(), QStringLiteral("lead"));
    EXPECT_EQ(encode(e), r);
}

TEST(LedgerEntryLayout, TextIsWindows1252WithQuestionMarkForTheRest)
{
    const LedgerEntry e = entry("", "", 0, "");
    LedgerEntry n = e;
    n.setNote(QStringLiteral("\u20AC caf\u00E9 \u4E2D"));
    const QByteArray r = encode(n);
    EXPECT_EQ(r.mid(18, 8), QByteArray("\x80 caf\xE9 ?"));
    EXPECT_EQ(n.noteTrimmed(), QStringLiteral("\u20AC caf\u00E9 ?"));
}

TEST(CategoryRecordLayout, CodeThenName)
{
    CategoryRecord c;
    c.setCode(QStringLiteral("FT"));
    c.setName(QStringLiteral("Food"));
    QByteArray r(18, '\0');
    CategoryRecordCodec::encode(c, r.data());
    EXPECT_EQ(r, QByteArray("FTFood") + QByteArray(12, ' '));
    EXPECT_EQ(CategoryRecordCodec::decode(r.constData()), c);
}

TEST(PersonalRecordLayout, CreationValuesByteForByte)
{
    PersonalRecord p = PersonalRecord::creationValues(QDate(2026, 3, 9));
    QByteArray r(690, '\x55');
    PersonalRecordCodec::encode(p, r.data());
    EXPECT_EQ(r.left(28), QByteArray("Your Name (click Options)   "));
    EXPECT_EQ(r.mid(28, 3), QByteArray(3, '\0'));
    EXPECT_EQ(r.mid(31, 2), hex("00 00"));
    EXPECT_EQ(r.mid(33, 60), QByteArray(60, ' '));
    EXPECT_EQ(r.mid(93, 3), QByteArray("\0$A", 3));
    EXPECT_EQ(r.mid(96, 32), QByteArray(32, '\0'));
    EXPECT_EQ(r.mid(128, 50), QByteArray("00-00-0000your mom's birthday (for example)       "));
    EXPECT_EQ(r.mid(178, 450), QByteArray(450, '\0'));
    EXPECT_EQ(r.mid(628, 2), QByteArray(2, '\0'));
    EXPECT_EQ(r.mid(630, 10), QByteArray("03-09-2026"));
    EXPECT_EQ(r.mid(640, 50), QByteArray(50, '\0'));
}

TEST(PersonalRecordLayout, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray r(690, '\0');
    for (int i = 0; i < r.size(); ++i)
        r[i] = char((i * 37 + 11) & 0xFF);
    PersonalRecord p = PersonalRecordCodec::decode(r.constData());
    QByteArray back(690, '\0');
    PersonalRecordCodec::encode(p, back.data());
    EXPECT_EQ(back, r);
    EXPECT_EQ(p.passCode, qint16(quint8(r[31]) | (quint8(r[32]) << 8)));
}

TEST(PersonalRecordLayout, PassCodeIsSignedLittleEndian)
{
    PersonalRecord p;
    p.passCode = 1234;
    QByteArray r(690, '\0');
    PersonalRecordCodec::encode(p, r.data());
    EXPECT_EQ(r.mid(31, 2), hex("D2 04"));
}
