#pragma once
// What the window tests share: test classes registered to run in one offscreen
// application (WindowTestMain.cpp), controls found by object name, and a
// fixture with the sample year and the real main window opened on it.

#include "support/DialogDriver.h"
#include "support/Records.h"

#include "gui/main/MainWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QMouseEvent>
#include <QTableView>
#include <QTest>

#include <memory>

namespace cwtest {

using WindowTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<WindowTestFactory>& windowTests()
{
    static std::vector<WindowTestFactory> tests;
    return tests;
}

template <class T>
struct RegisterWindowTest {
    RegisterWindowTest() { windowTests().push_back([] { return std::make_unique<T>(); }); }
};

// The visible top-level window of that name, or none.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

template <class T = QWidget>
T* child(const QObject* in, const char* name) { return in->findChild<T*>(QString::fromLatin1(name)); }

inline QString labelText(const QObject* in, const char* name)
{
    auto* label = child<QLabel>(in, name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

inline QStringList listRows(const QObject* in, const char* name)
{
    QStringList rows;
    if (auto* list = child<QListWidget>(in, name))
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
    return rows;
}

// Every named control, a line each in the order made: class, name, caption
// (an action's with its shortcut, a text box's validator) and tool tip; the
// working folder reads "<folder>".
inline QString controlsText(const QWidget* window)
{
    QStringList lines = {window->objectName() + " | " + window->windowTitle()};
    for (const QObject* o : window->findChildren<QObject*>()) {
        QString text, tip;
        if (auto* a = qobject_cast<const QAction*>(o))
            text = a->text() + (a->shortcut().isEmpty() ? QString() : " [" + a->shortcut().toString() + ']'), tip = a->toolTip();
        else if (auto* m = qobject_cast<const QMenu*>(o))
            text = m->title();
        else if (auto* b = qobject_cast<const QAbstractButton*>(o))
            text = b->text(), tip = b->toolTip();
        else if (auto* l = qobject_cast<const QLabel*>(o))
            text = l->text(), tip = l->toolTip();
        else if (auto* g = qobject_cast<const QGroupBox*>(o))
            text = g->title(), tip = g->toolTip();
        else if (auto* w = qobject_cast<const QWidget*>(o))
            tip = w->toolTip();
        if (auto* e = qobject_cast<const QLineEdit*>(o); e && e->validator())
            text = e->validator()->metaObject()->className();
        if (!o->isWidgetType() && !qobject_cast<const QAction*>(o))
            continue;
        if (!o->objectName().isEmpty() && !o->objectName().startsWith("qt_"))
            lines << QStringLiteral("%1 %2 | %3 | %4").arg(o->metaObject()->className(), o->objectName(), text, tip);
    }
    return lines.join(u'\n').replace(QDir::currentPath(), "<folder>") + u'\n';
}

// A grid as its header and rows, a line each, cells joined by "|"; a cell's
// foreground colour, where it has one, after it.
inline QString gridText(const QAbstractItemView* grid)
{
    const QAbstractItemModel* m = grid->model();
    QStringList lines, header;
    for (int c = 0; c < m->columnCount(); ++c)
        header << m->headerData(c, Qt::Horizontal).toString();
    lines << header.join(u'|');
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) {
            const QVariant colour = m->index(r, c).data(Qt::ForegroundRole);
            cells << m->index(r, c).data().toString() + (colour.isValid() ? colour.value<QColor>().name() : QString());
        }
        lines << cells.join(u'|');
    }
    return lines.join(u'\n');
}

// The controls against data/NAME.txt beside the test; CW_UPDATE_CONTROLS=1
// writes the file afresh.
#define CW_COMPARE_CONTROLS(window, name)                                                                \
    do {                                                                                                 \
        const QString file = QStringLiteral(CW_DATA_DIR "/") + name + QStringLiteral(".txt");            \
        if (qEnvironmentVariableIsSet("CW_UPDATE_CONTROLS"))                                             \
            cwtest::writeBytes(file, cwtest::controlsText(window).toUtf8());                             \
        QCOMPARE(cwtest::controlsText(window), QString::fromUtf8(cwtest::readBytes(file)));              \
    } while (false)

// A click, then the double-click event the second press of a pair brings.
inline void doubleClick(QWidget* viewport, const QPoint& at)
{
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(viewport, &second);
}

inline void clickRow(QTableView* grid, int row, int column = 0)
{
    grid->scrollTo(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, column)).center());
}

class WindowFixture {
protected:
    // For init(): the folder with the sample year.
    void startFolder()
    {
        folder_ = std::make_unique<TempFolder>();
        writeSampleYear();
    }
    // For cleanup(): the window first, then its folder.
    void stopAll()
    {
        w_.reset();
        folder_.reset();
    }

    void open()
    {
        w_ = std::make_unique<cw::MainWindow>(kToday);
        QVERIFY(w_->load());
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    void command(const char* key) { w_->command(QString::fromLatin1(key))->trigger(); }
    void pickCategory(int row) { clickRow(w_->catList(), row); }

    // Opens an entry in the editor as the user does, by a double-click on its row.
    void openRow(int row)
    {
        QTableView* list = w_->itemList();
        list->scrollTo(list->model()->index(row, 1));
        doubleClick(list->viewport(), list->visualRect(list->model()->index(row, 1)).center());
    }

    void click(const char* name) { button(name)->click(); }
    void fill(std::initializer_list<std::pair<const char*, QString>> boxes)
    {
        for (const auto& [name, value] : boxes)
            edit(name)->setText(value);
    }

    QGroupBox* frame(const char* name) const { return child<QGroupBox>(w_.get(), name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(w_.get(), name); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(w_.get(), name); }
    QString text(const char* name) const { return labelText(w_.get(), name); }

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<cw::MainWindow> w_;
};

} // namespace cwtest
