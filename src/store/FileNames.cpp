#include "FileNames.h"

#include "store/Env.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace cw {

bool isWorkFileName(const QString& name) { return name.endsWith(QLatin1String(".$$$"), Qt::CaseInsensitive); }

bool isLedgerFileName(const QString& name)
{
    static const QRegularExpression kept(
        QStringLiteral("\\A(?:\\d{4}(?:CWK|CATS)\\.DAT|PERSONAL\\.DAT|\\d{4}_CWK\\.NTS|.*\\.MCR|.*\\.\\$\\$\\$|\\.coinwick\\..*)\\z"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return kept.match(QFileInfo(name).fileName()).hasMatch();
}

qint64 readSizeLimit(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    auto is = [&](const char* suffix) { return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive); };
    if (name.compare(kPersonalFileName, Qt::CaseInsensitive) == 0)
        return qint64(64) << 10;
    if (is("CATS.DAT") || is("tempcats.$$$") || is("tempkeys.$$$"))
        return qint64(1) << 20;
    if (is(".MCR") || is("tempmac.$$$"))
        return qint64(16) << 20;
    return qint64(2) << 30;
}

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
