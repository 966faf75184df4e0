#include "PrintLayout.h"

namespace cw {
namespace {

bool printTopLines(PrintSink& sink)
{
    for (int i = 0; i < kPrintTopEmptyLines; ++i)
        if (!sink.printLine(QString()))
            return false;
    return true;
}

class CollectingSink : public PrintSink {
public:
    std::vector<PrintedDocument> documents;

    bool beginDocument() override
    {
        documents.emplace_back();
        documents.back().emplace_back();
        return true;
    }
    bool newPage() override
    {
        documents.back().emplace_back();
        return true;
    }
    bool printLine(const QString& text) override
    {
        documents.back().back().append(text);
        return true;
    }
    bool endDocument() override { return true; }
};

} // namespace

bool printReportLines(const ReportText& lines, int copies, PrintSink& sink,
                      const std::function<void(qsizetype)>& onLine)
{
    int pageLines = 0;
    for (int copy = 0; copy < copies; ++copy) {
        if (!sink.beginDocument() || !printTopLines(sink))
            return false;
        // A full page is closed only when another line follows, so a report
        // that fills its last page exactly leaves no empty page behind.
        bool pageFull = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (pageFull) {
                if (!sink.newPage() || !printTopLines(sink))
                    return false;
                pageFull = false;
            }
            if (onLine)
                onLine(i);
            if (!sink.printLine(kPrintIndent + lines.line(i).toString()))
                return false;
            if (++pageLines == kPrintLinesPerPage) {
                pageLines = 0;
                pageFull = true;
            }
        }
        if (!sink.endDocument())
            return false;
    }
    return true;
}

int printedPageCount(const ReportText& lines, int copies)
{
    struct PageCounter : PrintSink {
        int pages = 0;
        bool beginDocument() override { return ++pages, true; }
        bool newPage() override { return ++pages, true; }
        bool printLine(const QString&) override { return true; }
        bool endDocument() override { return true; }
    } counter;
    printReportLines(lines, copies, counter);
    return counter.pages;
}

std::vector<PrintedDocument> layoutPrint(const ReportText& lines, int copies)
{
    CollectingSink sink;
    printReportLines(lines, copies, sink);
    return sink.documents;
}

QString expandTabs(const QString& text, int columns)
{
    if (!text.contains(u'\t'))
        return text;
    QString out;
    out.reserve(text.size() + columns);
    for (const QChar c : text) {
        if (c == u'\t')
            out.append(QString(columns - out.size() % columns, u' '));
        else
            out.append(c);
    }
    return out;
}

Message printFailureMessage(const PrintFailure& failure)
{
    return Message{failure.description + u' ' + QString::number(failure.number), kProgramTitle, Message::Icon::None};
}

Message printedToFileMessage(const QString& path)
{
    return Message{QStringLiteral("There is no printer on this system.\nThe report was written to the file:\n") + path,
                   kProgramTitle, Message::Icon::None};
}

} // namespace cw
