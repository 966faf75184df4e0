// The editing panels of the real main window, driven by object name: the
// entry editor, the year selector and the category editor. Every change is
// checked against the files byte for byte.

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"
#include "support/TempFolder.h"

#include "gui/main/MainWindow.h"

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

template <class R>
QByteArray bytesOf(const std::vector<R>& records) { return cw::encodeRecords(records); }

bool noWorkFilesLeft() { return QDir().entryList({"*.$$$"}, QDir::Files).isEmpty(); }

} // namespace

class EditingWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    // ---- entry editor ----------------------------------------------------

    void newEntryTakesTheFilteredCategoryAndKeepsTheFilter()
    {
        open();
        pickCategory(1);   // FO
        command("mnuNewItem");
        expectOpen(true);
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");
        QCOMPARE(text("CatCodeLabel") + '|' + text("CatNameLabel"), "FO|Food            ");
        QVERIFY(button("SaveNewExpense")->isEnabled() && button("SaveNewIncome")->isEnabled());
        QVERIFY(!button("ReplaceRec")->isEnabled() && !button("KillRec")->isEnabled());
        QCOMPARE(w_->focusWidget(), edit("DateEditor"));
        // Tab goes through the fields a user fills, then the buttons; "!" last.
        QStringList chain;
        for (QWidget* w = edit("DateEditor"); chain.size() < 10; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain.join(' '), "DateEditor AmountEditor NoteEditor SmCatList SaveNewExpense SaveNewIncome ReplaceRec "
                                  "KillRec CancelEdit Today");
        // Every grid selects whole rows.
        for (QTableView* grid : w_->findChildren<QTableView*>())
            QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);

        edit("AmountEditor")->setText("$1,234.50");
        edit("NoteEditor")->setText("Market");
        button("SaveNewExpense")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin(), entry("03-15-26", "FO", -12345000, "Market"));
        QCOMPARE(readBytes(kData), bytesOf(expected));
        QCOMPARE(edit("AmountEditor")->text(), "1,234.50");   // the cleaned text, written back
        QCOMPARE(w_->state().selectedCategory, "FO");
        QCOMPARE(w_->itemList()->model()->rowCount(), 3);
        expectClosed();
    }

    void newEntryWithoutFilterWaitsForAPick()
    {
        open();
        w_->itemList()->setFocus();
        QTest::keyClick(w_->itemList(), Qt::Key_Insert);
        expectOpen(true);
        QCOMPARE(text("CatCodeLabel") + '|' + text("CatNameLabel"), "|(select)");
        QVERIFY(!button("SaveNewExpense")->isEnabled() && !button("SaveNewIncome")->isEnabled());
        edit("DateEditor")->setText("01-01");
        button("Today")->click();
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");

        QTableView* small = w_->findChild<QTableView*>("SmCatList");
        QCOMPARE(small->toolTip(), "Double-click or press <Enter> to select");
        small->setFocus();
        small->setCurrentIndex(small->model()->index(2, 1));
        QTest::keyClick(small, Qt::Key_Return);
        QCOMPARE(text("CatCodeLabel") + '|' + text("CatNameLabel"), "PY|Pay             ");
        QVERIFY(button("SaveNewExpense")->isEnabled() && button("SaveNewIncome")->isEnabled());

        edit("AmountEditor")->setText("-25");   // the minus is dropped
        button("SaveNewIncome")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin(), entry("03-15-26", "PY", 250000, ""));
        QCOMPARE(readBytes(kData), bytesOf(expected));
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 6);
    }

    void refusedEntriesAreSaidAndThePanelStays_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("noCategory");
        QTest::addColumn<QString>("message");
        QTest::newRow("month 13") << "13-05" << "10" << false << "Invalid Date - 13-05-26";
        QTest::newRow("unfilled date") << "" << "10" << false << "Invalid Date - __-__-26";
        QTest::newRow("no category") << "03-15" << "10" << true << "No Category Selected";
        QTest::newRow("two points") << "03-15" << "$1.2.3" << false << "Invalid Amount - $1.2.3";
    }
    void refusedEntriesAreSaidAndThePanelStays()
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
        QVERIFY(button("SaveNewExpense")->isEnabled());
        edit("DateEditor")->setText(date);
        edit("AmountEditor")->setText(amount);
        DialogDriver dialogs({Answer::press()});
        button("SaveNewExpense")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Entry Aborted | " + message + " | warning | [Ok]");
        QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
        expectOpen(true);
    }

    void storedTextBoxesTakeOnlyWindows1252()
    {
        open();
        command("mnuNewItem");
        QLineEdit* note = edit("NoteEditor");
        for (QChar c : QStringView(u"a\u20AC\u2603b")) {
            QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(note, &typed);
        }
        note->insert(QStringView(u"\u00E9\u4E2D").toString());   // as a paste inserts
        QCOMPARE(note->text(), QStringView(u"a\u20ACb\u00E9").toString());
        edit("CatEdCatName")->insert(QStringView(u"\u4E2DN").toString());
        QCOMPARE(edit("CatEdCatName")->text(), "N");
    }

    void openedEntryShowsItsFieldsWithEveryButton()
    {
        open();
        openRow(1);   // 03-10-26 FO ($42.50) Groceries
        expectOpen(false);
        QCOMPARE(edit("DateEditor")->displayText() + '|' + edit("AmountEditor")->text() + '|'
                     + edit("NoteEditor")->text() + '|' + text("CatCodeLabel") + '|' + text("CatNameLabel"),
                 "03-10|42.5|Groceries|FO|Food            ");
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            QVERIFY2(button(b)->isEnabled(), b);
    }

    void replaceWithNothingChangedWritesTheEntryBackUnchanged()
    {
        // Four decimals and leading blanks, as a macro or another program may store them.
        const std::vector<LedgerEntry> year = {entry("03-12-26", "FO", -123456, "  two blanks"),
                                               entry("03-11-26", "FO", 0, "zero")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        open();
        DialogDriver dialogs;
        openRow(0);
        QCOMPARE(edit("AmountEditor")->text() + '|' + edit("NoteEditor")->text(), "12.3456|  two blanks");
        button("ReplaceRec")->click();
        QCOMPARE(readBytes(kData), bytesOf(year));
        openRow(1);   // a zero entry shows 0 and is found by it
        QCOMPARE(edit("AmountEditor")->text(), "0");
        edit("NoteEditor")->setText("zero checked");
        button("ReplaceRec")->click();
        QVERIFY(dialogs.seen.isEmpty());
        QCOMPARE(readBytes(kData), bytesOf(std::vector{year[0], entry("03-11-26", "FO", 0, "zero checked")}));
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
        QCOMPARE(said(dialogs.seen[0]), "Entry Aborted | Entry not found - nothing changed | warning | [Ok]");
        QCOMPARE(readBytes(kData), bytesOf(changed));
        expectOpen(false);
        QVERIFY(button("ReplaceRec")->isEnabled());
    }

    // The Delete key's question and answers are in the year of use and the
    // keyboard test; without a current cell, Delete and Return do nothing.
    void listKeysNeedACurrentCell()
    {
        open();
        QTableView* list = w_->itemList();
        list->setFocus();
        list->setCurrentIndex(QModelIndex());
        DialogDriver none;
        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(none.seen.isEmpty());
        QVERIFY(frame("EntryEdFrame")->isHidden());
        QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
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
        std::vector<LedgerEntry> expected = sampleYear();
        expected.erase(expected.begin() + 3);
        QCOMPARE(readBytes(kData), bytesOf(expected));
        expectClosed();
    }

    // ---- year selection --------------------------------------------------

    void yearSwitchAnsweredYesCopiesTheCategories()
    {
        open();
        pickCategory(1);
        command("mnuYear");
        QVERIFY(frame("YearEdFrame")->isVisible() && frame("YearEdFrame")->isEnabled());
        QVERIFY(!w_->toolbar()->isEnabled() && !w_->itemList()->isEnabled() && !w_->catList()->isEnabled());
        QCOMPARE(text("CurYear"), "2026");
        w_->findChild<QSpinBox*>("DataYear")->stepUp();
        QCOMPARE(text("CurYear"), "2027");

        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        button("SetYear")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]),
                 "No categories! | There is no category file for 2027\nCopy over 2026's categories ? | question | [Yes]/No");
        QCOMPARE(readBytes("2027CATS.DAT"), readBytes(kCats));
        QCOMPARE(fileSize("2027CWK.DAT"), 0);
        QCOMPARE(w_->state().dataFileName + '|' + w_->state().categoryFileName, "2027CWK.DAT|2027CATS.DAT");
        QCOMPARE(w_->state().selectedCategory, "FO");   // unchanged, though all are listed
        QCOMPARE(w_->catList()->model()->rowCount(), 3);
        QCOMPARE(w_->itemList()->model()->rowCount(), 0);
        QCOMPARE(text("stbYear"), "  Active Year = 2027  ");
        QCOMPARE(text("SmYr"), "2027");
        QVERIFY(frame("YearEdFrame")->isHidden() && !frame("YearEdFrame")->isEnabled());
        QVERIFY(w_->toolbar()->isEnabled() && w_->itemList()->isEnabled() && w_->catList()->isEnabled());
        QCOMPARE(w_->focusWidget(), w_->itemList());
    }

    void yearSwitchAnsweredNoAndCancel()
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

        // Cancel changes nothing; the label keeps the spun year.
        command("mnuYear");
        QCOMPARE(text("CurYear"), "2026");
        w_->findChild<QSpinBox*>("DataYear")->stepUp();
        button("YearOff")->click();
        QCOMPARE(text("CurYear"), "2000");
        QCOMPARE(w_->state().dataFileName, "1999CWK.DAT");
        QCOMPARE(fileSize("2000CATS.DAT"), -1);
        QVERIFY(w_->toolbar()->isEnabled() && frame("YearEdFrame")->isHidden());

        // Back to 2026: its categories exist, so nothing is asked.
        command("mnuYear");
        w_->findChild<QSpinBox*>("DataYear")->setValue(2026);
        DialogDriver none;
        button("SetYear")->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(w_->catList()->model()->rowCount(), 3);
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
    }

    // ---- category editor -------------------------------------------------

    void categoryChecksComeInOrderAndCancelClears()
    {
        open();
        pickCategory(1);
        DialogDriver dialogs({Answer::press(), Answer::press(), Answer::press()});
        command("mnuNewCategory");
        QCOMPARE(w_->state().selectedCategory, "");
        QVERIFY(!button("ReplaceCat")->isEnabled() && !button("CatDelete")->isEnabled());
        command("mnuChangeCategory");   // New Category cleared the selection
        edit("CatEdCatCode")->setText("  ");
        button("CatEdSave")->click();
        QVERIFY(frame("CatEdFrame")->isHidden());
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("Q");
        edit("CatEdCatName")->setText(" ");
        button("CatEdSave")->click();
        QCOMPARE(dialogs.seen.size(), 3);
        QCOMPARE(said(dialogs.seen[0]), "Nothing to do! | Please select a category | warning | [Ok]");
        QCOMPARE(said(dialogs.seen[1]), "Entry Aborted | No category code! | warning | [Ok]");
        QCOMPARE(said(dialogs.seen[2]), "Entry Aborted | No category name! | warning | [Ok]");
        QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));

        pickCategory(1);
        command("mnuChangeCategory");
        button("CatEdCancel")->click();
        QVERIFY(frame("CatEdFrame")->isHidden());
        QCOMPARE(w_->state().selectedCategory, "");
    }

    void categorySaveOrReplaceOfAnExistingCodeWarnsFirst()
    {
        open();
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("fo");
        edit("CatEdCatName")->setText("Fodder");
        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            button("CatEdSave")->click();
            QCOMPARE(no.seen.size(), 1);
            QCOMPARE(said(no.seen[0]), "Confirm | Category FO already exists!\nIf you continue, records from this and\n"
                                       " will be mixed together, and you\nwill not be able to separate them!\n"
                                       "Continue? | warning | Yes/[No]");
            QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        }
        // A one-character code counts as the code and a blank.
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("a");
        edit("CatEdCatName")->setText("Again");
        {
            DialogDriver yes({Answer::press(QMessageBox::Yes)});
            button("CatEdSave")->click();
            QCOMPARE(yes.seen.size(), 1);
        }
        const std::vector<cw::CategoryRecord> four = {category("A", "Auto"), category("A", "Again"),
                                                      category("FO", "Food"), category("PY", "Pay")};
        QCOMPARE(readBytes(kCats), bytesOf(four));
    }

    void categoryReplaceWithNoCategoryOfTheSelectedCodeChangesNothing()
    {
        open();
        pickCategory(1);
        command("mnuChangeCategory");   // enables Replace for good
        QCOMPARE(edit("CatEdCatCode")->text() + '|' + edit("CatEdCatName")->text(), "FO|Food            ");
        QVERIFY(button("CatDelete")->isEnabled());
        command("mnuNewCategory");      // and clears the selection
        QVERIFY(button("ReplaceCat")->isEnabled());
        edit("CatEdCatCode")->setText("ZZ");
        edit("CatEdCatName")->setText("Zed");
        DialogDriver dialogs({Answer::press()});
        button("ReplaceCat")->click();
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Entry Aborted | Category not found - nothing changed | warning | [Ok]");
        QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
        QCOMPARE(w_->state().selectedCategory, "");
    }

    void categoryDeleteAnswers_data()
    {
        QTest::addColumn<QList<int>>("answers");   // Yes = 1, No = 0
        QTest::newRow("no") << QList<int>{0};
        QTest::newRow("yes, no") << QList<int>{1, 0};
        QTest::newRow("yes, yes, no") << QList<int>{1, 1, 0};
        QTest::newRow("yes, yes, yes") << QList<int>{1, 1, 1};
    }
    void categoryDeleteAnswers()
    {
        QFETCH(QList<int>, answers);
        open();
        pickCategory(0);   // "A ", a one-character code
        command("mnuChangeCategory");
        QCOMPARE(edit("CatEdCatCode")->text(), "A ");
        QList<Answer> presses;
        for (int a : answers)
            presses << Answer::press(a ? QMessageBox::Yes : QMessageBox::No);
        DialogDriver dialogs(presses);
        button("CatDelete")->click();
        const QStringList questions = {"Confirm | Delete category Auto ? | warning | Yes/[No]",
                                       "Confirm | Category deleted. Delete records too? | warning | Yes/[No]",
                                       "Confirm | ARE YOU SURE? | critical | Yes/[No]"};
        QCOMPARE(dialogs.seen.size(), answers.size());
        for (int i = 0; i < dialogs.seen.size(); ++i)
            QCOMPARE(said(dialogs.seen[i]), questions[i]);
        const bool categoryGoes = answers[0] == 1;
        const bool entriesGo = answers.size() == 3 && answers[2] == 1;
        std::vector<cw::CategoryRecord> cats = sampleCategories();
        if (categoryGoes)
            cats.erase(cats.begin());
        QCOMPARE(readBytes(kCats), bytesOf(cats));
        std::vector<LedgerEntry> year = sampleYear();
        if (entriesGo)
            year = {year[0], year[1], year[3]};
        QCOMPARE(readBytes(kData), bytesOf(year));
        QVERIFY(noWorkFilesLeft());
        QCOMPARE(w_->state().selectedCategory, "A ");
        // Once the category is gone every entry is listed; No at the first question lists nothing anew.
        QCOMPARE(w_->itemList()->model()->rowCount(), categoryGoes ? int(year.size()) : 2);
    }

private:
    void expectOpen(bool newEntry)
    {
        QVERIFY(frame("EntryEdFrame")->isVisible() && frame("EntryEdFrame")->isEnabled());
        QVERIFY(!w_->itemList()->isEnabled() && !w_->catList()->isEnabled());
        QCOMPARE(w_->toolbar()->isEnabled(), !newEntry);
    }

    void expectClosed()
    {
        QVERIFY(frame("EntryEdFrame")->isHidden() && !frame("EntryEdFrame")->isEnabled());
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            QVERIFY2(!button(b)->isEnabled(), b);
        QVERIFY(w_->itemList()->isEnabled() && w_->catList()->isEnabled() && w_->toolbar()->isEnabled());
    }

    QString text(const char* name) const { return w_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
};

QTEST_MAIN(EditingWindowTest)
#include "EditingWindowTest.moc"
