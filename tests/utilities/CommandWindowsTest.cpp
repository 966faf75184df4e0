// The main window's Sort, Backup and Calculator commands open the utility
// windows as separate top-level windows: the sorter and the backup disable
// the main window until they close, the calculator leaves it usable.

#include "WindowTests.h"

#include "app/Commands.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace cwtest;

namespace {

QList<QWidget*> topLevel(const char* name)
{
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && !w->testAttribute(Qt::WA_WState_Hidden))
            found << w;
    return found;
}

} // namespace

class CommandWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<TempFolder>(); }
    void cleanup() { folder_.reset(); }

    void commandsOpenTheWindows()
    {
        cw::MainWindow main(QDate(2026, 3, 15));
        cw::installCommands(main);
        QVERIFY(main.load());
        main.show();

        for (const char* command : {"mnuSort", "mnuBackup"}) {
            const char* name = QByteArray(command) == "mnuSort" ? "frmSorter" : "frmBackup";
            main.command(command)->trigger();
            QCOMPARE(topLevel(name).size(), 1);
            QPointer<QWidget> w = topLevel(name).first();
            QVERIFY(w->parentWidget() == nullptr);
            QVERIFY(w->isEnabled());
            // Centred over the main window, within the screen.
            QVERIFY(main.screen()->availableGeometry().contains(w->frameGeometry()));
            if (main.geometry().contains(w->geometry()))
                QVERIFY((w->geometry().center() - main.geometry().center()).manhattanLength() <= 2);
            QVERIFY(!main.isEnabled());
            w->close();
            QVERIFY(main.isEnabled());
            QTRY_VERIFY(w.isNull());
        }

        main.command("mnuTinyCalc")->trigger();
        main.command("mnuTinyCalc")->trigger();   // brings the open one forward
        QCOMPARE(topLevel("TinyCalc").size(), 1);
        QVERIFY(main.isEnabled());
        QPointer<QWidget> calc = topLevel("TinyCalc").first();
        main.close();   // the calculator closes with the main window
        QTRY_VERIFY(calc.isNull());
    }

private:
    std::unique_ptr<TempFolder> folder_;
};

static RegisterWindowTest<CommandWindowsTest> registered;

#include "CommandWindowsTest.moc"
