#pragma once
// The reports window as the user reaches it: a working folder with the 2026
// sample year, the main window loaded, and its Reports command triggered.
// Also small readers of the window's controls by object name.

#include "app/Commands.h"
#include "gui/main/MainWindow.h"
#include "support/Seed.h"
#include "gui/reports/ReportsWindow.h"
#include "support/TempFolder.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QTableView>
#include <QTest>

#include <memory>

namespace cwtest {

// Where CUPS_SERVER points when a test wants no printer: nothing listens
// there, so the machine's own printers are never reached.
inline void hideThePrinters()
{
    qputenv("CUPS_SERVER", "/nonexistent/coinwick-no-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

inline void writeUserName(const QString& name)
{
    cw::PersonalRecord p = cw::PersonalRecord::creationValues(kToday.addDays(-30));
    p.setUserName(name);
    must(cw::savePersonal(*cw::Env::posix(), p));
}

inline cw::ReportsWindow* openReportsWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* reports = qobject_cast<cw::ReportsWindow*>(w); reports && reports->isVisible())
            return reports;
    return nullptr;
}

class ReportsHarness {
public:
    ReportsHarness()
    {
        writeSampleYear();
        writeUserName(QStringLiteral("Pat Smith"));
        cw::installCommands(main);
        if (!main.load())
            qFatal("the main window did not load");
        main.show();
        main.command(QStringLiteral("mnuReports"))->trigger();
        window = openReportsWindow();
        if (!window)
            qFatal("the Reports command opened no reports window");
    }
    ~ReportsHarness()
    {
        if (window)
            window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void press(const char* key) { window->command(QString::fromLatin1(key))->trigger(); }
    bool enabled(const char* key) { return window->command(QString::fromLatin1(key))->isEnabled(); }

    QString panel(const char* key)
    {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(key));
        return label ? label->text() : QStringLiteral("<no panel %1>").arg(QLatin1String(key));
    }

    QTableView* grid(const char* name) { return window->findChild<QTableView*>(QString::fromLatin1(name)); }

    // The Code cells of a category grid, top to bottom.
    QStringList codes(const char* name)
    {
        QStringList out;
        QAbstractItemModel* model = grid(name)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            out << model->index(row, 0).data().toString();
        return out;
    }

    // A mouse click on a category grid row, as the user gives it.
    void clickRow(const char* name, int row)
    {
        QTableView* g = grid(name);
        const QRect cell = g->visualRect(g->model()->index(row, 0));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QListView* list1() { return window->findChild<QListView*>(QStringLiteral("List1")); }

    TempFolder folder;
    cw::MainWindow main{kToday};
    QPointer<cw::ReportsWindow> window;
};

} // namespace cwtest
