#pragma once
// What the drive, folder and file-list pickers show: the mounted file
// systems, whether a folder can be opened, and the names of a folder's plain
// files that match one of the patterns ("*.mcr;*.dat;*.nts") in any letter
// case, sorted as a file list shows them.

#include "store/Env.h"
#include "store/Message.h"

#include <QString>
#include <QStringList>

namespace cw {

// True when `name` matches one of the ";"-separated wildcard patterns,
// without regard to letter case.
bool nameMatches(const QString& name, const QString& patterns);

// The matching files of `folder`, sorted without regard to letter case;
// sub-folders are left out.
Result<QStringList> matchingFiles(Env& env, const QString& folder, const QString& patterns);

// The drives: the root folders of the mounted file systems, "/" first.
QStringList mountedDrives();

// Why a folder cannot be opened: 0 when it can, otherwise the system's error
// number (no such folder, not a folder, no permission).
int folderOpenError(const QString& path);

// A drive or folder that cannot be opened: the system's description, two
// blanks and the error number (OK, no icon).
Message folderFailureMessage(int error);

} // namespace cw
