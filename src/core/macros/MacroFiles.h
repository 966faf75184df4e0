#pragma once
// The macro files of a folder, as the macro controls list them.

#include "store/Env.h"

#include <QStringList>

namespace cw {

// True for a name ending in ".mcr" in any letter case.
bool isMacroFileName(const QString& name);

// The plain files of `folder` named "*.mcr" in any letter case, sorted
// without regard to letter case; sub-folders are left out.
Result<QStringList> macroFileNames(Env& env, const QString& folder = QStringLiteral("."));

} // namespace cw
