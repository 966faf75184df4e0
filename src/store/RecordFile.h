#pragma once
// Files of fixed-length records: record n at offset (n - 1) x size, the count
// is the length divided by the size, a trailing partial record is never read.

#include "store/CategoryRecord.h"
#include "store/Env.h"
#include "store/FileNames.h"
#include "store/LedgerEntry.h"
#include "store/SafeWrite.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

namespace cw {

template <class R>
struct RecordTraits;

template <>
struct RecordTraits<LedgerEntry> {
    static constexpr int kSize = LedgerEntryCodec::kSize;
    static LedgerEntry decode(const char* r) { return LedgerEntryCodec::decode(r); }
    static void encode(const LedgerEntry& e, char* r) { LedgerEntryCodec::encode(e, r); }
};

template <>
struct RecordTraits<CategoryRecord> {
    static constexpr int kSize = CategoryRecordCodec::kSize;
    static CategoryRecord decode(const char* r) { return CategoryRecordCodec::decode(r); }
    static void encode(const CategoryRecord& c, char* r) { CategoryRecordCodec::encode(c, r); }
};

template <class R>
qsizetype recordCount(QByteArrayView bytes)
{
    return bytes.size() / RecordTraits<R>::kSize;
}

template <class R>
std::vector<R> decodeRecords(const QByteArray& bytes)
{
    const qsizetype n = recordCount<R>(bytes);
    std::vector<R> out;
    out.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        out.push_back(RecordTraits<R>::decode(bytes.constData() + i * RecordTraits<R>::kSize));
    return out;
}

template <class R>
QByteArray encodeRecords(const std::vector<R>& records)
{
    QByteArray out(qsizetype(records.size()) * RecordTraits<R>::kSize, Qt::Uninitialized);
    for (size_t i = 0; i < records.size(); ++i)
        RecordTraits<R>::encode(records[i], out.data() + qsizetype(i) * RecordTraits<R>::kSize);
    return out;
}

// The whole file; an absent one is created empty, as every record file is.
inline Result<QByteArray> readRecordFile(Env& env, const QString& name)
{
    QByteArray bytes;
    Status s = env.readFile(resolveFileName(env, name), &bytes, true);
    if (!s)
        return s;
    return bytes;
}

// The whole file held for reading in place; an absent one is created empty.
inline Status mapRecordFile(Env& env, const QString& name, FileContents* out)
{
    return env.mapFile(resolveFileName(env, name), true, out);
}

// Every whole record of the file, decoded piece by piece as it is read.
template <class R>
Result<std::vector<R>> readRecords(Env& env, const QString& name)
{
    constexpr int size = RecordTraits<R>::kSize;
    std::vector<R> out;
    char carry[size];
    int carried = 0;
    const QString path = resolveFileName(env, name);
    const auto take = [&](QByteArrayView piece, qsizetype fileSize) {
        if (out.empty())
            out.reserve(size_t(fileSize / size));
        const char* p = piece.data();
        qsizetype left = piece.size();
        if (carried > 0) {
            const int take = int(qMin<qsizetype>(size - carried, left));
            std::memcpy(carry + carried, p, size_t(take));
            carried += take, p += take, left -= take;
            if (carried < size)
                return;   // the record goes on in the next piece
            out.push_back(RecordTraits<R>::decode(carry));
            carried = 0;
        }
        for (; left >= size; p += size, left -= size)
            out.push_back(RecordTraits<R>::decode(p));
        std::memcpy(carry, p, size_t(left));
        carried = int(left);
    };
    Status s;
    // A file too large for the memory there is says so; it never ends the program.
    try {
        s = env.readFileInChunks(path, true, take);
    } catch (const std::bad_alloc&) {
        s = Status::fromErrno(path, ENOMEM);
    }
    if (!s)
        return s;
    return out;
}

template <class R>
Status writeRecords(Env& env, const QString& name, const std::vector<R>& records,
                    const QString& workName = QString())
{
    return writeFileSafely(env, resolveFileName(env, name), encodeRecords(records), workName);
}

// Copies the records that pass `keep`, in their order, through the work file
// over the source; returns how many were dropped.
template <class R, class Keep>
Result<qsizetype> rewriteKeeping(Env& env, const QString& name, const QString& workName, Keep keep)
{
    Result<QByteArray> bytes = readRecordFile(env, name);
    if (!bytes)
        return bytes.status();
    constexpr int size = RecordTraits<R>::kSize;
    const qsizetype n = recordCount<R>(*bytes);
    QByteArray kept;
    kept.reserve(n * size);
    for (qsizetype i = 0; i < n; ++i) {
        const char* r = bytes->constData() + i * size;
        if (keep(RecordTraits<R>::decode(r)))
            kept.append(r, size);
    }
    Status s = writeFileSafely(env, resolveFileName(env, name), kept, workName);
    if (!s)
        return s;
    return n - kept.size() / size;
}

} // namespace cw
