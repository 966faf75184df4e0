// Results a user can trust, through the real windows: a category picked twice
// counts once, All Cats leaves no entry out, the date order switches with the
// dates, a refused entry keeps its typing, typos and impossible dates are
// refused, the category editor warns only about other categories, and today
// is read when it is used.

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "reports/ReportsWindowHarness.h"

#include "core/reports/ReportGenerator.h"
#include "store/RecordFile.h"
#include "core/tools/CommaExport.h"

#include <QLabel>
#include <QSpinBox>
#include <QTimer>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");

// The sample year with two codes the category file lacks, as a category
// deleted with its entries kept leaves them.
std::vector<LedgerEntry> yearWithOrphans()
{
    std::vector<LedgerEntry> year = sampleYear();
    year.insert(year.begin() + 4, {entry("02-11-26", "ZZ", -1589560, "Old gym"), entry("01-20-26", "GY", 500000, "Refund")});
    return year;
}

QStringList linesOf(const cw::ReportText& text) { return text.toStringList(); }

} // namespace

class TrustedResultsTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        pinLocale();
        hideThePrinters();
    }
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    void aCategoryPickedTwiceCountsOnce()
    {
        ReportsHarness h;
        h.press("rtbSelectCats");
        h.clickRow("RepCatList_A", 1);   // FO
        h.clickRow("RepCatList_A", 1);
        QCOMPARE(h.codes("RepCatList_B"), QStringList{"FO"});
        h.press("rtbView");
        cw::ReportRequest request;
        request.dataFileName = kData;
        request.userName = h.main.state().userName;
        request.today = kToday;
        const cw::ReportResult once = cw::viewReport(*cw::Env::current(), {category("FO", "Food")}, request);
        QCOMPARE(h.window->reportLines(), linesOf(once.lines));

        h.window->command(QStringLiteral("rmnuExport"))->trigger();
        QCOMPARE(readBytes(QStringLiteral("tempcats.$$$")), QByteArray(18, '\0') + cw::encodeRecords(std::vector{category("FO", "Food")}));
        topLevel("frmExport")->close();
    }

    void allCatsTakesEveryCodeTheYearCarries()
    {
        ReportsHarness h;
        must(cw::writeRecords(*cw::Env::posix(), kData, yearWithOrphans()));
        h.press("rtbAll");
        QCOMPARE(h.codes("RepCatList_B"), (QStringList{"A ", "FO", "PY", "GY", "ZZ"}));
        h.press("rtbFull");
        h.press("rtbView");

        std::vector<cw::CategoryRecord> all = sampleCategories();
        all.push_back(category("GY", "(no category)"));
        all.push_back(category("ZZ", "(no category)"));
        cw::ReportRequest request;
        request.dataFileName = kData;
        request.full = true;
        request.userName = h.main.state().userName;
        request.today = kToday;
        const cw::ReportResult expected = cw::viewReport(*cw::Env::current(), all, request);
        QCOMPARE(h.window->reportLines(), linesOf(expected.lines));
        // Income 1,550.00 and expense 498.706 (rounded), as the main window counts the whole year.
        QCOMPARE(h.panel("RSBic"), QStringLiteral("(2 Items) Income = $1,550.00 "));
        QCOMPARE(h.panel("RSBex"), QStringLiteral("(4 Items) Expense = ($508.71) "));
        h.main.FullYear_Click();
        QCOMPARE(h.main.findChild<QLabel*>("stbIncome")->text().contains("$1,550.00"), true);
        QCOMPARE(h.main.findChild<QLabel*>("stbExpense")->text().contains("$508.71"), true);

        // The export counts them too: every entry of the year, once, in file order.
        h.window->command(QStringLiteral("rmnuExport"))->trigger();
        QWidget* exporter = topLevel("frmExport");
        QVERIFY(exporter);
        exporter->findChild<QLineEdit*>("exFileName")->setText("ALL.TXT");
        {
            DialogDriver driver;
            exporter->findChild<QPushButton*>("ExportGo")->click();
        }
        QByteArray lines;
        for (const LedgerEntry& e : yearWithOrphans())
            lines += cw::exportLine(e, QStringLiteral("2026"), u'.');
        QCOMPARE(readBytes(QStringLiteral("ALL.TXT")), lines);
        exporter->close();
    }

    void switchingTheDateOrderOffersToConvertTheYear()
    {
        const QByteArray before = readBytes(kData);
        for (const bool convert : {true, false}) {
            must(cw::writeRecords(*cw::Env::posix(), kData, sampleYear()));
            open();
            DialogDriver driver({Answer::press(QMessageBox::Yes), Answer::press(),
                                 Answer::press(convert ? QMessageBox::Yes : QMessageBox::No)});
            command("mnuDateFormat");
            QCOMPARE(driver.seen.size(), 3);
            QCOMPARE(said(driver.seen[2]), QStringLiteral("Convert date format of existing records | Swap place of month "
                                                          "and day in this year's data? | question | Yes/[No]"));
            QCOMPARE(w_->state().dateFlag, QChar(u'E'));
            std::vector<LedgerEntry> swapped = sampleYear();
            for (LedgerEntry& e : swapped)
                e.setDate(e.dateText().mid(3, 3) + e.dateText().left(3) + e.dateText().mid(6));
            QCOMPARE(readBytes(kData), convert ? cw::encodeRecords(swapped) : before);
            w_.reset();
            QFile::remove(cw::kPersonalFileName);
        }
    }

    void aRefusedEntryKeepsWhatWasTyped()
    {
        open();
        command("mnuNewCategory");
        button("CatEdCancel")->click();   // no category selected now
        command("mnuNewItem");
        const auto typeIn = [this](const char* date, const char* amount) {
            edit("DateEditor")->setText(date);
            edit("AmountEditor")->setText(amount);
            edit("NoteEditor")->setText("Market");
        };
        const QByteArray before = readBytes(kData);
        struct Refusal {
            const char* date;
            const char* amount;
            const char* said;
            const char* focus;
        };
        const Refusal refusals[] = {
            {"03-16", "12.00", "No Category Selected", "SmCatList"},
            {"13-45", "12.00", "Invalid Date - 13-45-26", "DateEditor"},
            {"02-29", "12.00", "Invalid Date - 02-29-26", "DateEditor"},
            {"04-31", "12.00", "Invalid Date - 04-31-26", "DateEditor"},
            {"03-16", "1O0.00", "Invalid Amount - 1O0.00", "AmountEditor"},
            {"03-16", "abc", "Invalid Amount - abc", "AmountEditor"},
        };
        for (const Refusal& r : refusals) {
            typeIn(r.date, r.amount);
            DialogDriver driver;
            button("SaveNewExpense")->click();
            QCOMPARE(driver.seen.size(), 1);
            QCOMPARE(said(driver.seen[0]), QStringLiteral("Entry Aborted | %1 | warning | [Ok]").arg(r.said));
            QVERIFY(frame("EntryEdFrame")->isVisible());
            QCOMPARE(edit("DateEditor")->displayText(), QString::fromLatin1(r.date));
            QCOMPARE(edit("AmountEditor")->text(), QString::fromLatin1(r.amount));
            QCOMPARE(edit("NoteEditor")->text(), QStringLiteral("Market"));
            QCOMPARE(w_->focusWidget() ? w_->focusWidget()->objectName() : QString(), QString::fromLatin1(r.focus));
            QCOMPARE(readBytes(kData), before);
            if (&r == &refusals[0]) {
                // One click on a row chooses its category.
                QTableView* cats = w_->findChild<QTableView*>("SmCatList");
                QTest::mouseClick(cats->viewport(), Qt::LeftButton, {}, cats->visualRect(cats->model()->index(1, 0)).center());
                QCOMPARE(w_->findChild<QLabel*>("CatCodeLabel")->text(), QStringLiteral("FO"));
                // So does an arrow key.
                QTest::keyClick(cats, Qt::Key_Down);
                QCOMPARE(w_->findChild<QLabel*>("CatCodeLabel")->text(), QStringLiteral("PY"));
                QTest::keyClick(cats, Qt::Key_Up);
                QCOMPARE(w_->findChild<QLabel*>("CatCodeLabel")->text(), QStringLiteral("FO"));
            }
        }
        // A trailing minus and a bracketed amount with its symbol are amounts.
        typeIn("03-16", "$1,234.50-");
        button("SaveNewExpense")->click();
        QVERIFY(!frame("EntryEdFrame")->isVisible());
        std::vector<LedgerEntry> after = sampleYear();
        after.insert(after.begin(), entry("03-16-26", "FO", -12345000, "Market"));
        QCOMPARE(readBytes(kData), cw::encodeRecords(after));

        // Replace keeps its mode after a refusal.
        openRow(0);
        edit("AmountEditor")->setText("12-");
        edit("DateEditor")->setText("02-30");
        {
            DialogDriver driver;
            button("ReplaceRec")->click();
            QCOMPARE(driver.seen.size(), 1);
        }
        QVERIFY(button("ReplaceRec")->isEnabled() && button("KillRec")->isEnabled());
        edit("DateEditor")->setText("03-16");
        button("ReplaceRec")->click();
        after[0] = entry("03-16-26", "FO", -120000, "Market");
        QCOMPARE(readBytes(kData), cw::encodeRecords(after));
    }

    void theCategoryEditorWarnsOnlyAboutOtherCategories()
    {
        open();
        {
            DialogDriver driver;
            command("mnuChangeCategory");   // the whole year: no category chosen
            QCOMPARE(driver.seen.size(), 1);
            QCOMPARE(said(driver.seen[0]), QStringLiteral("Nothing to do! | Please select a category | warning | [Ok]"));
            QVERIFY(!frame("CatEdFrame")->isVisible());
        }
        pickCategory(1);   // FO
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("fo ");
        edit("CatEdCatName")->setText("Groceries");
        DialogDriver driver;
        button("ReplaceCat")->click();
        QCOMPARE(driver.seen.size(), 0);
        QCOMPARE(readBytes(QStringLiteral("2026CATS.DAT")),
                 cw::encodeRecords(std::vector{category("A", "Auto"), category("FO", "Groceries"), category("PY", "Pay")}));
        QCOMPARE(readBytes(kData), cw::encodeRecords(sampleYear()));
    }

    void todayIsReadWhenItIsUsed()
    {
        QDate today(2026, 12, 31);
        w_ = std::make_unique<cw::MainWindow>([&today] { return today; });
        cw::installCommands(*w_);
        QVERIFY(w_->load());
        w_->show();
        today = QDate(2027, 1, 1);   // midnight passes while the program runs

        w_->findChild<QTimer*>("DateTimer")->start(1);
        QTRY_COMPARE(w_->findChild<QLabel*>("stbDate")->text(), QLocale().toString(today, QLocale::ShortFormat));
        command("mnuNewItem");
        QCOMPARE(edit("DateEditor")->displayText(), QStringLiteral("01-01"));
        edit("DateEditor")->setText("05-05");
        button("Today")->click();
        QCOMPARE(edit("DateEditor")->displayText(), QStringLiteral("01-01"));
        button("CancelEdit")->click();
        command("mnuShowMacro");
        QCOMPARE(edit("MacDate")->displayText(), QStringLiteral("01-01"));
        button("MacroCancel")->click();
        command("mnuYear");
        QCOMPARE(w_->findChild<QLabel*>("CurYear")->text(), QStringLiteral("2027"));
        QCOMPARE(w_->state().year(), QStringLiteral("2026"));   // the active year stays
        button("YearOff")->click();

        command("mnuReports");
        cw::ReportsWindow* reports = openReportsWindow();
        QVERIFY(reports);
        reports->command(QStringLiteral("rtbAll"))->trigger();
        reports->command(QStringLiteral("rtbView"))->trigger();
        QVERIFY(reports->reportLines().value(0).endsWith(QStringLiteral("Printed: 01-01-2027")));
        reports->close();
        w_.reset();
    }
};

QTEST_MAIN(TrustedResultsTest)
#include "TrustedResultsTest.moc"
