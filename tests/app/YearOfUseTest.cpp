// A year of use, end to end: a new user starts the real program in an empty
// folder and works through its windows by their controls. Each step is
// mirrored in a writer of the test's own, and the files are compared with
// its bytes along the way and at the end.

#include "ReferenceFiles.h"

#include "app/Commands.h"
#include "support/DialogDriver.h"
#include "gui/main/MainWindow.h"
#include "support/WindowFixture.h"
#include "reports/PdfWords.h"
#include "gui/reports/ReportsWindow.h"
#include "support/RequireTool.h"
#include "support/Records.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace cwtest;
using reference::Entry;

namespace {

const QStringList kWords = {"Rent", "Groceries", "Fuel", "Coffee", "Book", "Gift", "Taxi", "Phone"};

// An amount in cents as a user may type it: grouped, with a dollar sign, or plain.
QString typed(qint64 cents, int style)
{
    QString whole = QString::number(cents / 100);
    const QString fraction = QStringLiteral(".%1").arg(cents % 100, 2, 10, QChar(u'0'));
    switch (style) {
    case 0:
        for (int i = int(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, u',');
        return whole + fraction;
    case 1:
        return u'$' + whole + fraction;
    default:
        return cents % 100 == 0 ? whole : whole + fraction;
    }
}

} // namespace

class YearOfUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<cw::MainWindow> w_;
    QMap<QString, reference::Ledger> data_;
    QMap<QString, reference::Categories> cats_;
    QByteArray settings_;
    QString year_ = QStringLiteral("2026");
    char flag_ = 'A';

    reference::Ledger& ledger() { return data_[year_]; }
    QString dataFile() const { return year_ + "CWK.DAT"; }
    QString catFile() const { return year_ + "CATS.DAT"; }

    void command(const char* key) { w_->command(QString::fromLatin1(key))->trigger(); }
    QPushButton* button(const char* name) const { return w_->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return w_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QGroupBox* frame(const char* name) const { return w_->findChild<QGroupBox*>(QString::fromLatin1(name)); }

    void pickCategory(int row)
    {
        QTableView* cats = w_->catList();
        cats->scrollTo(cats->model()->index(row, 0));
        QTest::mouseClick(cats->viewport(), Qt::LeftButton, {}, cats->visualRect(cats->model()->index(row, 0)).center());
    }

    void openRow(int row)
    {
        QTableView* list = w_->itemList();
        list->scrollTo(list->model()->index(row, 1));
        doubleClick(list->viewport(), list->visualRect(list->model()->index(row, 1)).center());
    }

    // New entry through the editor: category picked in the small list.
    void saveEntry(const QString& code, const QString& date, const QString& amount, const QString& note, bool income)
    {
        command("mnuNewItem");
        auto* small = w_->findChild<QTableView*>("SmCatList");
        small->setFocus();
        small->setCurrentIndex(small->model()->index(cats_[year_].rowOf(code), 1));
        QTest::keyClick(small, Qt::Key_Return);
        edit("DateEditor")->setText(date);
        edit("AmountEditor")->setText(amount);
        edit("NoteEditor")->setText(note);
        button(income ? "SaveNewIncome" : "SaveNewExpense")->click();
    }

    // What the user typed as the editor's date, as stored with the year.
    QString stored(const QString& date) const { return date + u'-' + year_.right(2); }

    bool filesMatch()
    {
        return readBytes(dataFile()) == ledger().bytes() && readBytes(catFile()) == cats_[year_].bytes();
    }

private slots:
    void initTestCase()
    {
        pinLocale();
        // No printer is reached: the report goes to a PDF file.
        qputenv("CUPS_SERVER", "/nonexistent/coinwick-no-cups.sock");
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        folder_ = std::make_unique<TempFolder>();
    }

    void cleanupTestCase()
    {
        w_.reset();
        folder_.reset();
    }

    void firstStartInAnEmptyFolder()
    {
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
        w_ = std::make_unique<cw::MainWindow>(kToday);
        cw::installCommands(*w_);
        DialogDriver none;
        QVERIFY(w_->load());
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QVERIFY(none.seen.isEmpty());
        settings_ = reference::newSettings(QStringLiteral("03-15-2026"));
        data_[year_];
        cats_[year_];
        QCOMPARE(readBytes("PERSONAL.DAT"), settings_);
        QVERIFY(filesMatch());
        QCOMPARE(QFileInfo(dataFile()).size(), 0);
    }

    void categoriesAreMade()
    {
        const QList<QPair<QString, QString>> made = {
            {"fo", " Food "}, {"py", "Pay"}, {"au", "Auto"}, {"ut", "Utilities"}, {"tx", "Taxes"}, {"x", "Misc"}};
        DialogDriver none;
        for (const auto& [code, name] : made) {
            command("mnuNewCategory");
            QVERIFY(frame("CatEdFrame")->isVisible());
            edit("CatEdCatCode")->setText(code);
            edit("CatEdCatName")->setText(name);
            button("CatEdSave")->click();
            cats_[year_].add(code, name);
            QCOMPARE(readBytes(catFile()), cats_[year_].bytes());
        }
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(w_->catList()->model()->rowCount(), 6);
    }

    void fewHundredEntriesAreSaved()
    {
        std::mt19937 rng(2026);
        const QStringList codes = {"FO", "PY", "AU", "UT", "TX", "X"};
        button("FullYear")->click();   // the whole year listed while entering
        auto none = std::make_unique<DialogDriver>();
        for (int i = 0; i < 300; ++i) {
            const QString code = codes[rng() % codes.size()];
            const bool income = code == "PY";
            const QString date = QStringLiteral("%1-%2").arg(int(rng() % 12 + 1), 2, 10, QChar(u'0')).arg(int(rng() % 28 + 1), 2, 10, QChar(u'0'));
            const qint64 cents = income ? qint64(rng() % 400000 + 100000) : qint64(rng() % 50000 + 1);
            const QString note = kWords[rng() % kWords.size()] + QStringLiteral(" %1").arg(i);
            saveEntry(code, date, typed(cents, i % 3), note, income);
            ledger().insert(Entry::make(stored(date), code, (income ? cents : -cents) * 100, note), flag_);
        }
        QVERIFY(none->seen.isEmpty());
        none.reset();
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 300);
        qint64 balance = 0;
        for (const Entry& e : ledger().entries)
            balance += e.amount();
        QCOMPARE(w_->findChild<QLabel*>("stbBalance")->text(), "  Balance = " + reference::dollars(balance) + "  ");

        // A refused entry is said and changes nothing.
        DialogDriver refused({Answer::press()});
        saveEntry("FO", "13-05", "10", "never", false);
        QCOMPARE(refused.seen.size(), 1);
        QCOMPARE(said(refused.seen[0]), "Entry Aborted | Invalid Date - 13-05-26 | warning | [Ok]");
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
    }

    void entriesAreOpenedReplacedAndDeleted()
    {
        QList<Entry>& e = ledger().entries;

        // Opened and left with Cancel: nothing changes.
        openRow(6);
        edit("AmountEditor")->setText("1");
        button("CancelEdit")->click();
        QCOMPARE(readBytes(dataFile()), ledger().bytes());

        // New amount and note; an expense stays an expense.
        {
            const Entry old = e[10];
            openRow(10);
            QCOMPARE(edit("NoteEditor")->text().toLatin1(), old.note().trimmed());
            edit("AmountEditor")->setText("77.7");
            edit("NoteEditor")->setText("Changed note");
            button("ReplaceRec")->click();
            const qint64 amount = old.amount() < 0 ? -777000 : 777000;
            ledger().replace(old, Entry::make(QString::fromLatin1(old.date()), QString::fromLatin1(old.code()), amount,
                                              QStringLiteral("Changed note")));
            QCOMPARE(readBytes(dataFile()), ledger().bytes());
        }
        // A new date: the entry keeps its place until the file is sorted.
        {
            const Entry old = e[20];
            openRow(20);
            edit("DateEditor")->setText("12-31");
            button("ReplaceRec")->click();
            Entry edited = old;
            edited.setDate(stored("12-31").toLatin1());
            ledger().replace(old, edited);
            QCOMPARE(readBytes(dataFile()), ledger().bytes());
        }
        // Save Income on an opened entry adds a new one.
        {
            const Entry opened = e[5];
            openRow(5);
            button("SaveNewIncome")->click();
            Entry added = opened;
            added.bytes.replace(10, 8, reference::littleEndian(std::abs(opened.amount()), 8));
            ledger().insert(added, flag_);
            QCOMPARE(readBytes(dataFile()), ledger().bytes());
        }
        // Delete from the editor, then with the Delete key on the list.
        {
            const Entry gone = e[30];
            openRow(30);
            DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
            button("KillRec")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(said(dialogs.seen[0]), "Confirm | Delete record ? | question | Yes/[No]");
            ledger().removeOne(gone);
            QCOMPARE(readBytes(dataFile()), ledger().bytes());
        }
        {
            const Entry gone = e[40];
            QTableView* list = w_->itemList();
            list->setFocus();
            list->setCurrentIndex(list->model()->index(40, 3));
            DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(dialogs.seen.size(), 1);
            ledger().removeOne(gone);
            QCOMPARE(readBytes(dataFile()), ledger().bytes());
        }
        QCOMPARE(w_->itemList()->model()->rowCount(), int(e.size()));
    }

    void categoriesAreRecoded()
    {
        // AU becomes CA: the category and its entries.
        pickCategory(cats_[year_].rowOf("AU"));
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("ca");
        edit("CatEdCatName")->setText("Car");
        {
            DialogDriver none;
            button("ReplaceCat")->click();
            QVERIFY(none.seen.isEmpty());
        }
        cats_[year_].replace("AU", "ca", "Car");
        ledger().recode("AU", "CA");
        QVERIFY(filesMatch());
        QCOMPARE(w_->state().selectedCategory, "CA");

        // FO keeps its code and gets a new name, without a warning.
        pickCategory(cats_[year_].rowOf("FO"));
        QCOMPARE(w_->state().selectedCategory, "FO");
        command("mnuChangeCategory");
        edit("CatEdCatName")->setText("Groceries");
        DialogDriver dialogs;
        button("ReplaceCat")->click();
        QVERIFY(dialogs.seen.isEmpty());
        cats_[year_].replace("FO", "FO", "Groceries");
        QVERIFY(filesMatch());
        button("FullYear")->click();
        QCOMPARE(w_->state().selectedCategory, "all");
    }

    void aCategoryIsDeletedWithItsEntries()
    {
        auto none = std::make_unique<DialogDriver>();
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("zz");
        edit("CatEdCatName")->setText("Short-lived");
        button("CatEdSave")->click();
        cats_[year_].add("zz", "Short-lived");
        for (const char* note : {"Trial one", "Trial two"}) {
            saveEntry("ZZ", "02-02", "9.99", QString::fromLatin1(note), false);
            ledger().insert(Entry::make(stored("02-02"), "ZZ", -99900, QString::fromLatin1(note)), flag_);
        }
        QVERIFY(none->seen.isEmpty());
        none.reset();
        QVERIFY(filesMatch());

        pickCategory(cats_[year_].rowOf("ZZ"));
        command("mnuChangeCategory");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::Yes)});
        button("CatDelete")->click();
        QCOMPARE(dialogs.seen.size(), 3);
        QCOMPARE(said(dialogs.seen[0]), "Confirm | Delete category Short-lived ? | warning | Yes/[No]");
        QCOMPARE(said(dialogs.seen[1]), "Confirm | Category deleted. Delete records too? | warning | Yes/[No]");
        QCOMPARE(said(dialogs.seen[2]), "Confirm | ARE YOU SURE? | critical | Yes/[No]");
        cats_[year_].remove("ZZ");
        ledger().removeCode("ZZ");
        QVERIFY(filesMatch());
        // Every entry is listed; the deleted code stays the selected one.
        QCOMPARE(w_->itemList()->model()->rowCount(), int(ledger().entries.size()));
        QCOMPARE(w_->state().selectedCategory, "ZZ");
        button("FullYear")->click();
    }

    void aMacroIsPlayed()
    {
        writeBytes("PAY.MCR", "'payday\r\nft\r\n-100.00 'federal\r\npayroll deduction\r\n\r\n"
                              "tx\r\n-35.5\r\nstate tax\r\npy\r\n2500\r\n  Paycheck\r\n");
        command("mnuShowMacro");
        QVERIFY(frame("MacroFrame")->isVisible());
        auto* list = w_->findChild<QListWidget*>("MacroSelect");
        const QList<QListWidgetItem*> found = list->findItems("PAY.MCR", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        doubleClick(list->viewport(), list->visualItemRect(found[0]).center());
        QCOMPARE(edit("MacroEd")->text(), "PAY.MCR");
        edit("MacDate")->setText("03-13");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        button("MacroPlay")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Confirm | Play macro file? | question | Yes/[No]");
        const QString date = stored("03-13");
        ledger().insert(Entry::make(date, "FT", -1000000, "payroll deduction"), flag_);
        ledger().insert(Entry::make(date, "TX", -355000, "state tax"), flag_);
        ledger().insert(Entry::make(date, "PY", 25000000, "  Paycheck"), flag_);
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
        QVERIFY(frame("MacroFrame")->isHidden());
    }

    void findGoesFromHitToHit()
    {
        QList<Answer> answers = {Answer::type("taxi"), Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::Yes),
                                 Answer::press(QMessageBox::No)};
        DialogDriver dialogs(answers);
        QStringList notesAtQuestions;
        dialogs.onEachDialog = [&](QWidget* d) {
            if (qobject_cast<QMessageBox*>(d))
                notesAtQuestions << w_->itemList()->currentIndex().siblingAtColumn(3).data().toString();
        };
        command("mnuFind");
        QCOMPARE(dialogs.seen.size(), 4);
        QCOMPARE(notesAtQuestions.size(), 3);
        for (const QString& note : notesAtQuestions)
            QVERIFY2(note.startsWith("Taxi "), qPrintable(note));
        QCOMPARE(notesAtQuestions.removeDuplicates(), 0);
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
    }

    void yearSwitchCopiesTheCategories()
    {
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(2027);
        {
            DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
            button("SetYear")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(dialogs.seen[0].title, "No categories!");
        }
        const reference::Categories copied = cats_[year_];
        year_ = QStringLiteral("2027");
        cats_[year_] = copied;
        data_[year_];
        QVERIFY(filesMatch());
        QCOMPARE(w_->state().dataFileName, "2027CWK.DAT");

        DialogDriver none;
        saveEntry("PY", "01-15", "3,000", "January pay", true);
        ledger().insert(Entry::make(stored("01-15"), "PY", 30000000, "January pay"), flag_);
        saveEntry("UT", "01-20", "$120.40", "Power", false);
        ledger().insert(Entry::make(stored("01-20"), "UT", -1204000, "Power"), flag_);
        saveEntry("FO", "01-15", "45", "Market", false);
        ledger().insert(Entry::make(stored("01-15"), "FO", -450000, "Market"), flag_);
        QVERIFY(filesMatch());

        // Back to 2026: its categories exist, nothing is asked.
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(2026);
        button("SetYear")->click();
        QVERIFY(none.seen.isEmpty());
        year_ = QStringLiteral("2026");
        QCOMPARE(w_->state().dataFileName, "2026CWK.DAT");
        QVERIFY(filesMatch());
    }

    void dateFormatChangeWithConversion()
    {
        {
            // The year holds entries: the converter's question follows at once.
            DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press(), Answer::press(QMessageBox::Yes)});
            command("mnuDateFormat");
            QCOMPARE(dialogs.seen.size(), 3);
            QCOMPARE(dialogs.seen[1].text, "Date format set to DD-MM-YY (E)");
            QCOMPARE(dialogs.seen[2].text, "Swap place of month and day in this year's data?");
        }
        settings_[95] = 'E';
        flag_ = 'E';
        QCOMPARE(readBytes("PERSONAL.DAT"), settings_);
        ledger().swapDayAndMonth();
        QCOMPARE(readBytes(dataFile()), ledger().bytes());

        // Day first from now on.
        DialogDriver none;
        saveEntry("TX", "25-02", "310.25", "Property tax", false);
        ledger().insert(Entry::make(stored("25-02"), "TX", -3102500, "Property tax"), flag_);
        saveEntry("PY", "28-02", "1,999.99", "Bonus", true);
        ledger().insert(Entry::make(stored("28-02"), "PY", 19999900, "Bonus"), flag_);
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
    }

    void theSorterRestoresTheOrder()
    {
        const QByteArray before = ledger().bytes();
        ledger().sort(flag_);
        QVERIFY(ledger().bytes() != before);   // the replaced date broke the order
        command("mnuSort");
        QWidget* sorter = topLevel("frmSorter");
        QVERIFY(sorter);
        QVERIFY(!w_->isEnabled());
        sorter->findChild<QPushButton*>("StartSort")->click();
        QTRY_COMPARE(sorter->findChild<QLabel*>("SorterLabel")->text(), "Finished!");
        QCOMPARE(readBytes(dataFile()), ledger().bytes());
        sorter->findChild<QPushButton*>("StopSort")->click();
        QVERIFY(w_->isEnabled());
    }

    void aReportIsViewedPrintedAndExported()
    {
        command("mnuReports");
        auto* reports = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
        QVERIFY(reports);
        const auto press = [reports](const char* key) { reports->command(QString::fromLatin1(key))->trigger(); };
        const auto panel = [reports](const char* key) { return reports->findChild<QLabel*>(QString::fromLatin1(key))->text(); };
        press("rtbAll");
        press("rtbFull");
        press("rtbView");
        QVERIFY(!reports->reportLines().isEmpty());
        QVERIFY(reports->reportLines().first().startsWith("Cashflow Record for Your Name (click Options)"));

        // The totals of the whole year: the macro's FT, which has no category,
        // joins All Cats as "(no category)".
        qint64 income = 0, expense = 0;
        int incomes = 0, expenses = 0;
        for (const Entry& e : ledger().entries) {
            if (e.amount() > 0)
                income += e.amount(), ++incomes;
            else if (e.amount() < 0)
                expense += e.amount(), ++expenses;
        }
        QCOMPARE(panel("RSBic"), QStringLiteral("(%1 Items) Income = %2 ").arg(incomes).arg(reference::dollars(income)));
        QCOMPARE(panel("RSBex"), QStringLiteral("(%1 Items) Expense = %2 ").arg(expenses).arg(reference::dollars(expense)));
        QCOMPARE(panel("RSBbal"), QStringLiteral("Balance = %1 ").arg(reference::dollars(income + expense)));

        // Printed through CommonDialog1's printer into a PDF file.
        auto* dialog = reports->findChild<QPrintDialog*>("CommonDialog1");
        QVERIFY(dialog);
        const QString pdf = QDir::current().absoluteFilePath("year.pdf");
        dialog->printer()->setOutputFileName(pdf);
        {
            DialogDriver none;
            press("rtbPrint");
            QVERIFY(none.seen.isEmpty());
        }
        QVERIFY(readBytes(pdf).startsWith("%PDF"));
        // The words on paper are the report's, page after page.
        {
            CW_QREQUIRE_TOOL(pdftotext, "pdftotext");
            QStringList printed;
            for (const PdfPage& page : pdfRows(pdftotext, pdf))
                for (const PdfRow& row : page)
                    printed << row.text();
            QStringList shown;
            for (const QString& line : reports->reportLines())
                if (!line.simplified().isEmpty())
                    shown << line.simplified();
            QVERIFY(printed.size() > 300);
            QCOMPARE(printed, shown);
        }

        // The export of the same categories and months.
        press("rmnuExport");
        QWidget* exporter = topLevel("frmExport");
        QVERIFY(exporter);
        QCOMPARE(exporter->findChild<QLabel*>("exRangeLab")->text(), "January through December, 2026; 7 categories.");
        QCOMPARE(exporter->findChild<QLineEdit*>("exFileName")->text(), "CWK_DATA.TXT");
        {
            DialogDriver dialogs({Answer::press()});
            exporter->findChild<QPushButton*>("ExportGo")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QVERIFY(dialogs.seen[0].text.startsWith("Finished!"));
        }
        QByteArray lines;
        for (const Entry& e : ledger().entries)
            lines += reference::exportLine(e, "2026");
        QCOMPARE(readBytes("CWK_DATA.TXT"), lines);
        QTRY_VERIFY(!topLevel("frmExport"));

        press("rmnuExit");
        QTRY_VERIFY(w_->isEnabled());
    }

    void aBackupCopiesTheFiles()
    {
        QTemporaryDir target;
        command("mnuBackup");
        QWidget* backup = topLevel("frmBackup");
        QVERIFY(backup);
        backup->findChild<QWidget*>("BackUpDir")->setProperty("path", target.path());
        {
            DialogDriver dialogs({Answer::press()});
            backup->findChild<QPushButton*>("RunBackup")->click();
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(dialogs.seen[0].text, "Finished");
        }
        const QStringList set = {"2026CATS.DAT", "2026CWK.DAT", "2027CATS.DAT", "2027CWK.DAT", "PAY.MCR", "PERSONAL.DAT"};
        QCOMPARE(QDir(target.path()).entryList(QDir::Files, QDir::Name), set);
        for (const QString& name : set)
            QVERIFY2(readBytes(target.path() + u'/' + name) == readBytes(name), qPrintable(name));
        backup->close();
        QVERIFY(w_->isEnabled());
    }

    void theFilesHoldWhatTheActionsWrote()
    {
        for (const QString& year : {QStringLiteral("2026"), QStringLiteral("2027")}) {
            QCOMPARE(readBytes(year + "CWK.DAT"), data_[year].bytes());
            QCOMPARE(readBytes(year + "CATS.DAT"), cats_[year].bytes());
        }
        QCOMPARE(readBytes("PERSONAL.DAT"), settings_);
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(YearOfUseTest)
#include "YearOfUseTest.moc"
