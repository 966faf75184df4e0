// Reading a file in place: the same bytes as a read, an absent file made
// empty, a file replaced while held still reads as it was, and a wrapped Env
// sees the mapping as an ordinary read.

#include "store/Env.h"
#include "support/TempFolder.h"
#include "support/FaultEnv.h"

#include <gtest/gtest.h>

using cwtest::writeBytes;

namespace {

class MapFileTest : public ::testing::Test {
protected:
    cwtest::TempFolder folder;
    cw::Env& env = *cw::Env::posix();
};

TEST_F(MapFileTest, HoldsTheSameBytesAsARead)
{
    QByteArray bytes(3 * 4096 + 17, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7);
    writeBytes("YEAR.DAT", bytes);
    cw::FileContents contents;
    ASSERT_TRUE(env.mapFile("YEAR.DAT", false, &contents).isOk());
    EXPECT_EQ(contents.view(), bytes);
}

TEST_F(MapFileTest, AnAbsentFileIsCreatedEmptyOrReported)
{
    cw::FileContents contents;
    const cw::Status missing = env.mapFile("NONE.DAT", false, &contents);
    EXPECT_FALSE(missing.isOk());
    EXPECT_EQ(missing.file(), "NONE.DAT");
    ASSERT_TRUE(env.mapFile("NONE.DAT", true, &contents).isOk());
    EXPECT_EQ(contents.size(), 0);
    EXPECT_TRUE(QFile::exists("NONE.DAT"));
}

TEST_F(MapFileTest, AFolderIsReportedNotMapped)
{
    QDir().mkdir("YEAR.DAT");
    cw::FileContents contents;
    EXPECT_FALSE(env.mapFile("YEAR.DAT", true, &contents).isOk());
    EXPECT_EQ(contents.size(), 0);
}

TEST_F(MapFileTest, AFileReplacedWhileHeldReadsAsItWas)
{
    writeBytes("YEAR.DAT", QByteArray(5000, 'a'));
    cw::FileContents contents;
    ASSERT_TRUE(env.mapFile("YEAR.DAT", false, &contents).isOk());
    // Every change to a file is a new file renamed over it.
    writeBytes("YEAR.$$$", QByteArray(10, 'b'));
    ASSERT_TRUE(env.renameFile("YEAR.$$$", "YEAR.DAT").isOk());
    EXPECT_EQ(contents.view(), QByteArray(5000, 'a'));

    cw::FileContents moved = std::move(contents);
    EXPECT_EQ(contents.size(), 0);
    EXPECT_EQ(moved.view(), QByteArray(5000, 'a'));
}

TEST_F(MapFileTest, AWrappedEnvMapsThroughItsOwnRead)
{
    writeBytes("YEAR.DAT", QByteArray(100, 'a'));
    cwtest::FaultEnv failing([](const cwtest::FaultEnv::Call& c) -> std::optional<QString> {
        return c.kind == cwtest::FaultEnv::Kind::Read ? std::optional(QStringLiteral("Input/output error")) : std::nullopt;
    });
    cw::FileContents contents;
    const cw::Status s = failing.mapFile("YEAR.DAT", true, &contents);
    EXPECT_EQ(failing.count(cwtest::FaultEnv::Kind::Read), 1);
    EXPECT_FALSE(s.isOk());
    EXPECT_EQ(s.reason(), "Input/output error");
    EXPECT_EQ(contents.size(), 0);
}

} // namespace
