// The main window's smaller commands, driven by object name: Find, Date
// Format and Date Coverter, User Name, Pass Code, Notes, the help window
// with the help key, and About. Stored bytes are checked in the files.

#include "support/DialogDriver.h"
#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"
#include "support/TempFolder.h"

#include "gui/main/HelpCommands.h"
#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/main/MainWindow.h"
#include "store/Win1252.h"

#include <QAction>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolBar>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");

// Counts the list's hide and show events.
class VisibilityLog : public QObject {
public:
    QStringList events;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide || e->type() == QEvent::Show)
            events << (e->type() == QEvent::Hide ? "hide" : "show");
        return false;
    }
};

} // namespace

class CommandsWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void init()
    {
        startFolder();
        editor_.clear();
    }
    void cleanup() { stopAll(); }

    // ---- Find ------------------------------------------------------------

    void findGoesFromHitToHit_data()
    {
        QTest::addColumn<QList<int>>("answers");   // at "Find next?": Yes = 1, No = 0
        QTest::addColumn<QList<int>>("rowsAtDialogs");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("finalRow");
        QTest::newRow("to the end") << QList<int>{1, 1} << QList<int>{0, 2, 4}
                                    << QStringList{"Find next?", "Find next?", "That's all!"} << 4;
        QTest::newRow("stopped") << QList<int>{1, 0} << QList<int>{0, 2} << QStringList{"Find next?", "Find next?"} << 2;
    }
    void findGoesFromHitToHit()
    {
        QFETCH(QList<int>, answers);
        QFETCH(QList<int>, rowsAtDialogs);
        QFETCH(QStringList, texts);
        QFETCH(int, finalRow);
        must(cw::writeRecords(*cw::Env::posix(), kData,
                              std::vector{entry("03-09-26", "TX", -1, "Taxi to airport"), entry("03-08-26", "TX", -1, "surtax"),
                                          entry("03-07-26", "TX", 1, "  (tax refund)"), entry("03-06-26", "TX", -1, "Bus fare"),
                                          entry("03-05-26", "TX", -1, "TAX bill")}));
        open();
        VisibilityLog log;
        w_->itemList()->installEventFilter(&log);
        QList<Answer> replies = {Answer::type("  tax ")};
        for (int a : answers)
            replies << Answer::press(a ? QMessageBox::Yes : QMessageBox::No);
        replies << Answer::press();
        {
            DialogDriver dialogs(replies);
            QList<int> rows;
            dialogs.onEachDialog = [&](QWidget* d) {
                if (qobject_cast<QMessageBox*>(d))
                    rows << w_->itemList()->currentIndex().row();
            };
            w_->toolbar()->actions()[1]->trigger();   // tbbFind
            QCOMPARE(dialogs.seen.size(), 1 + texts.size());
            QCOMPARE(dialogs.seen[0].text + '|' + dialogs.seen[0].title + '|' + dialogs.seen[0].defaultText,
                     "Find what?|Search for a word|");
            for (int i = 0; i < texts.size(); ++i) {
                const bool more = texts[i] == "Find next?";
                QCOMPARE(said(dialogs.seen[i + 1]), more ? "Searching... | Find next? | question | [Yes]/No"
                                                         : "Done searching | That's all! | warning | [Ok]");
            }
            QCOMPARE(rows, rowsAtDialogs);
        }
        QCOMPARE(w_->itemList()->currentIndex(), w_->itemList()->model()->index(finalRow, 3));
        // Hidden for each scan, shown once after it.
        QCOMPARE(log.events.size(), 2 * rowsAtDialogs.size());
        QCOMPARE(log.events.join(' '), QStringList(rowsAtDialogs.size(), "hide show").join(' '));
        QVERIFY(w_->itemList()->isVisible());

        // The text is offered again, upper-cased and trimmed.
        DialogDriver again({Answer::cancel()});
        command("mnuFind");
        QCOMPARE(again.seen.size(), 1);
        QCOMPARE(again.seen[0].defaultText, "TAX");
    }

    void findEndsAtOnceOrOnTheLastRow()
    {
        open();
        // Cancel or a blank answer: nothing is scanned.
        VisibilityLog log;
        w_->itemList()->installEventFilter(&log);
        for (const Answer& a : {Answer::cancel(), Answer::type(""), Answer::type("    ")}) {
            DialogDriver dialogs({a});
            command("mnuFind");
            QCOMPARE(dialogs.seen.size(), 1);
        }
        QVERIFY(log.events.isEmpty());
        QVERIFY(!w_->itemList()->currentIndex().isValid());

        // No hit: the search ends on the last row.
        for (const QString& text : {QStringLiteral("bus fare"), QStringLiteral("Note")}) {
            DialogDriver dialogs({Answer::type(text), Answer::press()});
            command("mnuFind");
            QCOMPARE(dialogs.seen.size(), 2);
            QCOMPARE(dialogs.seen[1].text, "That's all!");
            QCOMPARE(w_->itemList()->currentIndex().row(), 4);
        }
        // An empty list: nothing examined.
        w_->PopItemList("");
        DialogDriver dialogs({Answer::type("tax"), Answer::press()});
        command("mnuFind");
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(dialogs.seen[1].text, "That's all!");
        QVERIFY(!w_->itemList()->currentIndex().isValid());
    }

    // ---- Date Format and Date Coverter ----------------------------------

    void dateFormatYesAndNo_data()
    {
        QTest::addColumn<QChar>("flag");
        QTest::addColumn<bool>("yes");
        QTest::newRow("A, yes") << QChar(u'A') << true;
        QTest::newRow("A, no") << QChar(u'A') << false;
        QTest::newRow("E, yes") << QChar(u'E') << true;
        QTest::newRow("E, no") << QChar(u'E') << false;
    }
    void dateFormatYesAndNo()
    {
        QFETCH(QChar, flag);
        QFETCH(bool, yes);
        writeSettings(flag);
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        QCOMPARE(before.at(95), flag.toLatin1());
        DialogDriver dialogs({Answer::press(yes ? QMessageBox::Yes : QMessageBox::No), Answer::press()});
        command("mnuDateFormat");
        const bool wasA = flag == u'A';
        QCOMPARE(said(dialogs.seen.value(0)),
                 wasA ? "Change Date Format | Current date format is MM-DD-YY\nChange to DD-MM-YY ? | question | Yes/[No]"
                      : "Change Date Format | Current date format is DD-MM-YY\nChange to MM-DD-YY ? | question | Yes/[No]");
        QByteArray expected = before;
        if (yes) {
            QCOMPARE(dialogs.seen.size(), 3);   // then the converter's question, left unanswered
            QCOMPARE(said(dialogs.seen[1]), wasA ? "Coinwick 2 | Date format set to DD-MM-YY (E) | no icon | [Ok]"
                                                 : "Coinwick 2 | Date format set to MM-DD-YY (A) | no icon | [Ok]");
            expected[95] = wasA ? 'E' : 'A';
        } else {
            QCOMPARE(dialogs.seen.size(), 1);
        }
        QCOMPARE(readBytes("PERSONAL.DAT"), expected);
        QCOMPARE(w_->state().dateFlag, QChar(expected.at(95)));
    }

    void dateFormatOtherThanAOrEDoesNothing()
    {
        writeSettings(u'X');
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        DialogDriver dialogs;
        command("mnuDateFormat");
        QVERIFY(dialogs.seen.isEmpty());
        QCOMPARE(readBytes("PERSONAL.DAT"), before);
    }

    void dateConverterTwiceGivesTheFileBack()
    {
        const QByteArray original = cw::encodeRecords(sampleYear()) + QByteArray("partial");
        writeBytes(kData, original);
        open();
        pickCategory(1);   // FO: the converter lists the whole year again
        {
            DialogDriver dialogs({Answer::press(QMessageBox::No)});
            command("mnuDateConvert");
            QCOMPARE(said(dialogs.seen.value(0)), "Convert date format of existing records | Swap place of month and "
                                                  "day in this year's data? | question | Yes/[No]");
            QCOMPARE(readBytes(kData), original);
            QCOMPARE(w_->itemList()->model()->rowCount(), 2);
        }
        DialogDriver dialogs({Answer::press(QMessageBox::Yes), Answer::press(QMessageBox::Yes)});
        command("mnuDateConvert");
        std::vector<LedgerEntry> swapped = sampleYear();
        for (LedgerEntry& e : swapped) {
            const QString d = e.dateText();
            e.setDate(d.mid(3, 2) + "-" + d.left(2) + "-" + d.mid(6, 2));
        }
        QCOMPARE(readBytes(kData), cw::encodeRecords(swapped) + QByteArray("partial"));
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
        QCOMPARE(w_->itemList()->model()->index(0, 0).data().toString(), "14-03-26");

        command("mnuDateConvert");
        QCOMPARE(dialogs.seen.size(), 2);
        QCOMPARE(readBytes(kData), original);
        QVERIFY(QDir().entryList({"*.$$$"}, QDir::Files).isEmpty());
    }

    // ---- User Name and Pass Code -----------------------------------------

    void userNameIsStoredInTwentyEightCharacters()
    {
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        auto nameField = [] { return readBytes("PERSONAL.DAT").left(28); };
        {
            DialogDriver dialogs({Answer::cancel()});
            command("mnuUserName");
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(dialogs.seen[0].text + '|' + dialogs.seen[0].title + '|' + dialogs.seen[0].defaultText,
                     "Enter name to show on reports|Your Name?|Your Name (click Options)   ");
            QCOMPARE(readBytes("PERSONAL.DAT"), before);
        }
        const std::pair<QString, QByteArray> answers[] = {
            {"Bob", "Bob" + QByteArray(25, ' ')},
            {QString(40, u'n'), QByteArray(28, 'n')},
            // What Windows-1252 lacks is not taken, even when set into the box.
            {QString::fromUtf8("Zo\u00eb \u674e"), "Zo\xeb " + QByteArray(24, ' ')},
            {"\t\x01", "Zo\xeb " + QByteArray(24, ' ')},   // nothing left to store
        };
        for (const auto& [answer, stored] : answers) {
            DialogDriver dialogs({Answer::type(answer)});
            command("mnuUserName");
            QCOMPARE(dialogs.seen.size(), 1);
            QCOMPARE(nameField(), stored);
            QCOMPARE(cw::toWin1252(w_->state().userName), stored);
        }
        QCOMPARE(readBytes("PERSONAL.DAT").mid(28), before.mid(28));

        // The box itself does not take what Windows-1252 lacks.
        DialogDriver dialogs({Answer::accept()});
        QString typed;
        dialogs.onEachDialog = [&](QWidget* d) {
            QLineEdit* box = d->findChild<QLineEdit*>();
            box->selectAll();
            box->insert(QString::fromUtf8("\u674eAnn\u00e9\u2603"));
            typed = box->text();
        };
        command("mnuUserName");
        QCOMPARE(typed, QString::fromUtf8("Ann\u00e9"));
        QCOMPARE(nameField(), "Ann\xe9" + QByteArray(24, ' '));
    }

    void passcodeAnswers_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");   // empty: none
        QTest::addColumn<int>("stored");        // the PassCode field afterwards
        QTest::newRow("leading zeros") << "0042" << "Your passcode is set to: 42\nDont't forget!" << 42;
        QTest::newRow("first four") << "123456789" << "Your passcode is set to: 1234\nDont't forget!" << 1234;
        QTest::newRow("blanks remove it") << "    " << "Your passcode is set to: 0\nDont't forget!" << 0;
        QTest::newRow("letter") << "12a4" << "Bad Code! Try again..." << 7;
        QTest::newRow("inner blank") << "1 23" << "Bad Code! Try again..." << 7;
        QTest::newRow("control dropped") << "\x01" "123" << "Your passcode is set to: 123\nDont't forget!" << 123;
        QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662") << "Bad Code! Try again..." << 7;
        QTest::newRow("cancel") << QString() << QString() << 7;
    }
    void passcodeAnswers()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(int, stored);
        writeSettings(u'A', 7);
        {
            DialogDriver start({Answer::type("7")});
            open();
            QCOMPARE(start.seen.size(), 1);
        }
        const QByteArray before = readBytes("PERSONAL.DAT");
        DialogDriver dialogs({answer.isNull() ? Answer::cancel() : Answer::type(answer), Answer::press()});
        w_->toolbar()->actions()[6]->trigger();   // tbbSetup
        QCOMPARE(dialogs.seen.value(0).text + '|' + dialogs.seen.value(0).title + '|' + dialogs.seen.value(0).defaultText,
                 "Enter passcode - 4 characters, numbers ONLY|Passcode entry|");
        QVERIFY(dialogs.seen.value(0).secret);
        QCOMPARE(dialogs.seen.size(), message.isEmpty() ? 1 : 2);
        if (!message.isEmpty())
            QCOMPARE(said(dialogs.seen[1]), "Coinwick 2 | " + message + " | no icon | [Ok]");
        QByteArray expected = before;
        expected[31] = char(stored & 0xff);
        expected[32] = char(stored >> 8);
        QCOMPARE(readBytes("PERSONAL.DAT"), expected);
    }

    // ---- Notes -----------------------------------------------------------

    void notesOpenTheYearsFileInTheEditor()
    {
        open();
        w_->toolbar()->actions()[2]->trigger();   // tbbNotes
        QCOMPARE(fileSize("2026_cwk.nts"), 0);
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "2026_cwk.nts"}));

        // A notes file in another letter case is that same file, opened as it is.
        QFile::remove("2026_cwk.nts");
        writeBytes("2026_CWK.NTS", "keep me");
        editor_.clear();
        command("mnuNotes");
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "2026_CWK.NTS"}));
        QCOMPARE(readBytes("2026_CWK.NTS"), "keep me");
        QVERIFY(!QFile::exists("2026_cwk.nts"));
    }

    void notesWithoutAnEditorIsSaid()
    {
        open();
        EditorStandIn::Missing noEditor;
        DialogDriver dialogs({Answer::press()});
        command("mnuNotes");
        QCOMPARE(dialogs.seen.size(), 1);
        QCOMPARE(said(dialogs.seen[0]), "Coinwick 2 | xdg-open: not found on the PATH | warning | [Ok]");
    }

    // ---- Help and About --------------------------------------------------

    void helpKeyOpensTheTopicOfTheAreaInUse()
    {
        open();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QCOMPARE(helpKeyOn(w_->itemList()), cw::kHelpContentsAnchor);
        command("mnuNewItem");
        QCOMPARE(helpKeyOn(edit("NoteEditor")), cw::helpAnchorFor(30));
        button("CancelEdit")->click();
        command("mnuYear");
        QCOMPARE(helpKeyOn(w_->findChild<QSpinBox*>("DataYear")), cw::helpAnchorFor(15));
        button("YearOff")->click();
        command("mnuNewCategory");
        QCOMPARE(helpKeyOn(edit("CatEdCatName")), cw::helpAnchorFor(20));
        button("CatEdCancel")->click();
        command("mnuShowMacro");
        QCOMPARE(helpKeyOn(w_->findChild<QListWidget*>("MacroSelect")), cw::helpAnchorFor(80));
        QCOMPARE(helpKeyOn(edit("MacDate")), cw::helpAnchorFor(80));
        button("MacroCancel")->click();

        // In an open menu: the menu's topic, and the menu closes.
        const std::pair<const char*, int> menus[] = {{"mnuOptions", 260}, {"mnuHelp", 270}, {"mnuFile", 210}};
        for (const auto& [name, id] : menus) {
            QMenu* menu = w_->findChild<QMenu*>(name);
            QCOMPARE(helpKeyInMenu(menu), cw::helpAnchorFor(id));
            QVERIFY(!menu->isVisible());
        }
    }

    void contentsAboutAndClosingWithTheMainWindow()
    {
        open();
        command("mnuHelpContents");
        cw::HelpWindow* help = w_->help()->helpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->isWindow() && !help->parent());
        QCOMPARE(help->currentAnchor(), cw::kHelpContentsAnchor);
        help->showTopic(80);
        w_->toolbar()->actions()[0]->trigger();   // tbbHelp
        QCOMPARE(help->currentAnchor(), cw::kHelpContentsAnchor);
        w_->showHelp(cw::HelpContext::ReportsWindow);   // the reports window's Help button
        QCOMPARE(help->currentAnchor(), cw::helpAnchorFor(250));

        DialogDriver dialogs({Answer::press()});
        command("mnuHelpAbout");
        QCOMPARE(said(dialogs.seen.value(0)),
                 "About Coinwick 2 | Coinwick 2\nVersion " + cw::kProgramVersion + "\n\nA personal cash-flow ledger. | no icon | [Ok]");

        w_->close();
        QVERIFY(!help->isVisible());
    }

private:
    // F1 with the focus on `target`; the anchor the help window shows.
    QString helpKeyOn(QWidget* target)
    {
        activateMain();
        target->setFocus();
        if (!QTest::qWaitFor([&] { return target->hasFocus(); }))
            return "<no focus>";
        QTest::keyClick(target, Qt::Key_F1);
        return shownAnchor();
    }

    QString helpKeyInMenu(QMenu* menu)
    {
        activateMain();
        menu->popup(w_->mapToGlobal(QPoint(20, 20)));
        if (!QTest::qWaitForWindowExposed(menu))
            return "<no menu>";
        QTest::keyClick(menu, Qt::Key_F1);
        return shownAnchor();
    }

    void activateMain()
    {
        if (cw::HelpWindow* help = w_->help()->helpWindow())
            help->hide();
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    QString shownAnchor()
    {
        cw::HelpWindow* help = w_->help()->helpWindow();
        if (!help || !help->isVisible())
            return "<no help>";
        return help->currentAnchor();
    }


    EditorStandIn editor_;
};

QTEST_MAIN(CommandsWindowTest)
#include "CommandsWindowTest.moc"
