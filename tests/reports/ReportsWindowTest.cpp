// The reports window through its controls: opening over the main window,
// the toolbar and panels, the category lists, the month buttons, Clear,
// View, the export command, Print Setup, Help, the resize rules and leaving.

#include "ReportsWindowHarness.h"

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "gui/main/HelpCommands.h"
#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "core/reports/ReportGenerator.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QPrintDialog>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

using namespace cwtest;

class ReportsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ReportsHarness> h_;

    QString months() { return h_->panel("rsbStartMonth") + u'-' + h_->panel("rsbEndMonth"); }
    QStringList report() { return h_->window->reportLines(); }

private slots:
    void initTestCase()
    {
        hideThePrinters();
        pinLocale();
    }
    void init() { h_ = std::make_unique<ReportsHarness>(); }
    void cleanup() { h_.reset(); }

    void opensOverTheMainWindowAndLeavesByExit()
    {
        cw::ReportsWindow* w = h_->window;
        QCOMPARE(w->windowTitle(), QStringLiteral("Coinwick 2 - Reports"));
        QVERIFY(w->parentWidget() == nullptr);
        QCOMPARE(w->geometry(), h_->main.geometry());
        QVERIFY(!h_->main.isEnabled());
        QVERIFY(w->isEnabled());

        // Loaded state: no categories, whole year, the design texts.
        QVERIFY(!h_->enabled("rtbView"));
        QVERIFY(!h_->enabled("rtbPrint"));
        QVERIFY(!w->findChild<QGroupBox*>(QStringLiteral("frmCatSel"))->isVisible());
        QCOMPARE(h_->codes("RepCatList_A"), (QStringList{"A ", "FO", "PY"}));
        QCOMPARE(h_->grid("RepCatList_A")->model()->index(1, 1).data().toString(), QStringLiteral("Food            "));
        QCOMPARE(h_->codes("RepCatList_B"), QStringList());
        QCOMPARE(h_->grid("RepCatList_B")->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Description"));
        const QStringList settings{h_->panel("rsbYear"), h_->panel("rsbCats"), h_->panel("rsbStartMonth"),
                                   h_->panel("rsbThrough"), h_->panel("rsbEndMonth"), h_->panel("rsbRepType")};
        QCOMPARE(settings, (QStringList{"2026", "(Select Categories)", "January", "> Through >", "December", "Summary"}));
        QCOMPARE(h_->panel("RSBic") + h_->panel("RSBex") + h_->panel("RSBbal"), QStringLiteral("IncomeExpenseBalance"));
        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("rsbYear"))->toolTip(),
                 QStringLiteral("Active year  (change at main screen)"));

        // The menu: File with Export, Save Chart, Print Setup and Exit.
        auto* file = w->findChild<QMenu*>(QStringLiteral("rmnuFile"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QStringList items;
        for (QAction* a : file->actions())
            if (!a->isSeparator())
                items << a->objectName() + u'=' + a->text();
        QCOMPARE(items, (QStringList{"rmnuExport=Export comma-delimited file", "rmnuSaveChart=Save Chart...",
                                     "rmnuPreview=Print Preview", "rmnuPrintSetup=Print Setup...",
                                     "rmnuExit=E&xit reports screen"}));

        QPointer<cw::ReportsWindow> gone = w;
        w->command(QStringLiteral("rmnuExit"))->trigger();
        QVERIFY(h_->main.isEnabled());
        QVERIFY(h_->main.isVisible());
        QTRY_VERIFY(gone.isNull());
    }

    void toolbarButtonsInOrder()
    {
        auto* bar = h_->window->findChild<QToolBar*>(QStringLiteral("RepToolbar"));
        QVERIFY(bar);
        QStringList buttons;
        for (QAction* a : bar->actions())
            buttons << a->objectName() + u'|' + a->text() + u'|' + (a->objectName() == "rtbHelp" ? QString() : a->toolTip());
        QCOMPARE(buttons, (QStringList{
                              "rtbHelp|Help|",
                              "rtbAll|All Cats|Click to select all categories at once",
                              "rtbSelectCats|Pick Cats|Click to display category selection",
                              "rtbStartMonth|Start|Click to push report start up one month",
                              "rtbEndMonth|End|Click to push report end back one month",
                              "rtbSummary|Summary|Report without line items",
                              "rtbFull|Full|Include line items",
                              "rtbView|View|Display report on screen",
                              "rtbPrint|Print|Print report",
                              "rtbPreview|Preview|Show the pages as Print will put them",
                              "rtbClear|Clear|Clear report - start over",
                              "rtbChart|Chart|Show the report as charts, or as text again",
                          }));
        QCOMPARE(h_->window->command(QStringLiteral("rtbPrint"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    }

    void monthButtonsWrapAndPushTheOtherEnd()
    {
        for (int i = 0; i < 3; ++i)
            h_->press("rtbStartMonth");
        QCOMPARE(months(), QStringLiteral("April-December"));
        for (int i = 0; i < 8; ++i)
            h_->press("rtbEndMonth");
        QCOMPARE(months(), QStringLiteral("April-April"));
        h_->press("rtbEndMonth");   // the start follows the end back
        QCOMPARE(months(), QStringLiteral("March-March"));
        QCOMPARE(h_->window->months(), (cw::MonthRange{3, 3}));

        // End from January-January wraps the end to December; the start stays.
        h_->press("rtbEndMonth");
        h_->press("rtbEndMonth");
        QCOMPARE(months(), QStringLiteral("January-January"));
        h_->press("rtbEndMonth");
        QCOMPARE(months(), QStringLiteral("January-December"));

        // Start from December-December wraps the start to January; the end stays.
        for (int i = 0; i < 11; ++i)
            h_->press("rtbStartMonth");
        QCOMPARE(months(), QStringLiteral("December-December"));
        h_->press("rtbStartMonth");
        QCOMPARE(months(), QStringLiteral("January-December"));
        QCOMPARE(h_->window->months(), (cw::MonthRange{1, 12}));
    }

    void pickingRemovingAllCatsAndClear()
    {
        h_->press("rtbSelectCats");
        QVERIFY(h_->window->findChild<QGroupBox*>(QStringLiteral("frmCatSel"))->isVisible());

        // Picking: in the order clicked, each category once; View follows.
        h_->clickRow("RepCatList_A", 1);
        h_->clickRow("RepCatList_A", 2);
        h_->clickRow("RepCatList_A", 1);
        h_->clickRow("RepCatList_A", 0);
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"FO", "PY", "A "}));
        QVERIFY(h_->enabled("rtbView"));
        QVERIFY(!h_->enabled("rtbPrint"));
        QCOMPARE(h_->panel("rsbCats"), QStringLiteral("Selected Categories..."));

        // Removing one below the first.
        h_->clickRow("RepCatList_B", 1);
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"FO", "A "}));
        QCOMPARE(h_->panel("rsbCats"), QStringLiteral("Selected Categories..."));

        // The first chosen row takes the whole choice; View stays enabled.
        h_->clickRow("RepCatList_B", 0);
        QCOMPARE(h_->codes("RepCatList_B"), QStringList());
        QCOMPARE(h_->panel("rsbCats"), QStringLiteral("(Select Categories)"));
        QVERIFY(h_->enabled("rtbView"));

        // All Cats replaces any choice by the whole list in file order.
        h_->clickRow("RepCatList_A", 2);
        h_->press("rtbAll");
        QCOMPARE(h_->codes("RepCatList_B"), (QStringList{"A ", "FO", "PY"}));
        QCOMPARE(h_->panel("rsbCats"), QStringLiteral("All Categories!"));

        // Clear keeps the months and the type; the rest starts over.
        h_->press("rtbFull");
        h_->press("rtbStartMonth");
        h_->press("rtbView");
        QVERIFY(h_->enabled("rtbPrint"));
        QVERIFY(!report().isEmpty());
        h_->press("rtbClear");
        QCOMPARE(h_->codes("RepCatList_B"), QStringList());
        QCOMPARE(report(), QStringList());
        QVERIFY(!h_->enabled("rtbView"));
        QVERIFY(!h_->enabled("rtbPrint"));
        QCOMPARE(h_->panel("rsbCats"), QStringLiteral("(Select Categories)"));
        QCOMPARE(h_->panel("RSBic") + u'|' + h_->panel("RSBex") + u'|' + h_->panel("RSBbal"),
                 QStringLiteral(" Income | Expense | Balance "));
        QCOMPARE(h_->panel("rsbRepType"), QStringLiteral("Full Report"));
        QCOMPARE(months(), QStringLiteral("February-December"));
    }

    void viewBuildsTheReportAndFillsThePanels()
    {
        h_->press("rtbSelectCats");
        h_->press("rtbAll");
        h_->press("rtbFull");
        h_->press("rtbStartMonth");   // February to December
        h_->press("rtbView");

        QVERIFY(!h_->window->findChild<QGroupBox*>(QStringLiteral("frmCatSel"))->isVisible());
        QVERIFY(h_->enabled("rtbPrint"));
        // What the window asked for: its categories, months, type, the
        // user name, the date format and the run's date.
        cw::ReportRequest request;
        request.dataFileName = QStringLiteral("2026CWK.DAT");
        request.startMonth = 2;
        request.full = true;
        request.userName = QStringLiteral("Pat Smith") + QString(19, u' ');
        request.today = kToday;
        const cw::ReportResult expected = cw::viewReport(*cw::Env::current(), sampleCategories(), request);
        QCOMPARE(report(), expected.lines.toStringList());
        QCOMPARE(h_->list1()->model()->rowCount(), int(expected.lines.size()));
        QCOMPARE(h_->panel("RSBic"), QStringLiteral("(1 Items) Income = $1,500.00 "));
        QCOMPARE(h_->panel("RSBex"), QStringLiteral("(2 Items) Expense = ($49.75) "));
        QCOMPARE(h_->panel("RSBbal"), QStringLiteral("Balance = $1,450.25 "));
        // The selection file and the work files are gone.
        for (const char* name : {"tempcats.$$$", "ic_file.$$$", "ex_file.$$$", "todofile.$$$"})
            QVERIFY2(!QFileInfo::exists(QString::fromLatin1(name)), name);

        // Summary: the same report without line items.
        h_->press("rtbSummary");
        QCOMPARE(h_->panel("rsbRepType"), QStringLiteral("Summary"));
        h_->press("rtbView");
        QCOMPARE(report().last(), QStringLiteral("  END"));
        QVERIFY(!report().contains(QStringLiteral("                        Line items - money OUT")));
    }

    // A category file that is a folder: one message naming it when the
    // window opens, never a silent empty list.
    void anUnreadableCategoryFileIsSaidWhenTheWindowOpens()
    {
        h_->window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QFile::remove(QStringLiteral("2026CATS.DAT")));
        QVERIFY(QDir().mkdir(QStringLiteral("2026CATS.DAT")));
        DialogDriver driver;
        h_->main.command(QStringLiteral("mnuReports"))->trigger();
        QCOMPARE(driver.seen.size(), 1);
        QCOMPARE(driver.seen[0].text, QStringLiteral("2026CATS.DAT: Is a directory"));
        h_->window = openReportsWindow();
        QVERIFY(h_->window);
    }

    void exportNeedsCategoriesThenOpensTheExportWindow()
    {
        {
            DialogDriver driver;
            h_->window->command(QStringLiteral("rmnuExport"))->trigger();
            QCOMPARE(driver.seen.size(), 1);
            QCOMPARE(driver.seen[0].text, QStringLiteral("You must select categories first!"));
            QCOMPARE(driver.seen[0].title, QStringLiteral("Coinwick 2"));
            QCOMPARE(driver.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QVERIFY(!QFileInfo::exists(QStringLiteral("tempcats.$$$")));

        // After All Cats, without a View: the selection file, then frmExport
        // over the reports window, with the window's months.
        h_->press("rtbAll");
        h_->press("rtbEndMonth");
        h_->window->command(QStringLiteral("rmnuExport"))->trigger();
        QWidget* exportWindow = topLevel("frmExport");
        QVERIFY(exportWindow);
        QVERIFY(!h_->window->isEnabled());
        QCOMPARE(QFileInfo(QStringLiteral("tempcats.$$$")).size(), 4 * 18);   // the zero record and three
        QCOMPARE(exportWindow->findChild<QLabel*>(QStringLiteral("exRangeLab"))->text(),
                 QStringLiteral("January through November, 2026; 3 categories."));
        QPointer<QWidget> gone = exportWindow;
        exportWindow->close();
        QVERIFY(h_->window->isEnabled());
        QTRY_VERIFY(gone.isNull());
    }

    void printSetupOpensCommonDialog1AndHelpAsksForItsTopic()
    {
        QPrintDialog* dialog = h_->window->findChild<QPrintDialog*>(QStringLiteral("CommonDialog1"));
        QVERIFY(dialog);
        QCOMPARE(dialog, h_->window->printDialog());
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            shown = QApplication::activeModalWidget() == dialog;
            dialog->reject();
        });
        h_->window->command(QStringLiteral("rmnuPrintSetup"))->trigger();
        QVERIFY(shown);

        // Help opens the main window's help window at the reports topic.
        h_->press("rtbHelp");
        QVERIFY(h_->main.help()->helpWindow());
        QVERIFY(h_->main.help()->helpWindow()->isVisible());
        QCOMPARE(h_->main.help()->helpWindow()->currentAnchor(), cw::helpAnchorFor(cw::HelpContext::ReportsWindow));
    }

    void resizeFitsTheListAndSharesTheToolbar()
    {
        cw::ReportsWindow* w = h_->window;
        w->resize(700, 500);
        QListView* list = h_->list1();
        QWidget* client = list->parentWidget();
        auto* toolbar = w->findChild<QToolBar*>(QStringLiteral("RepToolbar"));
        const int bars = w->findChild<QStatusBar*>(QStringLiteral("RepStatusBar1"))->height() +
                         w->findChild<QStatusBar*>(QStringLiteral("RepStatusBar2"))->height();
        QTRY_COMPARE(list->width(), client->width());
        QCOMPARE(list->y(), toolbar->height());
        QCOMPARE(list->height(), client->height() - toolbar->height() - bars);
        // (outer width in twips - 100) / 12 for the ten buttons, Preview and Chart, back in pixels.
        const int button = qRound((w->frameGeometry().width() * 15 - 100) / 12 / 15.0);
        for (QAction* a : toolbar->actions())
            QCOMPARE(toolbar->widgetForAction(a)->width(), button);

        // At 2170 twips (144 pixels) or less the list keeps its height.
        const int height = list->height();
        w->resize(640, 140);
        QTRY_COMPARE(list->width(), client->width());
        QCOMPARE(list->height(), height);
    }
};

QTEST_MAIN(ReportsWindowTest)
#include "ReportsWindowTest.moc"
