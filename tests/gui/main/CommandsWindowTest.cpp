// The main window's smaller commands through their controls; their answers
// and texts are the core tests'.

#include "support/EditorStandIn.h"
#include "support/WindowFixture.h"

#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/main/HelpCommands.h"

using namespace cwtest;

namespace {

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

const QString kAsk = QStringLiteral("Search for a word | Find what?");
const QString kNext = QStringLiteral("Searching... | Find next? | question | [Yes]/No");
const QString kDone = QStringLiteral("Done searching | That's all! | warning | [Ok]");

} // namespace

class CommandsWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    // Runs Find with `answers`; the row current at each question, and what was said.
    QString find(const QList<Answer>& answers, VisibilityLog* log = nullptr)
    {
        if (log)
            w_->itemList()->installEventFilter(log);
        DialogDriver dialogs(answers);
        QStringList rows;
        dialogs.onEachDialog = [&](QWidget* d) {
            if (qobject_cast<QMessageBox*>(d))
                rows << QString::number(w_->itemList()->currentIndex().row());
        };
        w_->toolbar()->actions()[1]->trigger();   // tbbFind
        w_->itemList()->removeEventFilter(log);
        return rows.join(' ') + " : " + told(dialogs.seen);
    }

private slots:
    void init()
    {
        startFolder();
        editor_.clear();
    }
    void cleanup() { stopAll(); }

    // Hit to hit while the answer is Yes, the list hidden for each scan; the
    // text offered again; Cancel or blanks scan nothing; no hit ends on the last row.
    void findGoesFromHitToHit()
    {
        must(cw::writeRecords(*cw::Env::posix(), "2026CWK.DAT",
                              std::vector{entry("03-09-26", "TX", -1, "Taxi to airport"), entry("03-08-26", "TX", -1, "surtax"),
                                          entry("03-07-26", "TX", 1, "  (tax refund)"), entry("03-06-26", "TX", -1, "Bus fare"),
                                          entry("03-05-26", "TX", -1, "TAX bill")}));
        open();
        VisibilityLog log;
        const Answer yes = Answer::press(QMessageBox::Yes), no = Answer::press(QMessageBox::No);
        QCOMPARE(find({Answer::type("  tax "), yes, yes}, &log), "0 2 4 : " + kAsk + " // " + kNext + " // " + kNext + " // " + kDone);
        QCOMPARE(log.events.join(' '), "hide show hide show hide show");
        QCOMPARE(w_->itemList()->currentIndex(), w_->itemList()->model()->index(4, 3));
        open();
        QCOMPARE(find({Answer::type("tax"), yes, no}), "0 2 : " + kAsk + " // " + kNext + " // " + kNext);
        QCOMPARE(w_->itemList()->currentIndex().row(), 2);
        {
            DialogDriver again({Answer::cancel()});
            command("mnuFind");
            QCOMPARE(again.seen.value(0).defaultText, "TAX");
        }
        log.events.clear();
        QCOMPARE(find({Answer::cancel()}, &log) + find({Answer::type("    ")}, &log), " : " + kAsk + " : " + kAsk);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(find({Answer::type("bus fare")}), "4 : " + kAsk + " // " + kDone);
        QCOMPARE(w_->itemList()->currentIndex().row(), 4);
        w_->PopItemList("");   // an empty list: nothing examined
        QCOMPARE(find({Answer::type("tax")}), "-1 : " + kAsk + " // " + kDone);
    }

    // Yes stores the other flag, tells it and offers the converter; No, or a
    // flag other than A or E, stores nothing. The converter lists the whole year.
    void dateFormatAndTheConverter()
    {
        for (const auto& [flag, answer, stored] : {std::tuple('A', QMessageBox::Yes, 'E'), {'E', QMessageBox::No, 'E'}, {'X', QMessageBox::Yes, 'X'}}) {
            writeSettings(QChar(flag));
            open();
            QCOMPARE(saidBy([this] { command("mnuDateFormat"); }, {Answer::press(answer), Answer::press(), Answer::press(QMessageBox::No)}),
                     flag == 'X' ? "" : answer == QMessageBox::No
                ? "Change Date Format | Current date format is DD-MM-YY\nChange to MM-DD-YY ? | question | Yes/[No]"
                : "Change Date Format | Current date format is MM-DD-YY\nChange to DD-MM-YY ? | question | Yes/[No] // "
                  "Coinwick 2 | Date format set to DD-MM-YY (E) | no icon | [Ok] // Convert date format of existing "
                  "records | Swap place of month and day in this year's data? | question | Yes/[No]");
            QCOMPARE(readBytes("PERSONAL.DAT").at(95), stored);
            QCOMPARE(w_->state().dateFlag, QChar(stored));
        }
        pickCategory(1);
        saidBy([this] { command("mnuDateConvert"); }, {Answer::press(QMessageBox::Yes)});
        QCOMPARE(w_->state().selectedCategory + '|' + w_->itemList()->model()->index(0, 0).data().toString(), "all|14-03-26");
    }

    // The boxes' texts; Cancel stores nothing; the name box does not take
    // what Windows-1252 lacks; the answers go into their fields.
    void userNameAndPasscodeAreStoredInTheirFields()
    {
        open();
        const QByteArray before = readBytes("PERSONAL.DAT");
        auto dialogs = std::make_unique<DialogDriver>(QList<Answer>{Answer::cancel(), Answer::accept()});
        QString typed;
        dialogs->onEachDialog = [&](QWidget* d) {
            d->findChild<QLineEdit*>()->selectAll();
            d->findChild<QLineEdit*>()->insert(QString::fromUtf8("\u674eAnn\u00e9\u2603"));
            typed = d->findChild<QLineEdit*>()->text();
        };
        command("mnuUserName");
        QCOMPARE(dialogs->seen.value(0).text + '|' + dialogs->seen.value(0).title + '|' + dialogs->seen.value(0).defaultText,
                 "Enter name to show on reports|Your Name?|Your Name (click Options)   ");
        QCOMPARE(readBytes("PERSONAL.DAT"), before);
        command("mnuUserName");
        QCOMPARE(typed, QString::fromUtf8("Ann\u00e9"));
        QCOMPARE(readBytes("PERSONAL.DAT"), "Ann\xe9" + QByteArray(24, ' ') + before.mid(28));
        QCOMPARE(w_->state().userName, QString::fromUtf8("Ann\u00e9") + QString(24, u' '));
        dialogs.reset();

        const QString asked = "Passcode entry | Enter passcode - 4 characters, numbers ONLY";
        for (const auto& [answer, said] : {std::pair(Answer::type("0042"), asked + " // Coinwick 2 | Your passcode is set to: 42\nDont't forget! | no icon | [Ok]"),
                                           {Answer::type("12a4"), asked + " // Coinwick 2 | Bad Code! Try again... | no icon | [Ok]"},
                                           {Answer::cancel(), asked}}) {
            DialogDriver passcode({answer, Answer::press()});
            w_->toolbar()->actions()[6]->trigger();   // tbbSetup
            QVERIFY(passcode.seen.value(0).secret && passcode.seen.value(0).defaultText.isEmpty());
            QCOMPARE(told(passcode.seen), said);
            QCOMPARE(readBytes("PERSONAL.DAT").mid(31, 2), QByteArray("\x2A\0", 2));
        }
    }

    // Notes opens the year's notes file, made when absent and in any letter
    // case when there, in the editor started in the working folder.
    void notesOpenTheYearsFileInTheEditor()
    {
        open();
        w_->toolbar()->actions()[2]->trigger();   // tbbNotes
        QCOMPARE(fileSize("2026_cwk.nts"), 0);
        QCOMPARE(editor_.lastCall(), QStringList({workingFolder(), "2026_cwk.nts"}));
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

    // F1 opens the topic of the area in use, or of an open menu (which closes);
    // Help opens the contents; About; the help window closes with the main one.
    void helpAndAbout()
    {
        open();
        QCOMPARE(helpKeyOn(w_->itemList()), cw::kHelpContentsAnchor);
        for (const auto& [item, box, id, leave] : {std::tuple("mnuNewItem", "NoteEditor", 30, "CancelEdit"),
                                                   {"mnuYear", "DataYear", 15, "YearOff"}, {"mnuNewCategory", "CatEdCatName", 20, "CatEdCancel"},
                                                   {"mnuShowMacro", "MacroSelect", 80, ""}, {"", "MacDate", 80, "MacroCancel"}}) {
            if (*item)
                command(item);
            QCOMPARE(helpKeyOn(child(w_.get(), box)), cw::helpAnchorFor(id));
            if (*leave)
                click(leave);
        }
        for (const auto& [name, id] : {std::pair("mnuOptions", 260), {"mnuHelp", 270}, {"mnuFile", 210}}) {
            QMenu* menu = child<QMenu>(w_.get(), name);
            activateMain();
            menu->popup(w_->mapToGlobal(QPoint(20, 20)));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QTest::keyClick(menu, Qt::Key_F1);
            QCOMPARE(shownAnchor(), cw::helpAnchorFor(id));
            QVERIFY(!menu->isVisible());
        }
        cw::HelpWindow* help = w_->help()->helpWindow();
        help->showTopic(80);
        w_->toolbar()->actions()[0]->trigger();   // tbbHelp
        QCOMPARE(help->currentAnchor(), cw::kHelpContentsAnchor);
        QVERIFY(help->isVisible() && help->isWindow() && !help->parent());
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
