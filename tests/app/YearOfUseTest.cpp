// A year of use, end to end: a new user starts the real program in an empty
// folder and works through the editors by their controls. Each step is
// mirrored in a writer of the test's own (ReferenceFiles.h), and the files
// are compared with its bytes along the way and at the end.

#include "ReferenceFiles.h"

#include "app/Commands.h"
#include "support/DialogDriver.h"
#include "support/WindowFixture.h"

#include <random>

using namespace cwtest;
using reference::Entry;

class YearOfUseTest : public QObject, private WindowFixture {
    Q_OBJECT

    reference::Ledger data_;
    reference::Categories cats_;

    bool filesMatch() { return readBytes("2026CWK.DAT") == data_.bytes() && readBytes("2026CATS.DAT") == cats_.bytes(); }

private slots:
    void initTestCase() { folder_ = std::make_unique<TempFolder>(); }
    void cleanupTestCase() { stopAll(); }

    void firstStartInAnEmptyFolder()
    {
        QVERIFY(QDir().entryList(QDir::Files).isEmpty());
        QCOMPARE(saidBy([this] { open(); }), "");
        cw::installCommands(*w_);
        QCOMPARE(readBytes("PERSONAL.DAT"), reference::newSettings("03-15-2026"));
        QVERIFY(filesMatch());
        QCOMPARE(fileSize("2026CWK.DAT"), 0);
    }

    void categoriesAreMade()
    {
        for (const auto& [code, name] : {std::pair("fo", " Food "), {"py", "Pay"}, {"au", "Auto"}, {"ut", "Utilities"}, {"x", "Misc"}}) {
            command("mnuNewCategory");
            fill({{"CatEdCatCode", code}, {"CatEdCatName", name}});
            QCOMPARE(saidBy([this] { click("CatEdSave"); }), "");
            cats_.add(code, name);
            QCOMPARE(readBytes("2026CATS.DAT"), cats_.bytes());
        }
    }

    // Amounts typed grouped, with a dollar sign, or plain; the whole year listed.
    void hundredsOfEntriesAreSaved()
    {
        std::mt19937 rng(2026);
        const QStringList codes = {"FO", "PY", "AU", "UT", "X"};
        click("FullYear");
        DialogDriver none;
        for (int i = 0; i < 300; ++i) {
            const QString code = codes[rng() % codes.size()];
            const QString date = QStringLiteral("%1-%2").arg(int(rng() % 12 + 1), 2, 10, QChar(u'0')).arg(int(rng() % 28 + 1), 2, 10, QChar(u'0'));
            const qint64 cents = code == "PY" ? qint64(rng() % 400000 + 100000) : qint64(rng() % 50000 + 1);
            const QString whole = QString::number(cents / 100), fraction = QStringLiteral(".%1").arg(cents % 100, 2, 10, QChar(u'0'));
            const QString typed = i % 3 == 0 ? QLocale(QLocale::English).toString(cents / 100) + fraction
                                  : i % 3 == 1 ? u'$' + whole + fraction : cents % 100 == 0 ? whole : whole + fraction;
            const QString note = QStringLiteral("Note %1").arg(i);
            command("mnuNewItem");
            clickRow(child<QTableView>(w_.get(), "SmCatList"), cats_.rowOf(code));
            fill({{"DateEditor", date}, {"AmountEditor", typed}, {"NoteEditor", note}});
            click(code == "PY" ? "SaveNewIncome" : "SaveNewExpense");
            data_.insert(Entry::make(date + "-26", code, (code == "PY" ? cents : -cents) * 100, note));
        }
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(readBytes("2026CWK.DAT"), data_.bytes());
        QCOMPARE(w_->itemList()->model()->rowCount(), 300);
    }

    // A new amount and note (an expense stays one), a new date (the entry
    // keeps its place), Save Income on an opened entry (a new one), Delete.
    void entriesAreReplacedAddedAndDeleted()
    {
        QList<Entry>& e = data_.entries;
        const Entry changed = e[10], moved = e[20], opened = e[5];
        openRow(10);
        fill({{"AmountEditor", "77.7"}, {"NoteEditor", "Changed note"}});
        click("ReplaceRec");
        data_.replace(changed, Entry::make(QString::fromLatin1(changed.date()), QString::fromLatin1(changed.code()),
                                           changed.amount() < 0 ? -777000 : 777000, "Changed note"));
        openRow(20);
        edit("DateEditor")->setText("12-31");
        click("ReplaceRec");
        Entry edited = moved;
        edited.bytes.replace(0, 8, "12-31-26");
        data_.replace(moved, edited);
        openRow(5);
        click("SaveNewIncome");
        Entry added = opened;
        added.bytes.replace(10, 8, reference::littleEndian(std::abs(opened.amount()), 8));
        data_.insert(added);
        const Entry gone = e[30];
        openRow(30);
        QCOMPARE(saidBy([this] { click("KillRec"); }, {Answer::press(QMessageBox::Yes)}), "Confirm | Delete record ? | question | Yes/[No]");
        data_.entries.removeOne(gone);
        QVERIFY(filesMatch());
        QCOMPARE(w_->itemList()->model()->rowCount(), int(e.size()));
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
    }
};

static RegisterWindowTest<YearOfUseTest> registered;
#include "YearOfUseTest.moc"
