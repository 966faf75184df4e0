// The main window's smaller commands, driven by object name: Find, Date
// Format and Date Coverter, User Name, Pass Code, Notes, the help window
// with the help key, and About. Their answers and texts are the core tests';
// here the dialogs they show, what they store and what the window shows.

#include "support/DialogDriver.h"
#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"

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
        for (const Answer& a : {Answer::cancel(), Answer::type("    ")})
            QCOMPARE(saidBy([this] { command("mnuFind"); }, {a}), "Search for a word | Find what?");
        QVERIFY(log.events.isEmpty());
        const QString none = "Search for a word | Find what? // Done searching | That's all! | warning | [Ok]";
        QCOMPARE(saidBy([this] { command("mnuFind"); }, {Answer::type("bus fare")}), none);
        QCOMPARE(w_->itemList()->currentIndex().row(), 4);
        w_->PopItemList("");   // an empty list: nothing examined
        QCOMPARE(saidBy([this] { command("mnuFind"); }, {Answer::type("tax")}), none);
        QVERIFY(!w_->itemList()->currentIndex().isValid());
    }

    // ---- Date Format and Date Coverter ----------------------------------

    // Yes stores the other flag, tells it and offers the converter at once;
    // No, or a flag other than A or E, stores nothing.
    void dateFormatStoresTheOtherFlag()
    {
        for (const auto& [flag, answer, stored] : {std::tuple('A', QMessageBox::Yes, 'E'), {'E', QMessageBox::No, 'E'},
                                                   {'X', QMessageBox::Yes, 'X'}}) {
            writeSettings(QChar(flag));
            open();
            DialogDriver dialogs({Answer::press(answer), Answer::press(), Answer::press(QMessageBox::No)});
            command("mnuDateFormat");
            QStringList told;
            for (const SeenDialog& d : dialogs.seen)
                told << said(d);
            QCOMPARE(told.join(" // "), flag == 'X' ? "" : answer == QMessageBox::No
                ? "Change Date Format | Current date format is DD-MM-YY\nChange to MM-DD-YY ? | question | Yes/[No]"
                : "Change Date Format | Current date format is MM-DD-YY\nChange to DD-MM-YY ? | question | Yes/[No] // "
                  "Coinwick 2 | Date format set to DD-MM-YY (E) | no icon | [Ok] // Convert date format of existing "
                  "records | Swap place of month and day in this year's data? | question | Yes/[No]");
            QCOMPARE(readBytes("PERSONAL.DAT").at(95), stored);
            QCOMPARE(w_->state().dateFlag, QChar(stored));
            QCOMPARE(readBytes(kData), bytesOf(sampleYear()));
        }
    }

    // Yes swaps the year's dates and lists the whole year again.
    void dateConverterSwapsTheYearAndListsItWhole()
    {
        open();
        pickCategory(1);
        DialogDriver dialogs({Answer::press(QMessageBox::Yes)});
        command("mnuDateConvert");
        QCOMPARE(dialogs.seen.value(0).title, "Convert date format of existing records");
        QCOMPARE(w_->state().selectedCategory, "all");
        QCOMPARE(w_->itemList()->model()->rowCount(), 5);
        QCOMPARE(w_->itemList()->model()->index(0, 0).data().toString() + '|' + readBytes(kData).left(8), "14-03-26|14-03-26");
    }

    // ---- User Name and Pass Code -----------------------------------------

    // The box's texts; Cancel stores nothing; the box itself does not take
    // what Windows-1252 lacks, and the answer goes into its field.
    void userNameIsStoredInItsField()
    {
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        DialogDriver dialogs({Answer::cancel(), Answer::accept()});
        QString typed;
        dialogs.onEachDialog = [&](QWidget* d) {
            d->findChild<QLineEdit*>()->selectAll();
            d->findChild<QLineEdit*>()->insert(QString::fromUtf8("\u674eAnn\u00e9\u2603"));
            typed = d->findChild<QLineEdit*>()->text();
        };
        command("mnuUserName");
        QCOMPARE(asked(dialogs.seen.value(0)), "Enter name to show on reports|Your Name?|Your Name (click Options)   ");
        QCOMPARE(readBytes("PERSONAL.DAT"), before);
        command("mnuUserName");
        QCOMPARE(typed, QString::fromUtf8("Ann\u00e9"));
        QCOMPARE(readBytes("PERSONAL.DAT"), "Ann\xe9" + QByteArray(24, ' ') + before.mid(28));
        QCOMPARE(w_->state().userName, QString::fromUtf8("Ann\u00e9") + QString(24, u' '));
    }

    void passcodeAnswersAreToldAndStored()
    {
        writeSettings(u'A', 7);
        saidBy([this] { open(); }, {Answer::type("7")});
        const QByteArray before = readBytes("PERSONAL.DAT");
        for (const auto& [answer, message] : {std::pair("0042", "Your passcode is set to: 42\nDont't forget!"),
                                           {"12a4", "Bad Code! Try again..."}, {nullptr, ""}}) {
            DialogDriver dialogs({answer ? Answer::type(answer) : Answer::cancel(), Answer::press()});
            w_->toolbar()->actions()[6]->trigger();   // tbbSetup
            QCOMPARE(asked(dialogs.seen.value(0)), "Enter passcode - 4 characters, numbers ONLY|Passcode entry|");
            QVERIFY(dialogs.seen.value(0).secret);
            QCOMPARE(told(dialogs.seen.mid(1)), answer ? "Coinwick 2 | " + QString::fromLatin1(message) + " | no icon | [Ok]" : "");
            QCOMPARE(readBytes("PERSONAL.DAT"), before.left(31) + "\x2A" + before.mid(32));
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
        QCOMPARE(saidBy([this] { command("mnuNotes"); }), "Coinwick 2 | xdg-open: not found on the PATH | warning | [Ok]");
    }

    // ---- Help and About --------------------------------------------------

    void helpKeyOpensTheTopicOfTheAreaInUse()
    {
        open();
        QCOMPARE(helpKeyOn(w_->itemList()), cw::kHelpContentsAnchor);
        for (const auto& [item, box, id, leave] : {std::tuple("mnuNewItem", "NoteEditor", 30, "CancelEdit"),
                                                   {"mnuYear", "DataYear", 15, "YearOff"},
                                                   {"mnuNewCategory", "CatEdCatName", 20, "CatEdCancel"},
                                                   {"mnuShowMacro", "MacroSelect", 80, ""}, {"", "MacDate", 80, "MacroCancel"}}) {
            if (*item)
                command(item);
            QCOMPARE(helpKeyOn(child(w_.get(), box)), cw::helpAnchorFor(id));
            if (*leave)
                click(leave);
        }

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

        QCOMPARE(saidBy([this] { command("mnuHelpAbout"); }), "About Coinwick 2 | " + cw::aboutMessage().text + " | no icon | [Ok]");
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
