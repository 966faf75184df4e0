#pragma once
// What the start-up does to the working folder before reading it.

#include "Env.h"

namespace cw {

// Every regular file (or link) of `folder` whose name ends in ".$$$", in any
// letter case, is a work file left by a crash and is removed; a link goes
// itself, never what it leads to. Best effort: a file that cannot be removed
// stays (work files are removed again before they are made).
void removeStaleWorkFiles(Env& env, const QString& folder = QStringLiteral("."));

} // namespace cw
