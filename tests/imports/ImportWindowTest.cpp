// frmImport through its controls, opened from the main window's File menu:
// a CSV statement mapped, previewed and imported, files that are no
// statement, and the FITIDs remembered for the next import.

#include "Statements.h"
#include "app/Commands.h"
#include "imports/ImportPreviewModel.h"
#include "mainscreen/DialogDriver.h"
#include "mainscreen/EntryListModel.h"
#include "mainscreen/MainWindow.h"
#include "mainscreen/Seed.h"
#include "store/RecordFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace cwtest;

namespace {

QWidget* shownImportWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmImport") && w->isVisible())
            return w;
    return nullptr;
}

template <class T>
T* control(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

// Each preview row as "tick|date|amount|note|code|state"; the tick is
// "x" (ticked), "-" (not ticked) or " " (cannot be ticked).
QStringList previewRows(QWidget* window)
{
    QAbstractItemModel* m = control<QTableView>(window, "ImpPreview")->model();
    QStringList out;
    for (int r = 0; r < m->rowCount(); ++r) {
        const QModelIndex tick = m->index(r, 0);
        QString row = !(m->flags(tick) & Qt::ItemIsUserCheckable) ? u" "_qs
                      : tick.data(Qt::CheckStateRole).toInt() == Qt::Checked ? u"x"_qs
                                                                            : u"-"_qs;
        for (int c = 1; c < m->columnCount(); ++c)
            row += u'|' + m->index(r, c).data().toString();
        out.append(row);
    }
    return out;
}

void typeFile(QWidget* window, const QString& name)
{
    QLineEdit* file = control<QLineEdit>(window, "ImpFile");
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
    void initTestCase() { pinLocale(); }
    void init()
    {
        folder_ = std::make_unique<WorkFolder>();
        writeSampleYear();
        main_ = std::make_unique<cw::MainWindow>(kToday);
        cw::installCommands(*main_);
        QVERIFY(main_->load());
        main_->show();
    }
    void cleanup()
    {
        if (QPointer<QWidget> open = shownImportWindow()) {
            open->close();
            QTRY_VERIFY(open.isNull());
        }
        main_.reset();
        folder_.reset();
    }

    void fileMenuOpensItOverTheMainWindowAndCancelWritesNothing()
    {
        QAction* item = main_->command(u"mnuImport"_qs);
        QVERIFY(item);
        QCOMPARE(item->text(), u"Import..."_qs);
        item->trigger();
        QPointer<QWidget> w = shownImportWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), u"Import"_qs);
        QVERIFY(!w->parentWidget());
        QVERIFY(!main_->isEnabled());
        QVERIFY(!control<QPushButton>(w, "ImpGo")->isEnabled());

        // Browse starts in the working folder.
        DialogDriver browse;
        QString startedIn;
        browse.onEachDialog = [&](QWidget* d) {
            if (auto* files = qobject_cast<QFileDialog*>(d))
                startedIn = files->directory().absolutePath();
        };
        control<QPushButton>(w, "ImpBrowse")->click();
        QCOMPARE(startedIn, QDir::current().absolutePath());

        copyStatement("comma.csv", u"bank.csv"_qs);
        typeFile(w, u"bank.csv"_qs);
        const QByteArray before = readBytes(u"2026CWK.DAT"_qs);
        control<QPushButton>(w, "ImpCancel")->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(main_->isEnabled());
        QCOMPARE(readBytes(u"2026CWK.DAT"_qs), before);
        QVERIFY(!QFile::exists(u"IMPORT.INI"_qs));
    }

    void csvMappedPreviewedAndImported()
    {
        copyStatement("comma.csv", u"bank.csv"_qs);
        main_->command(u"mnuImport"_qs)->trigger();
        QWidget* w = shownImportWindow();
        typeFile(w, u"bank.csv"_qs);

        QVERIFY(control<QGroupBox>(w, "ImpMapping")->isVisible());
        QCOMPARE(control<QComboBox>(w, "ImpDelimiter")->currentText(), u"Comma"_qs);
        QCOMPARE(control<QSpinBox>(w, "ImpSkip")->value(), 1);
        QCOMPARE(control<QSpinBox>(w, "ImpDateCol")->value(), 1);
        QCOMPARE(control<QComboBox>(w, "ImpDateOrder")->currentText(), u"MDY"_qs);
        QCOMPARE(control<QSpinBox>(w, "ImpAmountCol")->value(), 3);
        QCOMPARE(control<QLineEdit>(w, "ImpNoteCols")->text(), u"2"_qs);
        QCOMPARE(control<QComboBox>(w, "ImpDefaultCat")->currentText(), u"A Auto"_qs);

        // A change of the mapping reads the preview again.
        QLineEdit* notes = control<QLineEdit>(w, "ImpNoteCols");
        notes->setText(u"2 4"_qs);
        emit notes->editingFinished();
        control<QComboBox>(w, "ImpDefaultCat")->setCurrentIndex(1);
        QCOMPARE(previewRows(w), QStringList({
                                     u"x|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|new"_qs,
                                     u"x|03-01-26|$2,500.00|ACME PAYROLL R2|FO|new"_qs,
                                     u"x|03-16-26|($4.50)|The \"Good\" Cafe R3|FO|new"_qs,
                                     u" ||($1.00)|BAD DATE R4|FO|error: date \"13/01/2026\" not readable"_qs,
                                     u" |03-17-26||BAD AMOUNT R5|FO|error: amount \"1.2.3\" not readable"_qs,
                                     u" |12-31-25|($9.99)|STREAMING R6|FO|other year"_qs,
                                 }));
        auto* model = qobject_cast<cw::ImportPreviewModel*>(control<QTableView>(w, "ImpPreview")->model());
        QVERIFY(model->setData(model->index(1, cw::ImportPreviewModel::Category), u"PY"_qs));
        QVERIFY(model->setData(model->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model->setData(model->index(5, 0), Qt::Checked, Qt::CheckStateRole));

        DialogDriver driver;
        control<QPushButton>(w, "ImpGo")->click();
        QCOMPARE(driver.seen.size(), 1);
        QCOMPARE(said(driver.seen[0]),
                 u"Coinwick 2 | 2 entries imported, 0 duplicates skipped, 1 for other years. | information | [Ok]"_qs);
        std::vector<cw::LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin() + 3, entry("03-01-26", "PY", 25000000, "ACME PAYROLL R2"));
        expected.insert(expected.begin(), entry("03-15-26", "FO", -12345600, "Landlord, Inc. R1"));
        QCOMPARE(readBytes(u"2026CWK.DAT"_qs), cw::encodeRecords(expected));
        QCOMPARE(main_->entryModel()->rowCount(), int(expected.size()));
        QPointer<QWidget> closed = w;
        QTRY_VERIFY(closed.isNull());

        // The mapping is offered again for a file of the same first line.
        QVERIFY(readBytes(u"IMPORT.INI"_qs).contains("\n44;1;1;MDY;3;0;0;0;2 4;0=Date,Description,Amount,Reference\n"));
        main_->command(u"mnuImport"_qs)->trigger();
        w = shownImportWindow();
        typeFile(w, u"bank.csv"_qs);
        QCOMPARE(control<QLineEdit>(w, "ImpNoteCols")->text(), u"2 4"_qs);
        // Now in the year: duplicates, with the category of the entry they equal.
        QCOMPARE(previewRows(w).first(), u"-|03-15-26|($1,234.56)|Landlord, Inc. R1|FO|duplicate"_qs);
    }

    void aFileThatIsNoStatementGivesOneMessage()
    {
        copyStatement("truncated.ofx", u"cut.ofx"_qs);
        const QByteArray before = readBytes(u"2026CWK.DAT"_qs);
        main_->command(u"mnuImport"_qs)->trigger();
        QWidget* w = shownImportWindow();
        DialogDriver driver;
        typeFile(w, u"cut.ofx"_qs);
        typeFile(w, u"missing.qif"_qs);
        QCOMPARE(driver.seen.size(), 2);
        QCOMPARE(said(driver.seen[0]), u"Coinwick 2 | cut.ofx: line 58: the statement ends early: no </OFX> | warning | [Ok]"_qs);
        QVERIFY2(said(driver.seen[1]).startsWith(u"Coinwick 2 | missing.qif: "_qs), qPrintable(said(driver.seen[1])));
        QVERIFY(!control<QPushButton>(w, "ImpGo")->isEnabled());
        QCOMPARE(control<QTableView>(w, "ImpPreview")->model()->rowCount(), 0);
        QCOMPARE(readBytes(u"2026CWK.DAT"_qs), before);
    }

    void ofxFitidsAreRememberedForTheNextImport()
    {
        copyStatement("card.qfx", u"card.qfx"_qs);
        for (int round = 0; round < 2; ++round) {
            main_->command(u"mnuImport"_qs)->trigger();
            QPointer<QWidget> w = shownImportWindow();
            typeFile(w, u"card.qfx"_qs);
            QVERIFY(!control<QGroupBox>(w, "ImpMapping")->isVisible());
            DialogDriver driver;
            control<QPushButton>(w, "ImpGo")->click();
            QCOMPARE(said(driver.seen.value(0)),
                     round == 0 ? u"Coinwick 2 | 2 entries imported, 0 duplicates skipped, 0 for other years. | information | [Ok]"_qs
                                : u"Coinwick 2 | 0 entries imported, 2 duplicates skipped, 0 for other years. | information | [Ok]"_qs);
            QTRY_VERIFY(w.isNull());
        }
        QCOMPARE(readBytes(u"IMPORT.INI"_qs), QByteArray("[mappings]\n[fitids 2026]\nQ1\nQ2\n"));
    }

private:
    std::unique_ptr<WorkFolder> folder_;
    std::unique_ptr<cw::MainWindow> main_;
};

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
