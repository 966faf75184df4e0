// The editing panels of the main window. The rules and their texts are the
// core tests'; here what the panels enable, where the focus goes, what is said.

#include "support/WindowFixture.h"

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");
const QString kCats = QStringLiteral("2026CATS.DAT");
const Answer kYes = Answer::press(QMessageBox::Yes), kNo = Answer::press(QMessageBox::No);

} // namespace

class EditingWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QString labels() const { return text("CatCodeLabel") + '|' + text("CatNameLabel"); }
    QString fields() const { return edit("DateEditor")->displayText() + '|' + edit("AmountEditor")->text() + '|' + edit("NoteEditor")->text(); }
    QString focused() const { return w_->focusWidget() ? w_->focusWidget()->objectName() : QString(); }
    // Which of the four storing buttons are enabled, as "SSRK" with "-" for a disabled one.
    QString storing() const
    {
        QString out;
        for (const char* b : {"SaveNewExpense", "SaveNewIncome", "ReplaceRec", "KillRec"})
            out += button(b)->isEnabled() ? QChar(b[0]) : u'-';
        return out;
    }
    // The panel shown and enabled with the lists disabled, the toolbar
    // disabled for a new entry; or all of it the other way round.
    void expectEditor(bool open, bool newEntry = true)
    {
        QCOMPARE(frame("EntryEdFrame")->isVisible() && frame("EntryEdFrame")->isEnabled(), open);
        QCOMPARE(w_->itemList()->isEnabled() || w_->catList()->isEnabled(), !open);
        QCOMPARE(w_->toolbar()->isEnabled(), !open || !newEntry);
        if (!open)
            QCOMPARE(storing(), "----");
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
        expectEditor(true);
        QCOMPARE(edit("DateEditor")->displayText() + '|' + labels() + '|' + storing() + '|' + focused(),
                 "03-15|FO|Food            |SS--|DateEditor");
        // Tab goes through the fields a user fills, then the buttons; "!" last.
        QStringList chain;
        for (QWidget* w = edit("DateEditor"); chain.size() < 10; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain.join(' '), "DateEditor AmountEditor NoteEditor SmCatList SaveNewExpense SaveNewIncome ReplaceRec "
                                  "KillRec CancelEdit Today");
        fill({{"AmountEditor", "$1,234.50"}, {"NoteEditor", "Market"}});
        click("SaveNewExpense");
        QCOMPARE(readBytes(kData).left(58), bytesOf({entry("03-15-26", "FO", -12345000, "Market")}));
        QCOMPARE(edit("AmountEditor")->text(), "1,234.50");   // the cleaned text, written back
        QCOMPARE(w_->state().selectedCategory, "FO");
        QCOMPARE(w_->itemList()->model()->rowCount(), 3);
        expectEditor(false);
    }

    // Without a filter the small list chooses: Return, a click or an arrow key.
    void newEntryWithoutFilterWaitsForAPick()
    {
        open();
        w_->itemList()->setFocus();
        QTest::keyClick(w_->itemList(), Qt::Key_Insert);
        expectEditor(true);
        QCOMPARE(labels() + '|' + storing(), "|(select)|----");
        edit("DateEditor")->setText("01-01");
        click("Today");
        QCOMPARE(edit("DateEditor")->displayText(), "03-15");
        auto* small = child<QTableView>(w_.get(), "SmCatList");
        small->setFocus();
        small->setCurrentIndex(small->model()->index(2, 1));
        QTest::keyClick(small, Qt::Key_Return);
        QCOMPARE(labels() + '|' + storing(), "PY|Pay             |SS--");
        clickRow(small, 1);
        QCOMPARE(text("CatCodeLabel"), "FO");
        QTest::keyClick(small, Qt::Key_Up);
        QCOMPARE(text("CatCodeLabel"), "A ");
        edit("AmountEditor")->setText("-25");   // the minus is dropped
        click("SaveNewIncome");
        QCOMPARE(readBytes(kData).left(58), bytesOf({entry("03-15-26", "A", 250000, "")}));
        QCOMPARE(w_->state().selectedCategory, "all");
    }

    // A refusal is said, the panel stays with what was typed, and the focus
    // goes to the field at fault.
    void aRefusalKeepsTheTypingAndFocusesTheField()
    {
        open();
        command("mnuNewCategory");
        click("CatEdCancel");   // no category selected now
        command("mnuNewItem");
        for (const auto& [date, amount, told, field] : {std::tuple("03-16", "12.00", "No Category Selected", "SmCatList"),
                                                        {"02-29", "12.00", "Invalid Date - 02-29-26", "DateEditor"},
                                                        {"03-16", "1O0.00", "Invalid Amount - 1O0.00", "AmountEditor"}}) {
            fill({{"DateEditor", date}, {"AmountEditor", amount}, {"NoteEditor", "Market"}});
            QCOMPARE(saidBy([this] { click("SaveNewExpense"); }), QStringLiteral("Entry Aborted | %1 | warning | [Ok]").arg(told));
            expectEditor(true);
            QCOMPARE(fields() + '|' + focused(), QStringLiteral("%1|%2|Market|%3").arg(date, amount, field));
            QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
            clickRow(child<QTableView>(w_.get(), "SmCatList"), 1);
        }
    }

    // Delete and Return without a current cell do nothing. A double-clicked
    // entry unchanged is replaced as stored; Delete takes the opened entry
    // whatever the fields say; replacing an entry gone from the file is said.
    void anOpenedEntryIsReplacedOrDeleted()
    {
        const std::vector<LedgerEntry> year = {entry("03-12-26", "FO", -123456, "  two blanks"), entry("03-11-26", "A", 0, "zero")};
        must(cw::writeRecords(*cw::Env::posix(), kData, year));
        open();
        w_->itemList()->setFocus();
        w_->itemList()->setCurrentIndex(QModelIndex());
        QCOMPARE(saidBy([this] { QTest::keyClick(w_->itemList(), Qt::Key_Delete), QTest::keyClick(w_->itemList(), Qt::Key_Return); }), "");
        QVERIFY(frame("EntryEdFrame")->isHidden());
        openRow(0);
        expectEditor(true, false);
        QCOMPARE(fields() + '|' + labels() + '|' + storing(), "03-12|12.3456|  two blanks|FO|Food            |SSRK");
        QCOMPARE(saidBy([this] { click("ReplaceRec"); }), "");
        QCOMPARE(readBytes(kData), bytesOf(year));
        expectEditor(false);
        openRow(1);
        edit("AmountEditor")->setText("99");
        QCOMPARE(saidBy([this] { click("KillRec"); }, {kYes}), "Confirm | Delete record ? | question | Yes/[No]");
        QCOMPARE(readBytes(kData), bytesOf(std::vector{year[0]}));
        expectEditor(false);
        openRow(0);
        writeBytes(kData, "");
        QCOMPARE(saidBy([this] { click("ReplaceRec"); }), "Entry Aborted | Entry not found - nothing changed | warning | [Ok]");
        expectEditor(true, false);
        QCOMPARE(storing() + '|' + readBytes(kData), "SSRK|");
    }

    // ---- year selection --------------------------------------------------

    void aYearSwitchAsksToCopyTheCategories()
    {
        open();
        pickCategory(1);
        command("mnuYear");
        const auto enabled = [this] {
            QString out;
            for (bool on : {frame("YearEdFrame")->isVisible(), frame("YearEdFrame")->isEnabled(), w_->toolbar()->isEnabled(),
                            w_->itemList()->isEnabled(), w_->catList()->isEnabled()})
                out += on ? u'1' : u'0';
            return out;
        };
        QCOMPARE(enabled(), "11000");
        child<QSpinBox>(w_.get(), "DataYear")->stepUp();
        QCOMPARE(text("CurYear"), "2027");
        QCOMPARE(saidBy([this] { click("SetYear"); }, {kYes}),
                 "No categories! | There is no category file for 2027\nCopy over 2026's categories ? | question | [Yes]/No");
        QCOMPARE(readBytes("2027CATS.DAT"), readBytes(kCats));
        QCOMPARE(w_->state().dataFileName + '|' + w_->state().selectedCategory, "2027CWK.DAT|FO");   // all listed, the filter kept
        QCOMPARE(w_->catList()->model()->rowCount() + 10 * w_->itemList()->model()->rowCount(), 3);
        QCOMPARE(text("stbYear") + '|' + text("SmYr"), "  Active Year = 2027  |2027");
        QCOMPARE(enabled(), "00111");
        QCOMPARE(w_->focusWidget(), w_->itemList());

        // No copies nothing; Cancel changes nothing but the label.
        command("mnuYear");
        child<QSpinBox>(w_.get(), "DataYear")->setValue(1999);
        saidBy([this] { click("SetYear"); }, {kNo});
        QCOMPARE(fileSize("1999CATS.DAT"), 0);   // made by the listing
        command("mnuYear");
        child<QSpinBox>(w_.get(), "DataYear")->stepUp();
        click("YearOff");
        QCOMPARE(text("CurYear") + '|' + w_->state().dataFileName, "2000|1999CWK.DAT");
        QCOMPARE(fileSize("2000CATS.DAT"), -1);
        QCOMPARE(enabled(), "00111");
    }

    // ---- category editor -------------------------------------------------

    // Checks are said; New Category clears the selection, so Change
    // Category finds none; Cancel clears it too.
    void categoryChecksAndWarningsAreSaid()
    {
        open();
        pickCategory(1);
        command("mnuNewCategory");
        QCOMPARE(w_->state().selectedCategory, "");
        QVERIFY(!button("ReplaceCat")->isEnabled() && !button("CatDelete")->isEnabled());
        QCOMPARE(saidBy([this] { command("mnuChangeCategory"); }), "Nothing to do! | Please select a category | warning | [Ok]");
        command("mnuNewCategory");
        edit("CatEdCatCode")->setText("Q");
        QCOMPARE(saidBy([this] { click("CatEdSave"); }), "Entry Aborted | No category name! | warning | [Ok]");
        QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        pickCategory(1);
        command("mnuChangeCategory");
        click("CatEdCancel");
        QVERIFY(frame("CatEdFrame")->isHidden());
        QCOMPARE(w_->state().selectedCategory, "");

        // Saving an existing code warns first; a replace that keeps its own
        // code does not; a replace with no category of the selected code is said.
        command("mnuNewCategory");
        fill({{"CatEdCatCode", "fo"}, {"CatEdCatName", "Fodder"}});
        const QString warning = saidBy([this] { click("CatEdSave"); }, {kNo});
        QVERIFY(warning.startsWith("Confirm | Category FO already exists!\n") && warning.endsWith("\nContinue? | warning | Yes/[No]"));
        QCOMPARE(readBytes(kCats), bytesOf(sampleCategories()));
        pickCategory(1);
        command("mnuChangeCategory");
        QCOMPARE(edit("CatEdCatCode")->text() + '|' + edit("CatEdCatName")->text(), "FO|Food            ");
        fill({{"CatEdCatCode", "fo "}, {"CatEdCatName", "Groceries"}});
        QCOMPARE(saidBy([this] { click("ReplaceCat"); }), "");
        QCOMPARE(readBytes(kCats), bytesOf(std::vector{category("A", "Auto"), category("FO", "Groceries"), category("PY", "Pay")}));
        command("mnuNewCategory");   // Replace stays enabled
        fill({{"CatEdCatCode", "ZZ"}, {"CatEdCatName", "Zed"}});
        QCOMPARE(saidBy([this] { click("ReplaceCat"); }), "Entry Aborted | Category not found - nothing changed | warning | [Ok]");
        QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
    }

    // No at the first question changes nothing; three Yes take the category
    // and its entries, and every entry is listed.
    void categoryDeleteAnswers()
    {
        open();
        for (const bool yes : {false, true}) {
            pickCategory(0);   // "A ", a one-character code
            command("mnuChangeCategory");
            QCOMPARE(saidBy([this] { click("CatDelete"); }, yes ? QList<Answer>{kYes, kYes, kYes} : QList<Answer>{kNo}),
                     yes ? "Confirm | Delete category Auto ? | warning | Yes/[No] // Confirm | Category deleted. Delete records "
                           "too? | warning | Yes/[No] // Confirm | ARE YOU SURE? | critical | Yes/[No]"
                         : "Confirm | Delete category Auto ? | warning | Yes/[No]");
            QCOMPARE(w_->state().selectedCategory, "A ");
        }
        const std::vector<LedgerEntry> year = sampleYear();
        QCOMPARE(readBytes(kCats), bytesOf(std::vector{category("FO", "Food"), category("PY", "Pay")}));
        QCOMPARE(readBytes(kData), bytesOf(std::vector{year[0], year[1], year[3]}));
        QCOMPARE(w_->itemList()->model()->rowCount(), 3);
    }
};

static RegisterWindowTest<EditingWindowTest> registered;
#include "EditingWindowTest.moc"
