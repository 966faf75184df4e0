#include "MacroReader.h"

#include "store/NumberReader.h"
#include "store/Blanks.h"
#include "store/Win1252.h"

#include <cstring>

namespace cw {

MacroLineClass classifyMacroLine(QByteArrayView line)
{
    if (!line.isEmpty() && line.front() == '\'')
        return MacroLineClass::Remark;
    if (line.isEmpty())
        return MacroLineClass::Blank;
    return MacroLineClass::Data;
}

std::vector<QByteArrayView> splitMacroLines(QByteArrayView bytes)
{
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back(bytes.sliced(start));
    return lines;
}

QByteArray macroLineRecords(QByteArrayView fileBytes)
{
    QByteArray records;
    for (QByteArrayView line : splitMacroLines(fileBytes)) {
        if (classifyMacroLine(line) != MacroLineClass::Data)
            continue;
        const QByteArrayView kept = line.first(qMin(line.size(), qsizetype(kMacroLineSize)));
        records.append(kept);
        records.append(kMacroLineSize - kept.size(), ' ');
    }
    return records;
}

std::array<char, LedgerEntry::kCodeSize> macroCode(QByteArrayView line)
{
    // Upper case as the single-byte code page has it: a letter whose capital
    // the code page lacks (the German sharp s, the micro sign) stays as it is.
    QString text = trimBlanks(fromWin1252(line.data(), line.size()));
    for (QChar& c : text) {
        const QChar upper = c.toUpper();
        if (win1252Holds(upper))
            c = upper;
    }
    std::array<char, LedgerEntry::kCodeSize> code{};
    putFixedText(code.data(), code.size(), text.left(LedgerEntry::kCodeSize));
    return code;
}

std::vector<MacroEntry> readMacroEntries(QByteArrayView records)
{
    const qsizetype lines = records.size() / kMacroLineSize;
    auto line = [&](qsizetype k) { return records.sliced(k * kMacroLineSize, kMacroLineSize); };

    std::vector<MacroEntry> entries;
    entries.reserve(size_t(lines / 3));
    for (qsizetype k = 0; k + 3 <= lines; k += 3) {
        MacroEntry e;
        e.code = macroCode(line(k));
        const QByteArrayView amountLine = line(k + 1);
        e.amountText = trimBlanks(fromWin1252(amountLine.data(), amountLine.size()));
        e.amount = readNumber(e.amountText).toMoney();
        std::memcpy(e.note.data(), line(k + 2).data(), e.note.size());
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace cw
