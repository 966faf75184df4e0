// frmImport through its controls, opened from the main window's File menu:
// a CSV statement mapped, previewed and imported, files that are no
// statement, and the FITIDs remembered for the next import.

#include "core/imports/Statements.h"
#include "app/Commands.h"
#include "core/imports/ImportPreviewModel.h"
#include "support/DialogDriver.h"
#include "gui/main/EntryListModel.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QSpinBox>

using namespace cwtest;

namespace {

// Each preview row as "tick|date|amount|note|code|state"; the tick is
// "x" (ticked), "-" (not ticked) or " " (cannot be ticked).
QStringList previewRows(QWidget* window)
{
    QAbstractItemModel* m = child<QTableView>(window, "ImpPreview")->model();
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r) {
        const QModelIndex tick = m->index(r, 0);
        QString row = !(m->flags(tick) & Qt::ItemIsUserCheckable) ? QStringLiteral(" ")
                      : tick.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStringLiteral("x")
                                                                            : QStringLiteral("-");
        for (int c = 1; c < m->columnCount(); ++c)
            row += u'|' + m->index(r, c).data().toString();
        out.append(row);
    }
    return out;
}

void typeFile(QWidget* window, const QString& name)
{
    QLineEdit* file = child<QLineEdit>(window, "ImpFile");
    file->setFocus();
    file->clear();
    QTest::keyClicks(file, name);
    QTest::keyClick(file, Qt::Key_Return);
}

void copyStatement(const char* name, const QString& as) { writeBytes(as, statementBytes(name)); }

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        folder_ = std::make_unique<TempFolder>();
        writeSampleYear();
        main_ = std::make_unique<cw::MainWindow>(kToday);
        cw::installCommands(*main_);
        QVERIFY(main_->load());
        main_->show();
    }
    void cleanup()
    {
        if (QPointer<QWidget> open = topLevel("frmImport")) {
            open->close();
            QTRY_VERIFY(open.isNull());
        }
        main_.reset();
        folder_.reset();
    }

    void fileMenuOpensItOverTheMainWindowAndCancelWritesNothing()
    {
        main_->command("mnuImport")->trigger();
        QPointer<QWidget> w = topLevel("frmImport");
        QVERIFY(w && !w->parentWidget());
        CW_COMPARE_CONTROLS(w, "import");
        QVERIFY(!main_->isEnabled() && !child<QPushButton>(w, "ImpGo")->isEnabled());

        // Browse starts in the working folder.
        DialogDriver browse;
        QString startedIn;
        browse.onEachDialog = [&](QWidget* d) {
            if (auto* files = qobject_cast<QFileDialog*>(d))
                startedIn = files->directory().absolutePath();
        };
        child<QPushButton>(w, "ImpBrowse")->click();
        QCOMPARE(startedIn, QDir::current().absolutePath());

        copyStatement("comma.csv", QStringLiteral("bank.csv"));
        typeFile(w, QStringLiteral("bank.csv"));
        const QByteArray before = readBytes(QStringLiteral("2026CWK.DAT"));
        child<QPushButton>(w, "ImpCancel")->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(main_->isEnabled());
        QCOMPARE(readBytes(QStringLiteral("2026CWK.DAT")), before);
        QVERIFY(!QFile::exists(QStringLiteral("IMPORT.INI")));
    }

    void csvMappedPreviewedAndImported()
    {
        copyStatement("comma.csv", QStringLiteral("bank.csv"));
        main_->command(QStringLiteral("mnuImport"))->trigger();
        QWidget* w = topLevel("frmImport");
        typeFile(w, QStringLiteral("bank.csv"));

        QVERIFY(child<QGroupBox>(w, "ImpMapping")->isVisible());
        QCOMPARE(QStringList({child<QComboBox>(w, "ImpDelimiter")->currentText(), child<QSpinBox>(w, "ImpSkip")->text(),
                              child<QSpinBox>(w, "ImpDateCol")->text(), child<QComboBox>(w, "ImpDateOrder")->currentText(),
                              child<QSpinBox>(w, "ImpAmountCol")->text(), child<QLineEdit>(w, "ImpNoteCols")->text(),
                              child<QComboBox>(w, "ImpDefaultCat")->currentText()})
                     .join('|'),
                 "Comma|1|1|MDY|3|2|A Auto");

        // A change of the mapping reads the preview again.
        QLineEdit* notes = child<QLineEdit>(w, "ImpNoteCols");
        notes->setText(QStringLiteral("2 4"));
        emit notes->editingFinished();
        child<QComboBox>(w, "ImpDefaultCat")->setCurrentIndex(1);
        QCOMPARE(previewRows(w), QStringList({
                                     QStringLiteral("x|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|new"),
                                     QStringLiteral("x|03-01-26|$2,500.00|ACME PAYROLL R2|FO|new"),
                                     QStringLiteral("x|03-16-26|($4.50)|The \"Good\" Cafe R3|FO|new"),
                                     QStringLiteral(" ||($1.00)|BAD DATE R4|FO|error: date \"13/01/2026\" not readable"),
                                     QStringLiteral(" |03-17-26||BAD AMOUNT R5|FO|error: amount \"1.2.3\" not readable"),
                                     QStringLiteral(" |12-31-25|($9.99)|STREAMING R6|FO|other year"),
                                 }));
        auto* model = qobject_cast<cw::ImportPreviewModel*>(child<QTableView>(w, "ImpPreview")->model());
        QVERIFY(model->setData(model->index(1, cw::ImportPreviewModel::Category), QStringLiteral("PY")));
        QVERIFY(model->setData(model->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model->setData(model->index(5, 0), Qt::Checked, Qt::CheckStateRole));

        QCOMPARE(saidBy([w] { child<QPushButton>(w, "ImpGo")->click(); }),
                 "Coinwick 2 | 2 entries imported, 0 duplicates skipped, 1 for other years. | information | [Ok]");
        std::vector<cw::LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin() + 3, entry("03-01-26", "PY", 25000000, "ACME PAYROLL R2"));
        expected.insert(expected.begin(), entry("03-15-26", "FO", -12345600, "Landlord, Inc. R1"));
        QCOMPARE(readBytes(QStringLiteral("2026CWK.DAT")), cw::encodeRecords(expected));
        QCOMPARE(main_->entryModel()->rowCount(), int(expected.size()));
        QPointer<QWidget> closed = w;
        QTRY_VERIFY(closed.isNull());

        // The mapping is offered again for a file of the same first line.
        QVERIFY(readBytes(QStringLiteral("IMPORT.INI")).contains("\n44;1;1;MDY;3;0;0;0;2 4;0=Date,Description,Amount,Reference\n"));
        main_->command(QStringLiteral("mnuImport"))->trigger();
        w = topLevel("frmImport");
        typeFile(w, QStringLiteral("bank.csv"));
        QCOMPARE(child<QLineEdit>(w, "ImpNoteCols")->text(), QStringLiteral("2 4"));
        // Now in the year: duplicates, with the category of the entry they equal.
        QCOMPARE(previewRows(w).first(), QStringLiteral("-|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|duplicate"));
    }

    void aFileThatIsNoStatementGivesOneMessage()
    {
        copyStatement("truncated.ofx", QStringLiteral("cut.ofx"));
        const QByteArray before = readBytes(QStringLiteral("2026CWK.DAT"));
        main_->command(QStringLiteral("mnuImport"))->trigger();
        QWidget* w = topLevel("frmImport");
        QCOMPARE(saidBy([w] { typeFile(w, "cut.ofx"); }), "Coinwick 2 | cut.ofx: line 58: the statement ends early: no </OFX> | warning | [Ok]");
        QVERIFY(saidBy([w] { typeFile(w, "missing.qif"); }).startsWith("Coinwick 2 | missing.qif: "));
        QVERIFY(!child<QPushButton>(w, "ImpGo")->isEnabled());
        QCOMPARE(child<QTableView>(w, "ImpPreview")->model()->rowCount(), 0);
        QCOMPARE(readBytes(QStringLiteral("2026CWK.DAT")), before);
    }

    void ofxFitidsAreRememberedForTheNextImport()
    {
        copyStatement("card.qfx", QStringLiteral("card.qfx"));
        for (int round = 0; round < 2; ++round) {
            main_->command(QStringLiteral("mnuImport"))->trigger();
            QPointer<QWidget> w = topLevel("frmImport");
            typeFile(w, QStringLiteral("card.qfx"));
            QVERIFY(!child<QGroupBox>(w, "ImpMapping")->isVisible());
            QCOMPARE(saidBy([w] { child<QPushButton>(w, "ImpGo")->click(); }),
                     QStringLiteral("Coinwick 2 | %1 entries imported, %2 duplicates skipped, 0 for other years. | information | [Ok]")
                         .arg(2 - 2 * round).arg(2 * round));
            QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(readBytes(QStringLiteral("IMPORT.INI")), QByteArray("[mappings]\n[fitids 2026]\nQ1\nQ2\n"));
    }

private:
    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<cw::MainWindow> main_;
};

static RegisterWindowTest<ImportWindowTest> registered;
#include "ImportWindowTest.moc"
