#include "DateFormatCommands.h"

#include "gui/kit/BusyCursor.h"
#include "core/session/DateFormatLogic.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "core/session/PersonalOptions.h"

#include <QAction>

namespace cw {

DateFormatCommands::DateFormatCommands(MainWindow* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("DateFormatCommands"));
    connect(window_->command(QStringLiteral("mnuDateFormat")), &QAction::triggered, this,
            &DateFormatCommands::mnuDateFormat_Click);
    connect(window_->command(QStringLiteral("mnuDateConvert")), &QAction::triggered, this,
            &DateFormatCommands::mnuDateConvert_Click);
}

void DateFormatCommands::mnuDateFormat_Click()
{
    ProgramState& state = window_->state();
    const std::optional<QChar> newFlag = otherDateFlag(state.dateFlag);
    if (!newFlag || !askYesNo(window_, dateFormatQuestion(state.dateFlag)))
        return;
    Result<PersonalRecord> saved = changePersonal(*Env::current(), state.personal,
                                                  [&](PersonalRecord& r) { r.setDateFormatFlag(*newFlag); });
    if (saved) {
        state.personal = *saved;
        state.dateFlag = *newFlag;
    } else {
        // The flag is the one the file has, the new one too when the file got in place.
        showFileError(window_, saved.status());
        followStoredPersonal(*Env::current(), state);
        if (state.dateFlag != *newFlag)
            return;
    }
    showMessage(window_, dateFormatSetMessage(*newFlag));
    // Dates already stored are read in the new order from now on, so the
    // year's dates are offered for conversion at once.
    const Result<bool> holdsEntries = yearHoldsEntries(*Env::current(), state.dataFileName);
    if (!holdsEntries)
        showFileError(window_, holdsEntries.status());
    else if (*holdsEntries)
        mnuDateConvert_Click();
}

void DateFormatCommands::mnuDateConvert_Click()
{
    if (!askYesNo(window_, dateConvertQuestion()))
        return;
    Status converted;
    {
        BusyCursor busy;
        const ProgramState& state = window_->state();
        UndoScope undo(state.history.get(), *Env::current(), {state.dataFileName});
        converted = convertDataFileDates(*Env::current(), state.dataFileName);
    }
    if (!converted)
        showFileError(window_, converted);
    window_->FullYear_Click();
}

} // namespace cw
