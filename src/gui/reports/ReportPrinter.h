#pragma once
// PrintReport on a real printer through Qt Print Support: the report lines
// laid out as PrintLayout says, in the fixed-pitch report font.

#include "core/reports/PrintLayout.h"

#include <QFont>
#include <QPageLayout>
#include <QStringList>
#include <functional>

class QPrinter;

namespace cw {

// Puts back the printer's orientation, copy count, document name and output
// file as they were when it was made, whatever way a print ends: a print
// changes them for its own run and leaves the user's settings as it found them.
class PrinterSettingsKept {
public:
    explicit PrinterSettingsKept(QPrinter& printer);
    ~PrinterSettingsKept();
    PrinterSettingsKept(const PrinterSettingsKept&) = delete;
    PrinterSettingsKept& operator=(const PrinterSettingsKept&) = delete;

private:
    QPrinter& printer_;
    QPageLayout::Orientation orientation_;
    int copies_;
    QString docName_;
    QString outputFile_;
};

// "Courier New" at `pointSize`, or the system's fixed-pitch font where no
// fixed-pitch font answers to that name.
QFont reportFont(qreal pointSize, bool bold = false);

struct PrintOutcome {
    bool ok = true;
    bool cancelled = false;      // stopped by the user; nothing is left of the job
    PrintFailure failure;        // why printing stopped, when not ok
    QString fileWritten;         // the working-folder PDF when the system has no printer
    qsizetype lastLine = -1;     // index of the report line printed last
};

// Prints `lines` on `printer` as it is set (printer, output file, page, copy
// count), which it leaves as it found it. On a printer each copy is a print
// job of its own; into a PDF output file all copies go, each from a new
// page. A printer without a device (no printer on the system, no output
// file) writes kNoPrinterFileName in `folder`. A failure abandons the job.
// `onPage` hears each page number as it begins and returns false to stop:
// the job is then abandoned and a PDF it was writing removed.
using PageHook = std::function<bool(int page)>;
PrintOutcome printReport(QPrinter& printer, const ReportText& lines, const QString& folder,
                         const PageHook& onPage = {});

// The pages exactly as printReport puts them, painted on `printer` (a print
// preview's): every copy, one document.
void paintReport(QPrinter& printer, const ReportText& lines);

} // namespace cw
