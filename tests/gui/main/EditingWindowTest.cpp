// The editing panels of the real main window, driven by object name: the
// entry editor, the year selector and the category editor. The rules and
// their texts are the core tests'; here which control calls them, what the
// panels enable, where the focus goes and what the user is told.

#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

#include <QSpinBox>
#include <QToolBar>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");

} // namespace

class EditingWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QString labels() const { return text("CatCodeLabel") + '|' + text("CatNameLabel"); }
    QString focused() const { return w_->focusWidget() ? w_->focusWidget()->objectName() : QString(); }

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

private slots:
    void init() { startFolder(); }
    void cleanup() { stopAll(); }

    // ---- entry editor ----------------------------------------------------

    void newEntryTakesTheFilteredCategoryAndKeepsTheFilter()
    {
        open();
        pickCategory(1);   // FO
        command("mnuNewItem");
        expectOpen(true);
        QCOMPARE(edit("DateEditor")->displayText() + '|' + labels(), "03-15|FO|Food            ");
        QVERIFY(button("SaveNewExpense")->isEnabled() && button("SaveNewIncome")->isEnabled());
        QVERIFY(!button("ReplaceRec")->isEnabled() && !button("KillRec")->isEnabled());
        QCOMPARE(focused(), "DateEditor");
        // Tab goes through the fields a user fills, then the buttons; "!" last.
        QStringList chain;
        for (QWidget* w = edit("DateEditor"); chain.size() < 10; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain.join(' '), "DateEditor AmountEditor NoteEditor SmCatList SaveNewExpense SaveNewIncome ReplaceRec "
                                  "KillRec CancelEdit Today");
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

    // Without a filter the small list chooses: Return, a click or an arrow key.
    void newEntryWithoutFilterWaitsForAPick()
    {
        open();
        w_->itemList()->setFocus();
        QTest::keyClick(w_->itemList(), Qt::Key_Insert);
        expectOpen(true);
        QCOMPARE(labels(), "|(select)");
        QVERIFY(!button("SaveNewExpense")->isEnabled() && !button("SaveNewIncome")->isEnabled());
        edit("DateEditor")->setText("01-01");
        button("Today")->click();
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");

        auto* small = child<QTableView>(w_.get(), "SmCatList");
        QCOMPARE(small->toolTip(), "Double-click or press <Enter> to select");
        small->setFocus();
        small->setCurrentIndex(small->model()->index(2, 1));
        QTest::keyClick(small, Qt::Key_Return);
        QCOMPARE(labels(), "PY|Pay             ");
        QVERIFY(button("SaveNewExpense")->isEnabled() && button("SaveNewIncome")->isEnabled());
        clickRow(small, 1);
        QCOMPARE(text("CatCodeLabel"), "FO");
        QTest::keyClick(small, Qt::Key_Up);
        QCOMPARE(text("CatCodeLabel"), "A ");

        edit("AmountEditor")->setText("-25");   // the minus is dropped
        button("SaveNewIncome")->click();
        std::vector<LedgerEntry> expected = sampleYear();
        expected.insert(expected.begin(), entry("03-15-26", "A", 250000, ""));
        QCOMPARE(readBytes(kData), bytesOf(expected));
        QCOMPARE(w_->state().selectedCategory, "all");
    }

    // A refusal is said, the panel stays with what was typed, and the focus
    // goes to the field at fault.
    void aRefusalKeepsTheTypingAndFocusesTheField()
    {
        open();
        command("mnuNewCategory");
        button("CatEdCancel")->click();   // no category selected now
        command("mnuNewItem");
        for (const auto& [date, amount, told, field] :
             {std::tuple("03-16", "12.00", "No Category Selected", "SmCatList"),
              std::tuple("02-29", "12.00", "Invalid Date - 02-29-26", "DateEditor"),
              std::tuple("03-16", "1O0.00", "Invalid Amount - 1O0.00", "AmountEditor")}) {
            edit("DateEditor")->setText(date);
            edit("AmountEditor")->setText(amount);
            edit("NoteEditor")->setText("Market");
            DialogDriver dialogs;
            button("SaveNewExpense")->click();
            QCOMPARE(said(dialogs.seen.value(0)), QStringLiteral("Entry Aborted | %1 | warning | [Ok]").arg(told));
            expectOpen(true);
            QCOMPARE(edit("DateEditor")->displayText() + '|' + edit("AmountEditor")->text() + '|' + edit("NoteEditor")->text(),
                     QString::fromLatin1(date) + '|' + amount + "|Market");
            QCOMPARE(focused(), QString::fromLatin1(field));
            QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
            clickRow(child<QTableView>(w_.get(), "SmCatList"), 1);
        }
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

    // An opened entry shows its fields with every button; Replace with
    // nothing changed writes it back as it was stored.
    void anOpenedEntryIsReplacedOrDeleted()
    {
        const std::vector<LedgerEntry> year = {entry("03-12-26", "FO", -123456, "  two blanks"), entry("03-11-26", "FO", 0, "zero"),
                                               entry("02-28-26", "A", -72500, "Lunch")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        open();
        auto none = std::make_unique<DialogDriver>();
        openRow(0);
        expectOpen(false);
        QCOMPARE(edit("DateEditor")->displayText() + '|' + edit("AmountEditor")->text() + '|' + edit("NoteEditor")->text() + '|'
                     + labels(), "03-12|12.3456|  two blanks|FO|Food            ");
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            QVERIFY2(button(b)->isEnabled(), b);
        button("ReplaceRec")->click();
        QCOMPARE(readBytes(kData), bytesOf(year));
        openRow(1);
        edit("NoteEditor")->setText("zero checked");
        button("ReplaceRec")->click();
        QVERIFY(none->seen.isEmpty());
        none.reset();
        expectClosed();
        // Delete takes the opened entry, whatever the fields now say.
        openRow(2);
        edit("AmountEditor")->setText("99");
        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        button("KillRec")->click();
        QCOMPARE(said(dialogs.seen.value(0)), "Confirm | Delete record ? | question | Yes/[No]");
        QCOMPARE(readBytes(kData), bytesOf(std::vector{year[0], entry("03-11-26", "FO", 0, "zero checked")}));
        expectClosed();
    }

    // A refused replace keeps the panel in its mode.
    void replaceOfAnEntryNoLongerInTheFileIsSaid()
    {
        open();
        openRow(1);
        std::vector<LedgerEntry> changed = sampleYear();
        changed.erase(changed.begin() + 1);
        must(cw::writeRecords(*cw::Env::posix(), kData, changed));
        DialogDriver dialogs({Answer::press()});
        button("ReplaceRec")->click();
        QCOMPARE(said(dialogs.seen.value(0)), "Entry Aborted | Entry not found - nothing changed | warning | [Ok]");
        QCOMPARE(readBytes(kData), bytesOf(changed));
        expectOpen(false);
        QVERIFY(button("ReplaceRec")->isEnabled() && button("KillRec")->isEnabled());
    }

    // Without a current cell, Delete and Return on the list do nothing.
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

    // ---- year selection --------------------------------------------------

    void aYearSwitchAsksToCopyTheCategories()
    {
        open();
        pickCategory(1);
        command("mnuYear");
        QVERIFY(frame("YearEdFrame")->isVisible() && frame("YearEdFrame")->isEnabled());
        QVERIFY(!w_->toolbar()->isEnabled() && !w_->itemList()->isEnabled() && !w_->catList()->isEnabled());
        child<QSpinBox>(w_.get(), "DataYear")->stepUp();
        QCOMPARE(text("CurYear"), "2027");
        {
            DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
            button("SetYear")->click();
            QCOMPARE(said(dialogs.seen.value(0)),
                     "No categories! | There is no category file for 2027\nCopy over 2026's categories ? | question | [Yes]/No");
        }
        QCOMPARE(readBytes("2027CATS.DAT"), readBytes(kCats));
        QCOMPARE(w_->state().dataFileName + '|' + w_->state().categoryFileName + '|' + w_->state().selectedCategory,
                 "2027CWK.DAT|2027CATS.DAT|FO");   // the filter unchanged, though all are listed
        QCOMPARE(w_->catList()->model()->rowCount(), 3);
        QCOMPARE(w_->itemList()->model()->rowCount(), 0);
        QCOMPARE(text("stbYear") + '|' + text("SmYr"), "  Active Year = 2027  |2027");
        QVERIFY(frame("YearEdFrame")->isHidden() && !frame("YearEdFrame")->isEnabled());
        QVERIFY(w_->toolbar()->isEnabled() && w_->itemList()->isEnabled() && w_->catList()->isEnabled());
        QCOMPARE(w_->focusWidget(), w_->itemList());

        // No copies nothing; Cancel changes nothing but the label.
        command("mnuYear");
        child<QSpinBox>(w_.get(), "DataYear")->setValue(1999);
        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            button("SetYear")->click();
        }
        QCOMPARE(fileSize("1999CATS.DAT"), 0);   // made by the listing
        command("mnuYear");
        child<QSpinBox>(w_.get(), "DataYear")->stepUp();
        button("YearOff")->click();
        QCOMPARE(text("CurYear") + '|' + w_->state().dataFileName, "2000|1999CWK.DAT");
        QCOMPARE(fileSize("2000CATS.DAT"), -1);
        QVERIFY(w_->toolbar()->isEnabled() && frame("YearEdFrame")->isHidden());
    }

    // ---- category editor -------------------------------------------------

    void categoryChecksAreSaidAndCancelClears()
    {
        open();
        pickCategory(1);
        DialogDriver dialogs({Answer::press(), Answer::press()});
        command("mnuNewCategory");
        QCOMPARE(w_->state().selectedCategory, "");
        QVERIFY(!button("ReplaceCat")->isEnabled() && !button("CatDelete")->isEnabled());
        command("mnuChangeCategory");   // New Category cleared the selection
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("Q");
        button("CatEdSave")->click();
        QCOMPARE(said(dialogs.seen.value(0)), "Nothing to do! | Please select a category | warning | [Ok]");
        QCOMPARE(said(dialogs.seen.value(1)), "Entry Aborted | No category name! | warning | [Ok]");
        QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        pickCategory(1);
        command("mnuChangeCategory");
        button("CatEdCancel")->click();
        QVERIFY(frame("CatEdFrame")->isHidden());
        QCOMPARE(w_->state().selectedCategory, "");
    }

    // Saving an existing code warns first; a replace that keeps its own code does not.
    void onlyAnotherCategorysCodeIsWarnedAbout()
    {
        open();
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("fo");
        edit("CatEdCatName")->setText("Fodder");
        {
            DialogDriver no({Answer::press(QMessageBox::No)});
            button("CatEdSave")->click();
            QVERIFY(said(no.seen.value(0)).startsWith("Confirm | Category FO already exists!\n"));
            QVERIFY(said(no.seen.value(0)).endsWith("\nContinue? | warning | Yes/[No]"));
            QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        }
        pickCategory(1);
        command("mnuChangeCategory");
        QCOMPARE(edit("CatEdCatCode")->text() + '|' + edit("CatEdCatName")->text(), "FO|Food            ");
        edit("CatEdCatCode")->setText("fo ");
        edit("CatEdCatName")->setText("Groceries");
        {
            DialogDriver none;
            button("ReplaceCat")->click();
            QVERIFY(none.seen.isEmpty());
        }
        QCOMPARE(readBytes(kCats), bytesOf(std::vector{category("A", "Auto"), category("FO", "Groceries"), category("PY", "Pay")}));

        // Replace stays enabled after New Category clears the selection: nothing of that code is found.
        command("mnuNewCategory");
        QVERIFY(button("ReplaceCat")->isEnabled());
        edit("CatEdCatCode")->setText("ZZ");
        edit("CatEdCatName")->setText("Zed");
        DialogDriver dialogs({Answer::press()});
        button("ReplaceCat")->click();
        QCOMPARE(said(dialogs.seen.value(0)), "Entry Aborted | Category not found - nothing changed | warning | [Ok]");
        QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
    }

    void categoryDeleteAnswers()
    {
        for (const QList<int>& answers : {QList<int>{0}, QList<int>{1, 0}, QList<int>{1, 1, 1}}) {
            stopAll();
            startFolder();
            open();
            pickCategory(0);   // "A ", a one-character code
            command("mnuChangeCategory");
            QList<Answer> presses;
            for (int a : answers)
                presses << Answer::press(a ? QMessageBox::Yes : QMessageBox::No);
            DialogDriver dialogs(presses);
            button("CatDelete")->click();
            QCOMPARE(dialogs.seen.size(), answers.size());
            QCOMPARE(said(dialogs.seen[0]), "Confirm | Delete category Auto ? | warning | Yes/[No]");
            if (answers.size() == 3)
                QCOMPARE(said(dialogs.seen[2]), "Confirm | ARE YOU SURE? | critical | Yes/[No]");
            std::vector<cw::CategoryRecord> cats = sampleCategories();
            if (answers[0])
                cats.erase(cats.begin());
            QCOMPARE(readBytes(kCats), bytesOf(cats));
            std::vector<LedgerEntry> year = sampleYear();
            if (answers.size() == 3)
                year = {year[0], year[1], year[3]};
            QCOMPARE(readBytes(kData), bytesOf(year));
            QCOMPARE(w_->state().selectedCategory, "A ");
            // Once the category is gone every entry is listed; No at the first question lists nothing anew.
            QCOMPARE(w_->itemList()->model()->rowCount(), answers[0] ? int(year.size()) : 2);
        }
    }
};

static RegisterWindowTest<EditingWindowTest> registered;
#include "EditingWindowTest.moc"
