#include "LedgerEntry.h"

#include "store/Blanks.h"
#include "store/Win1252.h"

#include <QtEndian>
#include <cstring>

namespace cw {

QString LedgerEntry::dateText() const { return fromWin1252(date.data(), kDateSize); }
QString LedgerEntry::codeText() const { return fromWin1252(code.data(), kCodeSize); }
QString LedgerEntry::noteText() const { return fromWin1252(note.data(), kNoteSize); }
QString LedgerEntry::noteTrimmed() const { return trimBlanks(noteText()); }
void LedgerEntry::setDate(const QString& text) { putFixedText(date.data(), kDateSize, text); }
void LedgerEntry::setCode(const QString& text) { putFixedText(code.data(), kCodeSize, text); }
void LedgerEntry::setNote(const QString& text) { putFixedText(note.data(), kNoteSize, text); }

namespace LedgerEntryCodec {

static_assert(kNoteOffset + LedgerEntry::kNoteSize == kSize);

LedgerEntry decode(const char* record)
{
    LedgerEntry e;
    std::memcpy(e.date.data(), record + kDateOffset, LedgerEntry::kDateSize);
    std::memcpy(e.code.data(), record + kCodeOffset, LedgerEntry::kCodeSize);
    e.amount = qFromLittleEndian<qint64>(record + kAmountOffset);
    std::memcpy(e.note.data(), record + kNoteOffset, LedgerEntry::kNoteSize);
    return e;
}

void encode(const LedgerEntry& e, char* record)
{
    std::memcpy(record + kDateOffset, e.date.data(), LedgerEntry::kDateSize);
    std::memcpy(record + kCodeOffset, e.code.data(), LedgerEntry::kCodeSize);
    qToLittleEndian<qint64>(e.amount, record + kAmountOffset);
    std::memcpy(record + kNoteOffset, e.note.data(), LedgerEntry::kNoteSize);
}

} // namespace LedgerEntryCodec
} // namespace cw
