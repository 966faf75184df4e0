// The main window's commands joined to the other windows (where they open is
// the screen-size tests' part), today read when it is used, and Undo and Redo
// through the real windows (their keys are the keyboard test's).

#include "app/Commands.h"
#include "gui/reports/ReportsWindow.h"
#include "store/RecordFile.h"
#include "support/WindowFixture.h"

using namespace cwtest;

class CommandsTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    // A second Calculator brings the open one forward; it closes with the
    // main window. (The windows' opening and closing is the keyboard test's.)
    void theCalculatorIsOpenedOnce()
    {
        open();
        cw::installCommands(*w_);
        command("mnuTinyCalc");
        command("mnuTinyCalc");
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == "TinyCalc" && w->isVisible(); }), 1);
        QVERIFY(w_->isEnabled());
        QPointer<QWidget> calc = topLevel("TinyCalc");
        w_->close();
        QTRY_VERIFY(calc.isNull());
    }

    // After midnight the date panel, editors, year selector and report heading
    // take the new day; the active year stays.
    void todayIsReadWhenItIsUsed()
    {
        QDate today(2026, 12, 31);
        w_ = std::make_unique<cw::MainWindow>([&today] { return today; });
        cw::installCommands(*w_);
        QVERIFY(w_->load());
        w_->show();
        today = QDate(2027, 1, 1);
        child<QTimer>(w_.get(), "DateTimer")->start(1);
        QTRY_COMPARE(text("stbDate"), QLocale().toString(today, QLocale::ShortFormat));
        command("mnuNewItem");
        edit("DateEditor")->setText("05-05");
        click("Today");
        click("CancelEdit");
        command("mnuShowMacro");
        QCOMPARE(edit("DateEditor")->displayText() + '|' + edit("MacDate")->displayText(), "01-01|01-01");
        click("MacroCancel");
        command("mnuYear");
        QCOMPARE(text("CurYear") + '|' + w_->state().year(), "2027|2026");
        click("YearOff");
        command("mnuReports");
        auto* reports = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
        reports->command("rtbAll")->trigger();
        reports->command("rtbView")->trigger();
        QVERIFY(reports->reportLines().value(0).endsWith("Printed: 01-01-2027"));
        reports->close();
    }

    // A re-code is one step over both files, and the filter on the code Undo
    // took away falls back to the whole year. A sort from the sorter window is
    // a step too: with the file changed since, its Undo is refused and said.
    void stepsAreTakenBackWholeOrRefused()
    {
        std::vector<cw::LedgerEntry> reversed = sampleYear();
        std::reverse(reversed.begin(), reversed.end());
        writeBytes("2026CWK.DAT", cw::encodeRecords(reversed));
        const QByteArray data = readBytes("2026CWK.DAT"), cats = readBytes("2026CATS.DAT");
        open();
        cw::installCommands(*w_);
        QVERIFY(!w_->command("mnuUndo")->isEnabled() && !w_->command("mnuRedo")->isEnabled());
        pickCategory(1);   // FO
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("FD");
        click("ReplaceCat");
        QCOMPARE(w_->state().selectedCategory, "FD");
        command("mnuUndo");
        QCOMPARE(readBytes("2026CWK.DAT") + readBytes("2026CATS.DAT"), data + cats);
        QCOMPARE(w_->state().selectedCategory, cw::kAllCategories);
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);

        command("mnuSort");
        QWidget* sorter = topLevel("frmSorter");
        QVERIFY(sorter);
        child<QPushButton>(sorter, "StartSort")->click();
        sorter->close();
        QByteArray changed = readBytes("2026CWK.DAT");
        QCOMPARE(changed, bytesOf(sampleYear()));
        changed.chop(cw::LedgerEntryCodec::kSize);
        writeBytes("2026CWK.DAT", changed);
        QCOMPARE(saidBy([this] { command("mnuUndo"); }),
                 "Coinwick 2 | Undo not possible: 2026CWK.DAT was changed since. | warning | [Ok]");
        QCOMPARE(readBytes("2026CWK.DAT"), changed);
        QVERIFY(!w_->command("mnuUndo")->isEnabled());
    }
};

static RegisterWindowTest<CommandsTest> registered;
#include "CommandsTest.moc"
