#pragma once
// Reading a macro file: its lines, their classes, the 80-character macro
// lines of the work file and the entries they make.
//
// Lines end at CR LF, LF or CR, so files written by any editor read alike.
// A remark starts with an apostrophe in column 1; a blank line is exactly
// empty (a line of blanks is data); every other line is a data line. Three
// data lines make an entry: code, amount, note.

#include "store/LedgerEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace cw {

inline constexpr int kMacroLineSize = 80;
inline const QString kMacroWorkName = QStringLiteral("tempmac.$$$");

enum class MacroLineClass { Remark, Blank, Data };

MacroLineClass classifyMacroLine(QByteArrayView line);

// The lines of a file's bytes, without their line ends.
std::vector<QByteArrayView> splitMacroLines(QByteArrayView bytes);

// The data lines of a macro file, in order, each blank-padded or cut to one
// 80-byte macro line.
QByteArray macroLineRecords(QByteArrayView fileBytes);

struct MacroEntry {
    std::array<char, LedgerEntry::kCodeSize> code{};   // trimmed, upper-cased, first two
    std::optional<Money> amount;                       // nullopt: too large for Money
    QString amountText;                                // the amount line, blanks trimmed
    std::array<char, LedgerEntry::kNoteSize> note{};   // first 40 characters as they are
};

// Every three macro lines make one entry, in order. One or two lines left
// over after the last complete entry are not an entry and are skipped.
std::vector<MacroEntry> readMacroEntries(QByteArrayView records);

// The code line's code: blanks trimmed, upper case, first two characters.
std::array<char, LedgerEntry::kCodeSize> macroCode(QByteArrayView line);

} // namespace cw
