// Every window on small and common screens (the screen comes from the
// offscreen platform's configuration, one run per size): each opens inside
// the screen's free area with its controls inside it, secondary windows over
// their opener, and the entry list never scrolls sideways (the toolbar at
// any width is the main window test's).

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

#include "app/Commands.h"

#include <QScreen>
#include <QScrollBar>

using namespace cwtest;

namespace {

// Whether every visible control of `w` lies inside its client area.
QString controlOutside(QWidget* w)
{
    const QRect inside = w->rect();
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(w) || child->isWindow() || qobject_cast<QScrollBar*>(child))
            continue;
        const QRect at(child->mapTo(w, QPoint(0, 0)), child->size());
        if (!inside.contains(at))
            return child->objectName() + QStringLiteral(" at %1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
    }
    return {};
}

} // namespace

class ScreenSizesTest : public QObject, private WindowFixture {
    Q_OBJECT

    QRect free() const { return w_->screen()->availableGeometry(); }

    void expectWithinScreen(QWidget* window)
    {
        QVERIFY2(window, "window not open");
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect frame = window->frameGeometry();
        QVERIFY2(free().contains(frame), qPrintable(window->objectName()));
        const QString outside = controlOutside(window);
        QVERIFY2(outside.isEmpty(), qPrintable(window->objectName() + ": " + outside));
    }

    // Centred over the opener where the screen lets it be.
    void expectOver(QWidget* window, QWidget* opener)
    {
        const QRect g = window->geometry(), f = window->frameGeometry();
        const QMargins frame(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
        const QRect wanted(opener->geometry().center() - window->rect().center(), window->size());
        if (free().contains(wanted.marginsAdded(frame)))
            QVERIFY((window->geometry().center() - opener->geometry().center()).manhattanLength() <= 2);
    }

    void dateColumnShows()
    {
        QTableView* list = w_->itemList();
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QCOMPARE(list->horizontalScrollBar()->value(), 0);
        QCOMPARE(list->columnViewportPosition(0), 0);
    }

private slots:
    void init()
    {
        startFolder();
        open();
        cw::installCommands(*w_);
    }
    void cleanup() { stopAll(); }

    // Fitted to the screen, and maximized to its free area; the date column
    // stays in sight when Find goes to a hit.
    void mainWindowFitsAndItsListNeverScrollsSideways()
    {
        // The size this run was given (a name such as "Screen 1024x600").
        const QString size = w_->screen()->name().section(' ', 1);
        QCOMPARE(QStringLiteral("%1x%2").arg(w_->screen()->size().width()).arg(w_->screen()->size().height()), size);
        expectWithinScreen(w_.get());
        dateColumnShows();
        w_->showMaximized();
        QTRY_COMPARE(w_->frameGeometry(), free());
        expectWithinScreen(w_.get());
        {
            DialogDriver find({Answer::type("Lunch")});
            command("mnuFind");
        }
        QVERIFY(w_->itemList()->currentIndex().isValid());
        dateColumnShows();
    }

    void everyWindowOpensInsideTheScreenOverItsOpener()
    {
        const std::pair<const char*, const char*> windows[] = {
            {"mnuSort", "frmSorter"}, {"mnuBackup", "frmBackup"}, {"mnuTinyCalc", "TinyCalc"},
            {"mnuImport", "frmImport"}, {"mnuHelpContents", "frmHelp"}, {"mnuReports", "frmReports"}};
        for (const auto& [key, name] : windows) {
            command(key);
            QWidget* window = topLevel(name);
            expectWithinScreen(window);
            expectOver(window, w_.get());
            if (QByteArray(name) != "frmReports") {
                window->close();
                continue;
            }
            window->findChild<QAction*>("rtbAll")->trigger();
            window->findChild<QAction*>("rmnuExport")->trigger();
            QWidget* exporter = topLevel("frmExport");
            expectWithinScreen(exporter);
            expectOver(exporter, window);
            exporter->close();
            window->close();
        }
    }
};

static RegisterWindowTest<ScreenSizesTest> registered;
#include "ScreenSizesTest.moc"
