// A year data file of any bytes: read whole and in pieces, then an insert, a
// replace and deletes on it. Every change must keep the records it does not
// touch and leave whole records only where the file had them.

#include "FuzzSupport.h"
#include "store/DateRules.h"
#include "store/LedgerFile.h"
#include "store/RecordFile.h"
#include "store/SortKey.h"

#include <cstring>

namespace {

constexpr qsizetype kSize = cw::LedgerEntryCodec::kSize;
const QString kName = QStringLiteral("1998CWK.DAT");

QByteArray encoded(const cw::LedgerEntry& e)
{
    QByteArray r(kSize, Qt::Uninitialized);
    cw::LedgerEntryCodec::encode(e, r.data());
    return r;
}

void checkRead(cwfuzz::FastEnv& env, const QByteArray& bytes, qsizetype piece)
{
    env.setPiece(piece);
    cw::Result<std::vector<cw::LedgerEntry>> read = cw::LedgerFile(kName, &env).readAll();
    FUZZ_CHECK(read.isOk());
    FUZZ_CHECK(*read == cw::decodeRecords<cw::LedgerEntry>(bytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static cwfuzz::FastEnv env;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype n = bytes.size() / kSize;
    const qsizetype whole = n * kSize;
    const char flag = size % 2 ? 'E' : 'A';
    cwfuzz::writeBytes(kName, bytes);

    // The same records whether the file comes in one piece or in odd ones.
    checkRead(env, bytes, 1 << 20);
    checkRead(env, bytes, 1 + qsizetype(size % 61));

    const cw::LedgerFile file(kName, &env);
    for (const cw::LedgerEntry& e : cw::decodeRecords<cw::LedgerEntry>(bytes.left(8 * kSize))) {
        (void)cw::ledgerSortKey(e, flag);
        (void)cw::isValidDate(e.dateText(), QChar::fromLatin1(flag), 2024);
        (void)cw::monthOf(e.dateText(), QChar::fromLatin1(flag));
        (void)e.noteTrimmed();
    }

    // Insert: the new record at its key's place, the whole records around it
    // unchanged, a trailing partial record gone.
    cw::LedgerEntry added;
    if (n > 0)
        added = cw::LedgerEntryCodec::decode(bytes.constData() + whole - kSize);
    added.setNote(QStringLiteral("fuzz insert"));
    const qsizetype at = cw::insertionIndex(bytes, cw::ledgerSortKey(added, flag), flag);
    FUZZ_CHECK(at >= 0 && at <= n);
    FUZZ_CHECK(file.insertInOrder(added, flag).isOk());
    QByteArray after = cwfuzz::readBytes(kName);
    FUZZ_CHECK(after.size() == whole + kSize);
    FUZZ_CHECK(after.left(at * kSize) == bytes.left(at * kSize));
    FUZZ_CHECK(after.mid(at * kSize, kSize) == encoded(added));
    FUZZ_CHECK(after.mid((at + 1) * kSize) == bytes.mid(at * kSize, whole - at * kSize));

    // Replace the first record in place; the size stays.
    const cw::LedgerEntry first = cw::LedgerEntryCodec::decode(after.constData());
    cw::LedgerEntry edited = first;
    edited.amount = ~first.amount;
    edited.setNote(QStringLiteral("fuzz replace"));
    cw::Result<bool> replaced = file.replace(first, edited);
    FUZZ_CHECK(replaced.isOk() && *replaced);
    QByteArray replacedBytes = cwfuzz::readBytes(kName);
    FUZZ_CHECK(replacedBytes.size() == after.size());
    FUZZ_CHECK(replacedBytes.left(kSize) == encoded(edited));
    FUZZ_CHECK(replacedBytes.mid(kSize) == after.mid(kSize));

    // Delete it again: one record fewer, the rest in their order.
    cw::Result<bool> deleted = file.deleteOne(edited);
    FUZZ_CHECK(deleted.isOk() && *deleted);
    FUZZ_CHECK(cwfuzz::readBytes(kName) == after.mid(kSize));

    // A delete that finds nothing writes nothing.
    cw::LedgerEntry absent = edited;
    absent.setNote(QStringLiteral("never stored"));
    absent.amount = 0x5A5A5A5A5A5A5A5A;
    const QByteArray beforeMiss = cwfuzz::readBytes(kName);
    if (beforeMiss.indexOf(encoded(absent)) < 0) {
        cw::Result<bool> missed = file.deleteOne(absent);
        FUZZ_CHECK(missed.isOk() && !*missed);
        FUZZ_CHECK(cwfuzz::readBytes(kName) == beforeMiss);
    }

    // Writing back what was read gives the whole records of the input.
    cwfuzz::writeBytes(kName, bytes);
    cw::Result<std::vector<cw::LedgerEntry>> all = file.readAll();
    FUZZ_CHECK(all.isOk());
    FUZZ_CHECK(file.writeAll(*all).isOk());
    FUZZ_CHECK(cwfuzz::readBytes(kName) == bytes.left(whole));
    return 0;
}
