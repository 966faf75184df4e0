// Inputs the fuzz targets found wrong results for, kept as plain tests.

#include "store/CategoryFile.h"
#include "store/LedgerFile.h"
#include "store/PlainNumber.h"
#include "store/RecordFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace cw;

namespace {

// Hands every file out in pieces of a fixed size, as an Env may.
class PieceEnv : public EnvWrapper {
public:
    explicit PieceEnv(qsizetype piece) : EnvWrapper(Env::posix()), piece_(piece) {}
    Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink) override
    {
        QByteArray bytes;
        Status s = readFile(path, &bytes, createIfMissing);
        for (qsizetype at = 0; s && at < bytes.size(); at += piece_)
            sink(QByteArrayView(bytes).sliced(at, qMin(piece_, bytes.size() - at)), bytes.size());
        return s;
    }

private:
    qsizetype piece_;
};

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char('A' + i % 26);
    return bytes;
}

} // namespace

// A record split over pieces shorter than what it still lacks must be
// completed by the pieces after them, not dropped.
TEST(FuzzRegression, RecordsReadInShortPiecesAndLongPlainNumbers)
{
    cwtest::TempFolder folder;
    const QByteArray ledger = pattern(3 * LedgerEntryCodec::kSize + 11);
    const QByteArray categories = pattern(30);   // the category input found: one record and 12 bytes
    cwtest::writeBytes(QStringLiteral("1998CWK.DAT"), ledger);
    cwtest::writeBytes(QStringLiteral("1998CATS.DAT"), categories);
    for (qsizetype piece : {1, 5, 8, 57, 59}) {
        SCOPED_TRACE(piece);
        PieceEnv env(piece);
        const Result<std::vector<LedgerEntry>> entries = LedgerFile(QStringLiteral("1998CWK.DAT"), &env).readAll();
        ASSERT_TRUE(entries.isOk());
        EXPECT_EQ(*entries, decodeRecords<LedgerEntry>(ledger));
        const Result<std::vector<CategoryRecord>> cats = CategoryFile(QStringLiteral("1998CATS.DAT"), &env).readAll();
        ASSERT_TRUE(cats.isOk());
        EXPECT_EQ(*cats, decodeRecords<CategoryRecord>(categories));
    }
    // Leading zeros and long digit runs continue the number however many there are.
    EXPECT_EQ(readPlainNumber(QString(64, u'0') + QStringLiteral("5")), 5.0);
    EXPECT_EQ(readPlainNumber(QStringLiteral("0.") + QString(70, u'0') + QStringLiteral("1")), 1e-71);
    const QByteArray found = "2" + QByteArray(70, '1') + "7-+";
    EXPECT_EQ(readPlainNumber(found.constData(), found.size()), std::strtod(found.constData(), nullptr));
    EXPECT_EQ(readPlainNumber(QStringLiteral("0") + QString::fromLatin1(found)), readPlainNumber(QString::fromLatin1(found)));
}
