#pragma once
// What the window tests share: a fresh working folder with the sample year
// for each test, the real main window opened on it, and its controls found
// by object name.

#include "support/Seed.h"

#include "gui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace cwtest {

// The visible top-level window of that name, or none.
inline QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

// A click, then the double-click event the second press of a pair brings.
inline void doubleClick(QWidget* viewport, const QPoint& at)
{
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(viewport, &second);
}

class WindowFixture {
protected:
    // For init(): the folder with the sample year.
    void startFolder()
    {
        folder_ = std::make_unique<WorkFolder>();
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

    // A click on a row of the category list.
    void pickCategory(int row)
    {
        QTableView* cats = w_->catList();
        QTest::mouseClick(cats->viewport(), Qt::LeftButton, {}, cats->visualRect(cats->model()->index(row, 0)).center());
    }

    // Opens an entry in the editor as the user does, by a double-click on its row.
    void openRow(int row)
    {
        QTableView* list = w_->itemList();
        doubleClick(list->viewport(), list->visualRect(list->model()->index(row, 1)).center());
    }

    QGroupBox* frame(const char* name) const { return w_->findChild<QGroupBox*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return w_->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return w_->findChild<QLineEdit*>(QString::fromLatin1(name)); }

    std::unique_ptr<WorkFolder> folder_;
    std::unique_ptr<cw::MainWindow> w_;
};

} // namespace cwtest
