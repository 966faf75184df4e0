#pragma once
// Shared by the window tests: a registry so one executable runs every test
// class, a fresh working folder, the window that opens a utility window, and
// small readers of controls by object name.

#include "support/DialogDriver.h"
#include "support/Records.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

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

inline QString labelText(QWidget* window, const char* name)
{
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

inline QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

inline QLineEdit* lineEdit(QWidget* window, const char* name)
{
    return window->findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QStringList listRows(QWidget* window, const char* name)
{
    QStringList rows;
    if (auto* list = window->findChild<QListWidget*>(QString::fromLatin1(name)))
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
    return rows;
}

inline void setPath(QWidget* window, const char* picker, const QString& path)
{
    QObject* p = window->findChild<QWidget*>(QString::fromLatin1(picker));
    if (p)
        p->setProperty("path", path);
}

inline QString pathOf(QWidget* window, const char* picker)
{
    QObject* p = window->findChild<QWidget*>(QString::fromLatin1(picker));
    return p ? p->property("path").toString() : QString();
}

} // namespace cwtest
