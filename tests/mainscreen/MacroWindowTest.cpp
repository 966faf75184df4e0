// The macro controls of the real main window, driven by object name: the
// panel's controls and list, New with its file bytes and the editor, Edit,
// and Play under both date formats, checked against the files.

#include "support/DialogDriver.h"
#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"
#include "support/TempFolder.h"

#include "core/macros/MacroTemplate.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");

QByteArray crlfLines(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* l : lines)
        out.append(l).append("\r\n");
    return out;
}

} // namespace

class MacroWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void init()
    {
        startFolder();
        editor_.clear();
    }
    void cleanup() { stopAll(); }

    void showResetsThePanelAndListsMacroFilesInAnyCase()
    {
        writeBytes("pay.mcr", "x");
        writeBytes("Bills.MCR", "x");
        writeBytes("notes.txt", "x");
        open();
        w_->toolbar()->actions()[3]->trigger();   // tbbMacro
        QVERIFY(macroFrame()->isVisible());
        QCOMPARE(edit("MacDate")->displayText(), "03-15");
        QCOMPARE(edit("MacDate")->inputMask(), "99-99;_");
        QCOMPARE(w_->findChild<QLabel*>("MacSmYr")->text(), "2026");
        QCOMPARE(edit("MacroEd")->text(), "");
        QVERIFY(!button("MacroEdit")->isEnabled() && !button("MacroPlay")->isEnabled());
        QCOMPARE(names(), QStringList({"Bills.MCR", "pay.mcr"}));
        // The lists and the toolbar stay in use.
        QVERIFY(w_->itemList()->isEnabled() && w_->catList()->isEnabled() && w_->toolbar()->isEnabled());
        const QStringList tips = {edit("MacDate")->toolTip(), button("MacToday")->toolTip(), edit("MacroEd")->toolTip(),
                                  list()->toolTip(), button("MacroNew")->toolTip(), button("MacroEdit")->toolTip(),
                                  button("MacroPlay")->toolTip()};
        QCOMPARE(tips, QStringList({"Date here", "Make Date = Today", "Active macro file name must be here",
                                    "Double-click to select active macro", "Click to create new macro",
                                    "Click to edit active macro", "Click to play active macro"}));

        pick("pay.mcr");
        QCOMPARE(edit("MacroEd")->text(), "pay.mcr");
        QVERIFY(button("MacroEdit")->isEnabled() && button("MacroPlay")->isEnabled());
        edit("MacDate")->setText("01-02");
        button("MacroCancel")->click();
        QVERIFY(macroFrame()->isHidden());

        // Shown again: reset, and files written since are listed.
        writeBytes("new.Mcr", "x");
        command("mnuShowMacro");
        QCOMPARE(edit("MacroEd")->text(), "");
        QCOMPARE(edit("MacDate")->displayText(), "03-15");
        QVERIFY(!button("MacroEdit")->isEnabled() && !button("MacroPlay")->isEnabled());
        QCOMPARE(names(), QStringList({"Bills.MCR", "new.Mcr", "pay.mcr"}));
    }

    void todayButtonFollowsTheDateFormat()
    {
        writeSettings(u'E');
        open();
        command("mnuShowMacro");
        QCOMPARE(edit("MacDate")->displayText(), "15-03");
        edit("MacDate")->clear();
        QCOMPARE(edit("MacDate")->displayText(), "__-__");
        button("MacToday")->click();
        QCOMPARE(edit("MacDate")->displayText(), "15-03");
    }

    void newWritesTheTemplateAndOpensThatFile()
    {
        open();
        command("mnuShowMacro");
        {
            DialogDriver dialogs({Answer::press()});
            edit("MacroEd")->setText("   ");
            button("MacroNew")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(said(dialogs.seen[0]),
                     "Nothing to do! | Please provide a file name with no extension. | warning | [Ok]");
            QVERIFY(macroFrame()->isVisible());
            QCOMPARE(w_->focusWidget(), edit("MacroEd"));
        }
        edit("MacroEd")->setText("Pay");
        button("MacroNew")->click();
        QVERIFY(macroFrame()->isHidden());
        QCOMPARE(readBytes("PAY.MCR"), cw::macroTemplateBytes());
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "PAY.MCR"}));
        QCOMPARE(names(), QStringList({"PAY.MCR"}));

        // A file of that name in another letter case is the same file: the
        // template goes after its end, and the editor opens it.
        writeBytes("rent.mcr", "FT\r\n");
        editor_.clear();
        command("mnuShowMacro");
        edit("MacroEd")->setText("Rent");
        button("MacroNew")->click();
        QCOMPARE(readBytes("rent.mcr"), "FT\r\n" + cw::macroTemplateBytes());
        QVERIFY(!QFile::exists("RENT.MCR"));
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "rent.mcr"}));
    }

    void editOpensTheActiveFile()
    {
        writeBytes("Bills.MCR", "x");
        open();
        command("mnuShowMacro");
        pick("Bills.MCR");
        button("MacroEdit")->click();
        QVERIFY(macroFrame()->isHidden());
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "Bills.MCR"}));

        command("mnuShowMacro");
        pick("Bills.MCR");
        edit("MacroEd")->clear();
        DialogDriver dialogs({Answer::press()});
        button("MacroEdit")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Nothing to do! | Please select a macro file | warning | [Ok]");
        QVERIFY(macroFrame()->isHidden());
    }

    void playUnderBothDateFormats_data()
    {
        QTest::addColumn<QChar>("flag");
        QTest::addColumn<QString>("wrongDate");
        QTest::addColumn<QString>("date");
        QTest::newRow("month first") << QChar(u'A') << "31-12" << "12-31";
        QTest::newRow("day first") << QChar(u'E') << "12-31" << "31-12";
    }
    void playUnderBothDateFormats()
    {
        QFETCH(QChar, flag);
        QFETCH(QString, wrongDate);
        QFETCH(QString, date);
        writeSettings(flag);
        const std::vector<LedgerEntry> year = {entry("01-01-26", "PY", 500, "New year")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        writeBytes("PAY.MCR", crlfLines({"'payroll", "ft", "-100.00 'federal", "payroll deduction", "", "   ", "5",
                                         "no code", "st", "-35.5", "state tax", "xx"}));
        open();

        // A date the format refuses: said, and the panel stays.
        playFrom(wrongDate);
        {
            DialogDriver dialogs({Answer::press()});
            button("MacroPlay")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(said(dialogs.seen[0]), "Operation Aborted | Invalid Date - " + wrongDate + "-26 | warning | [Ok]");
            QVERIFY(macroFrame()->isVisible());
        }
        // No at the question: nothing played.
        playFrom(date);
        {
            DialogDriver dialogs({Answer::press(QMessageBox::No)});
            button("MacroPlay")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(said(dialogs.seen[0]), "Confirm | Play macro file? | question | Yes/[No]");
            QVERIFY(macroFrame()->isHidden());
            QCOMPARE(readBytes(kData), cw::encodeRecords(year));
        }
        // Yes: the entries in order, the one without a code refused.
        pickCategory(0);
        playFrom(date);
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press()});
        button("MacroPlay")->click();
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(said(dialogs.seen[1]), "Entry Aborted | No Category Selected | warning | [Ok]");
        const QString played = date + "-26";
        const std::vector<LedgerEntry> expected = {entry(qPrintable(played), "ST", -355000, "state tax"),
                                                   entry(qPrintable(played), "FT", -1000000, "payroll deduction"),
                                                   year[0]};
        QCOMPARE(readBytes(kData), cw::encodeRecords(expected));
        QVERIFY(macroFrame()->isHidden());
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
        QCOMPARE(w_->itemList()->model()->rowCount(), 3);   // the whole year listed
        QCOMPARE(w_->itemList()->model()->index(0, 0).data().toString(), played);
    }

    void playOfAFileThatIsGoneIsSaidAndAddsNothing()
    {
        writeBytes("gone.mcr", "FT\r\n1\r\nx\r\n");
        open();
        command("mnuShowMacro");
        pick("gone.mcr");
        QFile::remove("gone.mcr");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press()});
        button("MacroPlay")->click();
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(said(dialogs.seen[1]), "Coinwick 2 | gone.mcr: No such file or directory | warning | [Ok]");
        QCOMPARE(readBytes(kData), cw::encodeRecords(sampleYear()));
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
    }

    void nameBoxTakesOddInputWithoutHarm()
    {
        open();
        command("mnuShowMacro");
        // Typed or pasted: what Windows-1252 lacks, folder separators and
        // control characters are not taken.
        edit("MacroEd")->insert(QString::fromUtf8("P\u00e4y\u674e/../\x01x"));
        QCOMPARE(edit("MacroEd")->text(), QString::fromUtf8("P\u00e4y..x"));
        // A name too long for the file system is said, and nothing is made.
        edit("MacroEd")->setText(QString(300, u'n'));
        DialogDriver dialogs({Answer::press()});
        button("MacroNew")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QVERIFY2(dialogs.seen[0].text.endsWith(": File name too long"), qPrintable(dialogs.seen[0].text));
        QVERIFY(QDir().entryList({"*.MCR"}, QDir::Files).isEmpty());
        QVERIFY(!editor_.called());
    }

private:
    // Shows the panel, picks PAY.MCR and types the play date.
    void playFrom(const QString& date)
    {
        command("mnuShowMacro");
        pick("PAY.MCR");
        edit("MacDate")->setText(date);
    }

    void pick(const QString& name)
    {
        const QList<QListWidgetItem*> found = list()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        doubleClick(list()->viewport(), list()->visualItemRect(found[0]).center());
    }

    QStringList names() const
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text();
        return out;
    }

    QGroupBox* macroFrame() const { return frame("MacroFrame"); }
    QListWidget* list() const { return w_->findChild<QListWidget*>("MacroSelect"); }

    EditorStandIn editor_;
};

QTEST_MAIN(MacroWindowTest)
#include "MacroWindowTest.moc"
