#pragma once
// The reports window as the user reaches it: a working folder with the 2026
// sample year, the main window loaded, and its Reports command triggered.

#include "app/Commands.h"
#include "gui/reports/ReportsWindow.h"
#include "support/WindowFixture.h"

namespace cwtest {

class ReportsHarness {
public:
    // CUPS_SERVER points at `printServer`, by default where nothing listens,
    // so that the machine's own printers are never reached.
    explicit ReportsHarness(const QByteArray& printServer = "/nonexistent/coinwick-no-cups.sock")
    {
        qputenv("CUPS_SERVER", printServer);
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        writeSampleYear();
        writeSettings(u'A', 0, QStringLiteral("Pat Smith"));
        cw::installCommands(main);
        if (!main.load())
            qFatal("the main window did not load");
        main.show();
        main.command(QStringLiteral("mnuReports"))->trigger();
        window = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
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
    void press(std::initializer_list<const char*> keys) { for (const char* key : keys) press(key); }
    bool enabled(const char* key) { return window->command(QString::fromLatin1(key))->isEnabled(); }
    QString panel(const char* key) { return labelText(window, key); }
    QTableView* grid(const char* name) { return child<QTableView>(window, name); }
    void clickRow(const char* name, int row) { cwtest::clickRow(grid(name), row); }
    QListView* list1() { return child<QListView>(window, "List1"); }

    // The Code cells of a category grid, top to bottom.
    QStringList codes(const char* name)
    {
        QStringList out;
        for (int row = 0; row < grid(name)->model()->rowCount(); ++row)
            out << grid(name)->model()->index(row, 0).data().toString();
        return out;
    }

    TempFolder folder;
    cw::MainWindow main{kToday};
    QPointer<cw::ReportsWindow> window;
};

} // namespace cwtest
