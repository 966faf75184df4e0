#pragma once
// User Name and Pass Code: the answers of their input boxes turned into the
// stored fields, their messages, and the change of record 1 of
// "PERSONAL.DAT" that keeps every other byte.

#include "core/session/ProgramState.h"

#include "store/Env.h"
#include "store/Message.h"
#include "store/PersonalRecord.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace cw {

inline constexpr int kUserNameSize = 28;

// Record 1 as the file holds it now; bytes the file lacks are taken from
// `loaded`, the record the run started with.
Result<PersonalRecord> readStoredPersonal(Env& env, const PersonalRecord& loaded);

// Reads record 1, lets `change` set its fields and writes it back whole.
// The record written, or the failure; nothing is written on a failed read.
Result<PersonalRecord> changePersonal(Env& env, const PersonalRecord& loaded,
                                      const std::function<void(PersonalRecord&)>& change);

// After a failed change: the state takes the record the file holds, which is
// the changed one when only the folder flush after the rename failed. Left
// as it is when the file cannot be read.
void followStoredPersonal(Env& env, ProgramState& state);

// The user name to store for an input box answer: control characters are
// not taken, and the rest is padded with blanks or cut to 28 characters.
// nullopt when nothing is left to store (an empty answer or Cancel).
std::optional<QString> userNameFromAnswer(const QString& answer);

struct PasscodeChoice {
    std::optional<std::int16_t> code;   // nullopt: refused, nothing is stored
    Message message;                    // what the user is told
};

// A non-empty passcode answer: its first four characters, upper-cased and
// stripped of blanks, must all be digits 0 to 9; then its number is the
// passcode ("Your passcode is set to: " and the number, without leading
// zeros). Otherwise "Bad Code! Try again...".
PasscodeChoice passcodeFromAnswer(const QString& answer);

} // namespace cw
