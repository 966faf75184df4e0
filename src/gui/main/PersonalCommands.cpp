#include "PersonalCommands.h"

#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "core/session/PersonalOptions.h"
#include "core/session/TextEditor.h"

#include "store/PersonalSettings.h"

#include <QAction>

namespace cw {

PersonalCommands::PersonalCommands(MainWindow* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("PersonalCommands"));
    connect(window_->command(QStringLiteral("mnuUserName")), &QAction::triggered, this,
            &PersonalCommands::mnuUserName_Click);
    connect(window_->command(QStringLiteral("mnuPassCode")), &QAction::triggered, this,
            &PersonalCommands::mnuPassCode_Click);
    connect(window_->command(QStringLiteral("mnuNotes")), &QAction::triggered, this,
            &PersonalCommands::mnuNotes_Click);
}

void PersonalCommands::mnuUserName_Click()
{
    ProgramState& state = window_->state();
    Env& env = *Env::current();
    Result<PersonalRecord> stored = readStoredPersonal(env, state.personal);
    if (!stored) {
        showFileError(window_, stored.status());
        return;
    }
    const std::optional<QString> name = userNameFromAnswer(
        askStoredText(window_, QStringLiteral("Enter name to show on reports"), QStringLiteral("Your Name?"),
                      stored->userNameText()));
    if (!name)
        return;
    stored->setUserName(*name);
    if (Status saved = savePersonal(env, *stored); !saved) {
        showFileError(window_, saved);
        followStoredPersonal(env, state);
        return;
    }
    state.personal = *stored;
    state.userName = stored->userNameText();
}

void PersonalCommands::mnuPassCode_Click()
{
    const QString answer = askSecret(window_, QStringLiteral("Enter passcode - 4 characters, numbers ONLY"),
                                     QStringLiteral("Passcode entry"));
    if (answer.isEmpty())
        return;
    const PasscodeChoice choice = passcodeFromAnswer(answer);
    if (choice.code) {
        ProgramState& state = window_->state();
        Result<PersonalRecord> saved = changePersonal(*Env::current(), state.personal,
                                                      [&](PersonalRecord& r) { r.passCode = *choice.code; });
        if (saved) {
            state.personal = *saved;
        } else {
            // Told as set only when the file holds it all the same.
            showFileError(window_, saved.status());
            followStoredPersonal(*Env::current(), state);
            if (state.personal.passCode != *choice.code)
                return;
        }
    }
    showMessage(window_, choice.message);
}

void PersonalCommands::mnuNotes_Click()
{
    Result<QString> notes = notesFileToEdit(*Env::current(), window_->state().year());
    Status status = notes.status();
    if (notes)
        status = startTextEditor(*notes);
    if (!status)
        showFileError(window_, status);
}

} // namespace cw
