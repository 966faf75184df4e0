#pragma once
// The one way the program changes a file: the complete new contents go to a
// work file in the same folder, which is flushed to disk and renamed over the
// old file; then the folder is flushed. A crash leaves the old file or the new
// one, never a mix.
//
// The new file keeps the old one's permission bits (a new one is the owner's
// only, 0600). A file without the owner's write permission is not replaced.
// A target that is a link is changed where the link leads (the link stays),
// or, for the copies the program makes elsewhere (backup), the link itself
// is replaced. A failure names the target, never the work file.

#include "store/Env.h"

namespace cw {

// The work file used when the caller names none: the target's name + ".$$$".
QString defaultWorkName(const QString& target);

// What a link at the target means.
enum class AtLink { WriteWhereItLeads, ReplaceTheLink };

Status writeFileSafely(Env& env, const QString& target, QByteArrayView bytes,
                       const QString& workName = QString(), AtLink atLink = AtLink::WriteWhereItLeads);

// Whether a change of `target` may be written: a failure naming it when it is
// read-only, not a regular file, or a link that leads nowhere.
Status checkWritable(Env& env, const QString& target);

} // namespace cw
