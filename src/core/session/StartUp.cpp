#include "StartUp.h"

#include "core/categories/CategoryEditorLogic.h"

#include "store/Blanks.h"
#include "store/DateRules.h"
#include "store/PersonalSettings.h"
#include "store/PlainNumber.h"
#include "store/WorkingFolder.h"

namespace cw {

bool passcodeAccepted(const QString& answer, std::int16_t passCode)
{
    return readPlainNumber(trimBlanks(answer.toUpper())) == double(passCode);
}

Message incorrectPasscodeMessage()
{
    return {QStringLiteral("Incorrect code. Try again."), kProgramTitle, Message::Icon::None};
}

Message threeStrikesMessage()
{
    return {QStringLiteral("Sorry, three strikes and yer out!"), kProgramTitle, Message::Icon::None};
}

StartUpResult openPersonalSettings(Env& env, const QDate& today, const PasscodeQuestion& ask,
                                   const MessageSink& tell)
{
    constexpr int kStrikesAllowed = 3;
    StartUpResult result;
    // A re-code a killed run left half done is finished first; then the work
    // files such a run left behind go.
    if (Status s = CategoryEditorLogic::finishInterruptedRecode(env); !s) {
        result.outcome = StartUpResult::Outcome::FileFailed;
        result.status = s;
        return result;
    }
    removeStaleWorkFiles(env);
    for (int strikes = 0;;) {
        Result<PersonalRecord> loaded = loadOrCreatePersonal(env, today);
        if (!loaded) {
            result.outcome = StartUpResult::Outcome::FileFailed;
            result.status = loaded.status();
            return result;
        }
        result.personal = *loaded;
        if (result.personal.passCode == 0 || passcodeAccepted(ask(), result.personal.passCode))
            return result;
        if (++strikes >= kStrikesAllowed) {
            tell(threeStrikesMessage());
            result.outcome = StartUpResult::Outcome::Refused;
            return result;
        }
        tell(incorrectPasscodeMessage());
    }
}

void startRun(ProgramState& state, const PersonalRecord& personal, const QDate& today)
{
    state.takeSettings(personal);
    state.setActiveYear(todayText(today).right(4));
    state.selectedCategory = kAllCategories;
    state.currencySymbol = QStringLiteral("$");
}

} // namespace cw
