// frmExport through its controls; the lines it writes are the core tests'.

#include "support/WindowFixture.h"

#include "core/tools/CommaExport.h"
#include "gui/reports/ExportWindow.h"

using namespace cwtest;

namespace {

const QString kData = QStringLiteral("1998CWK.DAT");
const QString kSelection = QStringLiteral("tempcats.$$$");
const cw::ExportRequest kRequest{kData, u'A', 1, 3, kSelection};

QString target(const QString& name) { return QDir::currentPath() + u'/' + name; }
void go(QWidget* w) { QTest::mouseClick(child<QPushButton>(w, "ExportGo"), Qt::LeftButton); }

} // namespace

class ExportWindowTest : public QObject {
    Q_OBJECT

    const cw::LedgerEntry march = entry("03-02-98", "FD", -125000, "Lunch \"out\"");
    const cw::LedgerEntry jan = entry("01-20-98", "A", 0, "one-character code");
    QByteArray lines() const { return cw::exportLine(march, "1998", u'.') + cw::exportLine(jan, "1998", u'.'); }
    std::unique_ptr<TempFolder> folder_;

private slots:
    void init()
    {
        folder_ = std::make_unique<TempFolder>();
        writeBytes(kData, bytesOf({entry("04-01-98", "FD", 5000, "april"), march, entry("02-01-98", "XX", 1, "other"), jan}));
        writeBytes(kSelection, bytesOf(selection({"FD", "A"})));
    }
    void cleanup() { folder_.reset(); }

    // The range and the working folder's text files as it opens. An empty
    // name, a folder and a ledger file are refused: said, naming the target,
    // with the window left open and the selection kept for another try.
    void loadShowsTheRangeAndTheWorkingFolderAndRefusedTargetsAreSaid()
    {
        for (const char* name : {"notes.TXT", "a.txt", "data.dat"})
            writeBytes(name, "x");
        QDir().mkpath("folder.txt");
        QDir().mkpath("out");
        writeBytes("out/OLD.Txt", "x");
        QWidget opener;
        cw::ExportWindow w(kRequest, &opener);
        CW_COMPARE_CONTROLS(&w, "export");   // the range label among them
        QVERIFY(!w.parentWidget() && !opener.isEnabled());
        QCOMPARE(listRows(&w, "ExportedFiles"), QStringList({"a.txt", "notes.TXT"}));   // of the working folder
        child<QListWidget>(&w, "ExportedFiles")->setCurrentRow(1);
        QCOMPARE(child<QLineEdit>(&w, "exFileName")->text(), "notes.TXT");

        w.show();
        for (const auto& [name, told] : {std::pair("", "Coinwick 2 | %1/: No export file name was given"),
                                         {"folder.txt", "Coinwick 2 | %1/folder.txt: "},
                                         {"1998cwk.dat", "Data Export | This file belongs to the ledger; choose another name."}}) {
            child<QLineEdit>(&w, "exFileName")->setText(name);
            const QString shown = saidBy([&] { go(&w); });
            QVERIFY2(shown.startsWith(QString::fromLatin1(told).arg(QDir::currentPath())) && shown.endsWith(" | warning | [Ok]"),
                     qPrintable(shown));
            QVERIFY(w.isVisible());
        }
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList({kSelection}));

        child(&w, "ExportDir")->setProperty("path", "out");   // the folder picker lists its files
        QCOMPARE(listRows(&w, "ExportedFiles"), QStringList({"OLD.Txt"}));

        QTest::mouseClick(child<QPushButton>(&w, "ExportQuit"), Qt::LeftButton);
        QVERIFY(opener.isEnabled());
        QVERIFY(!QFile::exists("CWK_DATA.TXT"));
    }

    // A new target gets the lines and the window closes. A file with data
    // asks: No keeps the window open for another name, Yes appends; an empty
    // file is no question.
    void aNewTargetIsWrittenAndAFullOneAppendedToAfterAsking()
    {
        QWidget opener;
        QPointer<cw::ExportWindow> w = cw::openExportWindow(kRequest, &opener);
        QCOMPARE(saidBy([&] { go(w); }), "Coinwick 2 | Finished! Import the comma-delimited text file:\n" + target("CWK_DATA.TXT")
                                             + "\ninto your spreadsheet program. | no icon | [Ok]");
        QCOMPARE(readBytes("CWK_DATA.TXT"), lines());
        QVERIFY(!QFile::exists(kSelection));   // the export command's work file is gone
        QVERIFY(!w->isVisible() && opener.isEnabled());
        QTRY_VERIFY(w.isNull());                 // deleted once closed

        writeBytes(kSelection, bytesOf(selection({"FD", "A"})));
        writeBytes("EMPTY.TXT", "");
        cw::ExportWindow asking(kRequest, &opener);
        asking.show();
        const QString append = "Confirm | " + target("CWK_DATA.TXT") + " already exists!\nDo you wish to append this data to it? | question | Yes/[No]";
        QCOMPARE(saidBy([&] { go(&asking); }, {Answer::press(QMessageBox::No)}), append);
        QCOMPARE(readBytes("CWK_DATA.TXT"), lines());
        QVERIFY(asking.isVisible() && !opener.isEnabled());
        child<QLineEdit>(&asking, "exFileName")->setText("EMPTY.TXT");
        QVERIFY(saidBy([&] { go(&asking); }).startsWith("Coinwick 2 | Finished!"));
        QCOMPARE(readBytes("EMPTY.TXT"), lines());
        writeBytes(kSelection, bytesOf(selection({"FD", "A"})));
        cw::ExportWindow again(kRequest, nullptr);
        QVERIFY(saidBy([&] { go(&again); }, {Answer::press(QMessageBox::Yes)}).startsWith(append + " // Coinwick 2 | Finished!"));
        QCOMPARE(readBytes("CWK_DATA.TXT"), lines() + lines());
    }
};

static RegisterWindowTest<ExportWindowTest> registered;
#include "ExportWindowTest.moc"
