#include "EntryChecks.h"

#include "store/Blanks.h"
#include "store/DateRules.h"

namespace cw {

std::optional<Message> checkEntry(LedgerEntry& entry, QChar flag, int activeYear)
{
    const QString title = QStringLiteral("Entry Aborted");
    const QString date = entry.dateText();
    if (!isValidDate(date, flag, activeYear))
        return Message{QStringLiteral("Invalid Date - ") + date, title, Message::Icon::Warning};

    const QString code = trimBlanks(entry.codeText());
    entry.setCode(code);
    if (code.isEmpty())
        return Message{QStringLiteral("No Category Selected"), title, Message::Icon::Warning};
    return std::nullopt;
}

} // namespace cw
