#include "FileMatch.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace cw {
namespace {

QRegularExpression patternExpression(const QString& patterns)
{
    QStringList parts;
    for (const QString& p : patterns.split(u';', Qt::SkipEmptyParts))
        parts << QRegularExpression::wildcardToRegularExpression(p.trimmed(),
                                                                 QRegularExpression::UnanchoredWildcardConversion);
    return QRegularExpression(QStringLiteral("\\A(?:") + parts.join(u'|') + QStringLiteral(")\\z"),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

bool nameMatches(const QString& name, const QString& patterns)
{
    return patternExpression(patterns).match(name).hasMatch();
}

Result<QStringList> matchingFiles(Env& env, const QString& folder, const QString& patterns)
{
    QStringList names;
    if (Status s = env.listDir(folder, &names); !s)
        return s;
    const QRegularExpression expression = patternExpression(patterns);
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    QStringList files;
    for (const QString& name : names) {
        if (expression.match(name).hasMatch() && !QFileInfo(prefix + name).isDir())
            files << name;
    }
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return files;
}

QStringList mountedDrives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    roots.removeAll(QStringLiteral("/"));
    std::sort(roots.begin(), roots.end());
    roots.prepend(QStringLiteral("/"));
    return roots;
}

int folderOpenError(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return ENOENT;
    if (!info.isDir())
        return ENOTDIR;
    if (!info.isReadable() || !info.isExecutable())
        return EACCES;
    return 0;
}

Message folderFailureMessage(int error)
{
    return {QString::fromLocal8Bit(std::strerror(error)) + QStringLiteral("  ") + QString::number(error),
            kProgramTitle, Message::Icon::None};
}

} // namespace cw
