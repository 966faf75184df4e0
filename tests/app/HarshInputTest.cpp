// Every text box of the program given an over-long, empty, non-Latin or
// control-character answer, then its command run: the program says what it
// refuses or stores what it can, and no record file is left broken or
// half-written.

#include "app/Commands.h"
#include "gui/reports/ReportsWindow.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

using namespace cwtest;

class HarshInputTest : public QObject, private WindowFixture {
    Q_OBJECT

    // Whole records in every record file, and no work file left behind.
    static void checkFiles()
    {
        for (const auto& [name, size] : {std::pair("2026CWK.DAT", 58), {"2026CATS.DAT", 18}, {"PERSONAL.DAT", 690}})
            QVERIFY2(QFileInfo(name).size() % size == 0, name);
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
    }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<TempFolder>();
        writeBytes("2026CATS.DAT", "FOFood            PYPay             ");
        writeBytes("PAY.MCR", "'payday\r\npy\r\n2500\r\nPaycheck\r\n");
        open();
        cw::installCommands(*w_);
    }
    void cleanupTestCase() { stopAll(); }

    void everyBoxTakesAHarshAnswer_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("over-long") << QString(5000, u'9') + QStringLiteral("W");
        QTest::newRow("empty") << QString();
        QTest::newRow("non-Latin") << QString::fromUtf8("\u674e\u96ea \u03a9\u0436 \u0661\u0662");
        QTest::newRow("control") << QStringLiteral("\x01\t\r\n\x7f\x1b" "03-04");
    }
    // Each box with the others filled as a user would; something must be
    // said or stored.
    void everyBoxTakesAHarshAnswer()
    {
        QFETCH(QString, answer);
        struct Box {
            const char *command, *box, *button;
            QList<std::pair<const char*, const char*>> filled;
        };
        const QList<std::pair<const char*, const char*>> entryFields = {{"DateEditor", "03-04"}, {"AmountEditor", "12.50"},
                                                                        {"NoteEditor", "plain"}};
        const QList<std::pair<const char*, const char*>> categoryFields = {{"CatEdCatCode", "zz"}, {"CatEdCatName", "Harsh"}};
        const QList<std::pair<const char*, const char*>> macroFields = {{"MacDate", "03-13"}};
        const Box boxes[] = {{"mnuNewItem", "DateEditor", "SaveNewExpense", entryFields},
                             {"mnuNewItem", "AmountEditor", "SaveNewExpense", entryFields},
                             {"mnuNewItem", "NoteEditor", "SaveNewExpense", entryFields},
                             {"mnuNewCategory", "CatEdCatCode", "CatEdSave", categoryFields},
                             {"mnuNewCategory", "CatEdCatName", "CatEdSave", categoryFields},
                             {"mnuShowMacro", "MacroEd", "MacroPlay", macroFields},
                             {"mnuShowMacro", "MacDate", "MacroPlay", macroFields}};
        for (const Box& b : boxes) {
            command(b.command);
            if (QByteArray(b.command) == "mnuNewItem")
                clickRow(child<QTableView>(w_.get(), "SmCatList"), 0);
            if (auto* files = child<QListWidget>(w_.get(), "MacroSelect"); QByteArray(b.command) == "mnuShowMacro")
                emit files->itemDoubleClicked(files->findItems("PAY.MCR", Qt::MatchExactly).value(0));
            for (const auto& [name, value] : b.filled)
                edit(name)->setText(value);
            edit(b.box)->setText(answer);
            const QByteArray before = readBytes("2026CWK.DAT") + readBytes("2026CATS.DAT");
            DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
            button(b.button)->click();
            QVERIFY2(!dialogs.seen.isEmpty() || readBytes("2026CWK.DAT") + readBytes("2026CATS.DAT") != before, b.box);
            checkFiles();
            if (frame("EntryEdFrame")->isVisible())
                button("CancelEdit")->click();
            if (frame("CatEdFrame")->isVisible())
                button("CatEdCancel")->click();
        }
        button("FullYear")->click();
        QCOMPARE(w_->itemList()->model()->rowCount(), int(QFileInfo("2026CWK.DAT").size() / 58));
        QCOMPARE(w_->catList()->model()->rowCount(), int(QFileInfo("2026CATS.DAT").size() / 18));

        // The Find box, the export file name and the calculator's operands.
        const QByteArray data = readBytes("2026CWK.DAT");
        {
            DialogDriver dialogs({Answer::type(answer)});
            command("mnuFind");
            QVERIFY(!dialogs.seen.isEmpty());
        }
        QCOMPARE(readBytes("2026CWK.DAT"), data);
        command("mnuReports");
        auto* reports = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
        reports->command("rtbAll")->trigger();
        reports->command("rmnuExport")->trigger();
        QWidget* exporter = topLevel("frmExport");
        child<QLineEdit>(exporter, "exFileName")->setText(answer);
        const QStringList files = QDir().entryList(QDir::Files);
        {
            DialogDriver dialogs;
            child<QPushButton>(exporter, "ExportGo")->click();
            QCOMPARE(dialogs.seen.size(), 1);   // finished, or why not
        }
        QVERIFY(QDir().entryList(QDir::Files).size() <= files.size() + 1);   // at most the export, in the folder
        if (QWidget* still = topLevel("frmExport"))
            still->close();
        checkFiles();
        reports->command("rmnuExit")->trigger();
        QTRY_VERIFY(w_->isEnabled());
        command("mnuTinyCalc");
        QWidget* calc = topLevel("TinyCalc");
        for (const char* box : {"TCTopNum", "TCBotNum"}) {
            child<QLineEdit>(calc, "TCTopNum")->setText("2");
            child<QLineEdit>(calc, "TCBotNum")->setText("3");
            child<QLineEdit>(calc, box)->setText(answer);
            for (const char* op : {"TCAdd", "TCDiv", "TCRepeat"})
                child<QPushButton>(calc, op)->click();
            QVERIFY(!labelText(calc, "TCResult").contains(u'\n'));
        }
        calc->close();
    }
};

static RegisterWindowTest<HarshInputTest> registered;
#include "HarshInputTest.moc"
