#pragma once
// The entry editor's work without its widgets: the entry built from the
// panel's fields, the amount an opened entry shows, and the three changes
// (save, replace, delete) with what the user is to be told about each.

#include "store/LedgerFile.h"
#include "store/Message.h"

#include <QLocale>
#include <optional>

namespace cw {

// The panel's fields when a storing button is pressed.
struct EntryFields {
    QString editorDate;   // DateEditor as displayed: five characters, "_" where unfilled
    QString year;         // the two-digit year the date ends with
    QString code;         // CatCodeLabel
    QString amount;       // AmountEditor as typed
    QString note;         // NoteEditor
};

// The field a refusal is about, where the editor puts the focus.
enum class EntryField { None, Date, Amount, Category };

// What a storing button did. A refusal (an entry check, an amount that is
// not a number, an entry no longer in the file) carries its message and the
// field at fault; a file failure its status. Nothing is written in either case.
struct EntryChange {
    bool done = false;
    std::optional<Message> refusal;
    EntryField fault = EntryField::None;
    Status failure;
    QString cleanedAmount;   // AmountEditor's text once cleaned ("0" for nothing)
};

// AmountEditor's text for an opened entry: the stored amount's absolute value
// in full precision, without grouping or trailing zeros ("12.5", "12.3456",
// "0"), with the locale's decimal point so that it reads back unchanged.
QString amountEditorText(Money amount, const QLocale& locale);

// NoteEditor's text for an opened entry: the stored note without its
// trailing blank fill; leading blanks stay.
QString noteEditorText(const LedgerEntry& entry);

// A code as the two-character field holds it ("A" -> "A ").
QString storedCodeText(const QString& code);

// Storing an entry keeps the entry list on its category: a filter other than
// "all" becomes the stored code.
void followStoredCode(QString& selectedCategory, const QString& code);

// "Entry not found - nothing changed", title "Entry Aborted".
Message entryNotFoundMessage();

// Save EXPENSE / Save INCOME: the typed amount checked, the cleaned amount
// converted with the locale's separators, negated for an expense; the entry
// checks against the year the file's name gives; insert in order.
EntryChange saveNewEntry(const LedgerFile& file, const EntryFields& fields, bool expense, QChar flag,
                         const QLocale& locale);

// Replace: the amount converted the same way and negated when the opened
// entry was negative; the entry checks; the first record equal to the
// remembered entry overwritten in place.
EntryChange replaceEntry(const LedgerFile& file, const LedgerEntry& remembered, const EntryFields& fields,
                         bool negative, QChar flag, const QLocale& locale);

// Delete: the first record equal to `entry` removed, and only that one.
EntryChange deleteEntry(const LedgerFile& file, const LedgerEntry& entry);

} // namespace cw
