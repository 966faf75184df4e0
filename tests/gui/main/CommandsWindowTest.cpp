// The main window's smaller commands, driven by object name: Find, Date
// Format and Date Coverter, User Name, Pass Code, Notes, the help window
// with the help key, and About. Their answers and texts are the core tests';
// here the dialogs they show, what they store and what the window shows.

#include "support/DialogDriver.h"
#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"

#include "core/session/DateFormatLogic.h"
#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/main/HelpCommands.h"

#include <QMenu>
#include <QSpinBox>
#include <QToolBar>

using namespace cwtest;
using cw::LedgerEntry;

namespace {

const QString kData = QStringLiteral("2026CWK.DAT");

// The list's hide and show events.
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

QString asked(const SeenDialog& d) { return d.text + '|' + d.title + '|' + d.defaultText; }

} // namespace

class CommandsWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init()
    {
        startFolder();
        editor_.clear();
    }
    void cleanup() { stopAll(); }

    // ---- Find ------------------------------------------------------------

    // From hit to hit while the answer is Yes, the list hidden for each scan.
    void findGoesFromHitToHit()
    {
        must(cw::writeRecords(*cw::Env::posix(), kData,
                              std::vector{entry("03-09-26", "TX", -1, "Taxi to airport"), entry("03-08-26", "TX", -1, "surtax"),
                                          entry("03-07-26", "TX", 1, "  (tax refund)"), entry("03-06-26", "TX", -1, "Bus fare"),
                                          entry("03-05-26", "TX", -1, "TAX bill")}));
        for (const bool toTheEnd : {true, false}) {
            open();
            VisibilityLog log;
            w_->itemList()->installEventFilter(&log);
            DialogDriver dialogs({Answer::type("  tax "), Answer::press(QMessageBox::Yes),
                                  Answer::press(toTheEnd ? QMessageBox::Yes : QMessageBox::No), Answer::press()});
            QList<int> rows;
            dialogs.onEachDialog = [&](QWidget* d) {
                if (qobject_cast<QMessageBox*>(d))
                    rows << w_->itemList()->currentIndex().row();
            };
            w_->toolbar()->actions()[1]->trigger();   // tbbFind
            QCOMPARE(asked(dialogs.seen.value(0)), "Find what?|Search for a word|");
            QCOMPARE(said(dialogs.seen.value(1)), "Searching... | Find next? | question | [Yes]/No");
            QCOMPARE(rows, toTheEnd ? QList<int>({0, 2, 4}) : QList<int>({0, 2}));
            if (toTheEnd)
                QCOMPARE(said(dialogs.seen.value(3)), "Done searching | That's all! | warning | [Ok]");
            QCOMPARE(w_->itemList()->currentIndex(), w_->itemList()->model()->index(rows.last(), 3));
            QCOMPARE(log.events.join(' '), QStringList(rows.size(), "hide show").join(' '));
            w_->itemList()->removeEventFilter(&log);
        }
        // The text is offered again, upper-cased and trimmed.
        DialogDriver again({Answer::cancel()});
        command("mnuFind");
        QCOMPARE(again.seen.value(0).defaultText, "TAX");
    }

    // Cancel or a blank answer scans nothing; no hit ends on the last row.
    void findEndsAtOnceOrOnTheLastRow()
    {
        open();
        VisibilityLog log;
        w_->itemList()->installEventFilter(&log);
        for (const Answer& a : {Answer::cancel(), Answer::type("    ")}) {
            DialogDriver dialogs({a});
            command("mnuFind");
            QCOMPARE(dialogs.seen.size(), 1);
        }
        QVERIFY(log.events.isEmpty());
        {
            DialogDriver dialogs({Answer::type("bus fare"), Answer::press()});
            command("mnuFind");
            QCOMPARE(dialogs.seen.value(1).text, "That's all!");
            QCOMPARE(w_->itemList()->currentIndex().row(), 4);
        }
        w_->PopItemList("");   // an empty list: nothing examined
        DialogDriver empty({Answer::type("tax"), Answer::press()});
        command("mnuFind");
        QCOMPARE(empty.seen.value(1).text, "That's all!");
        QVERIFY(!w_->itemList()->currentIndex().isValid());
    }

    // ---- Date Format and Date Coverter ----------------------------------

    // Yes stores the other flag and offers the converter; No and a flag other
    // than A or E store nothing.
    void dateFormatStoresTheOtherFlag()
    {
        for (const auto& [flag, answer, stored] : {std::tuple(u'A', QMessageBox::Yes, 'E'), {u'E', QMessageBox::Yes, 'A'},
                                                   {u'A', QMessageBox::No, 'A'}, {u'X', QMessageBox::Yes, 'X'}}) {
            writeSettings(QChar(flag));
            open();
            DialogDriver dialogs({Answer::press(answer), Answer::press()});
            command("mnuDateFormat");
            const bool changed = stored != QChar(flag);
            QCOMPARE(dialogs.seen.size(), changed ? 3 : flag == u'X' ? 0 : 1);
            if (changed) {
                QCOMPARE(said(dialogs.seen[0]).section(" | ", 2), "question | Yes/[No]");
                QCOMPARE(said(dialogs.seen[1]), "Coinwick 2 | " + cw::dateFormatSetMessage(QChar(stored)).text + " | no icon | [Ok]");
                QCOMPARE(dialogs.seen[2].title, "Convert date format of existing records");
            }
            QCOMPARE(readBytes("PERSONAL.DAT").at(95), stored);
            QCOMPARE(w_->state().dateFlag, QChar(stored));
        }
    }

    void dateConverterSwapsTheYearAndListsItWhole()
    {
        open();
        pickCategory(1);   // FO: the converter lists the whole year again
        {
            DialogDriver dialogs({Answer::press(QMessageBox::No)});
            command("mnuDateConvert");
            QCOMPARE(said(dialogs.seen.value(0)), "Convert date format of existing records | Swap place of month and "
                                                  "day in this year's data? | question | Yes/[No]");
            QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
            QCOMPARE(w_->itemList()->model()->rowCount(), 2);
        }
        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        command("mnuDateConvert");
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
        QCOMPARE(w_->itemList()->model()->index(0, 0).data().toString(), "14-03-26");
        QCOMPARE(readBytes(kData).left(8), "14-03-26");
    }

    // ---- User Name and Pass Code -----------------------------------------

    void userNameIsStoredInItsField()
    {
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        {
            DialogDriver dialogs({Answer::cancel()});
            command("mnuUserName");
            QCOMPARE(asked(dialogs.seen.value(0)), "Enter name to show on reports|Your Name?|Your Name (click Options)   ");
            QCOMPARE(readBytes("PERSONAL.DAT"), before);
        }
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
        QCOMPARE(readBytes("PERSONAL.DAT"), "Ann\xe9" + QByteArray(24, ' ') + before.mid(28));
        QCOMPARE(w_->state().userName, QString::fromUtf8("Ann\u00e9") + QString(24, u' '));
    }

    void passcodeAnswersAreToldAndStored()
    {
        writeSettings(u'A', 7);
        {
            DialogDriver start({Answer::type("7")});
            open();
        }
        const QByteArray before = readBytes("PERSONAL.DAT");
        for (const auto& [answer, told, stored] : {std::tuple("0042", "Your passcode is set to: 42\nDont't forget!", 42),
                                                   {"12a4", "Bad Code! Try again...", 42}, {nullptr, "", 42}}) {
            DialogDriver dialogs({answer ? Answer::type(answer) : Answer::cancel(), Answer::press()});
            w_->toolbar()->actions()[6]->trigger();   // tbbSetup
            QCOMPARE(asked(dialogs.seen.value(0)), "Enter passcode - 4 characters, numbers ONLY|Passcode entry|");
            QVERIFY(dialogs.seen.value(0).secret);
            QCOMPARE(dialogs.seen.size(), answer ? 2 : 1);
            if (answer)
                QCOMPARE(said(dialogs.seen[1]), "Coinwick 2 | " + QString::fromLatin1(told) + " | no icon | [Ok]");
            QByteArray expected = before;
            expected[31] = char(stored);
            QCOMPARE(readBytes("PERSONAL.DAT"), expected);
        }
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

        EditorStandIn::Missing noEditor;
        DialogDriver dialogs({Answer::press()});
        command("mnuNotes");
        QCOMPARE(said(dialogs.seen.value(0)), "Coinwick 2 | xdg-open: not found on the PATH | warning | [Ok]");
    }

    // ---- Help and About --------------------------------------------------

    void helpKeyOpensTheTopicOfTheAreaInUse()
    {
        open();
        QCOMPARE(helpKeyOn(w_->itemList()), cw::kHelpContentsAnchor);
        command("mnuNewItem");
        QCOMPARE(helpKeyOn(edit("NoteEditor")), cw::helpAnchorFor(30));
        button("CancelEdit")->click();
        command("mnuYear");
        QCOMPARE(helpKeyOn(child<QSpinBox>(w_.get(), "DataYear")), cw::helpAnchorFor(15));
        button("YearOff")->click();
        command("mnuNewCategory");
        QCOMPARE(helpKeyOn(edit("CatEdCatName")), cw::helpAnchorFor(20));
        button("CatEdCancel")->click();
        command("mnuShowMacro");
        QCOMPARE(helpKeyOn(child<QListWidget>(w_.get(), "MacroSelect")), cw::helpAnchorFor(80));
        QCOMPARE(helpKeyOn(edit("MacDate")), cw::helpAnchorFor(80));
        button("MacroCancel")->click();

        // In an open menu: the menu's topic, and the menu closes.
        for (const auto& [name, id] : {std::pair("mnuOptions", 260), {"mnuHelp", 270}, {"mnuFile", 210}}) {
            QMenu* menu = child<QMenu>(w_.get(), name);
            activateMain();
            menu->popup(w_->mapToGlobal(QPoint(20, 20)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QTest::keyClick(menu, Qt::Key_F1);
            QCOMPARE(shownAnchor(), cw::helpAnchorFor(id));
            QVERIFY(!menu->isVisible());
        }
    }

    void contentsAboutAndClosingWithTheMainWindow()
    {
        open();
        command("mnuHelpContents");
        cw::HelpWindow* help = w_->help()->helpWindow();
        QVERIFY(help && help->isVisible() && help->isWindow() && !help->parent());
        QCOMPARE(help->currentAnchor(), cw::kHelpContentsAnchor);
        help->showTopic(80);
        w_->toolbar()->actions()[0]->trigger();   // tbbHelp
        QCOMPARE(help->currentAnchor(), cw::kHelpContentsAnchor);
        w_->showHelp(cw::HelpContext::ReportsWindow);   // the reports window's Help button
        QCOMPARE(help->currentAnchor(), cw::helpAnchorFor(250));

        DialogDriver dialogs({Answer::press()});
        command("mnuHelpAbout");
        QCOMPARE(said(dialogs.seen.value(0)), "About Coinwick 2 | " + cw::aboutMessage().text + " | no icon | [Ok]");
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
        return help && help->isVisible() ? help->currentAnchor() : QStringLiteral("<no help>");
    }

    EditorStandIn editor_;
};

static RegisterWindowTest<CommandsWindowTest> registered;
#include "CommandsWindowTest.moc"
