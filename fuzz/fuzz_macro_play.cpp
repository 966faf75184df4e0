// A macro file of any bytes played into a small year: its lines, its entries
// and the year file afterwards, which must be what inserting each accepted
// entry alone, one after the other, gives.

#include "FuzzSupport.h"
#include "core/macros/InsertMany.h"
#include "core/macros/MacroPlayer.h"
#include "core/macros/MacroReader.h"
#include "store/EntryChecks.h"
#include "store/FileNames.h"
#include "store/LedgerFile.h"
#include "store/RecordFile.h"
#include "store/SortKey.h"

namespace {

constexpr qsizetype kSize = cw::LedgerEntryCodec::kSize;
const QString kData = QStringLiteral("1998CWK.DAT");
const QString kMacro = QStringLiteral("FUZZ.MCR");

cw::LedgerEntry entry(const char* date, const char* code, cw::Money amount, const char* note)
{
    cw::LedgerEntry e;
    e.setDate(QString::fromLatin1(date));
    e.setCode(QString::fromLatin1(code));
    e.amount = amount;
    e.setNote(QString::fromLatin1(note));
    return e;
}

// Newest first, two equal keys, and a trailing partial record (dropped by
// any insert).
QByteArray baseYear(char flag)
{
    const bool e = flag == 'E';
    QByteArray out = cw::encodeRecords<cw::LedgerEntry>({
        entry(e ? "20-03-98" : "03-20-98", "FT", -1000000, "tax"),
        entry(e ? "15-01-98" : "01-15-98", "PY", 25000000, "pay"),
        entry(e ? "15-01-98" : "01-15-98", "PY", 1, "pay again"),
        entry(e ? "02-01-98" : "01-02-98", "A ", -5, "a"),
    });
    out.append("01-01-98AB", 10);
    return out;
}

// One insert alone: in front of the first record whose key is <= its own.
QByteArray insertOne(const QByteArray& bytes, const cw::LedgerEntry& e, char flag)
{
    const qsizetype n = bytes.size() / kSize;
    const qsizetype at = cw::insertionIndex(bytes, cw::ledgerSortKey(e, flag), flag);
    QByteArray r(kSize, Qt::Uninitialized);
    cw::LedgerEntryCodec::encode(e, r.data());
    return bytes.left(at * kSize) + r + bytes.mid(at * kSize, (n - at) * kSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static cwfuzz::FastEnv env;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const char flag = size % 2 ? 'E' : 'A';
    const QChar qflag = QChar::fromLatin1(flag);

    // Lines: no line end inside a line, one 80-byte macro line per data line.
    const std::vector<QByteArrayView> lines = cw::splitMacroLines(bytes);
    qsizetype dataLines = 0;
    for (QByteArrayView line : lines) {
        FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'));
        dataLines += cw::classifyMacroLine(line) == cw::MacroLineClass::Data;
    }
    const QByteArray records = cw::macroLineRecords(bytes);
    FUZZ_CHECK(records.size() == dataLines * cw::kMacroLineSize);
    const std::vector<cw::MacroEntry> entries = cw::readMacroEntries(records);
    FUZZ_CHECK(qsizetype(entries.size()) == dataLines / 3);

    // The play date as the date box would give it from the first line.
    if (!lines.empty()) {
        const QString box = QString::fromLatin1(lines.front().first(qMin<qsizetype>(lines.front().size(), 5)));
        (void)cw::checkPlayDate(cw::macroPlayDate(box, kData), qflag, cw::yearOfDataFile(kData));
    }

    const QString playDate = flag == 'E' ? QStringLiteral("15-01-98") : QStringLiteral("01-15-98");
    const QByteArray base = baseYear(flag);
    cwfuzz::writeBytes(kData, base);
    cwfuzz::writeBytes(kMacro, bytes);
    const cw::MacroPlayOutcome out = cw::playMacroFile(env, kMacro, playDate, kData, qflag);
    FUZZ_CHECK(out.status.isOk());
    FUZZ_CHECK(out.inserted + qsizetype(out.refused.size()) == qsizetype(entries.size()));
    FUZZ_CHECK(!env.fileExists(cw::kMacroWorkName));
    FUZZ_CHECK(cwfuzz::readBytes(kMacro) == bytes);

    QByteArray expected = base;
    qsizetype accepted = 0;
    for (const cw::MacroEntry& m : entries) {
        if (!m.amount)
            continue;
        cw::LedgerEntry e;
        e.setDate(playDate);
        e.code = m.code;
        e.amount = *m.amount;
        e.note = m.note;
        if (cw::checkEntry(e, qflag, cw::yearOfDataFile(kData)))
            continue;
        expected = insertOne(expected, e, flag);
        ++accepted;
    }
    FUZZ_CHECK(out.inserted == accepted);
    FUZZ_CHECK(cwfuzz::readBytes(kData) == expected);
    return 0;
}
