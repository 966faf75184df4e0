// frmExport through its controls: the range label, the pickers and file
// list, a new target, the append question, an empty file name and a target
// that is a folder. Failing disks are tried in the whole-program tests.

#include "WindowTests.h"

#include "support/Ledgers.h"
#include "core/tools/CommaExport.h"
#include "gui/reports/ExportWindow.h"

#include <QDir>
#include <QPointer>
#include <QTest>

using namespace cwtest;
using cwtest::entry;

namespace {

const QString kData = QStringLiteral("1998CWK.DAT");
const QString kSelection = QStringLiteral("tempcats.$$$");

cw::ExportRequest request(int start = 1, int end = 3)
{
    return {kData, u'A', start, end, kSelection};
}

} // namespace

class ExportWindowTest : public QObject {
    Q_OBJECT

    const cw::LedgerEntry march = entry("03-02-98", "FD", -125000, "Lunch \"out\"");
    const cw::LedgerEntry april = entry("04-01-98", "FD", 5000, "april");
    const cw::LedgerEntry other = entry("02-01-98", "XX", 1, "other");
    const cw::LedgerEntry jan = entry("01-20-98", "A", 0, "one-character code");

    QByteArray expectedLines() const
    {
        const auto line = [](const cw::LedgerEntry& e) { return cw::exportLine(e, QStringLiteral("1998"), u'.'); };
        return line(march) + line(jan);
    }

    QString target(const QString& name) const { return QDir::currentPath() + u'/' + name; }

private slots:
    void init()
    {
        folder_ = std::make_unique<TempFolder>();
        writeBytes(kData, cwtest::bytesOf({april, march, other, jan}));
        writeBytes(kSelection, cw::encodeRecords(cwtest::selection({"FD", "A"})));
    }
    void cleanup() { folder_.reset(); }

    void loadShowsTheRangeAndTheWorkingFolder()
    {
        writeBytes("notes.TXT", "x");
        writeBytes("a.txt", "x");
        writeBytes("data.dat", "x");
        QDir().mkdir("folder.txt");
        QWidget opener;
        cw::ExportWindow w(request(), &opener);
        QCOMPARE(w.windowTitle(), "Data Export");
        QVERIFY(w.parentWidget() == nullptr);
        QVERIFY(!opener.isEnabled());
        QCOMPARE(labelText(&w, "exRangeLab"), "January through March, 1998; 2 categories.");
        QCOMPARE(labelText(&w, "Label1"), "files in target directory");
        QCOMPARE(labelText(&w, "Label2"), "<<<   export file name");
        QCOMPARE(button(&w, "ExportGo")->text(), "Write to export file");
        QCOMPARE(button(&w, "ExportQuit")->text(), "Cancel");
        QCOMPARE(lineEdit(&w, "exFileName")->text(), "CWK_DATA.TXT");
        QCOMPARE(pathOf(&w, "ExportDir"), QDir::currentPath());
        QCOMPARE(listRows(&w, "ExportedFiles"), QStringList({"a.txt", "notes.TXT"}));

        w.findChild<QListWidget*>("ExportedFiles")->setCurrentRow(1);
        QCOMPARE(lineEdit(&w, "exFileName")->text(), "notes.TXT");

        QTest::mouseClick(button(&w, "ExportQuit"), Qt::LeftButton);
        QVERIFY(opener.isEnabled());
        QVERIFY(!QFile::exists("CWK_DATA.TXT"));
    }

    void pickersChooseTheTargetFolder()
    {
        QDir().mkpath("out/deeper");
        writeBytes("out/OLD.Txt", "x");
        cw::ExportWindow w(request(), nullptr);
        setPath(&w, "ExportDir", "out");
        QCOMPARE(pathOf(&w, "ExportDir"), target("out"));
        QCOMPARE(listRows(&w, "ExportedFiles"), QStringList({"OLD.Txt"}));

        setPath(&w, "ExportDrive", "/");
        QCOMPARE(pathOf(&w, "ExportDir"), "/");
    }

    void aNewTargetGetsTheLinesAndTheWindowCloses()
    {
        QWidget opener;
        QPointer<cw::ExportWindow> w = cw::openExportWindow(request(), &opener);
        DialogDriver dialogs;
        QTest::mouseClick(button(w, "ExportGo"), Qt::LeftButton);
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "Finished! Import the comma-delimited text file:\n" + target("CWK_DATA.TXT")
                                           + "\ninto your spreadsheet program.");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::NoIcon);
        QCOMPARE(readBytes("CWK_DATA.TXT"), expectedLines());
        QVERIFY(!w->isVisible());
        QVERIFY(opener.isEnabled());
        QVERIFY(!QFile::exists(kSelection));   // the export command's work file is gone
        QTRY_VERIFY(w.isNull());                 // deleted once closed
    }

    void appendQuestion()
    {
        writeBytes("CWK_DATA.TXT", "old\r\n");
        QWidget opener;
        cw::ExportWindow w(request(), &opener);
        w.show();
        {
            DialogDriver dialogs({Answer::press(QMessageBox::No)});
            QTest::mouseClick(button(&w, "ExportGo"), Qt::LeftButton);
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(dialogs.seen[0].text, target("CWK_DATA.TXT")
                                               + " already exists!\nDo you wish to append this data to it?");
            QCOMPARE(dialogs.seen[0].title, "Confirm");
            QCOMPARE(dialogs.seen[0].icon, QMessageBox::Question);
            QCOMPARE(dialogs.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(readBytes("CWK_DATA.TXT"), QByteArray("old\r\n"));
        QVERIFY(w.isVisible());
        QVERIFY(!opener.isEnabled());
        {
            DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press()});
            QTest::mouseClick(button(&w, "ExportGo"), Qt::LeftButton);
            QCOMPARE(dialogs.seen.size(), 2);
            QVERIFY(dialogs.seen[1].text.startsWith("Finished!"));
        }
        QCOMPARE(readBytes("CWK_DATA.TXT"), "old\r\n" + expectedLines());
        QVERIFY(!w.isVisible());

        // An existing empty file: no question.
        writeBytes("EMPTY.TXT", "");
        writeBytes(kSelection, cw::encodeRecords(cwtest::selection({"FD", "A"})));
        cw::ExportWindow again(request(), nullptr);
        lineEdit(&again, "exFileName")->setText("EMPTY.TXT");
        DialogDriver dialogs;
        QTest::mouseClick(button(&again, "ExportGo"), Qt::LeftButton);
        QCOMPARE(dialogs.seen.size(), 1);
        QVERIFY(dialogs.seen[0].text.startsWith("Finished!"));
        QCOMPARE(readBytes("EMPTY.TXT"), expectedLines());
    }

    void anEmptyFileNameIsSaid()
    {
        cw::ExportWindow w(request(), nullptr);
        w.show();
        lineEdit(&w, "exFileName")->clear();
        DialogDriver dialogs;
        QTest::mouseClick(button(&w, "ExportGo"), Qt::LeftButton);
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].title, "Coinwick 2");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(dialogs.seen[0].text, QDir::currentPath() + "/: No export file name was given");
        QVERIFY(w.isVisible());
    }

    // A folder of that name is no file to write: said, naming the target,
    // and the selection is kept for another try.
    void aFolderAsTargetIsSaid()
    {
        cw::ExportWindow w(request(), nullptr);
        w.show();
        QDir().mkdir("taken.txt");
        lineEdit(&w, "exFileName")->setText("taken.txt");
        DialogDriver dialogs;
        QTest::mouseClick(button(&w, "ExportGo"), Qt::LeftButton);
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QVERIFY2(dialogs.seen[0].text.startsWith(target("taken.txt") + ": "), qPrintable(dialogs.seen[0].text));
        QVERIFY(w.isVisible());
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList({kSelection}));
    }

    // The ledger's own files, in any letter case, are refused with one
    // message; the window stays open for another name.
    void aLedgerFileAsTargetIsRefused()
    {
        cw::ExportWindow w(request(), nullptr);
        w.show();
        const QByteArray before = readBytes(kData);
        lineEdit(&w, "exFileName")->setText("1998cwk.dat");
        DialogDriver dialogs;
        QTest::mouseClick(button(&w, "ExportGo"), Qt::LeftButton);
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "This file belongs to the ledger; choose another name.");
        QCOMPARE(dialogs.seen[0].title, "Data Export");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(readBytes(kData), before);
        QVERIFY(w.isVisible());
    }

private:
    std::unique_ptr<TempFolder> folder_;
};

static RegisterWindowTest<ExportWindowTest> registered;

#include "ExportWindowTest.moc"
