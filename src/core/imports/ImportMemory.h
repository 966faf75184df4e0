#pragma once
// IMPORT.INI in the working folder: the CSV mapping remembered per file
// shape (its first line) and, per year, the OFX FITIDs already imported.
//
//   [mappings]
//   44;1;1;MDY;3;0;0;0;2;0=Date,Description,Amount
//   [fitids 2026]
//   2026031501
//
// UTF-8 text; a mapping line holds no "=" before the header line's text.

#include "store/Env.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <map>

namespace cw {

inline const QString kImportMemoryName = QStringLiteral("IMPORT.INI");

struct ImportMemory {
    std::map<QString, QString> mappings;   // first line -> CsvMapping::toText()
    std::map<int, QSet<QString>> fitids;   // year -> FITIDs imported

    bool operator==(const ImportMemory&) const = default;
};

ImportMemory parseImportMemory(QByteArrayView bytes);
QByteArray importMemoryText(const ImportMemory& memory);

// An absent file is an empty memory.
Result<ImportMemory> loadImportMemory(Env& env, const QString& name = kImportMemoryName);
Status saveImportMemory(Env& env, const ImportMemory& memory, const QString& name = kImportMemoryName);

} // namespace cw
