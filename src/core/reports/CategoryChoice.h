#pragma once
// Which categories a report takes: a pick adds a category once, All Cats
// takes every code of the year, those without a category too.

#include "store/CategoryRecord.h"

#include <QByteArrayView>
#include <vector>

namespace cw {

// The name of a code that entries carry but the category file lacks.
inline const QString kNoCategoryName = QStringLiteral("(no category)");

// Pick: `category` joins the choice unless a category of its code is already
// there. True when it joined.
bool addChosenCategory(std::vector<CategoryRecord>& chosen, const CategoryRecord& category);

// All Cats: each code of the category file once, with the name of its first
// record; then every code that the year's records (whole 58-byte records of
// `dataRecords`) carry and the file lacks, in the category file's order,
// named "(no category)", so that no entry of the year is left out.
std::vector<CategoryRecord> allCategoriesChoice(const std::vector<CategoryRecord>& categories,
                                                QByteArrayView dataRecords);

} // namespace cw
