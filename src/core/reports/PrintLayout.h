#pragma once
// How a report goes onto paper, apart from any printer: every page starts
// with three empty lines and holds at most 64 report lines, each behind six
// blanks; each copy is a document of its own, and the page line count runs on
// from one copy into the next.

#include "core/reports/ReportText.h"
#include "store/Message.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace cw {

// The printer operations a report needs. Each returns false on failure, which
// ends the printing at once.
class PrintSink {
public:
    virtual ~PrintSink() = default;
    virtual bool beginDocument() = 0;
    virtual bool newPage() = 0;
    virtual bool printLine(const QString& text) = 0;   // "" prints an empty line
    virtual bool endDocument() = 0;
};

inline constexpr int kPrintLinesPerPage = 64;
inline constexpr int kPrintTopEmptyLines = 3;
inline const QString kPrintIndent = QStringLiteral("      ");

// Prints `copies` documents of `lines` into `sink`; `onLine` hears the index
// of each report line as it is printed (the window selects it). False when
// the sink failed.
bool printReportLines(const ReportText& lines, int copies, PrintSink& sink,
                      const std::function<void(qsizetype)>& onLine = {});

// How many pages printReportLines gives for `copies` documents of `lines`.
int printedPageCount(const ReportText& lines, int copies);

// The same layout collected: per copy, per page, the printed lines.
using PrintedPage = QStringList;
using PrintedDocument = std::vector<PrintedPage>;
std::vector<PrintedDocument> layoutPrint(const ReportText& lines, int copies);

// `text` with each tab replaced by the blanks up to the next tab stop, one
// every `columns` characters: how the line items' tabs look in the
// fixed-pitch report font, on paper and on screen.
QString expandTabs(const QString& text, int columns = 8);

// A printing failure as the system describes it.
struct PrintFailure {
    QString description;
    int number = 0;
};

// The printer's own error when the system gives no description of its own.
inline const PrintFailure kPrinterError{QStringLiteral("Printer error"), 482};

// The description, one blank and the number; OK, the program's title.
Message printFailureMessage(const PrintFailure& failure);

// Where a report goes when the system has no printer: this file in the
// working folder, and a message that names it.
inline const QString kNoPrinterFileName = QStringLiteral("CWK_REPORT.PDF");
Message printedToFileMessage(const QString& path);

} // namespace cw
