// The real main window, driven by object name: start-up and passcode, the
// lists and their panels, menus, toolbar, status bars and the layout rules.

#include "support/DialogDriver.h"
#include "support/FaultEnv.h"
#include "support/EditorStandIn.h"
#include "support/Seed.h"

#include "gui/main/EntryListModel.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QMessageBox>
#include <QScrollBar>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace cwtest;

namespace {

QString panel(const cw::MainWindow& w, const char* key)
{
    QLabel* label = w.findChild<QLabel*>(QString::fromLatin1(key));
    return label ? label->text() : QStringLiteral("<no panel %1>").arg(QLatin1String(key));
}

QString cell(QTableView* grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void init() { folder_ = std::make_unique<WorkFolder>(); }
    void cleanup() { folder_.reset(); }

    void firstStartInEmptyFolder()
    {
        cw::MainWindow w(kToday);
        DialogDriver dialogs;
        QVERIFY(w.load());
        QVERIFY(dialogs.seen.isEmpty());
        QVERIFY(!w.isVisible());   // shown by the caller once start-up is done
        QCOMPARE(w.itemList()->model()->rowCount(), 0);
        QCOMPARE(w.catList()->model()->rowCount(), 0);
        QCOMPARE(panel(w, "stbIncome"), "  No Income! ");
        QCOMPARE(panel(w, "stbExpense"), "  No Expense! ");
        QCOMPARE(panel(w, "stbBalance"), "  Balance = $0.00  ");
        QCOMPARE(panel(w, "stbTotal"), " 0  2026  records for category: ALL  ");
        QCOMPARE(panel(w, "stbYear"), "   Active Year = 2026  ");
        QCOMPARE(panel(w, "stbDate"), "3/15/26");
        QCOMPARE(w.findChild<QLabel*>("CurYear")->text(), "2026");
        QCOMPARE(w.findChild<QSpinBox*>("DataYear")->value(), 2026);
        QCOMPARE(w.findChild<QLabel*>("SmYr")->text(), "2026");
        QCOMPARE(w.findChild<QLabel*>("MacSmYr")->text(), "2026");
        QCOMPARE(w.state().selectedCategory, "all");
        QCOMPARE(w.state().userName, "Your Name (click Options)   ");
        QCOMPARE(w.state().dateFlag, u'A');
    }

    void passcodeWithBlanksAndLeadingZeroOpens()
    {
        writePasscode(1234);
        cw::MainWindow w(kToday);
        DialogDriver dialogs({Answer::type(" 01234 ")});
        QVERIFY(w.load());
        QCOMPARE(dialogs.seen.size(), 1);
        QVERIFY(dialogs.seen[0].input);
        QCOMPARE(dialogs.seen[0].text, "Passcode?");
        QCOMPARE(dialogs.seen[0].title, "Passcode entry");
        QCOMPARE(dialogs.seen[0].defaultText, "");
        QVERIFY(dialogs.seen[0].secret);
    }

    void threeCancelsEndTheProgram()
    {
        writePasscode(1234);
        cw::MainWindow w(kToday);
        DialogDriver dialogs({Answer::cancel(), Answer::press(), Answer::type("4321"), Answer::press(),
                              Answer::cancel(), Answer::press()});
        QVERIFY(!w.load());
        QCOMPARE(dialogs.seen.size(), 6);
        const QString texts[] = {"Incorrect code. Try again.", "Incorrect code. Try again.",
                                 "Sorry, three strikes and yer out!"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(dialogs.seen[2 * i].input);
            const SeenDialog& message = dialogs.seen[2 * i + 1];
            QCOMPARE(message.text, texts[i]);
            QCOMPARE(message.title, "Coinwick 2");
            QCOMPARE(message.icon, QMessageBox::NoIcon);
            QCOMPARE(message.buttons, QMessageBox::Ok);
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(fileSize("2026CWK.DAT"), -1);   // ended before the year was opened
    }

    // Unreadable settings end the program; an unreadable year is said and listed empty.
    void unreadableFileIsSaid_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opens");
        QTest::newRow("settings") << "PERSONAL.DAT" << false;
        QTest::newRow("year") << "2026CWK.DAT" << true;
    }
    void unreadableFileIsSaid()
    {
        QFETCH(QString, file);
        QFETCH(bool, opens);
        FaultEnv env(FaultEnv::failing(FaultEnv::Kind::Read, file));
        cw::ScopedEnv scoped(&env);
        cw::MainWindow w(kToday);
        DialogDriver dialogs({Answer::press()});
        QCOMPARE(w.load(), opens);
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Coinwick 2 | " + file + ": Input/output error | warning | [Ok]");
        if (opens)
            QCOMPARE(w.itemList()->model()->rowCount(), 0);
    }

    void seededYearListsRowsInFileOrder()
    {
        writeSampleYear();
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        QTableView* list = w.findChild<QTableView*>("ItemList");
        QAbstractItemModel* m = list->model();
        QCOMPARE(m->rowCount(), 5);
        const char* rows[][4] = {
            {"03-14-26", "$1,500.00", "PY", "Paycheck"}, {"03-10-26", "($42.50)", "FO", "Groceries"},
            {"03-05-26", "****?****", "A ", "Oil check"}, {"02-28-26", "($7.25)", "FO", "Lunch"},
            {"01-02-26", "($300.00)", "A ", "Tires"},
        };
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(cell(list, r, c), QString::fromLatin1(rows[r][c]));
        auto colour = [&](int r) { return m->index(r, 1).data(Qt::ForegroundRole).value<QColor>(); };
        QCOMPARE(colour(0), QColor(0, 0, 0));
        QCOMPARE(colour(1), QColor(255, 0, 0));
        QCOMPARE(colour(2), QColor(0, 0, 255));
        const QStringList headers = {"Date", "Amount", "Code", "Note"};
        const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(Qt::Alignment(m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                     horizontal[c]);
            QCOMPARE(Qt::Alignment(m->index(0, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                     horizontal[c]);
        }
        QVERIFY(!list->currentIndex().isValid());
        QCOMPARE(panel(w, "stbIncome"), "  Income = $1,500.00  ");
        QCOMPARE(panel(w, "stbExpense"), "  Expense = ($349.75)  ");
        QCOMPARE(panel(w, "stbBalance"), "  Balance = $1,150.25  ");
        QCOMPARE(panel(w, "stbTotal"), " 5  2026  records for category: ALL  ");
        QTableView* cats = w.findChild<QTableView*>("CatList");
        QCOMPARE(cats->model()->rowCount(), 3);
        QCOMPARE(cell(cats, 0, 0), "A ");
        QCOMPARE(cell(cats, 1, 1), "Food            ");
        QCOMPARE(cats->model()->headerData(1, Qt::Horizontal).toString(), "Description");
    }

    void categoryClickFiltersAndRewritesPanels()
    {
        writeSampleYear();
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QTableView* cats = w.catList();
        // A click on the Description cell picks the row's code.
        const QRect food = cats->visualRect(cats->model()->index(1, 1));
        QTest::mouseClick(cats->viewport(), Qt::LeftButton, {}, food.center());
        QCOMPARE(w.state().selectedCategory, "FO");
        QCOMPARE(w.itemList()->model()->rowCount(), 2);
        QCOMPARE(cell(w.itemList(), 1, 3), "Lunch");
        QCOMPARE(panel(w, "stbIncome"), "  No Income! ");
        QCOMPARE(panel(w, "stbExpense"), "  Expense = ($49.75)  ");
        QCOMPARE(panel(w, "stbBalance"), "  Balance = ($49.75)  ");
        QCOMPARE(panel(w, "stbTotal"), " 2  2026  records for category: FO  Food            ");

        w.findChild<QPushButton*>("FullYear")->click();
        QCOMPARE(w.state().selectedCategory, "all");
        QCOMPARE(w.itemList()->model()->rowCount(), 5);
        QCOMPARE(panel(w, "stbTotal"), " 5  2026  records for category: ALL  ");
    }

    void keyOnOneCharacterCodeFiltersAsCodeAndBlank()
    {
        writeSampleYear();
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QTableView* cats = w.catList();
        cats->setCurrentIndex(cats->model()->index(0, 0));
        QTest::keyClick(cats, Qt::Key_X);
        QCOMPARE(w.state().selectedCategory, "A ");
        QCOMPARE(cats->currentIndex().row(), 0);   // the key picks, it does not search
        QCOMPARE(w.itemList()->model()->rowCount(), 2);
        QCOMPARE(cell(w.itemList(), 0, 1), "****?****");
        QCOMPARE(cell(w.itemList(), 1, 3), "Tires");
        QCOMPARE(panel(w, "stbExpense"), "  Expense = ($300.00)  ");
        QCOMPARE(panel(w, "stbTotal"), " 2  2026  records for category: A   Auto            ");

        w.PopItemList("");   // nothing selected lists nothing
        QCOMPARE(w.itemList()->model()->rowCount(), 0);
        QCOMPARE(panel(w, "stbTotal"), " 0  2026  records for category:   ");
    }

    void gridsLookRaisedOnlyWithFocus()
    {
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.catList()->setFocus();
        QTRY_COMPARE(w.catList()->property("appearance").toInt(), 1);
        QCOMPARE(w.itemList()->property("appearance").toInt(), 0);
        QCOMPARE(w.itemList()->frameShadow(), QFrame::Plain);
        w.itemList()->setFocus();
        QTRY_COMPARE(w.itemList()->property("appearance").toInt(), 1);
        QCOMPARE(w.itemList()->frameShadow(), QFrame::Sunken);
        QCOMPARE(w.catList()->property("appearance").toInt(), 0);
    }

    void menusCarryKeysCaptionsAndShortcuts()
    {
        cw::MainWindow w(kToday);
        const QList<QPair<QString, QStringList>> menus = {
            {"mnuFile", {"&File", "mnuTinyCalc", "Calculator", "mnuSort", "Sort", "mnuYear", "Select Year",
                         "mnuBackup", "Backup", "mnuImport", "Import...", "mnuExit", "E&xit"}},
            {"mnuEdit", {"&Edit", "mnuUndo", "Undo", "mnuRedo", "Redo", "mnuNewItem", "New Line Item", "mnuNewCategory", "New Category",
                         "mnuChangeCategory", "Change Category", "mnuNotes", "Notes"}},
            {"mnuSearch", {"&Search", "mnuFind", "Find a word"}},
            {"mnuMacros", {"&Macros", "mnuShowMacro", "Show Macro Controls"}},
            {"mnuOptions", {"&Options", "mnuUserName", "User Name", "mnuPassCode", "Pass Code", "mnuDateFormat",
                            "Date Format", "mnuDateConvert", "Date Coverter"}},
            {"mnuHelp", {"&Help", "mnuHelpContents", "Contents", "mnuHelpAbout", "About"}},
        };
        for (const auto& [key, expected] : menus) {
            QMenu* menu = w.findChild<QMenu*>(key);
            QVERIFY2(menu, qPrintable(key));
            QStringList got = {menu->title()};
            for (QAction* a : menu->actions())
                got << a->objectName() << a->text();
            QCOMPARE(got, expected);
        }
        QStringList bar;
        for (QAction* a : w.menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "&Edit", "&Search", "&Macros", "&Reports", "&Options", "&Help"}));
        QCOMPARE(w.menuBar()->actions()[4]->objectName(), "mnuReports");
        QCOMPARE(w.command("mnuExit")->shortcut(), QKeySequence("Ctrl+Q"));
    }

    void toolbarButtonsRunTheirMenuCommands()
    {
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        DialogDriver dialogs;   // whatever a command asks is dismissed
        EditorStandIn editor;   // Notes starts no real editor
        QToolBar* bar = w.findChild<QToolBar*>("ToolbarCWK");
        const QStringList expected = {
            "tbbHelp|Help|Click for Help Contents|mnuHelpContents", "tbbFind|Search|Find a Word|mnuFind",
            "tbbNotes|Notes|Click to edit your notes|mnuNotes", "tbbMacro|Macro|Macro Functions|mnuShowMacro",
            "tbbReports|Reports|Reports|mnuReports", "tbbYear|Year|Select Year|mnuYear",
            "tbbSetup|Passcode|Set start-up passcode|mnuPassCode", "tbbSort|Sort|Sort current year's data file|mnuSort",
            "tbbNew|New|New Item|mnuNewItem"};
        QCOMPARE(bar->actions().size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            QAction* button = bar->actions()[i];
            const QStringList want = expected[i].split('|');
            QCOMPARE(button->objectName() + '|' + button->text() + '|' + button->toolTip(), want.mid(0, 3).join('|'));
            QSignalSpy ran(w.command(want[3]), &QAction::triggered);
            button->trigger();
            QCOMPARE(ran.size(), 1);
        }
    }

    void statusBarsAndPanelsAreNamed()
    {
        cw::MainWindow w(kToday);
        auto panels = [&](const char* bar) {
            QStringList out;
            for (QLabel* l : w.findChild<QStatusBar*>(bar)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
                out << l->objectName() + '/' + l->toolTip();
            return out;
        };
        QCOMPARE(panels("StatusBar0CWK"),
                 QStringList({"stbIncome/income", "stbExpense/expense", "stbBalance/balance", "stbDate/"}));
        QCOMPARE(panels("StatusBarCWK"), QStringList({"stbTotal/records", "stbYear/year"}));
        const QStringList frames[] = {{"EntryEdFrame", ""}, {"YearEdFrame", " Select Year "},
                                      {"CatEdFrame", " Category Editor "}, {"MacroFrame", " Macro Functions "}};
        for (const QStringList& f : frames) {
            QGroupBox* box = w.findChild<QGroupBox*>(f[0]);
            QVERIFY2(box, qPrintable(f[0]));
            QCOMPARE(box->title(), f[1]);
            QVERIFY(box->isHidden());
        }
        QCOMPARE(w.objectName(), "frmMainScreen");
        QCOMPARE(w.windowTitle(), "Coinwick 2");
    }

    void everyToolbarButtonStaysVisible()
    {
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QSize size : {QSize(1366, 740), QSize(820, 580), QSize(640, 420), QSize(400, 300)}) {
            w.resize(size);
            QApplication::processEvents();
            for (QAction* a : w.toolbar()->actions()) {
                QWidget* button = w.toolbar()->widgetForAction(a);
                QVERIFY2(button && button->isVisible(), qPrintable(a->objectName()));
                QVERIFY2(w.toolbar()->rect().contains(button->geometry()), qPrintable(a->objectName()));
            }
        }
    }

    void listsNeverScrollSideways()
    {
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTableView* list = w.itemList();
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        for (const int width : {820, 500, 1400}) {
            w.resize(width, 580);
            const QModelIndex note = list->model()->index(4, cw::EntryListModel::NoteColumn);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(note).center());
            list->scrollTo(note);
            QCOMPARE(list->columnViewportPosition(cw::EntryListModel::DateColumn), 0);
            // The note takes the width the other columns leave.
            QCOMPARE(list->horizontalHeader()->length(), list->viewport()->width());
        }
    }

    void resizeRulesWideAndNarrow()
    {
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* items = w.itemList();
        auto* cats = w.catList();
        auto* fullYear = w.findChild<QPushButton*>("FullYear");
        auto* editor = w.findChild<QGroupBox*>("EntryEdFrame");
        QToolBar* bar = w.toolbar();
        const int toolbarH = bar->height();
        const int barsH = w.findChild<QStatusBar*>("StatusBar0CWK")->height()
            + w.findChild<QStatusBar*>("StatusBarCWK")->height();

        w.resize(1100, 760);
        QTRY_COMPARE(w.centralWidget()->width(), 1100);
        const QSize inner = w.centralWidget()->size();
        QCOMPARE(items->geometry(), QRect(0, toolbarH, inner.width() - cats->width() - 7, inner.height() - toolbarH - barsH));
        QCOMPARE(cats->geometry(), QRect(items->width(), toolbarH + 22, cats->width(), items->height() - 22));
        QCOMPARE(fullYear->pos(), QPoint(cats->x() - 1, cats->y() - 22));
        QVERIFY(qAbs(editor->x() - (inner.width() - editor->width()) / 2.0) <= 1);
        QVERIFY(qAbs(editor->y() - (inner.height() - editor->height()) / 2.0) <= 1);
        const int buttonW = qRound((inner.width() * 15 - 100) / 9 / 15.0);
        for (QAction* a : bar->actions()) {
            QCOMPARE(bar->widgetForAction(a)->width(), buttonW);
            QVERIFY(bar->widgetForAction(a)->isVisible());
        }

        // Too narrow for the category list and too low for the lists: both keep their sizes.
        const QRect wideItems = items->geometry();
        const QSize catSize = cats->size();
        w.resize(200, 150);
        QTRY_COMPARE(w.centralWidget()->width(), 200);
        QVERIFY(w.centralWidget()->height() * 15 <= 2265);
        QCOMPARE(items->geometry(), wideItems);
        QCOMPARE(cats->size(), catSize);
        QCOMPARE(cats->x(), wideItems.width());
        QVERIFY(qAbs(editor->x() - (200 - editor->width()) / 2.0) <= 1);
    }

    void closingSaysUnloadButExitEndsAtOnce()
    {
        {
            cw::MainWindow w(kToday);
            QVERIFY(w.load());
            w.show();
            QSignalSpy unloading(&w, &cw::MainWindow::unloading);
            w.close();
            QCOMPARE(unloading.size(), 1);
        }
        {
            // Typing in an editor is not thrown away without a word: No keeps the program.
            cw::MainWindow w(kToday);
            QVERIFY(w.load());
            w.show();
            QSignalSpy unloading(&w, &cw::MainWindow::unloading);
            w.command("mnuNewItem")->trigger();
            w.close();   // nothing typed yet: no question
            QCOMPARE(unloading.size(), 1);
            w.show();
            w.command("mnuNewItem")->trigger();
            w.findChild<QLineEdit*>("NoteEditor")->setText("half typed");
            for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
                DialogDriver dialogs({Answer::press(answer)});
                w.close();
                QCOMPARE(dialogs.seen.size(), 1);
                QCOMPARE(said(dialogs.seen[0]), "Coinwick 2 | Discard the entry you are editing? | question | Yes/[No]");
                QCOMPARE(w.isVisible(), answer == QMessageBox::No);
            }
            QCOMPARE(unloading.size(), 2);
        }
        // Last: File, Exit ends every event loop of the program.
        cw::MainWindow w(kToday);
        QVERIFY(w.load());
        w.show();
        QSignalSpy unloading(&w, &cw::MainWindow::unloading);
        QEventLoop run;
        QTimer::singleShot(0, &w, [&] { w.command("mnuExit")->trigger(); });
        QCOMPARE(run.exec(), 0);
        QCOMPARE(unloading.size(), 0);
    }

private:
    std::unique_ptr<WorkFolder> folder_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
