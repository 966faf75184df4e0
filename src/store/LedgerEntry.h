#pragma once
// One entry of a year data file, and its 58-byte record.
//
//   offset size field
//        0    8 Date    text, MM-DD-YY or DD-MM-YY
//        8    2 Code    text, trimmed and left-aligned
//       10    8 Amount  Money, little-endian
//       18   40 Note    text
// Text fields are Windows-1252, blank-padded; never-assigned text is zero bytes.

#include "store/Money.h"

#include <QString>
#include <array>

namespace cw {

struct LedgerEntry {
    static constexpr int kDateSize = 8;
    static constexpr int kCodeSize = 2;
    static constexpr int kNoteSize = 40;

    std::array<char, kDateSize> date{};
    std::array<char, kCodeSize> code{};
    Money amount = 0;
    std::array<char, kNoteSize> note{};

    bool operator==(const LedgerEntry&) const = default;

    QString dateText() const;
    QString codeText() const;          // as stored, two characters
    QString noteText() const;          // as stored, forty characters
    QString noteTrimmed() const;       // leading and trailing blanks removed
    void setDate(const QString& text);
    void setCode(const QString& text);
    void setNote(const QString& text);
};

namespace LedgerEntryCodec {
inline constexpr int kSize = 58;
inline constexpr int kDateOffset = 0;
inline constexpr int kCodeOffset = 8;
inline constexpr int kAmountOffset = 10;
inline constexpr int kNoteOffset = 18;

LedgerEntry decode(const char* record);
void encode(const LedgerEntry& entry, char* record);
} // namespace LedgerEntryCodec

} // namespace cw
