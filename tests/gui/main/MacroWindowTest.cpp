// The macro controls of the main window through their controls.

#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"

#include "core/macros/MacroTemplate.h"

using namespace cwtest;
using cw::LedgerEntry;

class MacroWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QGroupBox* panel() const { return frame("MacroFrame"); }
    QListWidget* list() const { return child<QListWidget>(w_.get(), "MacroSelect"); }

    // Shows the panel and double-clicks the file in its list.
    void pick(const QString& name)
    {
        if (!panel()->isVisible())
            command("mnuShowMacro");
        const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        doubleClick(list()->viewport(), list()->visualItemRect(found[0]).center());
    }

private slots:
    void init()
    {
        startFolder();
        editor_.clear();
    }
    void cleanup() { stopAll(); }

    void showResetsThePanelAndListsMacroFilesInAnyCase()
    {
        for (const char* name : {"pay.mcr", "Bills.MCR", "notes.txt"})
            writeBytes(name, "x");
        open();
        w_->toolbar()->actions()[3]->trigger();   // tbbMacro
        QVERIFY(panel()->isVisible());
        QCOMPARE(edit("MacDate")->displayText() + '|' + edit("MacDate")->inputMask() + '|' + text("MacSmYr"), "03-15|99-99;_|2026");
        QVERIFY(!button("MacroEdit")->isEnabled() && !button("MacroPlay")->isEnabled());
        QCOMPARE(listRows(w_.get(), "MacroSelect"), QStringList({"Bills.MCR", "pay.mcr"}));
        // The lists and the toolbar stay in use.
        QVERIFY(w_->itemList()->isEnabled() && w_->catList()->isEnabled() && w_->toolbar()->isEnabled());
        pick("pay.mcr");
        QCOMPARE(edit("MacroEd")->text(), "pay.mcr");
        QVERIFY(button("MacroEdit")->isEnabled() && button("MacroPlay")->isEnabled());
        edit("MacDate")->setText("01-02");
        click("MacroCancel");
        QVERIFY(panel()->isHidden());

        // Shown again: reset, and files written since are listed.
        writeBytes("new.Mcr", "x");
        command("mnuShowMacro");
        QCOMPARE(edit("MacroEd")->text() + '|' + edit("MacDate")->displayText(), "|03-15");
        QVERIFY(!button("MacroEdit")->isEnabled() && !button("MacroPlay")->isEnabled());
        QCOMPARE(listRows(w_.get(), "MacroSelect"), QStringList({"Bills.MCR", "new.Mcr", "pay.mcr"}));
    }

    // New writes the template (after the end of a file of that name in any
    // letter case) and opens it in the editor; Edit opens the active file.
    void newAndEditOpenTheEditor()
    {
        writeBytes("rent.mcr", "FT\r\n");
        open();
        command("mnuShowMacro");
        edit("MacroEd")->setText("   ");
        QCOMPARE(saidBy([this] { click("MacroNew"); }), "Nothing to do! | Please provide a file name with no extension. | warning | [Ok]");
        QVERIFY(panel()->isVisible());
        QCOMPARE(w_->focusWidget(), edit("MacroEd"));
        edit("MacroEd")->setText("Pay");
        click("MacroNew");
        QVERIFY(panel()->isHidden());
        QCOMPARE(readBytes("PAY.MCR"), cw::macroTemplateBytes());
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "PAY.MCR"}));
        editor_.clear();
        command("mnuShowMacro");
        edit("MacroEd")->setText("Rent");
        click("MacroNew");
        QCOMPARE(readBytes("rent.mcr"), "FT\r\n" + cw::macroTemplateBytes());
        QVERIFY(!QFile::exists("RENT.MCR"));
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "rent.mcr"}));

        editor_.clear();
        pick("PAY.MCR");
        click("MacroEdit");
        QVERIFY(panel()->isHidden());
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "PAY.MCR"}));
        pick("PAY.MCR");
        edit("MacroEd")->clear();
        QCOMPARE(saidBy([this] { click("MacroEdit"); }), "Nothing to do! | Please select a macro file | warning | [Ok]");
    }

    // Day first: today and "!", a refused date, No, then Yes: the entries
    // played, one refused and said; then a file gone.
    void playAsksAndTellsWhatItRefused()
    {
        writeSettings(u'E');
        const std::vector<LedgerEntry> year = {entry("01-01-26", "PY", 500, "New year")};
        must(cw::writeRecords(*cw::Env::posix(), "2026CWK.DAT", year));
        writeBytes("PAY.MCR", "'payroll\r\nft\r\n-100.00 'federal\r\npayroll deduction\r\n\r\n   \r\n5\r\nno code\r\n");
        open();
        command("mnuShowMacro");
        const QString shown = edit("MacDate")->displayText();
        edit("MacDate")->clear();
        click("MacToday");
        QCOMPARE(shown + '|' + edit("MacDate")->displayText(), "15-03|15-03");
        pick("PAY.MCR");
        edit("MacDate")->setText("12-31");
        QCOMPARE(saidBy([this] { click("MacroPlay"); }), "Operation Aborted | Invalid Date - 12-31-26 | warning | [Ok]");
        QVERIFY(panel()->isVisible());
        edit("MacDate")->setText("31-12");
        const QString question = "Confirm | Play macro file? | question | Yes/[No]";
        QCOMPARE(saidBy([this] { click("MacroPlay"); }, {Answer::press(QMessageBox::No)}), question);
        QVERIFY(panel()->isHidden());
        QCOMPARE(readBytes("2026CWK.DAT"), bytesOf(year));
        pickCategory(0);
        pick("PAY.MCR");
        edit("MacDate")->setText("31-12");
        QCOMPARE(saidBy([this] { click("MacroPlay"); }, {Answer::press(QMessageBox::Yes)}),
                 question + " // Entry Aborted | No Category Selected | warning | [Ok]");
        QCOMPARE(readBytes("2026CWK.DAT"), bytesOf(std::vector{entry("31-12-26", "FT", -1000000, "payroll deduction"), year[0]}));
        QVERIFY(panel()->isHidden());
        QCOMPARE(w_->itemList()->model()->rowCount(), 2);   // the whole year listed
        pick("PAY.MCR");   // a file gone since it was picked
        QFile::remove("PAY.MCR");
        QCOMPARE(saidBy([this] { click("MacroPlay"); }, {Answer::press(QMessageBox::Yes)}).section(" // ", 1),
                 "Coinwick 2 | PAY.MCR: No such file or directory | warning | [Ok]");
        QCOMPARE(w_->itemList()->model()->rowCount(), 2);
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
    }

    // Typed or pasted: what Windows-1252 lacks, folder separators and control
    // characters are not taken; a name too long for the file system is said.
    void nameBoxTakesOddInputWithoutHarm()
    {
        open();
        command("mnuShowMacro");
        edit("MacroEd")->insert(QString::fromUtf8("P\u00e4y\u674e/../\x01x"));
        QCOMPARE(edit("MacroEd")->text(), QString::fromUtf8("P\u00e4y..x"));
        edit("MacroEd")->setText(QString(300, u'n'));
        const QString tooLong = saidBy([this] { click("MacroNew"); });
        QVERIFY2(tooLong.endsWith(": File name too long | warning | [Ok]"), qPrintable(tooLong));
        QVERIFY(QDir().entryList({"*.MCR"}, QDir::Files).isEmpty());
        QVERIFY(!editor_.called());
    }

private:
    EditorStandIn editor_;
};

static RegisterWindowTest<MacroWindowTest> registered;
#include "MacroWindowTest.moc"
