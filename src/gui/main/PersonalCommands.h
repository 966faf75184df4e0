#pragma once
// The small personal commands: Options, User Name (mnuUserName), Options,
// Pass Code (mnuPassCode, the toolbar's Passcode) and Edit, Notes (mnuNotes,
// the toolbar's Notes).

#include <QObject>

namespace cw {

class MainWindow;

class PersonalCommands : public QObject {
    Q_OBJECT
public:
    explicit PersonalCommands(MainWindow* window);

    // Asks for the name shown on reports and stores it in "PERSONAL.DAT".
    void mnuUserName_Click();
    // Asks for a four-digit start-up passcode and stores it.
    void mnuPassCode_Click();
    // Opens the active year's notes file in the text editor.
    void mnuNotes_Click();

private:
    MainWindow* window_;
};

} // namespace cw
