#pragma once
// The backup: copies every macro, data, settings and notes file of the
// working folder to another folder. Each copy is written under a work name
// and renamed into place, so a failed copy never spoils an older good one; a
// failure does not stop the run, the files not copied are named at the end.

#include "store/Env.h"
#include "store/Message.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace cw {

inline const QString kBackupPatterns = QStringLiteral("*.mcr;*.dat;*.nts");

// The same folder whatever the spelling: leading and trailing blanks, letter
// case and a trailing "/" do not count.
bool sameBackupFolder(const QString& a, const QString& b);

// A folder caption made ready to take a file name: blanks trimmed and one
// "/" at the end ("/" stays "/").
QString backupFolderText(const QString& caption);

// Whether a file belongs to the backup set ("*.mcr", "*.dat", "*.nts" in any
// letter case; never a ".$$$" work file).
bool isBackupFile(const QString& name);

// The backup set of `folder`, in file-list order.
Result<QStringList> backupFiles(Env& env, const QString& folder);

// Copies one file, replacing a file of that name in the target folder; both
// folders end in "/". A failure names the file (its bare name).
Status copyForBackup(Env& env, const QString& sourceFolder, const QString& targetFolder, const QString& name);

// Called before each file with its place in the list; false ends the run
// there (the window was closed).
using BeforeFile = std::function<bool(qsizetype index, const QString& name)>;

struct BackupRun {
    qsizetype copied = 0;
    QList<Status> failures;   // one per file not copied, naming it
    bool stopped = false;
};

BackupRun runBackup(Env& env, const QString& sourceFolder, const QString& targetFolder, const QStringList& files,
                    const BeforeFile& beforeFile = {});

Message differentTargetMessage();                            // "Chose a different target!"
Message backupEndMessage(const QList<Status>& failures);     // "Finished", or the files not copied
QString backupProgressText(const QString& name);             // "Copying: NAME"

} // namespace cw
