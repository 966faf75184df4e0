#pragma once
// The platform's text editor for macro and notes files: "xdg-open FILE",
// found on PATH and started detached in the working folder, without a
// shell, with the file name as its one argument.

#include "store/Env.h"

#include <QString>

namespace cw {

// Starts the editor on `file`, a name relative to the working folder, and
// does not wait for it. A failure names "xdg-open" and why.
Status startTextEditor(const QString& file);

// The active year's notes file ("2026_cwk.nts", or the file of that name in
// another letter case), created empty when it does not exist yet so that
// the editor opens it.
Result<QString> notesFileToEdit(Env& env, const QString& year);

} // namespace cw
