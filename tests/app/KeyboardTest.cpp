// The whole program without a mouse: menus by their access keys and the
// arrows, Tab through every button of every window in reading order, Return
// for a window's own action and Escape to leave it, and real work done by
// keys alone. Every key goes to whatever has the focus, as a user's would.

#include "app/Commands.h"
#include "mainscreen/DialogDriver.h"
#include "mainscreen/WindowFixture.h"
#include "reports/ReportsWindow.h"
#include "store/CategoryFile.h"
#include "store/LedgerFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

using namespace cwtest;

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// A key to the focus widget (or the open menu), as the user presses it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), modifiers);
}

void type(const QString& text) { QTest::keyClicks(focused(), text); }

bool tabTo(QWidget* target)
{
    for (int i = 0; i < 60 && focused() != target; ++i)
        press(Qt::Key_Tab);
    return focused() == target;
}

QWidget* shown(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

QWidget* toolButton(QWidget* window, const char* key)
{
    auto* action = window->findChild<QAction*>(QString::fromLatin1(key));
    return window->findChild<QToolBar*>()->widgetForAction(action);
}

// Alt and the menu's access key, the arrows down to `item`, Return.
void runMenuCommand(QWidget* window, const char* item)
{
    auto* action = window->findChild<QAction*>(QString::fromLatin1(item));
    QMenu* menu = nullptr;
    for (QAction* top : window->findChild<QMenuBar*>()->actions())
        if (top->menu() && top->menu()->actions().contains(action))
            menu = top->menu();
    QVERIFY2(menu, item);
    press(QKeySequence::mnemonic(menu->title())[0].key(), Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    for (int i = 0; i < 20 && menu->activeAction() != action; ++i)
        press(Qt::Key_Down);
    QCOMPARE(menu->activeAction(), action);
    press(Qt::Key_Return);
}

// Each top-level menu opens with Alt and an access key of its own; the
// arrows reach every enabled item of it; access keys within a menu differ.
void checkMenus(QWidget* window)
{
    QMenuBar* bar = window->findChild<QMenuBar*>();
    QVERIFY(bar);
    QSet<int> barKeys;
    for (QAction* top : bar->actions()) {
        const QKeySequence key = QKeySequence::mnemonic(top->text());
        QVERIFY2(!key.isEmpty() && !barKeys.contains(key[0].key()), qPrintable(top->text()));
        barKeys.insert(key[0].key());
        QMenu* menu = top->menu();
        if (!menu)
            continue;   // a command of its own: used by key below
        QSet<QAction*> items, reached;
        QSet<int> itemKeys;
        for (QAction* item : menu->actions()) {
            if (item->isSeparator() || !item->isEnabled())
                continue;
            items << item;
            if (const QKeySequence k = QKeySequence::mnemonic(item->text()); !k.isEmpty()) {
                QVERIFY2(!itemKeys.contains(k[0].key()), qPrintable(item->text()));
                itemKeys.insert(k[0].key());
            }
        }
        press(key[0].key(), Qt::AltModifier);
        QTRY_VERIFY2(menu->isVisible(), qPrintable(top->text()));
        for (int i = 0; i < 2 * items.size(); ++i) {
            reached << menu->activeAction();
            press(Qt::Key_Down);
        }
        QCOMPARE(reached, items);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        if (bar->hasFocus())
            press(Qt::Key_Escape);   // the menu bar gives the focus back
        QVERIFY(window->isVisible());
    }
}

// The panel a control lies in, or its window.
QWidget* panelOf(QWidget* w)
{
    while (!w->isWindow() && !qobject_cast<QGroupBox*>(w))
        w = w->parentWidget();
    return w;
}

// Whether Tab from `a` to `b` reads on: right along a row, down the page,
// or up into a column further right. Panels lie over other controls, so
// only steps within one panel have an order to keep.
bool readsOn(QWidget* window, QWidget* a, QWidget* b)
{
    if (panelOf(a->parentWidget()) != panelOf(b->parentWidget()))
        return true;
    const QRect ra(a->mapTo(window, QPoint()), a->size());
    const QRect rb(b->mapTo(window, QPoint()), b->size());
    if (rb.left() >= ra.right())
        return true;
    if (qAbs(rb.top() - ra.top()) < ra.height() / 2)
        return rb.left() > ra.left();
    return rb.top() > ra.top();
}

// Tab stops at every enabled button of the window (the main toolbar's
// buttons repeat menu commands), in reading order, and the Tab key follows
// the window's focus chain round to where it began.
void checkTabChain(QWidget* window)
{
    QList<QWidget*> stops;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy())
            stops << w;
    QVERIFY(!stops.isEmpty());
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        QWidget* holder = b->parentWidget();
        if (b->isVisible() && b->isEnabled() && !b->objectName().startsWith(QLatin1String("qt_"))
            && !qobject_cast<QAbstractItemView*>(holder) && holder->objectName() != QLatin1String("ToolbarCWK"))
            QVERIFY2(stops.contains(b), qPrintable(window->objectName() + ": " + b->objectName() + " " + b->text()));
    }
    for (qsizetype i = 1; i < stops.size(); ++i)
        QVERIFY2(readsOn(window, stops[i - 1], stops[i]),
                 qPrintable(stops[i - 1]->objectName() + " -> " + stops[i]->objectName()));
    stops.first()->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i <= stops.size(); ++i) {
        press(Qt::Key_Tab);
        QCOMPARE(focused(), stops[i % stops.size()]);
    }
}

// Answers the dialogs in order by keys alone: text typed into an input box,
// then keys; each dialog must be closed by them, with the button named
// (Ok / Cancel stand for an input box accepted / rejected).
struct KeyAnswer {
    QString typed;
    QList<Qt::Key> keys;
    QMessageBox::StandardButton closesWith;
};

std::unique_ptr<DialogDriver> answerByKeys(const QList<KeyAnswer>& answers, QList<int>* closedWith)
{
    // The driver's own answer repeats what the keys did, once they did it.
    QList<Answer> same;
    for (const KeyAnswer& a : answers)
        same << (a.typed.isNull() ? Answer::press(a.closesWith)
                 : a.closesWith == QMessageBox::Ok ? Answer::accept() : Answer::cancel());
    auto driver = std::make_unique<DialogDriver>(same);
    driver->onEachDialog = [answers, closedWith](QWidget* dialog) {
        const KeyAnswer a = answers.value(closedWith->size());
        if (!a.typed.isEmpty())
            QTest::keyClicks(dialog->focusWidget(), a.typed);
        for (Qt::Key k : a.keys)
            QTest::keyClick(dialog->focusWidget(), k);
        int closed = QMessageBox::NoButton;
        if (auto* box = qobject_cast<QMessageBox*>(dialog); box && !box->isVisible())
            closed = box->standardButton(box->clickedButton());
        else if (auto* input = qobject_cast<QDialog*>(dialog); input && !box && !input->isVisible())
            closed = input->result() == QDialog::Accepted ? QMessageBox::Ok : QMessageBox::Cancel;
        *closedWith << closed;
    };
    return driver;
}

} // namespace

class KeyboardTest : public QObject, private WindowFixture {
    Q_OBJECT

    void openProgram()
    {
        open();
        cw::installCommands(*w_);
        w_->itemList()->setFocus();
    }

    QWidget* openWindow(const char* menuItem, const char* name)
    {
        runMenuCommand(w_.get(), menuItem);
        QWidget* window = shown(name);
        if (window && QTest::qWaitForWindowActive(window))
            return window;
        return nullptr;
    }

    // Escape closes a window opened from the main window, which is usable again.
    void escapeCloses(QWidget* window)
    {
        const QPointer<QWidget> closing = window;   // deleted once closed
        press(Qt::Key_Escape);
        QTRY_VERIFY(!closing || !closing->isVisible());
        QTRY_VERIFY(w_->isEnabled() && w_->isActiveWindow());
    }

    // The offscreen platform has no window manager to give the keyboard back
    // to the main window when a dialog closes, as a desktop's does.
    void regainKeyboard()
    {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    std::vector<cw::LedgerEntry> entries() { return cw::LedgerFile(QStringLiteral("2026CWK.DAT")).readAll().value(); }

private slots:
    void initTestCase() { pinLocale(); }
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    void menusOpenByTheirAccessKeys()
    {
        openProgram();
        DialogDriver none;
        checkMenus(w_.get());
        press(Qt::Key_R, Qt::AltModifier);   // Reports: a command on the menu bar itself
        QTRY_VERIFY(shown("frmReports"));
        QWidget* reports = shown("frmReports");
        QVERIFY(QTest::qWaitForWindowActive(reports));
        checkMenus(reports);
        escapeCloses(reports);
        QWidget* calculator = openWindow("mnuTinyCalc", "TinyCalc");
        QVERIFY(calculator);
        checkMenus(calculator);
        escapeCloses(calculator);
        QVERIFY(none.seen.isEmpty());
    }

    void tabStopsAtEveryButtonInReadingOrder()
    {
        openProgram();
        DialogDriver none;
        checkTabChain(w_.get());
        const QList<QPair<const char*, const char*>> panels = {{"mnuNewItem", "NoteEditor"},
            {"mnuYear", "DataYear"}, {"mnuNewCategory", "CatEdCatName"}, {"mnuShowMacro", "MacroEd"}};
        for (const auto& [item, inside] : panels) {
            runMenuCommand(w_.get(), item);
            checkTabChain(w_.get());
            QVERIFY(tabTo(w_->findChild<QWidget*>(inside)));
            QGroupBox* panel = qobject_cast<QGroupBox*>(focused()->parentWidget());
            press(Qt::Key_Escape);
            QVERIFY2(!panel->isVisible(), item);
        }
        for (const auto& [item, name] : {std::pair("mnuSort", "frmSorter"), std::pair("mnuBackup", "frmBackup"),
                                         std::pair("mnuTinyCalc", "TinyCalc")}) {
            QWidget* window = openWindow(item, name);
            QVERIFY2(window, name);
            checkTabChain(window);
            escapeCloses(window);
        }
        press(Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(shown("frmReports"));
        auto* reports = static_cast<cw::ReportsWindow*>(shown("frmReports"));
        QVERIFY(QTest::qWaitForWindowActive(reports));
        reports->command(QStringLiteral("rtbSelectCats"))->trigger();
        checkTabChain(reports);
        escapeCloses(reports);
        QVERIFY(none.seen.isEmpty());
    }

    // A new entry typed, saved, found and deleted by keys alone, through the
    // entry editor, the Find box and the delete question.
    void entryIsSavedFoundAndDeletedByKeys()
    {
        openProgram();
        const auto before = entries();
        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(focused(), edit("DateEditor"));
        press(Qt::Key_Escape);   // Escape is Cancel: nothing written
        QVERIFY(!frame("EntryEdFrame")->isVisible());
        QCOMPARE(focused(), w_->itemList());
        QCOMPARE(entries().size(), before.size());

        press(Qt::Key_Insert);   // the list's own key for a new entry
        QCOMPARE(focused(), edit("DateEditor"));
        press(Qt::Key_Home);
        type("0312");
        QVERIFY(tabTo(edit("AmountEditor")));
        type("12.50");
        QVERIFY(tabTo(edit("NoteEditor")));
        type("Typed by keys");
        QVERIFY(tabTo(w_->findChild<QTableView*>("SmCatList")));
        press(Qt::Key_Down);
        press(Qt::Key_Return);   // picks the category
        const QString code = w_->findChild<QLabel*>("CatCodeLabel")->text();
        QVERIFY(!code.trimmed().isEmpty());
        QVERIFY(tabTo(button("SaveNewExpense")));
        press(Qt::Key_Return);
        QVERIFY(!frame("EntryEdFrame")->isVisible());
        auto now = entries();
        QCOMPARE(now.size(), before.size() + 1);
        const auto saved = std::find_if(now.begin(), now.end(),
                                        [](const cw::LedgerEntry& e) { return e.noteTrimmed() == "Typed by keys"; });
        QVERIFY(saved != now.end());
        QCOMPARE(saved->dateText() + '|' + saved->codeText().trimmed(), "03-12-26|" + code.trimmed());
        QCOMPARE(saved->amount, cw::Money(-125000));

        // Find: the word typed and Return, then Escape at "find next" or the end.
        QList<int> closed;
        auto find = answerByKeys({{"keys", {Qt::Key_Return}, QMessageBox::Ok}, {{}, {Qt::Key_Escape}, QMessageBox::No}},
                                 &closed);
        press(Qt::Key_F, Qt::ControlModifier);
        const QModelIndex found = w_->itemList()->currentIndex();
        QCOMPARE(found.siblingAtColumn(3).data().toString(), "Typed by keys");
        QCOMPARE(closed.first(), QMessageBox::Ok);
        QVERIFY(closed.size() == 2 && (closed[1] == QMessageBox::No || closed[1] == QMessageBox::Ok));
        find.reset();

        // Delete: Return takes the default No, and so does Escape; Tab to Yes and Return deletes.
        closed.clear();
        auto ask = answerByKeys({{{}, {Qt::Key_Return}, QMessageBox::No}, {{}, {Qt::Key_Escape}, QMessageBox::No},
                                 {{}, {Qt::Key_Tab, Qt::Key_Return}, QMessageBox::Yes}}, &closed);
        for (int i = 0; i < 3; ++i) {
            regainKeyboard();
            QCOMPARE(focused(), w_->itemList());
            w_->itemList()->setCurrentIndex(found);
            press(Qt::Key_Delete);
            QCOMPARE(entries().size(), before.size() + (i < 2 ? 1 : 0));
        }
        QCOMPARE(closed, (QList<int>{QMessageBox::No, QMessageBox::No, QMessageBox::Yes}));
    }

    void panelsTakeReturnAndEscape()
    {
        openProgram();
        auto none = std::make_unique<DialogDriver>();
        // Category editor: Return in the boxes saves the new category.
        const int categories = w_->catList()->model()->rowCount();
        runMenuCommand(w_.get(), "mnuNewCategory");
        QCOMPARE(focused(), edit("CatEdCatCode"));
        type("kb");
        press(Qt::Key_Tab);
        type("Keyboard");
        press(Qt::Key_Return);
        QVERIFY(!frame("CatEdFrame")->isVisible());
        QCOMPARE(w_->catList()->model()->rowCount(), categories + 1);
        const auto saved = cw::CategoryFile(QStringLiteral("2026CATS.DAT")).readAll().value();
        QVERIFY(std::any_of(saved.begin(), saved.end(), [](const auto& c) { return c.codeText() == "KB"; }));

        // Macro controls: Escape hides them.
        runMenuCommand(w_.get(), "mnuShowMacro");
        QCOMPARE(focused(), edit("MacDate"));
        press(Qt::Key_Escape);
        QVERIFY(!frame("MacroFrame")->isVisible());
        QVERIFY(none->seen.isEmpty());
        none.reset();

        // Year: Escape changes nothing; the arrow and Return switch the year
        // and, at Return in the question, copy the categories.
        runMenuCommand(w_.get(), "mnuYear");
        QCOMPARE(focused(), w_->findChild<QSpinBox*>("DataYear"));
        press(Qt::Key_Down);
        press(Qt::Key_Escape);
        QVERIFY(!frame("YearEdFrame")->isVisible());
        QCOMPARE(focused(), w_->itemList());
        QCOMPARE(w_->state().dataFileName, "2026CWK.DAT");
        QList<int> closed;
        auto copy = answerByKeys({{{}, {Qt::Key_Return}, QMessageBox::Yes}}, &closed);
        runMenuCommand(w_.get(), "mnuYear");
        press(Qt::Key_Down);
        const QString year = QString::number(w_->findChild<QSpinBox*>("DataYear")->value());
        press(Qt::Key_Return);
        QCOMPARE(closed, QList<int>{QMessageBox::Yes});
        regainKeyboard();
        QCOMPARE(focused(), w_->itemList());
        QCOMPARE(w_->state().dataFileName, year + "CWK.DAT");
        QCOMPARE(cw::CategoryFile(year + "CATS.DAT").readAll().value().size(), size_t(categories + 1));
    }

    // Reports, export, sort, calculator and help, each driven by keys.
    void windowsDoTheirWorkByKeys()
    {
        openProgram();
        press(Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(shown("frmReports"));
        auto* reports = static_cast<cw::ReportsWindow*>(shown("frmReports"));
        QVERIFY(QTest::qWaitForWindowActive(reports));
        QVERIFY(tabTo(toolButton(reports, "rtbSelectCats")));
        press(Qt::Key_Space);
        auto* all = reports->findChild<QTableView*>("RepCatList_A");
        QCOMPARE(focused(), all);
        press(Qt::Key_Down);
        press(Qt::Key_Return);
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        QCOMPARE(reports->findChild<QTableView*>("RepCatList_B")->model()->rowCount(), 2);
        QVERIFY(tabTo(toolButton(reports, "rtbView")));
        press(Qt::Key_Space);
        QVERIFY(reports->reportLines().size() > 5);

        QList<int> closed;
        auto finished = answerByKeys({{{}, {Qt::Key_Return}, QMessageBox::Ok}}, &closed);
        runMenuCommand(reports, "rmnuExport");
        QWidget* exporter = shown("frmExport");
        QVERIFY(exporter && QTest::qWaitForWindowActive(exporter));
        checkTabChain(exporter);
        QVERIFY(tabTo(exporter->findChild<QLineEdit*>("exFileName")));
        type("KEYS.TXT");
        press(Qt::Key_Return);   // writes the file, the same as the window's button
        QCOMPARE(closed, QList<int>{QMessageBox::Ok});
        QTRY_VERIFY(!shown("frmExport"));
        QVERIFY(readBytes("KEYS.TXT").count('\n') >= 2);
        QTRY_VERIFY(reports->isActiveWindow());
        escapeCloses(reports);
        finished.reset();

        DialogDriver none;
        QWidget* sorter = openWindow("mnuSort", "frmSorter");
        QVERIFY(sorter);
        QCOMPARE(focused(), sorter->findChild<QPushButton*>("StartSort"));
        press(Qt::Key_Return);
        QCOMPARE(sorter->findChild<QLabel*>("SorterLabel")->text(), "Finished!");
        escapeCloses(sorter);

        QWidget* calculator = openWindow("mnuTinyCalc", "TinyCalc");
        QVERIFY(calculator);
        QCOMPARE(focused(), calculator->findChild<QLineEdit*>("TCTopNum"));
        type("12");
        press(Qt::Key_Tab);
        type("3");
        press(Qt::Key_Return);
        QCOMPARE(calculator->findChild<QLabel*>("TCResult")->text(), " 15");
        escapeCloses(calculator);

        press(Qt::Key_F1);
        QTRY_VERIFY(shown("frmHelp"));
        QVERIFY(QTest::qWaitForWindowActive(shown("frmHelp")));
        press(Qt::Key_Escape);
        QTRY_VERIFY(!shown("frmHelp"));
        QVERIFY(none.seen.isEmpty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
