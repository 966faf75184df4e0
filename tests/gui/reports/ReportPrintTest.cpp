// Print through CommonDialog1's printer into PDF files, read back with
// pdftotext -bbox: the lines on paper, the preview and the question before a
// long print, the no-printer path and a failure. Copies are printed through
// the print server (CupsPrintTest.cpp); here CUPS_SERVER points at nothing.

#include "PdfWords.h"
#include "ReportsWindowHarness.h"

#include "support/RequireTool.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

using namespace cwtest;

class ReportPrintTest : public QObject {
    Q_OBJECT

private:
    static constexpr double kMargin = 36;   // points, on every side
    std::unique_ptr<ReportsHarness> h_;

    QPrinter* printer() { return h_->window->printDialog()->printer(); }

    // A Full report over all categories 130 lines long: 94 expenses of one
    // category, so line 65 is a line item.
    QStringList viewLongReport()
    {
        std::vector<cw::LedgerEntry> entries;
        for (int i = 0; i < 94; ++i)
            entries.push_back(entry(QStringLiteral("03-%1-26").arg(28 - i % 28, 2, 10, QChar(u'0')), "FO",
                                    -cw::Money(100 + i) * 10000, QStringLiteral("Item %1").arg(i + 1)));
        must(cw::writeRecords(*cw::Env::posix(), "2026CWK.DAT", entries));
        h_->press({"rtbAll", "rtbFull", "rtbView"});
        return h_->window->reportLines();
    }

    // `page` holds the non-blank report lines from..to-1 at their line's height
    // below three empty lines, six blanks (and their own) in, at a fixed pitch.
    static QString checkPage(const PdfPage& page, const QStringList& lines, int from, int to)
    {
        QList<int> printed;   // line positions on the page that show text
        for (int i = from; i < to; ++i)
            if (!lines[i].trimmed().isEmpty())
                printed << i - from;
        if (page.size() != printed.size())
            return QStringLiteral("%1 rows, not %2").arg(page.size()).arg(printed.size());
        const PdfWord& first = page.first().words.first();
        const double charWidth = (first.xMax - first.xMin) / first.text.size();
        const double spacing = (page.last().y - page.first().y) / (printed.last() - printed.first());
        const double lineZero = page.first().y - printed.first() * spacing;   // where the page's line 1 stands
        if (charWidth < 4 || charWidth > 8 || qAbs(lineZero - (kMargin + 3 * spacing)) > spacing / 2)
            return QStringLiteral("a character %1 wide, line 1 at %2").arg(charWidth).arg(lineZero);
        for (int k = 0; k < page.size(); ++k) {
            const QString& line = lines[from + printed[k]];
            const qsizetype blanks = line.size() - QString(line).remove(QRegularExpression("^ +")).size();
            if (page[k].text() != line.simplified() || qAbs(page[k].y - (lineZero + printed[k] * spacing)) > 0.2
                || qAbs(page[k].x() - (kMargin + (6 + blanks) * charWidth)) > charWidth / 3)
                return QStringLiteral("line %1: \"%2\" at %3,%4").arg(from + printed[k] + 1).arg(page[k].text()).arg(page[k].x()).arg(page[k].y);
        }
        return {};
    }

private slots:
    void init()
    {
        h_ = std::make_unique<ReportsHarness>();
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
    }
    void cleanup() { h_.reset(); }

    // Sixty-four lines a page below three empty lines. Preview names the page
    // count; a long print asks first, No prints nothing and a print stopped at
    // its progress box leaves no file.
    void pagesOfALongReportAndTheQuestionBeforeALongPrint()
    {
        CW_QREQUIRE_TOOL(pdftotext, "pdftotext");
        const QStringList lines = viewLongReport();
        QCOMPARE(lines.size(), 130);
        printer()->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("report.pdf")));
        printer()->setPageSize(QPageSize(QPageSize::A4));
        printer()->setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Point);
        QCOMPARE(saidBy([this] { h_->press("rtbPrint"); }), "");
        QCOMPARE(h_->list1()->currentIndex().row(), 129);   // the last line printed
        const QList<PdfPage> pages = pdfRows(pdftotext, QStringLiteral("report.pdf"));
        QCOMPARE(pages.size(), 3);
        QCOMPARE(checkPage(pages[0], lines, 0, 64) + checkPage(pages[1], lines, 64, 128) + checkPage(pages[2], lines, 128, 130), "");
        QVERIFY(qAbs(pages[1].first().y - pages[0].first().y) < 0.2);   // line 65 where line 1 stood

        const QString file = QDir::current().absoluteFilePath("long.pdf");
        printer()->setOutputFileName(file);
        printer()->setCopyCount(20);
        QString previewTitle;
        {
            DialogDriver driver;
            driver.onEachDialog = [&](QWidget* d) { previewTitle = d->windowTitle(); };
            h_->press("rtbPreview");
        }
        const QString asked = saidBy([this] { h_->press("rtbPrint"); }, {Answer::press(QMessageBox::No)});
        QVERIFY2(asked.startsWith("Coinwick 2 | This report is ") && asked.endsWith(" pages long. Print it all? | question | Yes/[No]"),
                 qPrintable(asked));
        {
            DialogDriver cancelled({Answer::press(QMessageBox::Yes)});
            cancelled.cancelProgress = true;
            h_->press("rtbPrint");
            QCOMPARE(told(cancelled.seen), asked);   // a stopped print says nothing more
        }
        QVERIFY(!QFile::exists(file));
        QCOMPARE(saidBy([this] { h_->press("rtbPrint"); }, {Answer::press(QMessageBox::Yes)}), asked);
        const qsizetype count = pdfRows(pdftotext, file).size();
        QVERIFY(count > 50);
        QCOMPARE(printer()->copyCount(), 20);   // the setting is left as it was
        QCOMPARE(previewTitle, QStringLiteral("Print Preview - %1 pages").arg(count));
    }

    // A failure is said with the system's description and number, the report
    // kept. Without a printer the report goes to a file in the working folder:
    // links planted at its name and its work name are replaced, never followed;
    // the print settings are left as they were.
    void aFailureIsSaidAndWithoutAPrinterTheReportGoesToAFile()
    {
        h_->press({"rtbAll", "rtbView"});
        const QStringList before = h_->window->reportLines();
        printer()->setOutputFileName("/nonexistent-coinwick-folder/report.pdf");
        QCOMPARE(saidBy([this] { h_->press("rtbPrint"); }), "Coinwick 2 | No such file or directory 2 | no icon | [Ok]");
        QCOMPARE(h_->window->reportLines(), before);

        CW_QREQUIRE_TOOL(pdftotext, "pdftotext");
        printer()->setOutputFileName({});
        QTemporaryDir elsewhere;
        for (const char* name : {"CWK_REPORT.PDF", "CWK_REPORT.PDF.$$$"}) {
            writeBytes(elsewhere.filePath(name), "victim");
            QVERIFY(QFile::link(elsewhere.filePath(name), name));
        }
        const QString file = QDir::current().absoluteFilePath("CWK_REPORT.PDF");
        QCOMPARE(saidBy([this] { h_->press("rtbPrint"); }),
                 "Coinwick 2 | There is no printer on this system.\nThe report was written to the file:\n" + file + " | no icon | [Ok]");
        for (const char* name : {"CWK_REPORT.PDF", "CWK_REPORT.PDF.$$$"})
            QCOMPARE(readBytes(elsewhere.filePath(name)), "victim");
        QVERIFY(!QFileInfo(file).isSymLink() && !QFile::exists("CWK_REPORT.PDF.$$$"));
        const QList<PdfPage> pages = pdfRows(pdftotext, file);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].first().text().left(29) + '|' + pages[0].last().text(), "Cashflow Record for Pat Smith|END");
        QCOMPARE(printer()->outputFileName(), QString());
    }
};

static RegisterWindowTest<ReportPrintTest> registered;
#include "ReportPrintTest.moc"
