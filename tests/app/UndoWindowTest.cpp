// Undo and Redo through the real windows (their keys are the keyboard
// test's): the lists following the files, and the refusal when a file
// changed since.

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

#include "app/Commands.h"
#include "store/RecordFile.h"

using namespace cwtest;

class UndoWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QAction* action(const char* key) const { return w_->command(QString::fromLatin1(key)); }

private slots:
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

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
        QVERIFY(!action("mnuUndo")->isEnabled() && !action("mnuRedo")->isEnabled());
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
        QVERIFY(!action("mnuUndo")->isEnabled());
    }
};

static RegisterWindowTest<UndoWindowTest> registered;
#include "UndoWindowTest.moc"
