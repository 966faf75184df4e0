#include "WorkingFolder.h"

#include "FileNames.h"

namespace cw {

void removeStaleWorkFiles(Env& env, const QString& folder)
{
    QStringList names;
    if (!env.listDir(folder, &names))
        return;
    const QString prefix = folder == QLatin1String(".") ? QString() : folder + QLatin1Char('/');
    for (const QString& name : names) {
        if (!isWorkFileName(name))
            continue;
        FileStat st;
        if (env.statFile(prefix + name, &st) && (st.kind == FileStat::Kind::Regular || st.kind == FileStat::Kind::Link))
            env.removeFile(prefix + name);
    }
}

} // namespace cw
