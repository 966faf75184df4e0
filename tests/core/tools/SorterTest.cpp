// The sorter: its passes against passes done by hand, the order of keys,
// a whole run with its progress, and nothing written when nothing moves.

#include "support/Records.h"
#include "store/SortKey.h"
#include "support/FaultEnv.h"
#include "core/tools/Sorter.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace cw {
namespace {

using namespace cwtest;

constexpr int kSize = 58;
const QString kData = QStringLiteral("1998CWK.DAT");

// The sorter as first described: pass after pass over all adjacent pairs,
// reading both records, exchanging them when the first key is smaller.
QByteArray passesByHand(QByteArray bytes, qsizetype passes, char flag)
{
    const qsizetype n = bytes.size() / kSize;
    for (qsizetype p = 1; p <= passes && p <= n; ++p) {
        for (qsizetype j = 0; j + 1 < n; ++j) {
            char* a = bytes.data() + j * kSize;
            char* b = a + kSize;
            if (ledgerSortKey(LedgerEntryCodec::decode(a), flag) < ledgerSortKey(LedgerEntryCodec::decode(b), flag))
                std::swap_ranges(a, b, b);
        }
    }
    return bytes;
}

TEST(SortPasses, EveryPassCountMatchesThePassesByHandAndEqualKeysKeepTheirOrder)
{
    std::mt19937 rng(11);
    for (QChar flag : {u'A', u'E'}) {
        const char f = flag.toLatin1();
        for (int round = 0; round < 60; ++round) {
            QByteArray bytes = cwtest::bytesOf(cwtest::randomEntries(rng, int(rng() % 25), flag));
            if (round % 4 == 0)
                bytes.append("tail");
            const qsizetype n = bytes.size() / kSize;
            for (qsizetype k = 0; k <= n + 1; ++k)
                ASSERT_EQ(sortedAfterPasses(bytes, k, f), passesByHand(bytes, k, f))
                    << "flag " << f << " n " << n << " passes " << k;
        }
    }
}

class SortFile : public ::testing::Test {
protected:
    QString data() const { return folder.path(kData); }
    cwtest::TempFolder folder;
};

TEST_F(SortFile, FullRunWritesTheStableDescendingOrder)
{
    std::mt19937 rng(3);
    QByteArray bytes = cwtest::bytesOf(cwtest::randomEntries(rng, 40, u'A'));
    bytes.append("partial");
    cwtest::writeBytes(kData, bytes);
    std::vector<qsizetype> calls;
    const Result<SortRun> run = sortMainFile(*Env::posix(), data(), 'A', [&](qsizetype p, qsizetype total) {
        EXPECT_EQ(total, 40);
        calls.push_back(p);
        return true;
    }, 10);
    ASSERT_TRUE(run.isOk());
    EXPECT_EQ(run->passesDone, 40);
    EXPECT_TRUE(run->written);
    EXPECT_EQ(cwtest::readBytes(kData), passesByHand(bytes, 40, 'A'));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), 1);
    EXPECT_EQ(calls.back(), 40);
    EXPECT_LE(calls.size(), 12u);
}

TEST_F(SortFile, NothingWrittenWhenNothingChanges)
{
    cwtest::FaultEnv env;
    const Result<SortRun> empty = sortMainFile(env, data(), 'A');
    ASSERT_TRUE(empty.isOk());
    EXPECT_EQ(empty->records, 0);
    EXPECT_EQ(cwtest::readBytes(kData), QByteArray());

    const QByteArray ordered = cwtest::bytesOf({entry("03-16-98", "AB", 1, ""), entry("03-15-98", "AB", 1, "")});
    cwtest::writeBytes(kData, ordered);
    const Result<SortRun> run = sortMainFile(env, data(), 'A');
    ASSERT_TRUE(run.isOk());
    EXPECT_FALSE(run->written);
    EXPECT_EQ(env.count(cwtest::FaultEnv::Kind::Rename), 0);

    const QByteArray unordered = cwtest::bytesOf({entry("03-15-98", "AB", 1, ""), entry("03-16-98", "AB", 1, "")});
    cwtest::writeBytes(kData, unordered);
    EXPECT_TRUE(sortMainFile(env, data(), 'A', [](qsizetype, qsizetype) { return false; })->passesDone == 0);
    EXPECT_EQ(cwtest::readBytes(kData), unordered);
}

} // namespace
} // namespace cw
