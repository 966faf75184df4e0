#include "CategoryChoice.h"

#include "core/categories/CategoryEditorLogic.h"
#include "store/LedgerEntry.h"

#include <algorithm>
#include <bitset>
#include <memory>

namespace cw {

bool addChosenCategory(std::vector<CategoryRecord>& chosen, const CategoryRecord& category)
{
    const bool there = std::any_of(chosen.begin(), chosen.end(),
                                   [&](const CategoryRecord& c) { return c.code == category.code; });
    if (!there)
        chosen.push_back(category);
    return !there;
}

std::vector<CategoryRecord> allCategoriesChoice(const std::vector<CategoryRecord>& categories,
                                                QByteArrayView dataRecords)
{
    // Two code bytes make one of 65,536 possible codes.
    const auto index = [](const char* code) { return size_t(uchar(code[0]) << 8 | uchar(code[1])); };
    auto listed = std::make_unique<std::bitset<65536>>();
    std::vector<CategoryRecord> chosen;
    for (const CategoryRecord& c : categories) {
        if (!listed->test(index(c.code.data())))
            chosen.push_back(c);
        listed->set(index(c.code.data()));
    }

    auto carried = std::make_unique<std::bitset<65536>>();
    constexpr qsizetype size = LedgerEntryCodec::kSize;
    for (qsizetype at = 0; at + size <= dataRecords.size(); at += size)
        carried->set(index(dataRecords.data() + at + LedgerEntryCodec::kCodeOffset));
    *carried &= ~*listed;

    std::vector<CategoryRecord> orphans;
    for (size_t i = 0; i < carried->size(); ++i) {
        if (!carried->test(i))
            continue;
        CategoryRecord orphan;
        orphan.code = {char(i >> 8), char(i & 0xFF)};
        orphan.setName(kNoCategoryName);
        orphans.push_back(orphan);
    }
    sortCategories(orphans);
    chosen.insert(chosen.end(), orphans.begin(), orphans.end());
    return chosen;
}

} // namespace cw
