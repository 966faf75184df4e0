#pragma once
// Making another year the active one: both file names follow the year, and a
// year without categories may take over those of the year active before.

#include "core/session/ProgramState.h"

#include "store/Env.h"
#include "store/Message.h"

namespace cw {

class YearSwitch {
public:
    // A switch from the state's active year to `year` (four digits).
    YearSwitch(const QString& year, const ProgramState& state);

    const QString& year() const { return year_; }
    const QString& categoryFile() const { return categoryFile_; }
    const QString& previousCategoryFile() const { return previousCategoryFile_; }

    // True when the year's category file is absent or empty.
    Result<bool> categoriesMissing(Env& env) const;

    // "There is no category file for 1999" / "Copy over 1998's categories ?",
    // title "No categories!", question icon.
    Message question() const;

    // The previous year's category file copied byte for byte over the new
    // one. Nothing is written when there is nothing to copy: the previous file
    // is absent or is the new file itself.
    Status copyCategories(Env& env) const;

    // Names both year files after the new year.
    void apply(ProgramState& state) const { state.setActiveYear(year_); }

private:
    QString year_;
    QString categoryFile_;
    QString previousCategoryFile_;
};

} // namespace cw
