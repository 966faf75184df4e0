#include "ImportPlan.h"

#include "core/macros/InsertMany.h"
#include "store/EntryChecks.h"
#include "store/FileNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace cw {

QString ImportRow::stateText() const
{
    switch (state) {
    case ImportState::New: return QStringLiteral("new");
    case ImportState::Duplicate: return QStringLiteral("duplicate");
    case ImportState::OtherYear: return QStringLiteral("other year");
    case ImportState::Error: return QStringLiteral("error: ") + error;
    }
    return {};
}

namespace {

constexpr int kSize = LedgerEntryCodec::kSize;

struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
// A bit per hash value, set for every key looked for: most of a year's
// records are passed over without a look into the maps.
class Sieve {
public:
    void add(std::string_view key) { const size_t h = Hash{}(key); bits_[(h >> 6) & kMask] |= 1ull << (h & 63); }
    bool mayHold(std::string_view key) const
    {
        const size_t h = Hash{}(key);
        return bits_[(h >> 6) & kMask] & (1ull << (h & 63));
    }

private:
    static constexpr size_t kWords = size_t(1) << 15;   // 2^21 bits
    static constexpr size_t kMask = kWords - 1;
    std::vector<quint64> bits_ = std::vector<quint64>(kWords, 0);
};

template <class V>
using StringMap = std::unordered_map<std::string, V, Hash, std::equal_to<>>;
using StringSet = std::unordered_set<std::string, Hash, std::equal_to<>>;

// Date, amount and note with its trailing blank fill (or zero bytes) left out.
std::string_view duplicateKey(const char* record, char* buffer)
{
    std::memcpy(buffer, record + LedgerEntryCodec::kDateOffset, LedgerEntry::kDateSize);
    std::memcpy(buffer + 8, record + LedgerEntryCodec::kAmountOffset, 8);
    const char* note = record + LedgerEntryCodec::kNoteOffset;
    int n = LedgerEntry::kNoteSize;
    while (n > 0 && (note[n - 1] == ' ' || note[n - 1] == '\0'))
        --n;
    std::memcpy(buffer + 16, note, size_t(n));
    return {buffer, size_t(16 + n)};
}

// Windows-1252 letters in lower case.
unsigned char foldByte(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

// The stored note trimmed and folded, and its first word.
struct FoldedNote {
    char text[LedgerEntry::kNoteSize];
    int size = 0;
    int wordSize = 0;
    std::string_view whole() const { return {text, size_t(size)}; }
    std::string_view word() const { return {text, size_t(wordSize)}; }
};

void foldNote(const char* note, FoldedNote& out)
{
    int from = 0, to = LedgerEntry::kNoteSize;
    while (from < to && (note[from] == ' ' || note[from] == '\0'))
        ++from;
    while (to > from && (note[to - 1] == ' ' || note[to - 1] == '\0'))
        --to;
    out.size = to - from;
    out.wordSize = out.size;
    for (int i = 0; i < out.size; ++i) {
        out.text[i] = char(foldByte(static_cast<unsigned char>(note[from + i])));
        if (out.text[i] == ' ' && out.wordSize == out.size)
            out.wordSize = i;
    }
}

// The month and day of a stored date as one number, for "newest".
int dayOfYear(const char* date, QChar flag)
{
    auto two = [&](int at) {
        const auto d0 = static_cast<unsigned char>(date[at]), d1 = static_cast<unsigned char>(date[at + 1]);
        return d0 >= '0' && d0 <= '9' && d1 >= '0' && d1 <= '9' ? (d0 - '0') * 10 + (d1 - '0') : 0;
    };
    const int month = flag == u'E' ? two(3) : two(0);
    const int day = flag == u'E' ? two(0) : two(3);
    return month * 100 + day;
}

QString storedDate(const QDate& d, QChar flag)
{
    const QString yy = QStringLiteral("%1").arg(d.year() % 100, 2, 10, QChar(u'0'));
    return flag == u'E' ? d.toString(QStringLiteral("dd-MM-")) + yy : d.toString(QStringLiteral("MM-dd-")) + yy;
}

QString noteWithoutControls(QString note)
{
    for (QChar& c : note)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return note;
}

struct Guess {
    int date = -1;
    qsizetype index = 0;
    std::array<char, 2> code{};
    bool found() const { return date >= 0; }
    // Newer by date; within a date the earlier record (file order) wins.
    void offer(int d, qsizetype i, const char* c)
    {
        if (d > date) {
            date = d;
            index = i;
            std::memcpy(code.data(), c, 2);
        }
    }
};

} // namespace

std::vector<ImportRow> planImport(const std::vector<StatementRow>& rows, QByteArrayView yearRecords,
                                  const ImportContext& context)
{
    std::vector<ImportRow> out(rows.size());
    char record[kSize];
    char keyBuffer[64];

    // The rows' entries, states and the keys they look for in the year.
    StringMap<bool> keysInYear;   // duplicate key -> found in the year
    StringMap<Guess> byNote, byWord;
    Sieve sieve;
    for (size_t i = 0; i < rows.size(); ++i) {
        const StatementRow& s = rows[i];
        ImportRow& r = out[i];
        r.fitid = s.fitid;
        r.entry.setNote(noteWithoutControls(s.note()));
        r.amountRead = s.amount.has_value();
        if (s.amount)
            r.entry.amount = *s.amount;
        if (s.date.isValid())
            r.entry.setDate(storedDate(s.date, context.flag));
        if (!s.error.isEmpty()) {
            r.state = ImportState::Error;
            r.error = s.error;
        } else if (s.date.year() != context.activeYear) {
            r.state = ImportState::OtherYear;
        } else {
            LedgerEntryCodec::encode(r.entry, record);
            const std::string_view key = duplicateKey(record, keyBuffer);
            keysInYear.emplace(std::string(key), false);
            sieve.add(key);
        }
        if (!s.code.trimmed().isEmpty())
            continue;
        FoldedNote folded;
        foldNote(r.entry.note.data(), folded);
        if (folded.size > 0) {
            byNote.emplace(std::string(folded.whole()), Guess{});
            byWord.emplace(std::string(folded.word()), Guess{});
            sieve.add(folded.whole());
            sieve.add(folded.word());
        }
    }

    // One pass over the year.
    const qsizetype n = yearRecords.size() / kSize;
    FoldedNote folded;
    for (qsizetype i = 0; i < n; ++i) {
        const char* rec = yearRecords.data() + i * kSize;
        if (const std::string_view key = duplicateKey(rec, keyBuffer); sieve.mayHold(key))
            if (auto it = keysInYear.find(key); it != keysInYear.end())
                it->second = true;
        if (byNote.empty())
            continue;
        foldNote(rec + LedgerEntryCodec::kNoteOffset, folded);
        if (folded.size == 0)
            continue;
        const int date = dayOfYear(rec + LedgerEntryCodec::kDateOffset, context.flag);
        if (sieve.mayHold(folded.whole()))
            if (auto it = byNote.find(folded.whole()); it != byNote.end())
                it->second.offer(date, i, rec + LedgerEntryCodec::kCodeOffset);
        if (sieve.mayHold(folded.word()))
            if (auto it = byWord.find(folded.word()); it != byWord.end())
                it->second.offer(date, i, rec + LedgerEntryCodec::kCodeOffset);
    }

    // States and codes in row order.
    StringSet seenKeys;
    QSet<QString> seenFitids;
    for (size_t i = 0; i < rows.size(); ++i) {
        ImportRow& r = out[i];
        if (r.state == ImportState::New) {
            LedgerEntryCodec::encode(r.entry, record);
            const std::string_view key = duplicateKey(record, keyBuffer);
            const bool earlierInFile = !seenKeys.emplace(key).second;
            const bool knownFitid =
                !r.fitid.isEmpty() && (context.knownFitids.contains(r.fitid) || seenFitids.contains(r.fitid));
            if (!r.fitid.isEmpty())
                seenFitids.insert(r.fitid);
            if (keysInYear.find(key)->second || earlierInFile || knownFitid)
                r.state = ImportState::Duplicate;
            r.ticked = r.state == ImportState::New;
        }

        const QString fileCode = rows[i].code.trimmed();
        if (!fileCode.isEmpty()) {
            r.entry.setCode(fileCode);
            continue;
        }
        FoldedNote f;
        foldNote(r.entry.note.data(), f);
        const Guess* g = nullptr;
        if (f.size > 0) {
            if (const Guess& byWhole = byNote.find(f.whole())->second; byWhole.found())
                g = &byWhole;
            else if (const Guess& byFirst = byWord.find(f.word())->second; byFirst.found())
                g = &byFirst;
        }
        if (g) {
            r.entry.code = g->code;
        } else {
            r.entry.setCode(context.defaultCode);
            r.codeFromDefault = true;
        }
    }
    return out;
}

void setDefaultCategory(std::vector<ImportRow>& rows, const QString& code)
{
    for (ImportRow& r : rows)
        if (r.codeFromDefault)
            r.entry.setCode(code);
}

ImportOutcome writeImport(Env& env, const QString& dataFile, const std::vector<ImportRow>& rows, QChar flag)
{
    ImportOutcome out;
    std::vector<LedgerEntry> entries;
    const int year = yearOfDataFile(dataFile);
    for (const ImportRow& r : rows) {
        if (r.state == ImportState::OtherYear)
            ++out.otherYear;
        if (!r.canTick())
            continue;
        if (!r.ticked) {
            out.duplicatesSkipped += r.state == ImportState::Duplicate;
            continue;
        }
        LedgerEntry e = r.entry;
        if (std::optional<Message> refusal = checkEntry(e, flag, year)) {
            out.refused = std::move(refusal);
            return out;
        }
        entries.push_back(e);
        if (!r.fitid.isEmpty())
            out.fitids.append(r.fitid);
    }
    if (entries.empty())
        return out;
    Result<QByteArray> old = readRecordFile(env, dataFile);
    if (!old) {
        out.status = old.status();
        return out;
    }
    out.status = writeFileSafely(env, resolveFileName(env, dataFile), insertManyInOrder(*old, entries, flag.toLatin1()));
    if (out.status)
        out.written = qsizetype(entries.size());
    return out;
}

Message importSummaryMessage(const ImportOutcome& outcome)
{
    return Message{QStringLiteral("%1 entries imported, %2 duplicates skipped, %3 for other years.")
                       .arg(outcome.written)
                       .arg(outcome.duplicatesSkipped)
                       .arg(outcome.otherYear),
                   kProgramTitle, Message::Icon::Information};
}

} // namespace cw
