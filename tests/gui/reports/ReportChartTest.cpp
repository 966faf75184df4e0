// The report charts: saved pictures of known figures, and the chart page.

#include "ReportsWindowHarness.h"

#include "core/reports/ReportFigures.h"
#include "gui/reports/ReportCharts.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QRegularExpression>

using namespace cwtest;

namespace {

// Answers the Save Chart dialog with `name` once it shows; again while it
// stays open, for up to ten seconds.
void answerFileDialog(const QString& name, int triesLeft = 500)
{
    QTimer::singleShot(20, [name, triesLeft] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == QLatin1String("SaveChartDialog")) {
            // Typed into the name box: selectFile() leaves the box alone while it has the focus.
            if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                box->setText(name);
            QMetaObject::invokeMethod(dialog, "accept");
        }
        if (triesLeft > 0 && (!dialog || dialog->isVisible()))
            answerFileDialog(name, triesLeft - 1);
    });
}

} // namespace

class ReportChartTest : public QObject {
    Q_OBJECT

private slots:

    // The PNG against data/chart-reference.png (CW_UPDATE_CHART_REFERENCE=1
    // writes it afresh); the SVG holds every label as text; the PDF is one.
    void savedPicturesOfAKnownYear()
    {
        TempFolder folder;
        must(cw::writeRecords(*cw::Env::current(), "1998CWK.DAT", chartYear()));
        const cw::ChartFigures f = *cw::makeChartFigures(*cw::Env::current(), kChartChoice,
                                                         {"1998CWK.DAT", cw::kReportSelectionFileName, 1, 4, false, u'A', {}, {}});
        const QSize size(900, 600);
        const QString reference = QStringLiteral(CW_SOURCE_DIR "/tests/gui/reports/data/chart-reference.png");
        if (qEnvironmentVariableIsSet("CW_UPDATE_CHART_REFERENCE"))
            QVERIFY(cw::saveCharts(f, reference, size).isOk());
        QVERIFY(cw::saveCharts(f, "chart.png", size).isOk());
        const QImage saved = QImage("chart.png").convertToFormat(QImage::Format_RGB32);
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QVERIFY(saved.size() == size && expected.size() == size);
        qint64 differing = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb a = saved.pixel(x, y), b = expected.pixel(x, y);
                differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 64;
            }
        QVERIFY2(differing < size.width() * size.height() / 100, qPrintable(QString::number(differing)));

        QVERIFY(cw::saveCharts(f, "chart.svg", size).isOk());
        const QString svg = QString::fromUtf8(readBytes("chart.svg"));
        QVERIFY(svg.startsWith("<?xml") && svg.contains("</svg>"));
        // Each label in its two lines: the name, then amount and share.
        for (const auto* bars : {&f.out, &f.in})
            for (const cw::ChartBar& bar : *bars)
                QVERIFY2(svg.contains(u'>' + bar.name.toHtmlEscaped() + u'<') && svg.contains(u'>' + bar.amountText + u' ' + bar.share + u'<'),
                         qPrintable(bar.label()));
        QVERIFY(cw::saveCharts(f, "chart.pdf", size).isOk());
        QVERIFY(readBytes("chart.pdf").startsWith("%PDF"));
        QVERIFY(!cw::saveCharts(f, "no/such/folder/chart.png", size).isOk());
    }

    // Chart and its menu item switch pages, rebuilt on View; Clear returns to
    // List1; nothing said. Save Chart writes the file chosen in its dialog.
    void chartPageInTheReportsWindow()
    {
        ReportsHarness h;
        auto driver = std::make_unique<DialogDriver>();
        auto* page = child(h.window, "RepChartPage");
        auto series = [&](const char* name) { return child<QChartView>(h.window, name)->chart()->series().size(); };
        QVERIFY(page && !page->isVisible() && h.list1()->isVisible());
        h.press("rtbChart");
        QVERIFY(page->isVisible() && !h.list1()->isVisible());
        h.press("rtbAll");
        QCOMPARE(series("RepChartOut") + series("RepChartMonths"), 0);   // until View
        h.press("rtbView");
        QCOMPARE(QList<qsizetype>({series("RepChartOut"), series("RepChartIn"), series("RepChartMonths")}), QList<qsizetype>({1, 1, 2}));
        QCOMPARE(page->geometry(), h.list1()->geometry());
        h.window->command("rmnuChart")->trigger();
        QVERIFY(!page->isVisible() && h.list1()->isVisible());
        h.window->command("rmnuChart")->trigger();
        QVERIFY(page->isVisible() && h.window->command("rtbChart")->isChecked());
        h.press("rtbClear");
        QVERIFY(!page->isVisible() && h.list1()->isVisible() && !h.window->command("rtbChart")->isChecked());
        QCOMPARE(driver->seen.size(), 0);
        driver.reset();   // it would dismiss the file dialog
        answerFileDialog("picked.svg");
        h.window->command("rmnuSaveChart")->trigger();
        QVERIFY(QString::fromUtf8(readBytes("picked.svg")).contains("Money that went OUT"));
    }

    // Print with the chart page shown: one landscape page, the printer's own
    // orientation kept.
    void printsTheChartsOnOneLandscapePage()
    {
        ReportsHarness h;
        QPrinter* printer = h.window->printDialog()->printer();
        printer->setOutputFileName(QDir::current().absoluteFilePath("charts.pdf"));
        printer->setPageOrientation(QPageLayout::Portrait);
        h.press({"rtbAll", "rtbView", "rtbChart"});
        QCOMPARE(saidBy([&] { h.press("rtbPrint"); }), "");
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
        const QString pdf = QString::fromLatin1(readBytes("charts.pdf"));
        QCOMPARE(pdf.count(QRegularExpression(R"(/Type\s*/Page\b(?!s))")), 1);
        const QRegularExpressionMatch box = QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))").match(pdf);
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble());
        // Preview shows that same one landscape page.
        QString shown;
        DialogDriver driver;
        driver.onEachDialog = [&](QWidget* d) {
            auto* pageView = d->findChild<QPrintPreviewWidget*>();
            shown = QStringLiteral("%1|%2|%3").arg(d->windowTitle()).arg(pageView->pageCount()).arg(pageView->orientation());
        };
        h.press("rtbPreview");
        QCOMPARE(shown, QStringLiteral("Print Preview - 1 page|1|%1").arg(QPageLayout::Landscape));
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    }
};

static RegisterWindowTest<ReportChartTest> registered;
#include "ReportChartTest.moc"
