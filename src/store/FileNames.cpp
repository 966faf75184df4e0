#include "FileNames.h"

#include "store/Env.h"

#include <QFileInfo>
#include <QStringList>

namespace cw {

QString dataFileName(const QString& year) { return year + QStringLiteral("CWK.DAT"); }
QString categoryFileName(const QString& year) { return year + QStringLiteral("CATS.DAT"); }
QString notesFileName(const QString& year) { return year + QStringLiteral("_cwk.nts"); }

int yearOfDataFile(const QString& dataFileName)
{
    bool ok = false;
    const int year = QFileInfo(dataFileName).fileName().left(4).toInt(&ok);
    return ok ? year : 0;
}

QString resolveFileName(Env& env, const QString& name)
{
    if (env.fileExists(name))
        return name;
    const QFileInfo info(name);
    QStringList names;
    if (!env.listDir(info.path(), &names))
        return name;
    const QString wanted = info.fileName();
    for (const QString& candidate : names) {
        if (candidate.compare(wanted, Qt::CaseInsensitive) == 0)
            return info.path() == QLatin1String(".") && !name.startsWith(QLatin1String("./"))
                ? candidate
                : info.path() + QLatin1Char('/') + candidate;
    }
    return name;
}

} // namespace cw
