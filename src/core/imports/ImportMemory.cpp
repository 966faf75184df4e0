#include "ImportMemory.h"

#include "store/FileNames.h"
#include "store/SafeWrite.h"

#include <QList>
#include <algorithm>

namespace cw {

ImportMemory parseImportMemory(QByteArrayView bytes)
{
    ImportMemory memory;
    enum { Other, Mappings, Fitids } section = Other;
    int year = 0;
    for (QByteArrayView raw : QByteArrayView(bytes).toByteArray().split('\n')) {
        const QString line = QString::fromUtf8(raw).remove(u'\r');
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            section = Other;
            if (name.compare(u"mappings", Qt::CaseInsensitive) == 0) {
                section = Mappings;
            } else if (name.startsWith(u"fitids ", Qt::CaseInsensitive)) {
                bool ok = false;
                year = name.mid(7).trimmed().toInt(&ok);
                if (ok)
                    section = Fitids;
            }
            continue;
        }
        if (line.isEmpty())
            continue;
        if (section == Mappings) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0)
                memory.mappings[line.mid(eq + 1)] = line.left(eq);
        } else if (section == Fitids) {
            memory.fitids[year].insert(line);
        }
    }
    return memory;
}

QByteArray importMemoryText(const ImportMemory& memory)
{
    QByteArray out = "[mappings]\n";
    for (const auto& [header, mapping] : memory.mappings)
        out += (mapping + u'=' + header).toUtf8() + '\n';
    for (const auto& [year, ids] : memory.fitids) {
        out += "[fitids " + QByteArray::number(year) + "]\n";
        QList<QString> sorted(ids.begin(), ids.end());
        std::sort(sorted.begin(), sorted.end());
        for (const QString& id : sorted)
            out += id.toUtf8() + '\n';
    }
    return out;
}

Result<ImportMemory> loadImportMemory(Env& env, const QString& name)
{
    const QString file = resolveFileName(env, name);
    if (!env.fileExists(file))
        return ImportMemory{};
    QByteArray bytes;
    if (Status s = env.readFile(file, &bytes, false); !s)
        return s;
    return parseImportMemory(bytes);
}

Status saveImportMemory(Env& env, const ImportMemory& memory, const QString& name)
{
    return writeFileSafely(env, resolveFileName(env, name), importMemoryText(memory));
}

} // namespace cw
