// The real main window, driven by object name: its controls, start-up and
// passcode, the lists and their panels, the toolbar, and the layout rules.

#include "support/EditorStandIn.h"
#include "support/FaultEnv.h"
#include "support/WindowFixture.h"

#include "gui/kit/HelpWindow.h"
#include "gui/main/EntryListModel.h"
#include "gui/main/HelpCommands.h"

#include <QHeaderView>
#include <QScrollBar>

using namespace cwtest;

class MainWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<TempFolder>(); }
    void cleanup() { stopAll(); }

    // A first start in an empty folder: nothing asked, every control's name,
    // caption and tool tip as data/main-window.txt has them, the panels hidden.
    void firstStartAndItsControls()
    {
        w_ = std::make_unique<cw::MainWindow>(kToday);
        QCOMPARE(saidBy([this] { QVERIFY(w_->load()); }), "");
        QVERIFY(!w_->isVisible());   // shown by the caller once start-up is done
        CW_COMPARE_CONTROLS(w_.get(), "main-window");
        for (const char* panel : {"EntryEdFrame", "YearEdFrame", "CatEdFrame", "MacroFrame"})
            QVERIFY2(frame(panel)->isHidden(), panel);
        QCOMPARE(w_->state().selectedCategory + '|' + w_->state().userName + '|' + w_->state().dateFlag, "all|Your Name (click Options)   |A");
    }

    // The passcode box; three wrong answers end the program before the year is
    // opened, as unreadable settings do; an unreadable year is said, listed empty.
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

    // The year in file order (not a trailing partial record), coloured by sign;
    // a category picked by click or key filters the list; Full Year undoes it.
    void theListsAndTheirPanels()
    {
        writeSampleYear();
        QFile("2026CWK.DAT").resize(58 * 5 + 20);
        open();
        QCOMPARE(gridText(w_->itemList()), "Date|Amount|Code|Note\n03-14-26|$1,500.00#000000|PY|Paycheck\n"
                                           "03-10-26|($42.50)#ff0000|FO|Groceries\n03-05-26|****?****#0000ff|A |Oil check\n"
                                           "02-28-26|($7.25)#ff0000|FO|Lunch\n01-02-26|($300.00)#ff0000|A |Tires");
        QCOMPARE(gridText(w_->catList()), "Code|Description\nA |Auto            \nFO|Food            \nPY|Pay             ");
        const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(Qt::Alignment(w_->itemList()->model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask, horizontal[c]);
            QCOMPARE(Qt::Alignment(w_->itemList()->model()->index(0, c).data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask, horizontal[c]);
        }
        for (QTableView* grid : w_->findChildren<QTableView*>())
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!w_->itemList()->currentIndex().isValid());
        const auto totals = [this] { return text("stbIncome") + '|' + text("stbExpense") + '|' + text("stbBalance") + '|' + text("stbTotal"); };
        QCOMPARE(totals(), "  Income = $1,500.00  |  Expense = ($349.75)  |  Balance = $1,150.25  | 5  2026  records for category: ALL  ");
        clickRow(w_->catList(), 1, 1);
        QCOMPARE(w_->state().selectedCategory + '|' + w_->itemList()->model()->index(1, 3).data().toString(), "FO|Lunch");
        QCOMPARE(totals(), "  No Income! |  Expense = ($49.75)  |  Balance = ($49.75)  | 2  2026  records for category: FO  Food            ");
        click("FullYear");
        QCOMPARE(w_->state().selectedCategory + '|' + text("stbTotal"), "all| 5  2026  records for category: ALL  ");
        w_->catList()->setCurrentIndex(w_->catList()->model()->index(0, 0));
        QTest::keyClick(w_->catList(), Qt::Key_X);   // it picks the row; it does not search
        QCOMPARE(w_->state().selectedCategory + '|' + text("stbTotal"), "A | 2  2026  records for category: A   Auto            ");
        QCOMPARE(w_->catList()->currentIndex().row(), 0);
        w_->PopItemList("");   // nothing selected lists nothing
        QCOMPARE(text("stbTotal"), " 0  2026  records for category:   ");
    }

    void gridsLookRaisedOnlyWithFocus()
    {
        open();
        for (const auto& [focused, other] : {std::pair(w_->catList(), w_->itemList()), {w_->itemList(), w_->catList()}}) {
            focused->setFocus();
            QTRY_COMPARE(focused->property("appearance").toString() + other->property("appearance").toString(), "10");
            QVERIFY(focused->frameShadow() == QFrame::Sunken && other->frameShadow() == QFrame::Plain);
        }
    }

    void eachToolbarButtonRunsItsMenuCommand()
    {
        open();
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

    // The resize rules (the kit test's) at work: toolbar buttons stay visible,
    // the list never scrolls sideways, the editor stays centred.
    void layoutFollowsTheWindowWithinLimits()
    {
        writeSampleYear();
        open();
        QTableView* items = w_->itemList();
        QGroupBox* editor = frame("EntryEdFrame");
        QToolBar* bar = w_->toolbar();
        for (const QSize size : {QSize(400, 300), QSize(1366, 740), QSize(820, 580), QSize(500, 580)}) {
            w_->resize(size);
            QApplication::processEvents();
            for (QAction* a : bar->actions())
                QVERIFY2(bar->widgetForAction(a)->isVisible() && bar->rect().contains(bar->widgetForAction(a)->geometry()), qPrintable(a->objectName()));
            if (size.width() < 500)
                continue;   // too narrow: the list keeps its width
            const QModelIndex note = items->model()->index(4, cw::EntryListModel::NoteColumn);
            QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualRect(note).center());
            items->scrollTo(note);
            QCOMPARE(items->columnViewportPosition(cw::EntryListModel::DateColumn), 0);
            QCOMPARE(items->horizontalHeader()->length(), items->viewport()->width());
            QVERIFY(!items->horizontalScrollBar()->isVisible());
            QVERIFY(qAbs(editor->x() - (w_->centralWidget()->width() - editor->width()) / 2.0) <= 1);
        }
    }

    // Closing unloads, but asks first before typing is thrown away (No keeps
    // the program); File, Exit ends every event loop at once.
    void closingSaysUnloadAsksAboutTypingAndExitEndsAtOnce()
    {
        open();
        QSignalSpy unloading(w_.get(), &cw::MainWindow::unloading);
        command("mnuNewItem");
        w_->close();   // nothing typed yet: no question
        w_->show();
        command("mnuNewItem");
        edit("NoteEditor")->setText("half typed");
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            QCOMPARE(saidBy([this] { w_->close(); }, {Answer::press(answer)}), "Coinwick 2 | Discard the entry you are editing? | question | Yes/[No]");
            QCOMPARE(w_->isVisible(), answer == QMessageBox::No);
        }
        QCOMPARE(unloading.size(), 2);
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
