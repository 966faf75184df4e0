#include "SafeWrite.h"

#include <QFileInfo>

namespace cw {

QString defaultWorkName(const QString& target) { return target + QStringLiteral(".$$$"); }

Status writeFileSafely(Env& env, const QString& target, QByteArrayView bytes, const QString& workName,
                       Durability durability)
{
    const QFileInfo info(target);
    const QString work = workName.isEmpty()
        ? defaultWorkName(target)
        : (info.path() == QLatin1String(".") ? workName : info.path() + QLatin1Char('/') + workName);

    std::unique_ptr<WritableFile> file;
    Status s = env.newWritableFile(work, &file);
    if (s)
        s = file->append(bytes);
    if (s && durability == Durability::Durable)
        s = file->sync();
    if (file) {
        Status closed = file->close();
        if (s)
            s = closed;
    }
    if (!s) {
        env.removeFile(work);   // best effort: the old file is untouched
        return s;
    }
    s = env.renameFile(work, target);
    if (!s) {
        env.removeFile(work);
        return s;
    }
    if (durability == Durability::Scratch)
        return s;
    if (s = env.syncDir(info.path()); !s)
        return s.landed();
    return s;
}

} // namespace cw
