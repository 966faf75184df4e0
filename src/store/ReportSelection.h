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

// The same count read from the file; an absent or unreadable file counts none.
qsizetype chosenCategoryCount(Env& env, const QString& name = kReportSelectionFileName);

} // namespace cw
