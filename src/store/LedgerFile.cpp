#include "LedgerFile.h"

#include "store/FileNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"
#include "store/SortKey.h"

#include <cstring>

namespace cw {
namespace {

constexpr int kSize = LedgerEntryCodec::kSize;

QByteArray encoded(const LedgerEntry& e)
{
    QByteArray r(kSize, Qt::Uninitialized);
    LedgerEntryCodec::encode(e, r.data());
    return r;
}

// Index of the first record whose bytes equal `record`, or -1.
qsizetype findRecord(const QByteArray& bytes, const QByteArray& record)
{
    const qsizetype n = recordCount<LedgerEntry>(bytes);
    for (qsizetype i = 0; i < n; ++i)
        if (std::memcmp(bytes.constData() + i * kSize, record.constData(), kSize) == 0)
            return i;
    return -1;
}

} // namespace

LedgerFile::LedgerFile(QString name, Env* env) : name_(std::move(name)), env_(env) {}

Result<std::vector<LedgerEntry>> LedgerFile::readAll() const { return readRecords<LedgerEntry>(*env_, name_); }

qsizetype insertionIndex(const QByteArray& records, double key, char flag)
{
    const qsizetype n = recordCount<LedgerEntry>(records);
    for (qsizetype i = 0; i < n; ++i)
        if (ledgerSortKey(LedgerEntryCodec::decode(records.constData() + i * kSize), flag) <= key)
            return i;
    return n;
}

Status LedgerFile::insertInOrder(const LedgerEntry& entry, char flag) const
{
    Result<QByteArray> bytes = readRecordFile(*env_, name_);
    if (!bytes)
        return bytes.status();
    const qsizetype n = recordCount<LedgerEntry>(*bytes);
    const qsizetype at = insertionIndex(*bytes, ledgerSortKey(entry, flag), flag);
    // A trailing partial record lay where record N + 1 is written: it goes.
    QByteArray out;
    out.reserve((n + 1) * kSize);
    out.append(bytes->constData(), at * kSize);
    out.append(encoded(entry));
    out.append(bytes->constData() + at * kSize, (n - at) * kSize);
    return writeFileSafely(*env_, resolveFileName(*env_, name_), out);
}

Result<bool> LedgerFile::replace(const LedgerEntry& remembered, const LedgerEntry& edited) const
{
    Result<QByteArray> bytes = readRecordFile(*env_, name_);
    if (!bytes)
        return bytes.status();
    const qsizetype at = findRecord(*bytes, encoded(remembered));
    if (at < 0)
        return false;
    // In place: every other byte, a trailing partial record too, is kept.
    LedgerEntryCodec::encode(edited, bytes->data() + at * kSize);
    Status s = writeFileSafely(*env_, resolveFileName(*env_, name_), *bytes);
    if (!s)
        return s;
    return true;
}

Result<bool> LedgerFile::deleteOne(const LedgerEntry& entry) const
{
    Result<QByteArray> bytes = readRecordFile(*env_, name_);
    if (!bytes)
        return bytes.status();
    const qsizetype at = findRecord(*bytes, encoded(entry));
    if (at < 0)
        return false;
    const qsizetype n = recordCount<LedgerEntry>(*bytes);
    QByteArray out;
    out.reserve((n - 1) * kSize);
    out.append(bytes->constData(), at * kSize);
    out.append(bytes->constData() + (at + 1) * kSize, (n - at - 1) * kSize);
    Status s = writeFileSafely(*env_, resolveFileName(*env_, name_), out, kDeleteWorkName);
    if (!s)
        return s;
    return true;
}

Status LedgerFile::writeAll(const std::vector<LedgerEntry>& entries, const QString& workName) const
{
    return writeRecords(*env_, name_, entries, workName);
}

} // namespace cw
