#include "Backup.h"

#include "core/tools/FileMatch.h"

#include "store/Blanks.h"
#include "store/SafeWrite.h"

namespace cw {
namespace {

QString folderKey(const QString& caption)
{
    QString text = trimBlanks(caption);
    while (text.size() > 1 && text.endsWith(u'/'))
        text.chop(1);
    return text;
}

} // namespace

bool sameBackupFolder(const QString& a, const QString& b)
{
    return folderKey(a).compare(folderKey(b), Qt::CaseInsensitive) == 0;
}

QString backupFolderText(const QString& caption)
{
    const QString text = trimBlanks(caption);
    return text.endsWith(u'/') ? text : text + u'/';
}

bool isBackupFile(const QString& name)
{
    return !name.endsWith(QLatin1String(".$$$")) && nameMatches(name, kBackupPatterns);
}

Result<QStringList> backupFiles(Env& env, const QString& folder)
{
    Result<QStringList> files = matchingFiles(env, folder, kBackupPatterns);
    if (files)
        files->removeIf([](const QString& name) { return !isBackupFile(name); });
    return files;
}

Status copyForBackup(Env& env, const QString& sourceFolder, const QString& targetFolder, const QString& name)
{
    QByteArray bytes;
    Status s = env.readFile(sourceFolder + name, &bytes, false);
    if (s)
        s = writeFileSafely(env, targetFolder + name, bytes, QString(), AtLink::ReplaceTheLink);
    // Named by the file the user knows, whichever step failed.
    return s ? s : Status::ioError(name, s.reason());
}

BackupRun runBackup(Env& env, const QString& sourceFolder, const QString& targetFolder, const QStringList& files,
                    const BeforeFile& beforeFile)
{
    BackupRun run;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (beforeFile && !beforeFile(i, files[i])) {
            run.stopped = true;
            break;
        }
        if (Status s = copyForBackup(env, sourceFolder, targetFolder, files[i]); s)
            ++run.copied;
        else
            run.failures << s;
    }
    return run;
}

Message differentTargetMessage()
{
    return {QStringLiteral("Chose a different target!"), kProgramTitle, Message::Icon::None};
}

Message backupEndMessage(const QList<Status>& failures)
{
    if (failures.isEmpty())
        return {QStringLiteral("Finished"), kProgramTitle, Message::Icon::None};
    QString text = QStringLiteral("These files could not be copied:");
    for (const Status& s : failures)
        text += u'\n' + s.toString();
    return {text, kProgramTitle, Message::Icon::Warning};
}

QString backupProgressText(const QString& name) { return QStringLiteral("Copying: ") + name; }

} // namespace cw
