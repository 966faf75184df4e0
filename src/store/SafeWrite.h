#pragma once
// The one way the program changes a file: the complete new contents go to a
// work file in the same folder, which is flushed to disk and renamed over the
// old file; then the folder is flushed. A crash leaves the old file or the new
// one, never a mix.

#include "Env.h"

namespace cw {

// The work file used when the caller names none: the target's name + ".$$$".
QString defaultWorkName(const QString& target);

Status writeFileSafely(Env& env, const QString& target, QByteArrayView bytes,
                       const QString& workName = QString());

} // namespace cw
