#include "MacroFiles.h"

#include <QFileInfo>
#include <algorithm>

namespace cw {

bool isMacroFileName(const QString& name) { return name.endsWith(QLatin1String(".mcr"), Qt::CaseInsensitive); }

Result<QStringList> macroFileNames(Env& env, const QString& folder)
{
    QStringList names;
    if (Status s = env.listDir(folder, &names); !s)
        return s;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    QStringList files;
    for (const QString& name : names)
        if (isMacroFileName(name) && !QFileInfo(prefix + name).isDir())
            files << name;
    std::sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return files;
}

} // namespace cw
