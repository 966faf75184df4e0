#pragma once
// Which entries of a year the entry list shows for a category, and their
// totals, found in one pass.

#include "core/entries/EntryTotals.h"

#include "store/LedgerEntry.h"

#include <optional>
#include <vector>

namespace cw {

// "all" lets every entry through; otherwise an entry passes when its stored
// two-character code equals the category exactly ("A " for a one-character
// code). Any other text ("" included) lets nothing through.
class CategoryFilter {
public:
    explicit CategoryFilter(const QString& category);
    bool passesAll() const { return all_; }
    bool passes(const LedgerEntry& entry) const
    {
        return all_ || (code_ && entry.code == *code_);
    }

private:
    bool all_ = false;
    std::optional<std::array<char, LedgerEntry::kCodeSize>> code_;
};

struct EntrySelection {
    bool all = true;                   // every entry, in file order
    std::vector<quint32> indexes;      // otherwise the passing entries' indexes
    EntryTotals totals;

    qsizetype size() const { return all ? qsizetype(totals.count) : qsizetype(indexes.size()); }
    qsizetype entryIndex(qsizetype row) const { return all ? row : qsizetype(indexes[size_t(row)]); }
};

EntrySelection selectEntries(const std::vector<LedgerEntry>& entries, const QString& category);

} // namespace cw
