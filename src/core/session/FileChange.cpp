#include "FileChange.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace cw {
namespace {

constexpr qsizetype kBlock = 4096;

qsizetype sharedHead(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i + kBlock <= n && std::memcmp(a.data() + i, b.data() + i, kBlock) == 0)
        i += kBlock;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype sharedTail(QByteArrayView a, QByteArrayView b, qsizetype limit)
{
    const char* ea = a.data() + a.size();
    const char* eb = b.data() + b.size();
    qsizetype i = 0;
    while (i + kBlock <= limit && std::memcmp(ea - i - kBlock, eb - i - kBlock, kBlock) == 0)
        i += kBlock;
    while (i < limit && ea[-i - 1] == eb[-i - 1])
        ++i;
    return i;
}

// Per record: the offset and length of the span that differs, then its bytes.
QByteArray patches(QByteArrayView now, QByteArrayView wanted, int size)
{
    QByteArray out;
    for (qsizetype at = 0; at < wanted.size(); at += size) {
        int first = 0;
        while (first < size && now[at + first] == wanted[at + first])
            ++first;
        int last = size;
        while (last > first && now[at + last - 1] == wanted[at + last - 1])
            --last;
        out.append(char(quint8(first))).append(char(quint8(last - first)));
        out.append(wanted.data() + at + first, last - first);
    }
    return out;
}

// Per record of `wanted`, the number of a record of `now` with the same bytes;
// empty when one is not there. The records of `now` are found through their
// hashes, sorted: 16 bytes a record, where a hash table would take three times that.
QByteArray copies(QByteArrayView now, QByteArrayView wanted, int size)
{
    struct Key {
        size_t hash;
        quint32 index;
        bool operator<(const Key& o) const { return hash < o.hash; }
    };
    const qsizetype n = now.size() / size;
    std::vector<Key> keys(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        keys[size_t(i)] = {fileHash(now.sliced(i * size, size)), quint32(i)};
    std::sort(keys.begin(), keys.end());
    QByteArray out(wanted.size() / size * qsizetype(sizeof(quint32)), Qt::Uninitialized);
    quint32* index = reinterpret_cast<quint32*>(out.data());
    for (qsizetype at = 0; at < wanted.size(); at += size) {
        const QByteArrayView record = wanted.sliced(at, size);
        const size_t hash = fileHash(record);
        auto k = std::lower_bound(keys.begin(), keys.end(), Key{hash, 0});
        while (k != keys.end() && k->hash == hash && now.sliced(qsizetype(k->index) * size, size) != record)
            ++k;
        if (k == keys.end() || k->hash != hash)
            return {};
        *index++ = k->index;
    }
    return out;
}

// The smallest form of the middle; the bytes themselves are copied only when
// they are the form kept.
void chooseMiddle(FileChange& c, QByteArrayView now, QByteArrayView wanted)
{
    const int size = c.recordSize;
    const bool records = size > 1 && size <= 255 && now.size() == wanted.size() && wanted.size() % size == 0;
    QByteArray patched = records ? patches(now, wanted, size) : QByteArray();
    const qsizetype smallest = records ? std::min(wanted.size(), patched.size()) : wanted.size();
    if (records && wanted.size() / size * qsizetype(sizeof(quint32)) < smallest) {
        if (QByteArray moved = copies(now, wanted, size); !moved.isEmpty()) {
            c.form = FileChange::Form::Copies;
            c.payload = std::move(moved);
            return;
        }
    }
    if (records && patched.size() < wanted.size()) {
        c.form = FileChange::Form::Patches;
        c.payload = std::move(patched);
        return;
    }
    c.form = FileChange::Form::Bytes;
    c.payload = wanted.toByteArray();
}

} // namespace

// Four independent multiply-xor lanes over 8-byte words run at the speed the
// memory delivers; the order of the words counts. Not a defence against a
// made-up file, a check that the file is the one the step left.
size_t fileHash(QByteArrayView bytes)
{
    constexpr quint64 kPrime = 0x9E3779B97F4A7C15ull;
    quint64 lane[4] = {1, 2, 3, 4};
    const char* p = bytes.data();
    const qsizetype words = bytes.size() / 8;
    qsizetype i = 0;
    for (; i + 4 <= words; i += 4)
        for (int k = 0; k < 4; ++k) {
            quint64 w;
            std::memcpy(&w, p + (i + k) * 8, 8);
            lane[k] = (lane[k] ^ w) * kPrime;
            lane[k] ^= lane[k] >> 29;
        }
    quint64 h = quint64(bytes.size());
    for (; i < words; ++i) {
        quint64 w;
        std::memcpy(&w, p + i * 8, 8);
        h = ((h ^ w) * kPrime) ^ (h >> 31);
    }
    for (qsizetype b = words * 8; b < bytes.size(); ++b)
        h = ((h ^ quint8(p[b])) * kPrime) ^ (h >> 31);
    for (quint64 l : lane)
        h = ((h ^ l) * kPrime) ^ (h >> 31);
    return size_t(h);
}

FileChange changeBetween(const QString& file, QByteArrayView now, bool nowExists, QByteArrayView wanted,
                         bool wantedExists, int recordSize)
{
    FileChange c;
    c.file = file;
    c.fromExists = nowExists;
    c.fromSize = now.size();
    c.fromHash = fileHash(now);
    c.toExists = wantedExists;
    c.recordSize = recordSize;
    // Whole records on both sides keep the middle in whole records.
    const int step = recordSize > 1 && now.size() % recordSize == 0 && wanted.size() % recordSize == 0 ? recordSize : 1;
    qsizetype head = sharedHead(now, wanted);
    head -= head % step;
    qsizetype tail = sharedTail(now, wanted, std::min(now.size(), wanted.size()) - head);
    tail -= tail % step;
    c.head = head;
    c.tail = tail;
    c.toMiddle = wanted.size() - head - tail;
    chooseMiddle(c, now.sliced(head, now.size() - head - tail), wanted.sliced(head, c.toMiddle));
    return c;
}

FileChange reverseChange(const FileChange& c, QByteArrayView now, QByteArrayView other)
{
    FileChange r = c;
    r.fromExists = c.toExists;
    r.fromSize = other.size();
    r.fromHash = fileHash(other);
    r.toExists = c.fromExists;
    r.toMiddle = now.size() - c.head - c.tail;
    chooseMiddle(r, other.sliced(c.head, c.toMiddle), now.sliced(c.head, r.toMiddle));
    return r;
}

bool changeAppliesTo(const FileChange& c, QByteArrayView now, bool nowExists)
{
    return nowExists == c.fromExists && now.size() == c.fromSize && fileHash(now) == c.fromHash;
}

QByteArray applyChange(const FileChange& c, QByteArrayView now)
{
    const QByteArrayView nowMiddle = now.sliced(c.head, now.size() - c.head - c.tail);
    QByteArray out;
    out.reserve(c.head + c.toMiddle + c.tail);
    out.append(now.first(c.head));
    const int size = c.recordSize;
    switch (c.form) {
    case FileChange::Form::Bytes:
        out.append(c.payload);
        break;
    case FileChange::Form::Copies: {
        const quint32* index = reinterpret_cast<const quint32*>(c.payload.constData());
        for (qsizetype i = 0; i < c.toMiddle / size; ++i)
            out.append(nowMiddle.data() + qsizetype(index[i]) * size, size);
        break;
    }
    case FileChange::Form::Patches: {
        const char* p = c.payload.constData();
        for (qsizetype at = 0; at < c.toMiddle; at += size) {
            const qsizetype start = out.size();
            out.append(nowMiddle.data() + at, size);
            const int first = quint8(p[0]);
            const int length = quint8(p[1]);
            std::memcpy(out.data() + start + first, p + 2, size_t(length));
            p += 2 + length;
        }
        break;
    }
    }
    out.append(now.last(c.tail));
    return out;
}

} // namespace cw
