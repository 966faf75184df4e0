// Edit, Undo and Redo through the real windows: the keys, the enabling, the
// lists following the files, and the refusal when a file changed since.

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

#include "app/Commands.h"
#include "store/RecordFile.h"

using namespace cwtest;

static const QString kData = QStringLiteral("2026CWK.DAT");
static const QString kCats = QStringLiteral("2026CATS.DAT");

class UndoWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QAction* action(const char* key) const { return w_->command(QString::fromLatin1(key)); }
    int rows() const { return w_->itemList()->model()->rowCount(); }

private slots:
    void init()
    {
        startFolder();
        open();
        cw::installCommands(*w_);
        w_->itemList()->setFocus();
    }
    void cleanup() { stopAll(); }

    void deleteThenUndoAndRedoByKeys()
    {
        QVERIFY(!action("mnuUndo")->isEnabled() && !action("mnuRedo")->isEnabled());
        const QByteArray before = readBytes(kData);
        const int count = rows();
        {
            DialogDriver yes({Answer::press(QMessageBox::Yes)});
            w_->itemList()->setCurrentIndex(w_->itemList()->model()->index(0, 0));
            QTest::keyClick(w_->itemList(), Qt::Key_Delete);
        }
        const QByteArray after = readBytes(kData);
        QCOMPARE(rows(), count - 1);
        QVERIFY(action("mnuUndo")->isEnabled());
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readBytes(kData), before);
        QCOMPARE(rows(), count);
        QVERIFY(!action("mnuUndo")->isEnabled() && action("mnuRedo")->isEnabled());
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(readBytes(kData), after);
        QCOMPARE(rows(), count - 1);
    }

    // A category re-code is one step over both files; the filter on the
    // code Undo took away falls back to the whole year.
    void recodeIsTakenBackInOneStep()
    {
        const QByteArray data = readBytes(kData), cats = readBytes(kCats);
        pickCategory(1);   // FO
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("FD");
        button("ReplaceCat")->click();
        QCOMPARE(w_->state().selectedCategory, "FD");
        command("mnuUndo");
        QCOMPARE(readBytes(kData), data);
        QCOMPARE(readBytes(kCats), cats);
        QCOMPARE(w_->state().selectedCategory, cw::kAllCategories);
    }

    void aSortFromTheSorterWindowIsUndone()
    {
        std::vector<cw::LedgerEntry> reversed = sampleYear();
        std::reverse(reversed.begin(), reversed.end());
        writeBytes(kData, cw::encodeRecords(reversed));
        const QByteArray unsorted = readBytes(kData);
        command("mnuSort");
        QWidget* sorter = topLevel("frmSorter");
        QVERIFY(sorter);
        sorter->findChild<QPushButton*>("StartSort")->click();
        QVERIFY(readBytes(kData) != unsorted);
        sorter->close();
        command("mnuUndo");
        QCOMPARE(readBytes(kData), unsorted);
    }

    void aFileChangedOutsideIsRefused()
    {
        pickCategory(1);   // FO
        command("mnuNewItem");
        edit("AmountEditor")->setText("12.00");
        button("SaveNewExpense")->click();
        QByteArray changed = readBytes(kData);
        changed.chop(cw::LedgerEntryCodec::kSize);
        writeBytes(kData, changed);
        DialogDriver ok;
        command("mnuUndo");
        QCOMPARE(ok.seen.size(), 1);
        QCOMPARE(said(ok.seen[0]), "Coinwick 2 | Undo not possible: 2026CWK.DAT was changed since. | warning | [Ok]");
        QCOMPARE(readBytes(kData), changed);
        QVERIFY(!action("mnuUndo")->isEnabled());
    }
};

static RegisterWindowTest<UndoWindowTest> registered;
#include "UndoWindowTest.moc"
