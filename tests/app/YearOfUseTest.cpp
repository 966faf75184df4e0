// A year of use, end to end: a new user starts the real program in an empty
// folder and works through its windows by their controls. Each step is
// mirrored in a writer of the test's own (ReferenceFiles.h), and the files
// are compared with its bytes along the way and at the end.

#include "ReferenceFiles.h"

#include "app/Commands.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

using namespace cwtest;
using reference::Entry;

namespace {

const QStringList kWords = {"Rent", "Groceries", "Fuel", "Coffee", "Book", "Gift", "Taxi", "Phone"};

// An amount in cents as a user may type it: grouped, with a dollar sign, or plain.
QString typed(qint64 cents, int style)
{
    QString whole = QString::number(cents / 100);
    const QString fraction = QStringLiteral(".%1").arg(cents % 100, 2, 10, QChar(u'0'));
    if (style == 0)
        for (int i = int(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, u',');
    return style == 1 ? u'$' + whole + fraction : style == 2 && cents % 100 == 0 ? whole : whole + fraction;
}

} // namespace

class YearOfUseTest : public QObject, private WindowFixture {
    Q_OBJECT

    reference::Ledger data_;
    reference::Categories cats_;
    QByteArray settings_;

    // A new entry through the editor, its category picked in the small list;
    // the reference inserts the same.
    void saveEntry(const QString& code, const QString& date, qint64 cents, int style, const QString& note)
    {
        command("mnuNewItem");
        auto* small = child<QTableView>(w_.get(), "SmCatList");
        small->setFocus();
        small->setCurrentIndex(small->model()->index(cats_.rowOf(code), 1));
        QTest::keyClick(small, Qt::Key_Return);
        edit("DateEditor")->setText(date);
        edit("AmountEditor")->setText(typed(cents, style));
        edit("NoteEditor")->setText(note);
        const bool income = code == "PY";
        button(income ? "SaveNewIncome" : "SaveNewExpense")->click();
        data_.insert(Entry::make(date + "-26", code, (income ? cents : -cents) * 100, note));
    }

    bool filesMatch() { return readBytes("2026CWK.DAT") == data_.bytes() && readBytes("2026CATS.DAT") == cats_.bytes(); }

private slots:
    void initTestCase() { folder_ = std::make_unique<TempFolder>(); }
    void cleanupTestCase() { stopAll(); }

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
        QCOMPARE(readBytes("PERSONAL.DAT"), settings_);
        QVERIFY(filesMatch());
        QCOMPARE(fileSize("2026CWK.DAT"), 0);
    }

    void categoriesAreMade()
    {
        DialogDriver none;
        for (const auto& [code, name] : {std::pair("fo", " Food "), {"py", "Pay"}, {"au", "Auto"}, {"ut", "Utilities"},
                                         {"tx", "Taxes"}, {"x", "Misc"}}) {
            command("mnuNewCategory");
            edit("CatEdCatCode")->setText(code);
            edit("CatEdCatName")->setText(name);
            button("CatEdSave")->click();
            cats_.add(code, name);
            QCOMPARE(readBytes("2026CATS.DAT"), cats_.bytes());
        }
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(w_->catList()->model()->rowCount(), 6);
    }

    void fewHundredEntriesAreSaved()
    {
        std::mt19937 rng(2026);
        const QStringList codes = {"FO", "PY", "AU", "UT", "TX", "X"};
        button("FullYear")->click();   // the whole year listed while entering
        DialogDriver none;
        for (int i = 0; i < 300; ++i) {
            const QString code = codes[rng() % codes.size()];
            const QString date = QStringLiteral("%1-%2").arg(int(rng() % 12 + 1), 2, 10, QChar(u'0')).arg(int(rng() % 28 + 1), 2, 10, QChar(u'0'));
            const qint64 cents = code == "PY" ? qint64(rng() % 400000 + 100000) : qint64(rng() % 50000 + 1);
            saveEntry(code, date, cents, i % 3, kWords[rng() % kWords.size()] + QStringLiteral(" %1").arg(i));
        }
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(readBytes("2026CWK.DAT"), data_.bytes());
        QCOMPARE(w_->itemList()->model()->rowCount(), 300);
        qint64 balance = 0;
        for (const Entry& e : data_.entries)
            balance += e.amount();
        QCOMPARE(text("stbBalance"), "  Balance = " + reference::dollars(balance) + "  ");
    }

    void entriesAreReplacedAddedAndDeleted()
    {
        QList<Entry>& e = data_.entries;
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::Yes)});
        // New amount and note: an expense stays an expense.
        const Entry changed = e[10];
        openRow(10);
        QCOMPARE(edit("NoteEditor")->text().toLatin1(), changed.note().trimmed());
        edit("AmountEditor")->setText("77.7");
        edit("NoteEditor")->setText("Changed note");
        button("ReplaceRec")->click();
        data_.replace(changed, Entry::make(QString::fromLatin1(changed.date()), QString::fromLatin1(changed.code()),
                                          changed.amount() < 0 ? -777000 : 777000, "Changed note"));
        // A new date: the entry keeps its place until the file is sorted.
        const Entry moved = e[20];
        openRow(20);
        edit("DateEditor")->setText("12-31");
        button("ReplaceRec")->click();
        Entry edited = moved;
        edited.setDate("12-31-26");
        data_.replace(moved, edited);
        // Save Income on an opened entry adds a new one.
        const Entry opened = e[5];
        openRow(5);
        button("SaveNewIncome")->click();
        Entry added = opened;
        added.bytes.replace(10, 8, reference::littleEndian(std::abs(opened.amount()), 8));
        data_.insert(added);
        QCOMPARE(readBytes("2026CWK.DAT"), data_.bytes());
        // Delete from the editor, then with the Delete key on the list.
        const Entry first = e[30];
        openRow(30);
        button("KillRec")->click();
        data_.removeOne(first);
        const Entry second = e[40];
        w_->itemList()->setFocus();
        w_->itemList()->setCurrentIndex(w_->itemList()->model()->index(40, 3));
        QTest::keyClick(w_->itemList(), Qt::Key_Delete);
        data_.removeOne(second);
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(readBytes("2026CWK.DAT"), data_.bytes());
        QCOMPARE(w_->itemList()->model()->rowCount(), int(e.size()));
    }

    // AU becomes CA: the category and its entries.
    void aCategoryIsRecoded()
    {
        pickCategory(cats_.rowOf("AU"));
        command("mnuChangeCategory");
        edit("CatEdCatCode")->setText("ca");
        edit("CatEdCatName")->setText("Car");
        DialogDriver none;
        button("ReplaceCat")->click();
        QVERIFY(none.seen.isEmpty());
        cats_.replace("AU", "ca", "Car");
        data_.recode("AU", "CA");
        QVERIFY(filesMatch());
        button("FullYear")->click();
    }

    void theFilesHoldWhatTheActionsWrote()
    {
        QVERIFY(filesMatch());
        QCOMPARE(readBytes("PERSONAL.DAT"), settings_);
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
    }
};

static RegisterWindowTest<YearOfUseTest> registered;
#include "YearOfUseTest.moc"
