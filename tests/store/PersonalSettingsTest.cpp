// Loading, completing and saving "PERSONAL.DAT"; a new one is compared whole
// in the year of use.

#include "store/PersonalSettings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace cw;
using namespace cwtest;

namespace {
const QDate kToday(2026, 3, 9);
}

TEST(PersonalSettings, AnExistingRecordIsKeptButForTheStartDate)
{
    cwtest::TempFolder folder;
    QByteArray old(700, '\0');
    for (int i = 0; i < old.size(); ++i)
        old[i] = char('a' + i % 26);
    writeBytes(QStringLiteral("PERSONAL.DAT"), old);
    ASSERT_TRUE(loadOrCreatePersonal(*Env::current(), kToday).isOk());
    QByteArray expected = old;
    expected.replace(630, 10, "03-09-2026");
    EXPECT_EQ(readBytes(QStringLiteral("PERSONAL.DAT")), expected);
}

TEST(PersonalSettings, AShortFileIsCompletedWithCreationValues)
{
    cwtest::TempFolder folder;
    writeBytes(QStringLiteral("PERSONAL.DAT"), QByteArray("Ann"));
    Result<PersonalRecord> p = loadOrCreatePersonal(*Env::current(), kToday);
    ASSERT_TRUE(p.isOk());
    const QByteArray bytes = readBytes(QStringLiteral("PERSONAL.DAT"));
    ASSERT_EQ(bytes.size(), 690);
    EXPECT_EQ(bytes.left(28), QByteArray("Annr Name (click Options)   "));
    EXPECT_EQ(bytes.mid(94, 2), QByteArray("$A"));
}

TEST(PersonalSettings, SaveRewritesTheWholeRecordUnderItsOwnSpelling)
{
    cwtest::TempFolder folder;
    writeBytes(QStringLiteral("personal.dat"), QByteArray());
    Result<PersonalRecord> p = loadOrCreatePersonal(*Env::current(), kToday);
    ASSERT_TRUE(p.isOk());
    p->setUserName(QStringLiteral("Ann"));
    p->passCode = 42;
    ASSERT_TRUE(savePersonal(*Env::current(), *p).isOk());
    EXPECT_FALSE(QFile::exists(QStringLiteral("PERSONAL.DAT")));
    const QByteArray bytes = readBytes(QStringLiteral("personal.dat"));
    EXPECT_EQ(bytes.left(28), QByteArray("Ann") + QByteArray(25, ' '));
    EXPECT_EQ(bytes.mid(31, 2), QByteArray("\x2A\x00", 2));
}
