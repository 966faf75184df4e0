// The reports window through its controls; its month and resize rules are
// the core tests'.

#include "ReportsWindowHarness.h"

#include "core/reports/ReportGenerator.h"
#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/main/HelpCommands.h"

#include <QPrintDialog>

using namespace cwtest;

class ReportsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ReportsHarness> h_;

    QStringList report() { return h_->window->reportLines(); }
    bool selecting() { return child<QGroupBox>(h_->window, "frmCatSel")->isVisible(); }

private slots:
    void init() { h_ = std::make_unique<ReportsHarness>(); }
    void cleanup() { h_.reset(); }

    // Opened over the disabled main window, in its place: no categories, the
    // whole year, the design texts. Print Setup opens CommonDialog1, whose
    // printer Print uses; Help asks for the window's topic.
    void opensOverTheMainWindowOpensItsDialogsAndLeavesByExit()
    {
        cw::ReportsWindow* w = h_->window;
        QVERIFY(!w->parentWidget() && w->isEnabled() && !h_->main.isEnabled());
        QCOMPARE(w->geometry(), h_->main.geometry());
        QVERIFY(!h_->enabled("rtbView") && !h_->enabled("rtbPrint") && !selecting());
        QCOMPARE(gridText(h_->grid("RepCatList_A")) + '|' + gridText(h_->grid("RepCatList_B")),
                 "Code|Description\nA |Auto            \nFO|Food            \nPY|Pay             |Code|Description");
        CW_COMPARE_CONTROLS(w, "reports-window");   // the title, menu, toolbar, panels and CommonDialog1 among them
        QWidget* shown = nullptr;
        {
            DialogDriver driver;
            driver.onEachDialog = [&](QWidget* d) { shown = d; };
            w->command("rmnuPrintSetup")->trigger();
        }
        QCOMPARE(shown, w->printDialog());
        h_->press("rtbHelp");
        cw::HelpWindow* help = h_->main.help()->helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentAnchor(), cw::helpAnchorFor(cw::HelpContext::ReportsWindow));
        help->close();
        w->command("rmnuExit")->trigger();
        QVERIFY(h_->main.isEnabled() && h_->main.isVisible());
        QTRY_VERIFY(h_->window.isNull());
    }

    void categoriesPickedViewedAndCleared()
    {
        h_->press("rtbSelectCats");
        QVERIFY(selecting());
        // Picking: in the order clicked, each category once; View follows.
        for (int row : {1, 2, 1, 0})
            h_->clickRow("RepCatList_A", row);
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"FO", "PY", "A "}));
        QVERIFY(h_->enabled("rtbView") && !h_->enabled("rtbPrint"));
        QCOMPARE(h_->panel("rsbCats"), "Selected Categories...");
        // Removing one below the first; the first chosen row takes the whole choice.
        h_->clickRow("RepCatList_B", 1);
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"FO", "A "}));
        h_->clickRow("RepCatList_B", 0);
        QCOMPARE(h_->codes("RepCatList_B"), QStringList());
        QCOMPARE(h_->panel("rsbCats"), "(Select Categories)");
        QVERIFY(h_->enabled("rtbView"));

        // View asks for the window's categories, months and type, with the user
        // name, the date format and the run's date; the panels show its totals.
        h_->press({"rtbAll", "rtbStartMonth", "rtbFull", "rtbView"});
        QVERIFY(!selecting() && h_->enabled("rtbPrint"));
        const cw::ReportRequest request{"2026CWK.DAT", cw::kReportSelectionFileName, 2, 12, true, u'A', "Pat Smith" + QString(19, u' '), kToday};
        const cw::ReportResult expected = cw::viewReport(*cw::Env::current(), sampleCategories(), request);
        QCOMPARE(report(), expected.lines.toStringList());
        QCOMPARE(h_->panel("RSBic") + '|' + h_->panel("RSBex") + '|' + h_->panel("RSBbal"),
                 expected.incomePanel + '|' + expected.expensePanel + "|Balance = $1,450.25 ");
        h_->press({"rtbSummary", "rtbView"});
        QCOMPARE(h_->panel("rsbRepType"), "Summary");
        QVERIFY(!report().isEmpty() && !report().contains("                        Line items - money OUT"));

        // Clear keeps the months and the type; the rest starts over.
        h_->press({"rtbFull", "rtbClear"});
        QCOMPARE(h_->codes("RepCatList_B"), QStringList());
        QCOMPARE(report(), QStringList());
        QVERIFY(!h_->enabled("rtbView") && !h_->enabled("rtbPrint"));
        QCOMPARE(h_->panel("rsbCats") + '|' + h_->panel("RSBic") + '|' + h_->panel("RSBex") + '|' + h_->panel("RSBbal") + '|'
                     + h_->panel("rsbRepType") + '|' + h_->panel("rsbStartMonth") + '-' + h_->panel("rsbEndMonth"),
                 "(Select Categories)| Income | Expense | Balance |Full Report|February-December");

        // All Cats replaces any choice by the whole list in file order, and
        // adds the codes the year holds without a category.
        must(cw::writeRecords(*cw::Env::posix(), "2026CWK.DAT", std::vector{entry("02-11-26", "ZZ", -1, "Old gym"),
                                                                            entry("01-20-26", "GY", 1, "Refund")}));
        h_->press("rtbSelectCats");
        h_->clickRow("RepCatList_A", 2);
        h_->press("rtbAll");
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"A ", "FO", "PY", "GY", "ZZ"}));
        QCOMPARE(h_->panel("rsbCats"), "All Categories!");
    }

    // A category file that is a folder: one message naming it when the
    // window opens, never a silent empty list.
    void anUnreadableCategoryFileIsSaidWhenTheWindowOpens()
    {
        h_->window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QFile::remove("2026CATS.DAT") && QDir().mkdir("2026CATS.DAT"));
        QCOMPARE(saidBy([this] { h_->main.command("mnuReports")->trigger(); }), "Coinwick 2 | 2026CATS.DAT: Is a directory | warning | [Ok]");
        h_->window = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
        QVERIFY(h_->window);
    }

    // Export needs categories; then the selection file, and the export window
    // over the reports window with the window's months and the file's count.
    void exportNeedsCategoriesThenOpensTheExportWindow()
    {
        QCOMPARE(saidBy([this] { h_->window->command("rmnuExport")->trigger(); }),
                 "Coinwick 2 | You must select categories first! | no icon | [Ok]");
        QVERIFY(!QFileInfo::exists("tempcats.$$$"));
        h_->press({"rtbAll", "rtbEndMonth"});
        h_->window->command("rmnuExport")->trigger();
        QWidget* exportWindow = topLevel("frmExport");
        QVERIFY(exportWindow && !h_->window->isEnabled());
        QCOMPARE(labelText(exportWindow, "exRangeLab"), "January through November, 2026; 3 categories.");
        exportWindow->close();
        QVERIFY(h_->window->isEnabled());
    }
};

static RegisterWindowTest<ReportsWindowTest> registered;
#include "ReportsWindowTest.moc"
