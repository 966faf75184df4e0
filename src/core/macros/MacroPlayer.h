#pragma once
// Playing a macro file into the year data file under one play date.

#include "store/Env.h"
#include "store/Message.h"

#include <QString>
#include <optional>
#include <vector>

namespace cw {

// The play date: the date box's five characters as shown (unfilled places
// included), "-", and the two-digit year (characters 3 and 4 of the year
// data file name), held in eight characters.
QString macroPlayDate(const QString& dateBoxText, const QString& dataFileName);

// "Invalid Date - " and the play date, title "Operation Aborted", when the
// date check refuses it (a day that does not exist in `activeYear` too).
std::optional<Message> checkPlayDate(const QString& playDate, QChar flag, int activeYear);

Message selectMacroFileMessage();   // "Please select a macro file"
Message macroNameMissingMessage();  // "Please provide a file name with no extension."
Message playMacroQuestion();        // "Play macro file?"

struct MacroPlayOutcome {
    // The file that could not be read or written; nothing was inserted then.
    Status status;
    // The entries that were not inserted, in macro order, with their reasons.
    std::vector<Message> refused;
    qsizetype inserted = 0;
};

// Collects the data lines of `macroFile` into the work file "tempmac.$$$"
// (beside the data file, cleared first), reads the entries back from it,
// checks each as a new entry and inserts the accepted ones in macro order
// with one safe rewrite of `dataFile`; the work file is removed at the end.
// A macro file that cannot be read is reported before anything is inserted.
// An amount too large for Money refuses its entry; the play goes on.
MacroPlayOutcome playMacroFile(Env& env, const QString& macroFile, const QString& playDate,
                               const QString& dataFile, QChar flag);

} // namespace cw
