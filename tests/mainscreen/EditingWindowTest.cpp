// The editing panels of the real main window, driven by object name: the
// entry editor, the year selector and the category editor. Every change is
// checked against the files byte for byte.

#include "DialogDriver.h"
#include "Seed.h"

#include "mainscreen/MainWindow.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");

QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray bytesOf(const std::vector<LedgerEntry>& entries) { return cw::encodeRecords(entries); }
QByteArray bytesOf(const std::vector<cw::CategoryRecord>& categories) { return cw::encodeRecords(categories); }

// Fails every file the program tries to write, as a full or read-only disk would.
class ReadOnlyEnv : public cw::EnvWrapper {
public:
    ReadOnlyEnv() : EnvWrapper(cw::Env::posix()) {}
    cw::Status newWritableFile(const QString& p, std::unique_ptr<cw::WritableFile>*) override
    {
        return cw::Status::ioError(p, QStringLiteral("No space left on device"));
    }
};

} // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void init()
    {
        folder_ = std::make_unique<WorkFolder>();
        writeSampleYear();
    }
    void cleanup()
    {
        w_.reset();
        folder_.reset();
    }

    // ---- entry editor: new entries -------------------------------------

    void newEntryTakesTheFilteredCategoryAndKeepsTheFilter()
    {
        open();
        pickCategory(1);   // FO
        command("mnuNewItem");
        QVERIFY(frame("EntryEdFrame")->isVisible());
        QVERIFY(frame("EntryEdFrame")->isEnabled());
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");
        QCOMPARE(text("CatCodeLabel"), "FO");
        QCOMPARE(text("CatNameLabel"), "Food            ");
        QCOMPARE(edit("AmountEditor")->text(), "");
        QVERIFY(button("SaveNewExpense")->isEnabled());
        QVERIFY(button("SaveNewIncome")->isEnabled());
        QVERIFY(!button("ReplaceRec")->isEnabled());
        QVERIFY(!button("KillRec")->isEnabled());
        QVERIFY(!w_->itemList()->isEnabled());
        QVERIFY(!w_->catList()->isEnabled());
        QVERIFY(!w_->toolbar()->isEnabled());
        QCOMPARE(w_->focusWidget(), edit("DateEditor"));

        edit("AmountEditor")->setText("$1,234.50");
        edit("NoteEditor")->setText("Market");
        button("SaveNewExpense")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin(), entry("03-15-26", "FO", -12345000, "Market"));
        QCOMPARE(fileBytes(kData), bytesOf(expected));
        QCOMPARE(edit("AmountEditor")->text(), "1,234.50");   // cleaned text written back
        QCOMPARE(w_->state().selectedCategory, "FO");
        QCOMPARE(w_->itemList()->model()->rowCount(), 3);
        expectClosed();
    }

    void newEntryWithoutFilterWaitsForAPick()
    {
        open();
        w_->toolbar()->findChild<QAction*>("tbbNew")->trigger();
        QCOMPARE(text("CatCodeLabel"), "");
        QCOMPARE(text("CatNameLabel"), "(select)");
        QVERIFY(!button("SaveNewExpense")->isEnabled());
        QVERIFY(!button("SaveNewIncome")->isEnabled());
        QTableView* small = w_->findChild<QTableView*>("SmCatList");
        QCOMPARE(small->toolTip(), "Double-click or press <Enter> to select");
        QCOMPARE(small->model()->rowCount(), 3);
        small->setFocus();
        small->setCurrentIndex(small->model()->index(2, 1));
        QTest::keyClick(small, Qt::Key_Return);
        QCOMPARE(text("CatCodeLabel"), "PY");
        QCOMPARE(text("CatNameLabel"), "Pay             ");
        QVERIFY(button("SaveNewIncome")->isEnabled());

        edit("AmountEditor")->setText("-25");   // the minus is dropped
        button("SaveNewIncome")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin(), entry("03-15-26", "PY", 250000, ""));
        QCOMPARE(fileBytes(kData), bytesOf(expected));
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 6);
    }

    void insertKeyOpensANewEntryAndTodayFillsTheDate()
    {
        open();
        w_->itemList()->setFocus();
        QTest::keyClick(w_->itemList(), Qt::Key_Insert);
        QVERIFY(frame("EntryEdFrame")->isVisible());
        edit("DateEditor")->setText("01-01");
        button("Today")->click();
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");
        QCOMPARE(button("Today")->text(), "!");
        QCOMPARE(button("Today")->toolTip(), "Make Date = Today");
        button("CancelEdit")->click();
        expectClosed();
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
    }

    void refusedEntriesAreSaidAndThePanelCloses_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("noCategory");
        QTest::addColumn<QString>("message");
        QTest::newRow("month 13") << "13-05" << "10" << false << "Invalid Date - 13-05-26";
        QTest::newRow("unfilled date") << "" << "10" << false << "Invalid Date - __-__-26";
        QTest::newRow("no category") << "03-15" << "10" << true << "No Category Selected";
        QTest::newRow("two points") << "03-15" << "$1.2.3" << false << "Invalid Amount - $1.2.3";
        QTest::newRow("lone point") << "03-15" << " . " << false << "Invalid Amount -  . ";
        QTest::newRow("too large") << "03-15" << "99999999999999999" << false
                                   << "Invalid Amount - 99999999999999999";
    }
    void refusedEntriesAreSaidAndThePanelCloses()
    {
        QFETCH(QString, date);
        QFETCH(QString, amount);
        QFETCH(bool, noCategory);
        QFETCH(QString, message);
        open();
        if (noCategory)
            w_->state().selectedCategory.clear();   // as the category editor leaves it
        else
            pickCategory(1);
        command("mnuNewItem");
        QCOMPARE(text("CatCodeLabel"), noCategory ? "" : "FO");
        QVERIFY(button("SaveNewExpense")->isEnabled());
        edit("DateEditor")->setText(date);
        edit("AmountEditor")->setText(amount);
        DialogDriver dialogs({Answer::press()});
        button("SaveNewExpense")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, message);
        QCOMPARE(dialogs.seen[0].title, "Entry Aborted");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(dialogs.seen[0].buttons, QMessageBox::Ok);
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
        expectClosed();
    }

    void aFileThatCannotBeWrittenIsSaidAndNothingIsLost()
    {
        open();
        pickCategory(1);
        command("mnuNewItem");
        edit("AmountEditor")->setText("10");
        ReadOnlyEnv env;
        cw::ScopedEnv scoped(&env);
        DialogDriver dialogs({Answer::press()});
        button("SaveNewExpense")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QVERIFY(dialogs.seen[0].text.endsWith(": No space left on device"));
        QCOMPARE(dialogs.seen[0].title, "Coinwick 2");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
        expectClosed();
    }

    void storedTextBoxesTakeOnlyWindows1252()
    {
        open();
        command("mnuNewItem");
        QLineEdit* note = edit("NoteEditor");
        note->setFocus();
        for (QChar c : QStringView(u"a\u20AC\u2603b")) {
            QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(note, &typed);
        }
        QCOMPARE(note->text(), QStringView(u"a\u20ACb").toString());
        note->insert(QStringView(u"\u00E9\u4E2D\u00FF").toString());   // as a paste inserts
        QCOMPARE(note->text(), QStringView(u"a\u20ACb\u00E9\u00FF").toString());
        edit("CatEdCatName")->insert(QStringView(u"\u4E2DN").toString());
        QCOMPARE(edit("CatEdCatName")->text(), "N");
    }

    // ---- entry editor: opened entries ----------------------------------

    void openedExpenseShowsItsFieldsAndReplaceKeepsItNegative()
    {
        open();
        openRow(1);   // 03-10-26 FO ($42.50) Groceries
        QCOMPARE(edit("DateEditor")->displayText(), "03-10");
        QCOMPARE(edit("AmountEditor")->text(), "42.5");
        QCOMPARE(edit("NoteEditor")->text(), "Groceries");
        QCOMPARE(text("CatCodeLabel"), "FO");
        QCOMPARE(text("CatNameLabel"), "Food            ");
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            QVERIFY2(button(b)->isEnabled(), b);
        QVERIFY(!w_->itemList()->isEnabled());
        QVERIFY(!w_->catList()->isEnabled());
        QVERIFY(w_->toolbar()->isEnabled());

        edit("AmountEditor")->setText("1,234.50");
        edit("NoteEditor")->setText("Big shop");
        button("ReplaceRec")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected[1] = entry("03-10-26", "FO", -12345000, "Big shop");
        QCOMPARE(fileBytes(kData), bytesOf(expected));
        QVERIFY(!button("ReplaceRec")->isEnabled());
        expectClosed();
    }

    void replaceWithNothingChangedWritesTheEntryBackUnchanged()
    {
        // Four decimals and a note with leading blanks, as only a macro or
        // another program would store them.
        const std::vector<LedgerEntry> year = {entry("03-12-26", "FO", -123456, "  two blanks"),
                                               entry("03-11-26", "FO", 0, "zero")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        open();
        openRow(0);
        QCOMPARE(edit("AmountEditor")->text(), "12.3456");
        QCOMPARE(edit("NoteEditor")->text(), "  two blanks");
        DialogDriver dialogs;
        button("ReplaceRec")->click();
        QCOMPARE(fileBytes(kData), bytesOf(year));
        openRow(1);   // a zero entry: 0, found by amount 0
        QCOMPARE(edit("AmountEditor")->text(), "0");
        edit("NoteEditor")->setText("zero checked");
        button("ReplaceRec")->click();
        QVERIFY(dialogs.seen.isEmpty());
        QCOMPARE(fileBytes(kData), bytesOf({year[0], entry("03-11-26", "FO", 0, "zero checked")}));
    }

    void replaceOfAnEntryNoLongerInTheFileIsSaid()
    {
        open();
        openRow(1);
        std::vector<LedgerEntry> changed = sampleYear();
        changed.erase(changed.begin() + 1);
        must(cw::writeRecords(*cw::Env::posix(), kData, changed));
        DialogDriver dialogs({Answer::press()});
        button("ReplaceRec")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "Entry not found - nothing changed");
        QCOMPARE(dialogs.seen[0].title, "Entry Aborted");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(fileBytes(kData), bytesOf(changed));
        expectClosed();
    }

    void saveIncomeOnAnOpenedExpenseAddsANewEntry()
    {
        open();
        openRow(1);
        button("SaveNewIncome")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        // An equal key goes in front of the entry already there.
        expected.insert(expected.begin() + 1, entry("03-10-26", "FO", 425000, "Groceries"));
        QCOMPARE(fileBytes(kData), bytesOf(expected));
    }

    void cancelAfterOpeningChangesNothing()
    {
        open();
        openRow(0);
        edit("AmountEditor")->setText("1");
        button("CancelEdit")->click();
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
        expectClosed();
        QCOMPARE(w_->focusWidget(), w_->itemList());
    }

    void deleteKeyRemovesOneOfTwoIdenticalEntries()
    {
        const LedgerEntry twin = entry("03-10-26", "FO", -425000, "Groceries");
        const std::vector<LedgerEntry> year = {twin, twin, entry("03-01-26", "FO", -100, "x")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        open();
        QTableView* list = w_->itemList();
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 3));   // the Note cell of the second twin

        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(no.seen.size(), 1);
            QCOMPARE(no.seen[0].text, "Delete record ?");
            QCOMPARE(no.seen[0].title, "Confirm");
            QCOMPARE(no.seen[0].icon, QMessageBox::Question);
            QCOMPARE(no.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(no.seen[0].defaultButton, QMessageBox::No);
            QCOMPARE(fileBytes(kData), bytesOf(year));
        }
        list->setCurrentIndex(list->model()->index(1, 0));
        {
            DialogDriver yes({Answer::press(QMessageBox::Yes)});
            QTest::keyClick(list, Qt::Key_Delete);
        }
        QCOMPARE(fileBytes(kData), bytesOf({twin, year[2]}));
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(w_->focusWidget(), list);

        // No current cell: Delete and Enter do nothing.
        QVERIFY(!list->currentIndex().isValid());
        DialogDriver none;
        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(none.seen.isEmpty());
        QVERIFY(frame("EntryEdFrame")->isHidden());
    }

    void deleteButtonRemovesTheOpenedEntryEvenWithChangedFields()
    {
        open();
        openRow(3);   // 02-28-26 FO ($7.25) Lunch
        edit("AmountEditor")->setText("99");
        edit("NoteEditor")->setText("changed");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        button("KillRec")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "Delete record ?");
        std::vector<LedgerEntry> expected = sampleYear();
        expected.erase(expected.begin() + 3);
        QCOMPARE(fileBytes(kData), bytesOf(expected));
        expectClosed();
    }

    // ---- year selection ------------------------------------------------

    void yearSwitchAnsweredYesCopiesTheCategories()
    {
        open();
        pickCategory(1);
        command("mnuYear");
        QVERIFY(frame("YearEdFrame")->isVisible());
        QVERIFY(frame("YearEdFrame")->isEnabled());
        QVERIFY(!w_->toolbar()->isEnabled());
        QVERIFY(!w_->itemList()->isEnabled());
        QCOMPARE(text("CurYear"), "2026");
        w_->findChild<QSpinBox*>("DataYear")->stepUp();
        QCOMPARE(text("CurYear"), "2027");

        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        button("SetYear")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "There is no category file for 2027\nCopy over 2026's categories ?");
        QCOMPARE(dialogs.seen[0].title, "No categories!");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Question);
        QCOMPARE(dialogs.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(fileBytes("2027CATS.DAT"), fileBytes(kCats));
        QCOMPARE(fileSize("2027CWK.DAT"), 0);
        QCOMPARE(w_->state().dataFileName, "2027CWK.DAT");
        QCOMPARE(w_->state().categoryFileName, "2027CATS.DAT");
        QCOMPARE(w_->state().selectedCategory, "FO");   // unchanged, though all are listed
        QCOMPARE(w_->catList()->model()->rowCount(), 3);
        QCOMPARE(w_->itemList()->model()->rowCount(), 0);
        QCOMPARE(text("stbYear"), "  Active Year = 2027  ");
        QCOMPARE(text("SmYr"), "2027");
        QVERIFY(frame("YearEdFrame")->isHidden());
        QVERIFY(!frame("YearEdFrame")->isEnabled());
        QVERIFY(w_->toolbar()->isEnabled());
        QVERIFY(w_->catList()->isEnabled());
        QCOMPARE(w_->focusWidget(), w_->itemList());
    }

    void yearSwitchAnsweredNoLeavesTheYearWithoutCategories()
    {
        open();
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(1999);
        {
            DialogDriver dialogs({Answer::press(QMessageBox::No)});
            button("SetYear")->click();
            QCOMPARE(dialogs.seen.size(), 1);
        }
        QCOMPARE(fileSize("1999CATS.DAT"), 0);   // made by the listing
        QCOMPARE(w_->catList()->model()->rowCount(), 0);

        // Back to 2026: its categories exist, so nothing is asked.
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(2026);
        DialogDriver none;
        button("SetYear")->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(w_->catList()->model()->rowCount(), 3);
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
    }

    void yearCancelChangesNothing()
    {
        open();
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(2030);
        button("YearOff")->click();
        QCOMPARE(text("CurYear"), "2030");   // keeps what it shows
        QCOMPARE(w_->state().dataFileName, kData);
        QCOMPARE(text("stbYear"), "   Active Year = 2026  ");
        QVERIFY(frame("YearEdFrame")->isHidden());
        QVERIFY(w_->toolbar()->isEnabled());
        QCOMPARE(fileSize("2030CATS.DAT"), -1);
        // The selector opens on today's year; the spinner keeps its value.
        command("mnuYear");
        QCOMPARE(text("CurYear"), "2026");
        QCOMPARE(w_->findChild<QSpinBox*>("DataYear")->value(), 2030);
    }

    // ---- category editor -----------------------------------------------

    void categorySaveStoresTrimmedUpperCaseCodeInOrder()
    {
        open();
        pickCategory(1);
        command("mnuNewCategory");
        QVERIFY(frame("CatEdFrame")->isVisible());
        QCOMPARE(w_->state().selectedCategory, "");
        QCOMPARE(edit("CatEdCatCode")->maxLength(), 2);
        QCOMPARE(edit("CatEdCatName")->maxLength(), 16);
        QVERIFY(!button("ReplaceCat")->isEnabled());
        QVERIFY(!button("CatDelete")->isEnabled());
        edit("CatEdCatCode")->setText("ft");
        edit("CatEdCatName")->setText(" Fuel ");
        button("CatEdSave")->click();
        QCOMPARE(fileBytes(kCats), bytesOf({category("A", "Auto"), category("FO", "Food"), category("FT", "Fuel"),
                                            category("PY", "Pay")}));
        QVERIFY(frame("CatEdFrame")->isHidden());
        QCOMPARE(w_->catList()->model()->rowCount(), 4);
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
    }

    void categoryChecksComeInOrderAndHideTheFrame()
    {
        open();
        DialogDriver dialogs({Answer::press(), Answer::press(), Answer::press()});
        command("mnuNewCategory");
        command("mnuChangeCategory");   // New Category cleared the selection
        edit("CatEdCatCode")->setText("  ");
        edit("CatEdCatName")->setText("");
        button("CatEdSave")->click();
        QVERIFY(frame("CatEdFrame")->isHidden());
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("Q");
        edit("CatEdCatName")->setText(" ");
        button("CatEdSave")->click();
        QCOMPARE(dialogs.seen.size(), 3);
        QCOMPARE(dialogs.seen[0].text, "Please select a category");
        QCOMPARE(dialogs.seen[0].title, "Nothing to do!");
        QCOMPARE(dialogs.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(dialogs.seen[1].text, "No category code!");
        QCOMPARE(dialogs.seen[1].title, "Entry Aborted");
        QCOMPARE(dialogs.seen[2].text, "No category name!");
        QCOMPARE(fileBytes(kCats), bytesOf(sampleCategories()));
    }

    void categorySaveOfAnExistingCodeWarnsFirst()
    {
        open();
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("fo");
        edit("CatEdCatName")->setText("Fodder");
        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            button("CatEdSave")->click();
            QCOMPARE(no.seen.size(), 1);
            QCOMPARE(no.seen[0].text, "Category FO already exists!\nIf you continue, records from this and\n"
                                      " will be mixed together, and you\nwill not be able to separate them!\nContinue?");
            QCOMPARE(no.seen[0].title, "Confirm");
            QCOMPARE(no.seen[0].icon, QMessageBox::Warning);
            QCOMPARE(no.seen[0].defaultButton, QMessageBox::No);
            QCOMPARE(fileBytes(kCats), bytesOf(sampleCategories()));
        }

        // A one-character code counts as the code and a blank.
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("a");
        edit("CatEdCatName")->setText("Again");
        DialogDriver yes({Answer::press(QMessageBox::Yes)});
        button("CatEdSave")->click();
        QCOMPARE(yes.seen.size(), 1);
        QVERIFY(yes.seen[0].text.startsWith("Category A already exists!"));
        QCOMPARE(fileBytes(kCats), bytesOf({category("A", "Auto"), category("A", "Again"), category("FO", "Food"),
                                            category("PY", "Pay")}));
    }

    void categoryReplaceRecodesTheEntries()
    {
        open();
        pickCategory(1);
        command("mnuChangeCategory");
        QCOMPARE(edit("CatEdCatCode")->text(), "FO");
        QCOMPARE(edit("CatEdCatName")->text(), "Food            ");
        QVERIFY(button("ReplaceCat")->isEnabled());
        QVERIFY(button("CatDelete")->isEnabled());
        edit("CatEdCatCode")->setText("ax");
        edit("CatEdCatName")->setText("Axles");
        DialogDriver none;
        button("ReplaceCat")->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(fileBytes(kCats), bytesOf({category("A", "Auto"), category("AX", "Axles"), category("PY", "Pay")}));
        std::vector<LedgerEntry> expected = sampleYear();
        expected[1].setCode("AX");
        expected[3].setCode("AX");
        QCOMPARE(fileBytes(kData), bytesOf(expected));
        QCOMPARE(w_->state().selectedCategory, "AX");
        QCOMPARE(w_->itemList()->model()->rowCount(), 2);
        QVERIFY(frame("CatEdFrame")->isHidden());
        QVERIFY(button("ReplaceCat")->isEnabled());   // stays enabled from now on
    }

    void categoryReplaceKeepingTheCodeWarnsAndChangesOnlyTheName()
    {
        open();
        pickCategory(1);
        command("mnuChangeCategory");
        edit("CatEdCatName")->setText("Groceries");
        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            button("ReplaceCat")->click();
            QCOMPARE(no.seen.size(), 1);
            QVERIFY(no.seen[0].text.contains("\nFO will be mixed together, and you\n"));
            QCOMPARE(fileBytes(kCats), bytesOf(sampleCategories()));
        }

        command("mnuChangeCategory");
        edit("CatEdCatName")->setText("Groceries");
        DialogDriver yes({Answer::press(QMessageBox::Yes)});
        button("ReplaceCat")->click();
        QCOMPARE(fileBytes(kCats), bytesOf({category("A", "Auto"), category("FO", "Groceries"), category("PY", "Pay")}));
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
    }

    void twoCategoriesWithOneCode()
    {
        const std::vector<cw::CategoryRecord> cats = {category("FT", "First"), category("FT", "Second")};
        must(cw::writeRecords(*cw::Env::posix(), kCats, cats));
        open();
        pickCategory(0);
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("GA");
        button("ReplaceCat")->click();
        QCOMPARE(fileBytes(kCats), bytesOf({category("FT", "Second"), category("GA", "First")}));

        w_->findChild<QPushButton*>("FullYear")->click();
        pickCategory(0);
        const std::vector<cw::CategoryRecord> twice = {category("FT", "First"), category("FT", "Second")};
        must(cw::writeRecords(*cw::Env::posix(), kCats, twice));
        command("mnuChangeCategory");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::No)});
        button("CatDelete")->click();
        QCOMPARE(fileBytes(kCats), bytesOf({category("FT", "Second")}));
    }

    void categoryReplaceWithNoCategoryOfTheSelectedCodeChangesNothing()
    {
        open();
        pickCategory(1);
        command("mnuChangeCategory");   // enables Replace for good
        command("mnuNewCategory");      // and clears the selection
        edit("CatEdCatCode")->setText("ZZ");
        edit("CatEdCatName")->setText("Zed");
        DialogDriver dialogs({Answer::press()});
        button("ReplaceCat")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(dialogs.seen[0].text, "Category not found - nothing changed");
        QCOMPARE(dialogs.seen[0].title, "Entry Aborted");
        QCOMPARE(fileBytes(kCats), bytesOf(sampleCategories()));
        QCOMPARE(fileBytes(kData), bytesOf(sampleYear()));
        QCOMPARE(w_->state().selectedCategory, "");
    }

    void categoryDeleteAnswers_data()
    {
        QTest::addColumn<QList<int>>("answers");   // Yes = 1, No = 0
        QTest::addColumn<bool>("categoryGoes");
        QTest::addColumn<bool>("entriesGo");
        QTest::newRow("no") << QList<int>{0} << false << false;
        QTest::newRow("yes, no") << QList<int>{1, 0} << true << false;
        QTest::newRow("yes, yes, no") << QList<int>{1, 1, 0} << true << false;
        QTest::newRow("yes, yes, yes") << QList<int>{1, 1, 1} << true << true;
    }
    void categoryDeleteAnswers()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, categoryGoes);
        QFETCH(bool, entriesGo);
        open();
        pickCategory(0);   // "A ", a one-character code
        command("mnuChangeCategory");
        QCOMPARE(edit("CatEdCatCode")->text(), "A ");
        QList<Answer> presses;
        for (int a : answers)
            presses << Answer::press(a ? QMessageBox::Yes : QMessageBox::No);
        DialogDriver dialogs(presses);
        button("CatDelete")->click();
        QCOMPARE(dialogs.seen.size(), answers.size());
        const QStringList texts = {"Delete category Auto ?", "Category deleted. Delete records too?", "ARE YOU SURE?"};
        const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Warning, QMessageBox::Critical};
        for (int i = 0; i < dialogs.seen.size(); ++i) {
            QCOMPARE(dialogs.seen[i].text, texts[i]);
            QCOMPARE(dialogs.seen[i].title, "Confirm");
            QCOMPARE(dialogs.seen[i].icon, icons[i]);
            QCOMPARE(dialogs.seen[i].defaultButton, QMessageBox::No);
        }
        std::vector<cw::CategoryRecord> cats = sampleCategories();
        if (categoryGoes)
            cats.erase(cats.begin());
        QCOMPARE(fileBytes(kCats), bytesOf(cats));
        std::vector<LedgerEntry> year = sampleYear();
        if (entriesGo)
            year = {year[0], year[1], year[3]};
        QCOMPARE(fileBytes(kData), bytesOf(year));
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
        QCOMPARE(w_->state().selectedCategory, "A ");
        // After the delete question the list shows every entry; No there ends at once.
        QCOMPARE(w_->itemList()->model()->rowCount(), categoryGoes ? int(year.size()) : 2);
    }

    void categoryCancelClearsTheSelection()
    {
        open();
        pickCategory(1);
        command("mnuChangeCategory");
        button("CatEdCancel")->click();
        QVERIFY(frame("CatEdFrame")->isHidden());
        QCOMPARE(w_->state().selectedCategory, "");
        QCOMPARE(fileBytes(kCats), bytesOf(sampleCategories()));
    }

private:
    void open()
    {
        w_ = std::make_unique<cw::MainWindow>(kToday);
        QVERIFY(w_->load());
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    void command(const char* key) { w_->command(QString::fromLatin1(key))->trigger(); }

    void pickCategory(int row)
    {
        QTableView* cats = w_->catList();
        QTest::mouseClick(cats->viewport(), Qt::LeftButton, {}, cats->visualRect(cats->model()->index(row, 0)).center());
    }

    void openRow(int row)
    {
        QTableView* list = w_->itemList();
        // A click, then the double-click event the second press of a pair brings.
        const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &second);
        QVERIFY(frame("EntryEdFrame")->isVisible());
    }

    void expectClosed()
    {
        QVERIFY(frame("EntryEdFrame")->isHidden());
        QVERIFY(!frame("EntryEdFrame")->isEnabled());
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            QVERIFY2(!button(b)->isEnabled(), b);
        QVERIFY(w_->itemList()->isEnabled());
        QVERIFY(w_->catList()->isEnabled());
        QVERIFY(w_->toolbar()->isEnabled());
    }

    QGroupBox* frame(const char* name) const { return w_->findChild<QGroupBox*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return w_->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return w_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString text(const char* name) const { return w_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

    std::unique_ptr<WorkFolder> folder_;
    std::unique_ptr<cw::MainWindow> w_;
};

QTEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"
