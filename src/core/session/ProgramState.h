#pragma once
// The program-wide state the main window owns and every other window reads:
// the active year's file names, the entry list's filter, the date format flag,
// the user name, the loaded personal settings and the Undo history.

#include "core/session/UndoHistory.h"
#include "store/PersonalRecord.h"

#include <QString>
#include <memory>

namespace cw {

inline const QString kAllCategories = QStringLiteral("all");

struct ProgramState {
    QString dataFileName;       // "2026CWK.DAT"
    QString categoryFileName;   // "2026CATS.DAT"
    // The entry list's filter: "all", "" (nothing selected) or a two-character code.
    QString selectedCategory = kAllCategories;
    QChar dateFlag = u'A';
    QString userName;           // 28 characters as stored
    QString currencySymbol;
    PersonalRecord personal;
    // The session's Undo and Redo over the year files.
    std::shared_ptr<UndoHistory> history = std::make_shared<UndoHistory>();

    // The active year: the first four characters of the data file name.
    QString year() const { return dataFileName.left(4); }

    // Names both year files after a four-digit year.
    void setActiveYear(const QString& year);
    // Copies the user name and the date format flag out of the settings.
    void takeSettings(const PersonalRecord& record);
};

} // namespace cw
