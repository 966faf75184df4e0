#pragma once
// The one way the program changes a file: the complete new contents go to a
// work file in the same folder, which is flushed to disk and renamed over the
// old file; then the folder is flushed. A crash leaves the old file or the new
// one, never a mix.

#include "store/Env.h"

namespace cw {

// The work file used when the caller names none: the target's name + ".$$$".
QString defaultWorkName(const QString& target);

// How far a change is taken to the disk. A work file the program deletes
// after use (the report's selection) is still renamed into place whole, but
// not flushed: after a crash it is only written again.
enum class Durability { Durable, Scratch };

Status writeFileSafely(Env& env, const QString& target, QByteArrayView bytes,
                       const QString& workName = QString(), Durability durability = Durability::Durable);

} // namespace cw
