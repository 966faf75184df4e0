#pragma once
// The report selection file "tempcats.$$$": the categories chosen for a
// report, as 18-byte category records. Record 1 is left unwritten and holds
// 18 zero bytes; records 2 onward hold the chosen categories in the order
// they were picked, each code once. The report and the export both read it,
// and take its record count minus one as the number of categories.

#include "store/CategoryRecord.h"
#include "store/Env.h"

#include <vector>

namespace cw {

inline const QString kReportSelectionFileName = QStringLiteral("tempcats.$$$");

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

// Writes the file afresh: the zero record, then `chosen` in order. The file
// is always at least one record long, also when nothing is chosen.
Status makeRepCatFile(Env& env, const std::vector<CategoryRecord>& chosen,
                      const QString& name = kReportSelectionFileName);

// Every record of the file, the unwritten first one included. An absent file
// is created empty and reads as no records.
Result<std::vector<CategoryRecord>> readReportSelection(Env& env,
                                                        const QString& name = kReportSelectionFileName);

// The number of chosen categories a selection file of `records` holds.
inline qsizetype chosenCategoryCount(const std::vector<CategoryRecord>& records)
{
    return qsizetype(records.size()) - 1;
}

} // namespace cw
