#include "ProgramState.h"

#include "store/FileNames.h"

namespace cw {

void ProgramState::setActiveYear(const QString& year)
{
    dataFileName = cw::dataFileName(year);
    categoryFileName = cw::categoryFileName(year);
}

void ProgramState::takeSettings(const PersonalRecord& record)
{
    personal = record;
    userName = record.userNameText();
    dateFlag = record.dateFormatFlag();
}

} // namespace cw
