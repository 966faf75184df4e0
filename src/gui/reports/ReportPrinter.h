#pragma once
// PrintReport on a real printer through Qt Print Support: the report lines
// laid out as PrintLayout says, in the fixed-pitch report font.

#include "core/reports/PrintLayout.h"

#include <QFont>
#include <QStringList>

class QPrinter;

namespace cw {

// "Courier New" at `pointSize`, or the system's fixed-pitch font where no
// fixed-pitch font answers to that name.
QFont reportFont(qreal pointSize, bool bold = false);

struct PrintOutcome {
    bool ok = true;
    PrintFailure failure;        // why printing stopped, when not ok
    QString fileWritten;         // the working-folder PDF when the system has no printer
    qsizetype lastLine = -1;     // index of the report line printed last
};

// Prints `lines` on `printer` as it is set (printer, output file, page, copy
// count), which it leaves as it found it. On a printer each copy is a print
// job of its own; into a PDF output file all copies go, each from a new
// page. A printer without a device (no printer on the system, no output
// file) writes kNoPrinterFileName in `folder`. A failure abandons the job.
PrintOutcome printReport(QPrinter& printer, const ReportText& lines, const QString& folder);

} // namespace cw
