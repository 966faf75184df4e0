#include "ReportPrinter.h"

#include "store/Env.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextOption>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cw {
namespace {

constexpr qreal kPrintPointSize = 10;
const QString kDefaultDocName = QStringLiteral("Coinwick 2 report");

PrintFailure systemFailure(int error)
{
    if (error == 0)
        return kPrinterError;
    return PrintFailure{QString::fromLocal8Bit(std::strerror(error)), error};
}

// The printer operations on a QPainter. Lines go down the page at the
// font's line spacing, closer where a page would not hold its lines. Tabs
// are laid out as blanks: Qt's PDF output drops the text after a tab.
class PrinterSink : public PrintSink {
public:
    // `oneFile`: every copy into the one output file, not a job each.
    PrinterSink(QPrinter& printer, bool oneFile, PageHook onPage = {})
        : printer_(printer), oneFile_(oneFile), onPage_(std::move(onPage))
    {
    }

    bool beginDocument() override
    {
        if (painter_.isActive())
            return newPage();
        if (!pageBegins())
            return false;
        errno = 0;
        if (!painter_.begin(&printer_))
            return fail(systemFailure(errno));
        setUpPage();
        return true;
    }

    bool newPage() override
    {
        if (!pageBegins())
            return false;
        if (!printer_.newPage())
            return fail(kPrinterError);
        y_ = area_.top();
        return true;
    }

    bool printLine(const QString& text) override
    {
        if (!text.isEmpty())
            painter_.drawText(QRectF(area_.left(), y_, area_.width(), lineHeight_), expandTabs(text), option_);
        y_ += lineHeight_;
        return true;
    }

    bool endDocument() override { return oneFile_ || end(); }

    // Ends the output file after the last copy.
    bool finish() { return !painter_.isActive() || end(); }

    // Drops the job in progress.
    void abandon()
    {
        printer_.abort();
        if (painter_.isActive())
            painter_.end();
    }

    const PrintFailure& failure() const { return failure_; }
    bool cancelled() const { return cancelled_; }

    bool fail(const PrintFailure& failure)
    {
        failure_ = failure;
        return false;
    }

private:
    bool pageBegins()
    {
        ++page_;
        if (onPage_ && !onPage_(page_)) {
            cancelled_ = true;
            return false;
        }
        return true;
    }

    bool end()
    {
        errno = 0;
        if (!painter_.end())
            return fail(systemFailure(errno));
        return true;
    }

    void setUpPage()
    {
        painter_.setFont(reportFont(kPrintPointSize));
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        area_ = printer_.pageRect(QPrinter::DevicePixel);
        if (!printer_.fullPage())
            area_.moveTopLeft(QPointF(0, 0));   // the painter starts at the printable area
        constexpr int kPageLines = kPrintTopEmptyLines + kPrintLinesPerPage;
        lineHeight_ = std::min(metrics.lineSpacing(), area_.height() / kPageLines);
        option_ = QTextOption(Qt::AlignLeft | Qt::AlignTop);
        option_.setWrapMode(QTextOption::NoWrap);
        y_ = area_.top();
    }

    QPrinter& printer_;
    bool oneFile_;
    PageHook onPage_;
    int page_ = 0;
    bool cancelled_ = false;
    QPainter painter_;
    QRectF area_;
    QTextOption option_;
    qreal lineHeight_ = 0;
    qreal y_ = 0;
    PrintFailure failure_;
};

} // namespace

QFont reportFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(pointSize);
    fixed.setBold(bold);
    return fixed;
}

PrinterSettingsKept::PrinterSettingsKept(QPrinter& printer)
    : printer_(printer), orientation_(printer.pageLayout().orientation()), copies_(printer.copyCount()),
      docName_(printer.docName()), outputFile_(printer.outputFileName())
{
}

// Only what changed is set again: setting an output file also sets the output format.
PrinterSettingsKept::~PrinterSettingsKept()
{
    if (printer_.pageLayout().orientation() != orientation_)
        printer_.setPageOrientation(orientation_);
    if (printer_.copyCount() != copies_)
        printer_.setCopyCount(copies_);
    if (printer_.docName() != docName_)
        printer_.setDocName(docName_);
    if (printer_.outputFileName() != outputFile_)
        printer_.setOutputFileName(outputFile_);
}

void paintReport(QPrinter& printer, const ReportText& lines)
{
    const PrinterSettingsKept kept(printer);
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    PrinterSink sink(printer, true);
    if (!printReportLines(lines, copies, sink) || !sink.finish())
        sink.abandon();
}

PrintOutcome printReport(QPrinter& printer, const ReportText& lines, const QString& folder, const PageHook& onPage)
{
    const PrinterSettingsKept kept(printer);
    PrintOutcome outcome;
    const int copies = std::max(1, printer.copyCount());
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const bool noPrinter = toFile && printer.outputFileName().isEmpty();

    // The copies are made here, one pass each, so the printer makes one.
    printer.setCopyCount(1);
    // The PDF is written to a work file made afresh (never through a link at
    // its name) and renamed over the target, so a link there is replaced.
    Env& env = *Env::current();
    QString work;
    if (noPrinter) {
        outcome.fileWritten = QDir(folder).absoluteFilePath(kNoPrinterFileName);
        work = outcome.fileWritten + QStringLiteral(".$$$");
        std::unique_ptr<WritableFile> made;
        Status s = env.newWritableFile(work, &made);
        if (made && s)
            s = made->close();
        if (!s) {
            outcome.ok = false;
            outcome.failure = PrintFailure{Status::ioError(outcome.fileWritten, s.reason()).toString(), 0};
            outcome.fileWritten.clear();
            return outcome;
        }
        printer.setOutputFileName(work);
    }
    if (printer.docName().isEmpty())
        printer.setDocName(kDefaultDocName);

    PrinterSink sink(printer, toFile, onPage);
    bool printed =
        printReportLines(lines, copies, sink, [&outcome](qsizetype line) { outcome.lastLine = line; }) && sink.finish();
    if (printed && noPrinter) {
        if (const Status moved = env.renameFile(work, outcome.fileWritten); !moved) {
            printed = false;
            sink.fail(PrintFailure{Status::ioError(outcome.fileWritten, moved.reason()).toString(), 0});
        }
    }
    if (!printed) {
        sink.abandon();
        if (!work.isEmpty())
            env.removeFile(work);
        else if (sink.cancelled() && toFile)
            env.removeFile(printer.outputFileName());   // a stopped PDF is no report
        outcome.cancelled = sink.cancelled();
        outcome.ok = false;
        outcome.failure = sink.failure();
        outcome.fileWritten.clear();
    }
    return outcome;
}

} // namespace cw
