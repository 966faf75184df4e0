#pragma once
// The start-up sequence before the main window shows: personal settings
// loaded or created, the passcode asked for when one is set, the active year
// taken from today's date.

#include "core/session/ProgramState.h"

#include "store/Env.h"
#include "store/Message.h"

#include <QDate>
#include <functional>

namespace cw {

// The passcode question's answer; Cancel answers "".
using PasscodeQuestion = std::function<QString()>;
using MessageSink = std::function<void(const Message&)>;

// The answer upper-cased, stripped of blanks and read as a plain number.
bool passcodeAccepted(const QString& answer, std::int16_t passCode);

Message incorrectPasscodeMessage();
Message threeStrikesMessage();

struct StartUpResult {
    enum class Outcome { Opened, Refused, FileFailed };
    Outcome outcome = Outcome::Opened;
    PersonalRecord personal;
    Status status;   // the failure, for FileFailed
};

// Finishes a re-code a killed run left half done and removes the work files
// left in the working folder; then loads or creates "PERSONAL.DAT" and, when a passcode is set, asks for it
// until it is given; three wrong answers refuse the start. LastStartDate is
// rewritten before every question.
StartUpResult openPersonalSettings(Env& env, const QDate& today, const PasscodeQuestion& ask,
                                   const MessageSink& tell);

// The state a run starts with: the settings' user name and flag, today's year,
// the filter "all" and the currency symbol "$".
void startRun(ProgramState& state, const PersonalRecord& personal, const QDate& today);

} // namespace cw
