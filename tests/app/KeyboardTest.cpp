// The whole program without a mouse. Every key goes to whatever has the
// focus, as a user's would.

#include "app/Commands.h"
#include "support/WindowFixture.h"
#include "gui/reports/ReportsWindow.h"

#include <QAbstractItemView>

using namespace cwtest;

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// A key to the focus widget, or to the open menu.
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

int accessKey(const QString& caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? 0 : key[0].key();
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
    press(accessKey(menu->title()), Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    for (int i = 0; i < 20 && menu->activeAction() != action; ++i)
        press(Qt::Key_Down);
    QCOMPARE(menu->activeAction(), action);
    press(Qt::Key_Return);
}

// Each menu of the bar opens with Alt and an access key of its own; the
// arrows reach every enabled item; access keys within a menu differ.
void checkMenus(QWidget* window)
{
    QMenuBar* bar = window->findChild<QMenuBar*>();
    QSet<int> barKeys;
    for (QAction* top : bar->actions()) {
        const int key = accessKey(top->text());
        QVERIFY2(key && !barKeys.contains(key), qPrintable(top->text()));
        barKeys.insert(key);
        if (!top->menu())
            continue;   // a command of its own, run by its key elsewhere
        QSet<QAction*> items, reached;
        QSet<int> itemKeys;
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator() || !item->isEnabled())
                continue;
            items << item;
            const int k = accessKey(item->text());
            QVERIFY2(!k || !itemKeys.contains(k), qPrintable(item->text()));
            itemKeys.insert(k);
        }
        press(key, Qt::AltModifier);
        QTRY_VERIFY2(top->menu()->isVisible(), qPrintable(top->text()));
        for (int i = 0; i < 2 * items.size(); ++i, press(Qt::Key_Down))
            reached << top->menu()->activeAction();
        QCOMPARE(reached, items);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!top->menu()->isVisible());
        if (bar->hasFocus())
            press(Qt::Key_Escape);   // the menu bar hands the focus back
    }
}

QWidget* panelOf(QWidget* w)
{
    while (!w->isWindow() && !qobject_cast<QGroupBox*>(w))
        w = w->parentWidget();
    return w;
}

// Whether Tab from `a` to `b` reads on: right along a row, down the page, or
// up into a column further right; only within one panel (panels lie over other
// controls). The entry editor's "!" comes after the fields and buttons.
bool readsOn(QWidget* window, QWidget* a, QWidget* b)
{
    if (panelOf(a->parentWidget()) != panelOf(b->parentWidget()) || b->objectName() == QLatin1String("Today")
        || a->objectName() == QLatin1String("Today"))
        return true;
    const QRect ra(a->mapTo(window, QPoint()), a->size());
    const QRect rb(b->mapTo(window, QPoint()), b->size());
    if (rb.left() >= ra.right())
        return true;
    if (qAbs(rb.top() - ra.top()) < ra.height() / 2)
        return rb.left() > ra.left();
    return rb.top() > ra.top();
}

// Tab stops at every enabled button (the main toolbar's repeat menu commands)
// in reading order, and follows the focus chain round to where it began.
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

// Answers the message boxes in order by keys (the driver's answer only where
// they did not close one), recording the button that closed each.
using KeyAnswer = std::pair<QList<Qt::Key>, QMessageBox::StandardButton>;

std::unique_ptr<DialogDriver> answerByKeys(const QList<KeyAnswer>& answers, QList<int>* closedWith)
{
    QList<Answer> same;
    for (const KeyAnswer& a : answers)
        same << Answer::press(a.second);
    auto driver = std::make_unique<DialogDriver>(same);
    driver->onEachDialog = [answers, closedWith](QWidget* dialog) {
        for (Qt::Key k : answers.value(closedWith->size()).first)
            QTest::keyClick(dialog->focusWidget(), k);
        auto* box = qobject_cast<QMessageBox*>(dialog);
        *closedWith << (box && !box->isVisible() ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton);
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

    // A window opened by a menu command (or Alt+R for Reports), active.
    QWidget* openWindow(const char* menuItem, const char* name)
    {
        if (menuItem)
            runMenuCommand(w_.get(), menuItem);
        else
            press(Qt::Key_R, Qt::AltModifier);   // Reports: a command on the menu bar itself
        QWidget* window = topLevel(name);
        return window && QTest::qWaitForWindowActive(window) ? window : nullptr;
    }

    // Escape closes a window; the main window is usable again.
    void escapeCloses(QWidget* window)
    {
        const QPointer<QWidget> closing = window;   // deleted once closed
        press(Qt::Key_Escape);
        QTRY_VERIFY(!closing);
        QTRY_VERIFY(w_->isEnabled() && w_->isActiveWindow());
    }

    // The offscreen platform has no window manager to give the keyboard back
    // to the main window when a dialog closes, as a desktop's does.
    void regainKeyboard()
    {
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

private slots:
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    // Every window and panel: its menus by their keys, Tab through every
    // button in reading order, Escape to leave.
    void everyWindowByMenusTabAndEscape()
    {
        openProgram();
        DialogDriver none;
        checkMenus(w_.get());
        checkTabChain(w_.get());
        for (const auto& [item, inside] : {std::pair("mnuNewItem", "NoteEditor"), std::pair("mnuYear", "DataYear"),
                                           std::pair("mnuNewCategory", "CatEdCatName"), std::pair("mnuShowMacro", "MacroEd")}) {
            runMenuCommand(w_.get(), item);
            checkTabChain(w_.get());
            QVERIFY(tabTo(w_->findChild<QWidget*>(inside)));
            QWidget* panel = focused()->parentWidget();
            press(Qt::Key_Escape);
            QVERIFY2(!panel->isVisible(), item);
        }
        for (const auto& [item, name] : {std::pair<const char*, const char*>(nullptr, "frmReports"),
                                         std::pair("mnuSort", "frmSorter"), std::pair("mnuBackup", "frmBackup"),
                                         std::pair("mnuTinyCalc", "TinyCalc")}) {
            QWidget* window = openWindow(item, name);
            QVERIFY2(window && !window->parentWidget(), name);
            QCOMPARE(w_->isEnabled(), name == std::string_view("TinyCalc"));   // the others hold the main window
            if (auto* reports = qobject_cast<cw::ReportsWindow*>(window))
                reports->command(QStringLiteral("rtbSelectCats"))->trigger();
            if (window->findChild<QMenuBar*>())
                checkMenus(window);
            checkTabChain(window);
            escapeCloses(window);
        }
        press(Qt::Key_F1);
        QTRY_VERIFY(topLevel("frmHelp") && QTest::qWaitForWindowActive(topLevel("frmHelp")));
        press(Qt::Key_Escape);
        QTRY_VERIFY(!topLevel("frmHelp"));
        QVERIFY(none.seen.isEmpty());
    }

    // A new entry typed and saved by keys alone; at the delete question
    // Return and Escape take the default No, Tab to Yes and Return deletes;
    // Ctrl+Z brings the entry back and Ctrl+Shift+Z deletes it again.
    void entryIsSavedAndDeletedByKeys()
    {
        openProgram();
        const QByteArray before = readBytes("2026CWK.DAT");
        press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(focused(), edit("DateEditor"));
        press(Qt::Key_Home);
        for (const auto& [text, next] : {std::pair("0312", "AmountEditor"), {"12.50", "NoteEditor"}, {"Typed by keys", "SmCatList"}}) {
            type(text);
            QVERIFY(tabTo(child(w_.get(), next)));
        }
        press(Qt::Key_Down);
        press(Qt::Key_Return);   // picks the category
        QVERIFY(tabTo(button("SaveNewExpense")));
        press(Qt::Key_Return);
        QVERIFY(!frame("EntryEdFrame")->isVisible());
        QCOMPARE(focused(), w_->itemList());
        const QByteArray saved = readBytes("2026CWK.DAT");
        QCOMPARE(saved, before.left(58) + bytesOf({entry("03-12-26", qPrintable(text("CatCodeLabel")), -125000, "Typed by keys")})
                            + before.mid(58));
        QList<int> closed;
        auto ask = answerByKeys({{{Qt::Key_Return}, QMessageBox::No}, {{Qt::Key_Escape}, QMessageBox::No},
                                 {{Qt::Key_Tab, Qt::Key_Return}, QMessageBox::Yes}}, &closed);
        for (int i = 0; i < 3; ++i) {
            regainKeyboard();
            QCOMPARE(focused(), w_->itemList());
            w_->itemList()->setCurrentIndex(w_->itemList()->model()->index(1, 3));
            press(Qt::Key_Delete);
        }
        QCOMPARE(closed, (QList<int>{QMessageBox::No, QMessageBox::No, QMessageBox::Yes}));
        QCOMPARE(readBytes("2026CWK.DAT"), before);
        QAction *undo = w_->command("mnuUndo"), *redo = w_->command("mnuRedo");
        regainKeyboard();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readBytes("2026CWK.DAT"), saved);
        QCOMPARE(w_->itemList()->model()->rowCount(), 6);
        QVERIFY(undo->isEnabled() && redo->isEnabled());   // the save is still there to take back
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(readBytes("2026CWK.DAT"), before);
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
        QVERIFY(!redo->isEnabled());
    }

    // Return does a panel's or a window's own work: the category editor, the
    // year selector and its question, the calculator.
    void returnDoesTheWorkOfEachPanelAndWindow()
    {
        openProgram();
        runMenuCommand(w_.get(), "mnuNewCategory");
        QCOMPARE(focused(), edit("CatEdCatCode"));
        type("kb");
        press(Qt::Key_Tab);
        type("Keyboard");
        press(Qt::Key_Return);
        QVERIFY(!frame("CatEdFrame")->isVisible() && readBytes("2026CATS.DAT").contains("KBKeyboard"));
        QList<int> closed;
        {
            auto copy = answerByKeys({{{Qt::Key_Return}, QMessageBox::Yes}}, &closed);
            runMenuCommand(w_.get(), "mnuYear");
            QCOMPARE(focused(), child(w_.get(), "DataYear"));
            press(Qt::Key_Down);
            press(Qt::Key_Return);
        }
        QCOMPARE(closed, QList<int>{QMessageBox::Yes});
        regainKeyboard();
        QCOMPARE(focused(), w_->itemList());
        QCOMPARE(readBytes("2025CATS.DAT"), readBytes("2026CATS.DAT"));
        QWidget* calculator = openWindow("mnuTinyCalc", "TinyCalc");
        QVERIFY(calculator && focused() == child(calculator, "TCTopNum"));
        type("12");
        press(Qt::Key_Tab);
        type("3");
        press(Qt::Key_Return);
        QCOMPARE(labelText(calculator, "TCResult"), " 15");
        escapeCloses(calculator);
    }
};

static RegisterWindowTest<KeyboardTest> registered;
#include "KeyboardTest.moc"
