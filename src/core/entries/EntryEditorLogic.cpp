#include "EntryEditorLogic.h"

#include "core/session/ProgramState.h"

#include "store/AmountRules.h"
#include "store/Blanks.h"
#include "store/DateRules.h"
#include "store/EntryChecks.h"
#include "store/FileNames.h"

namespace cw {
namespace {

LedgerEntry entryFromFields(const EntryFields& fields, Money amount)
{
    LedgerEntry entry;
    entry.setDate(fields.editorDate + u'-' + fields.year);
    entry.setCode(fields.code);
    entry.amount = amount;
    entry.setNote(fields.note);
    return entry;
}

// Cleans and converts the typed amount; on success `entry` is the entry to
// store, checked, with its code trimmed.
bool prepareEntry(const LedgerFile& file, const EntryFields& fields, bool negative, QChar flag, const QLocale& locale,
                  EntryChange& change, LedgerEntry& entry)
{
    const QString cleaned = cleanAmount(fields.amount);
    change.cleanedAmount = cleaned.isEmpty() ? QStringLiteral("0") : cleaned;
    const std::optional<Money> amount = typedAmountAllowed(fields.amount, locale)
                                            ? amountToMoney(change.cleanedAmount, negative, locale)
                                            : std::nullopt;
    if (!amount) {
        change.refusal = invalidAmountMessage(fields.amount);
        change.fault = EntryField::Amount;
        return false;
    }
    entry = entryFromFields(fields, *amount);
    const int year = yearOfDataFile(file.name());
    change.refusal = checkEntry(entry, flag, year);
    if (change.refusal)   // the date is checked first, then the code
        change.fault = isValidDate(entry.dateText(), flag, year) ? EntryField::Category : EntryField::Date;
    return !change.refusal;
}

void takeFound(const Result<bool>& found, EntryChange& change)
{
    if (!found)
        change.failure = found.status();
    else if (!*found)
        change.refusal = entryNotFoundMessage();
    else
        change.done = true;
}

} // namespace

QString amountEditorText(Money amount, const QLocale& locale)
{
    const quint64 units = amount < 0 ? 0 - quint64(amount) : quint64(amount);
    QString text = QString::number(units / quint64(kMoneyScale));
    quint64 fraction = units % quint64(kMoneyScale);
    if (fraction == 0)
        return text;
    int digits = 4;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    return text + locale.decimalPoint() + QString::number(fraction).rightJustified(digits, u'0');
}

QString noteEditorText(const LedgerEntry& entry) { return trimRightBlanks(entry.noteText()); }

QString storedCodeText(const QString& code)
{
    LedgerEntry probe;
    probe.setCode(code);
    return probe.codeText();
}

void followStoredCode(QString& selectedCategory, const QString& code)
{
    if (selectedCategory != kAllCategories)
        selectedCategory = storedCodeText(code);
}

Message entryNotFoundMessage()
{
    return {QStringLiteral("Entry not found - nothing changed"), QStringLiteral("Entry Aborted"),
            Message::Icon::Warning};
}

EntryChange saveNewEntry(const LedgerFile& file, const EntryFields& fields, bool expense, QChar flag,
                         const QLocale& locale)
{
    EntryChange change;
    LedgerEntry entry;
    if (!prepareEntry(file, fields, expense, flag, locale, change, entry))
        return change;
    change.failure = file.insertInOrder(entry, char(flag.unicode()));
    change.done = change.failure.isOk();
    return change;
}

EntryChange replaceEntry(const LedgerFile& file, const LedgerEntry& remembered, const EntryFields& fields,
                         bool negative, QChar flag, const QLocale& locale)
{
    EntryChange change;
    LedgerEntry entry;
    if (!prepareEntry(file, fields, negative, flag, locale, change, entry))
        return change;
    takeFound(file.replace(remembered, entry), change);
    return change;
}

EntryChange deleteEntry(const LedgerFile& file, const LedgerEntry& entry)
{
    EntryChange change;
    takeFound(file.deleteOne(entry), change);
    return change;
}

} // namespace cw
