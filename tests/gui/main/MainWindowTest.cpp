// The real main window, driven by object name: start-up and passcode, the
// lists and their panels, menus, toolbar, status bars and the layout rules.

#include "support/DialogDriver.h"
#include "support/EditorStandIn.h"
#include "support/FaultEnv.h"
#include "support/WindowFixture.h"

#include "gui/kit/HelpWindow.h"
#include "gui/main/EntryListModel.h"
#include "gui/main/HelpCommands.h"

#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>

using namespace cwtest;

namespace {

QString cell(QTableView* grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }

} // namespace

class MainWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QString totals() const { return text("stbIncome") + '|' + text("stbExpense") + '|' + text("stbBalance") + '|' + text("stbTotal"); }

private slots:
    void init() { folder_ = std::make_unique<TempFolder>(); }
    void cleanup() { stopAll(); }

    void firstStartInAnEmptyFolder()
    {
        w_ = std::make_unique<cw::MainWindow>(kToday);
        DialogDriver dialogs;
        QVERIFY(w_->load());
        QVERIFY(dialogs.seen.isEmpty());
        QVERIFY(!w_->isVisible());   // shown by the caller once start-up is done
        QCOMPARE(w_->itemList()->model()->rowCount() + w_->catList()->model()->rowCount(), 0);
        QCOMPARE(totals(), "  No Income! |  No Expense! |  Balance = $0.00  | 0  2026  records for category: ALL  ");
        QCOMPARE(text("stbYear") + '|' + text("stbDate") + '|' + text("CurYear") + '|' + text("SmYr") + '|' + text("MacSmYr"),
                 "   Active Year = 2026  |3/15/26|2026|2026|2026");
        QCOMPARE(child<QSpinBox>(w_.get(), "DataYear")->value(), 2026);
        QCOMPARE(w_->state().selectedCategory + '|' + w_->state().userName + '|' + w_->state().dateFlag,
                 "all|Your Name (click Options)   |A");
    }

    // The passcode box, a wrong answer's message, and three wrong answers
    // ending the program before the year is opened. Unreadable settings end
    // the program too; an unreadable year is said and listed empty.
    void passcodeAndUnreadableFilesAtTheStart()
    {
        writeSettings(u'A', 1234);
        const QString wrong = "Passcode entry | Passcode? // Coinwick 2 | Incorrect code. Try again. | no icon | [Ok] // ";
        {
            cw::MainWindow opened(kToday);
            DialogDriver dialogs({Answer::cancel(), Answer::press(), Answer::type(" 01234 ")});
            QVERIFY(opened.load());
            QCOMPARE(told(dialogs.seen), wrong + "Passcode entry | Passcode?");
            QVERIFY(dialogs.seen[0].secret && dialogs.seen[0].defaultText.isEmpty());
        }
        QFile::remove("2026CWK.DAT");
        cw::MainWindow refused(kToday);
        QCOMPARE(saidBy([&] { QVERIFY(!refused.load()); }),
                 wrong + wrong + "Passcode entry | Passcode? // Coinwick 2 | Sorry, three strikes and yer out! | no icon | [Ok]");
        QVERIFY(!refused.isVisible());
        QCOMPARE(fileSize("2026CWK.DAT"), -1);

        QFile::remove("PERSONAL.DAT");
        for (const auto& [file, opens] : {std::pair(QStringLiteral("PERSONAL.DAT"), false), {QStringLiteral("2026CWK.DAT"), true}}) {
            FaultEnv env(FaultEnv::failing(FaultEnv::Kind::Read, file));
            cw::ScopedEnv scoped(&env);
            cw::MainWindow w(kToday);
            QCOMPARE(saidBy([&] { QCOMPARE(w.load(), opens); }), "Coinwick 2 | " + file + ": Input/output error | warning | [Ok]");
            QCOMPARE(w.itemList()->model()->rowCount(), 0);
        }
    }

    void seededYearListsRowsInFileOrder()
    {
        writeSampleYear();
        QFile("2026CWK.DAT").resize(58 * 5 + 20);   // a trailing partial record is not listed
        open();
        QTableView* list = child<QTableView>(w_.get(), "ItemList");
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
        for (const auto& [row, colour] : {std::pair(0, QColor(0, 0, 0)), {1, QColor(255, 0, 0)}, {2, QColor(0, 0, 255)}})
            QCOMPARE(m->index(row, 1).data(Qt::ForegroundRole).value<QColor>(), colour);
        const QStringList headers = {"Date", "Amount", "Code", "Note"};
        const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), headers[c]);
            QCOMPARE(Qt::Alignment(m->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask,
                     horizontal[c]);
            QCOMPARE(Qt::Alignment(m->index(0, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask, horizontal[c]);
        }
        QVERIFY(!list->currentIndex().isValid());
        QCOMPARE(totals(), "  Income = $1,500.00  |  Expense = ($349.75)  |  Balance = $1,150.25  | 5  2026  records for category: ALL  ");
        QTableView* cats = child<QTableView>(w_.get(), "CatList");
        QCOMPARE(cats->model()->rowCount(), 3);
        QCOMPARE(cell(cats, 0, 0) + '|' + cell(cats, 1, 1), "A |Food            ");
        QCOMPARE(cats->model()->headerData(1, Qt::Horizontal).toString(), "Description");
        // Every grid selects whole rows.
        for (QTableView* grid : w_->findChildren<QTableView*>())
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    }

    void aCategoryClickedOrKeyedFiltersTheListAndItsPanels()
    {
        writeSampleYear();
        open();
        clickRow(w_->catList(), 1, 1);   // the Description cell picks the row's code
        QCOMPARE(w_->state().selectedCategory, "FO");
        QCOMPARE(cell(w_->itemList(), 1, 3), "Lunch");
        QCOMPARE(totals(), "  No Income! |  Expense = ($49.75)  |  Balance = ($49.75)  | 2  2026  records for category: FO  Food            ");
        button("FullYear")->click();
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(text("stbTotal"), " 5  2026  records for category: ALL  ");

        // A key on the list picks the current row; it does not search.
        QTableView* cats = w_->catList();
        cats->setCurrentIndex(cats->model()->index(0, 0));
        QTest::keyClick(cats, Qt::Key_X);
        QCOMPARE(w_->state().selectedCategory, "A ");
        QCOMPARE(cats->currentIndex().row(), 0);
        QCOMPARE(cell(w_->itemList(), 0, 1) + '|' + cell(w_->itemList(), 1, 3), "****?****|Tires");
        QCOMPARE(text("stbTotal"), " 2  2026  records for category: A   Auto            ");
        w_->PopItemList("");   // nothing selected lists nothing
        QCOMPARE(text("stbTotal"), " 0  2026  records for category:   ");
    }

    void gridsLookRaisedOnlyWithFocus()
    {
        open();
        w_->catList()->setFocus();
        QTRY_COMPARE(w_->catList()->property("appearance").toInt(), 1);
        QCOMPARE(w_->itemList()->property("appearance").toInt(), 0);
        QCOMPARE(w_->itemList()->frameShadow(), QFrame::Plain);
        w_->itemList()->setFocus();
        QTRY_COMPARE(w_->itemList()->property("appearance").toInt(), 1);
        QCOMPARE(w_->itemList()->frameShadow(), QFrame::Sunken);
        QCOMPARE(w_->catList()->property("appearance").toInt(), 0);
    }

    // Every control's name, caption and tool tip, the menus and toolbar
    // among them (data/main-window.txt); the panels start hidden, and each
    // toolbar button runs its menu command.
    void controlsAreNamedAndTheToolbarRunsTheMenuCommands()
    {
        writeSampleYear();
        open();
        CW_COMPARE_CONTROLS(w_.get(), "main-window");
        for (const char* panel : {"EntryEdFrame", "YearEdFrame", "CatEdFrame", "MacroFrame"})
            QVERIFY2(frame(panel)->isHidden(), panel);
        QStringList bar;
        for (QAction* a : w_->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar.join(' '), "&File &Edit &Search &Macros &Reports &Options &Help");
        DialogDriver dialogs;   // whatever a command asks is dismissed
        EditorStandIn editor;   // Notes starts no real editor
        QStringList ran;
        for (QAction* button : w_->toolbar()->actions()) {
            std::vector<std::pair<QAction*, std::unique_ptr<QSignalSpy>>> items;
            for (QAction* item : w_->findChildren<QAction*>())
                if (item->objectName().startsWith("mnu"))
                    items.emplace_back(item, std::make_unique<QSignalSpy>(item, &QAction::triggered));
            button->trigger();
            for (const auto& [item, spy] : items)
                if (spy->size() == 1)
                    ran << button->objectName() + '>' + item->objectName();
            if (QWidget* help = w_->help()->helpWindow())
                help->close();
        }
        QCOMPARE(ran.join(' '), "tbbHelp>mnuHelpContents tbbFind>mnuFind tbbNotes>mnuNotes tbbMacro>mnuShowMacro "
                                "tbbReports>mnuReports tbbYear>mnuYear tbbSetup>mnuPassCode tbbSort>mnuSort tbbNew>mnuNewItem");
    }

    // The resize rules at work: the lists fill the window, the editor is
    // centred, the toolbar buttons share its width and stay visible; too
    // small a window keeps the lists as they were. The list never scrolls
    // sideways: the note takes the width the other columns leave.
    void layoutFollowsTheWindowWithinLimits()
    {
        writeSampleYear();
        open();
        QTableView *items = w_->itemList(), *cats = w_->catList();
        QGroupBox* editor = frame("EntryEdFrame");
        QToolBar* bar = w_->toolbar();
        const int barsH = child<QStatusBar>(w_.get(), "StatusBar0CWK")->height() + child<QStatusBar>(w_.get(), "StatusBarCWK")->height();
        for (const QSize size : {QSize(400, 300), QSize(1366, 740), QSize(820, 580), QSize(500, 580)}) {
            w_->resize(size);
            QApplication::processEvents();
            for (QAction* a : bar->actions())
                QVERIFY2(bar->widgetForAction(a)->isVisible() && bar->rect().contains(bar->widgetForAction(a)->geometry()),
                         qPrintable(a->objectName()));
            if (size.width() < 500)
                continue;   // too narrow: the list keeps its width
            const QModelIndex note = items->model()->index(4, cw::EntryListModel::NoteColumn);
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(note).center());
            items->scrollTo(note);
            QCOMPARE(items->columnViewportPosition(cw::EntryListModel::DateColumn), 0);
            QCOMPARE(items->horizontalHeader()->length(), items->viewport()->width());
            QVERIFY(!items->horizontalScrollBar()->isVisible());
        }
        w_->resize(1100, 760);
        QTRY_COMPARE(w_->centralWidget()->width(), 1100);
        const QSize inner = w_->centralWidget()->size();
        QCOMPARE(items->geometry(), QRect(0, bar->height(), inner.width() - cats->width() - 7, inner.height() - bar->height() - barsH));
        QCOMPARE(cats->geometry(), QRect(items->width(), bar->height() + 22, cats->width(), items->height() - 22));
        QCOMPARE(button("FullYear")->pos(), QPoint(cats->x() - 1, cats->y() - 22));
        QVERIFY(qAbs(editor->x() - (inner.width() - editor->width()) / 2.0) <= 1);
        QVERIFY(qAbs(editor->y() - (inner.height() - editor->height()) / 2.0) <= 1);
        for (QAction* a : bar->actions())
            QCOMPARE(bar->widgetForAction(a)->width(), qRound((inner.width() * 15 - 100) / 9 / 15.0));

        // Too narrow for the category list and too low for the lists: both keep their sizes.
        const QRect wideItems = items->geometry();
        const QSize catSize = cats->size();
        w_->resize(200, 150);
        QTRY_COMPARE(w_->centralWidget()->width(), 200);
        QVERIFY(w_->centralWidget()->height() * 15 <= 2265);
        QCOMPARE(items->geometry(), wideItems);
        QCOMPARE(cats->size(), catSize);
        QVERIFY(qAbs(editor->x() - (200 - editor->width()) / 2.0) <= 1);
    }

    void closingSaysUnloadAsksAboutTypingAndExitEndsAtOnce()
    {
        open();
        QSignalSpy unloading(w_.get(), &cw::MainWindow::unloading);
        command("mnuNewItem");
        w_->close();   // nothing typed yet: no question
        QCOMPARE(unloading.size(), 1);
        w_->show();
        command("mnuNewItem");
        edit("NoteEditor")->setText("half typed");
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            DialogDriver dialogs({Answer::press(answer)});
            w_->close();
            QCOMPARE(said(dialogs.seen.value(0)), "Coinwick 2 | Discard the entry you are editing? | question | Yes/[No]");
            QCOMPARE(w_->isVisible(), answer == QMessageBox::No);
        }
        QCOMPARE(unloading.size(), 2);

        // Last: File, Exit ends every event loop of the program.
        open();
        QSignalSpy none(w_.get(), &cw::MainWindow::unloading);
        QEventLoop run;
        QTimer::singleShot(0, w_.get(), [this] { command("mnuExit"); });
        QCOMPARE(run.exec(), 0);
        QCOMPARE(none.size(), 0);
    }
};

static RegisterWindowTest<MainWindowTest> registered;
#include "MainWindowTest.moc"
