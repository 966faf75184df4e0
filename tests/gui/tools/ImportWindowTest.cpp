// frmImport through its controls, opened from the File menu; the plan and the
// write are the core tests'.

#include "app/Commands.h"
#include "core/imports/ImportPreviewModel.h"
#include "core/imports/Statements.h"
#include "gui/main/EntryListModel.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QFileDialog>

using namespace cwtest;

class ImportWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    // Gives the window the statement's name, Return in its file box; the window
    // opened from the File menu unless it is open.
    QWidget* importFile(const char* statement, const QString& as)
    {
        writeBytes(as, statementBytes(statement));
        if (!topLevel("frmImport"))
            command("mnuImport");
        QWidget* w = topLevel("frmImport");
        child<QLineEdit>(w, "ImpFile")->setText(as);
        QTest::keyClick(child<QLineEdit>(w, "ImpFile"), Qt::Key_Return);
        return w;
    }

    // Each preview row as "tick|date|amount|note|code|state"; the tick is
    // "x" (ticked), "-" (not ticked) or " " (cannot be ticked).
    static QStringList previewRows(QWidget* window)
    {
        QAbstractItemModel* m = child<QTableView>(window, "ImpPreview")->model();
        QStringList out;
        for (int r = 0; r < m->rowCount(); ++r) {
            const QModelIndex tick = m->index(r, 0);
            QString row = !(m->flags(tick) & Qt::ItemIsUserCheckable) ? " " : tick.data(Qt::CheckStateRole).toInt() == Qt::Checked ? "x" : "-";
            for (int c = 1; c < m->columnCount(); ++c)
                row += u'|' + m->index(r, c).data().toString();
            out.append(row);
        }
        return out;
    }

    static QString go(QWidget* w) { return saidBy([w] { child<QPushButton>(w, "ImpGo")->click(); }); }

private slots:
    void init()
    {
        startFolder();
        open();
        cw::installCommands(*w_);
    }
    void cleanup()
    {
        if (QWidget* open = topLevel("frmImport"))
            open->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stopAll();
    }

    // Over the disabled main window. A file that is no statement: one message,
    // the preview emptied and Import disabled. Browse starts in the working
    // folder; Cancel writes nothing.
    void fileMenuOpensItOverTheMainWindowAndCancelWritesNothing()
    {
        QPointer<QWidget> w = importFile("comma.csv", "bank.csv");
        QVERIFY(w && !w->parentWidget() && !w_->isEnabled());
        CW_COMPARE_CONTROLS(w, "import");
        QCOMPARE(saidBy([this] { importFile("truncated.ofx", "cut.ofx"); }),
                 "Coinwick 2 | cut.ofx: line 58: the statement ends early: no </OFX> | warning | [Ok]");
        QVERIFY(!child<QPushButton>(w, "ImpGo")->isEnabled());
        QCOMPARE(child<QTableView>(w, "ImpPreview")->model()->rowCount(), 0);
        DialogDriver browse;
        QString startedIn;
        browse.onEachDialog = [&](QWidget* d) { startedIn = qobject_cast<QFileDialog*>(d)->directory().absolutePath(); };
        child<QPushButton>(w, "ImpBrowse")->click();
        QCOMPARE(startedIn, QDir::current().absolutePath());
        child<QPushButton>(w, "ImpCancel")->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(w_->isEnabled());
        QCOMPARE(readBytes("2026CWK.DAT"), bytesOf(sampleYear()));
        QVERIFY(!QFile::exists("IMPORT.INI"));
    }

    // The guessed mapping shown, one column changed: the preview is read again
    // with every column the boxes show. A row's category and tick changed; the
    // import said; the mapping offered again for the same file.
    void csvMappedPreviewedAndImported()
    {
        QWidget* w = importFile("comma.csv", "bank.csv");
        QVERIFY(child(w, "ImpMapping")->isVisible());
        QCOMPARE(child<QComboBox>(w, "ImpDefaultCat")->currentText(), "A Auto");
        child<QLineEdit>(w, "ImpNoteCols")->setText("2 4");
        emit child<QLineEdit>(w, "ImpNoteCols")->editingFinished();
        child<QComboBox>(w, "ImpDefaultCat")->setCurrentIndex(1);
        QCOMPARE(previewRows(w).join('\n'), "x|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|new\nx|03-01-26|$2,500.00|ACME PAYROLL R2|FO|new\n"
                                            "x|03-16-26|($4.50)|The \"Good\" Cafe R3|FO|new\n"
                                            " ||($1.00)|BAD DATE R4|FO|error: date \"13/01/2026\" not readable\n"
                                            " |03-17-26||BAD AMOUNT R5|FO|error: amount \"1.2.3\" not readable\n"
                                            " |12-31-25|($9.99)|STREAMING R6|FO|other year");
        auto* model = qobject_cast<cw::ImportPreviewModel*>(child<QTableView>(w, "ImpPreview")->model());
        QVERIFY(model->setData(model->index(1, cw::ImportPreviewModel::Category), "PY"));
        QVERIFY(model->setData(model->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model->setData(model->index(5, 0), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(go(w), "Coinwick 2 | 2 entries imported, 0 duplicates skipped, 1 for other years. | information | [Ok]");
        QCOMPARE(readBytes("2026CWK.DAT").left(58), bytesOf({entry("03-15-26", "FO", -12345600, "Landlord, Inc. R1")}));
        QCOMPARE(w_->entryModel()->rowCount(), 7);
        QTRY_VERIFY(!topLevel("frmImport"));
        w = importFile("comma.csv", "bank.csv");
        QCOMPARE(child<QLineEdit>(w, "ImpNoteCols")->text(), "2 4");
        // Now in the year: a duplicate, with the category of the entry it equals.
        QCOMPARE(previewRows(w).first(), "-|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|duplicate");
    }

    // No mapping for OFX; its FITIDs are remembered for the next import.
    void ofxFitidsAreRememberedForTheNextImport()
    {
        for (int round = 0; round < 2; ++round) {
            QPointer<QWidget> w = importFile("card.qfx", "card.qfx");
            QVERIFY(!child(w, "ImpMapping")->isVisible());
            QCOMPARE(go(w), QStringLiteral("Coinwick 2 | %1 entries imported, %2 duplicates skipped, 0 for other years. | information | [Ok]")
                                .arg(2 - 2 * round).arg(2 * round));
            QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(readBytes("IMPORT.INI"), "[mappings]\n[fitids 2026]\nQ1\nQ2\n");
        // Undo takes the entries back with the ids remembered for them, so
        // the statement imports again.
        command("mnuUndo");
        QCOMPARE(readBytes("2026CWK.DAT"), cw::encodeRecords(sampleYear()));
        QVERIFY(go(importFile("card.qfx", "card.qfx")).contains(" | 2 entries imported, "));
    }
};

static RegisterWindowTest<ImportWindowTest> registered;
#include "ImportWindowTest.moc"
