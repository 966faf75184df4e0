#include "EntrySelection.h"

#include "core/session/ProgramState.h"

#include "store/Win1252.h"

namespace cw {

CategoryFilter::CategoryFilter(const QString& category)
{
    if (category == kAllCategories) {
        all_ = true;
        return;
    }
    if (category.size() != LedgerEntry::kCodeSize)
        return;
    std::array<char, LedgerEntry::kCodeSize> code{};
    for (int i = 0; i < LedgerEntry::kCodeSize; ++i) {
        const int byte = unicodeToWin1252(category[i].unicode());
        if (byte < 0)
            return;   // a character no stored code can hold
        code[size_t(i)] = char(byte);
    }
    code_ = code;
}

EntrySelection selectEntries(const std::vector<LedgerEntry>& entries, const QString& category)
{
    const CategoryFilter filter(category);
    EntrySelection selection;
    selection.all = filter.passesAll();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!filter.passes(entries[i]))
            continue;
        if (!selection.all)
            selection.indexes.push_back(quint32(i));
        selection.totals.add(entries[i].amount);
    }
    return selection;
}

} // namespace cw
