#include "SafeWrite.h"

#include <QFileInfo>
#include <cerrno>

namespace cw {
namespace {

constexpr unsigned kOwnerOnly = 0600;
constexpr unsigned kOwnerWrite = 0200;

// Where the new contents go and the permission bits they get.
struct Place {
    QString path;
    unsigned mode = kOwnerOnly;
};

Status findPlace(Env& env, const QString& target, AtLink atLink, Place* place)
{
    place->path = target;
    FileStat st;
    if (Status s = env.statFile(target, &st); !s)
        return s;
    if (st.kind == FileStat::Kind::Link) {
        if (atLink == AtLink::ReplaceTheLink)
            return Status::ok();
        if (Status s = env.linkTarget(target, &place->path); !s)
            return s;
        if (Status s = env.statFile(place->path, &st); !s)
            return s;
    }
    switch (st.kind) {
    case FileStat::Kind::Missing:
        return Status::ok();
    case FileStat::Kind::Regular:
        if (!(st.mode & kOwnerWrite))
            return Status::ioError(target, QStringLiteral("The file is read-only"));
        place->mode = st.mode;
        return Status::ok();
    case FileStat::Kind::Folder:
        return Status::fromErrno(target, EISDIR);
    default:
        return Status::ioError(target, QStringLiteral("Not a regular file (a pipe, device or folder)"));
    }
}

// The same failure, named by the file the user knows.
Status named(const Status& s, const QString& target)
{
    if (s || s.file() == target)
        return s;
    Status renamed = Status::ioError(target, s.reason());
    return s.hasLanded() ? renamed.landed() : renamed;
}

} // namespace

QString defaultWorkName(const QString& target) { return target + QStringLiteral(".$$$"); }

Status checkWritable(Env& env, const QString& target)
{
    Place place;
    return named(findPlace(env, target, AtLink::WriteWhereItLeads, &place), target);
}

Status writeFileSafely(Env& env, const QString& target, QByteArrayView bytes, const QString& workName,
                       AtLink atLink)
{
    Place place;
    if (Status s = findPlace(env, target, atLink, &place); !s)
        return named(s, target);
    const QFileInfo info(place.path);
    const QString work = workName.isEmpty()
        ? defaultWorkName(place.path)
        : (info.path() == QLatin1String(".") ? workName : info.path() + QLatin1Char('/') + workName);

    std::unique_ptr<WritableFile> file;
    Status s = env.newWritableFile(work, &file);
    if (s)
        s = file->append(bytes);
    if (s)
        s = file->setPermissions(place.mode);
    if (s)
        s = file->sync();
    if (file) {
        Status closed = file->close();
        if (s)
            s = closed;
    }
    if (!s) {
        env.removeFile(work);   // best effort: the old file is untouched
        return named(s, target);
    }
    s = env.renameFile(work, place.path);
    if (!s) {
        env.removeFile(work);
        return named(s, target);
    }
    if (s = env.syncDir(info.path()); !s)
        return named(s.landed(), target);
    return s;
}

} // namespace cw
