#pragma once
// Names of the program's files in the working folder.

#include <QString>

namespace cw {

class Env;

inline const QString kPersonalFileName = QStringLiteral("PERSONAL.DAT");
inline const QString kDeleteWorkName = QStringLiteral("temp.$$$");
inline const QString kCategoryDeleteWorkName = QStringLiteral("tempkeys.$$$");
inline const QString kCategoryEntriesWorkName = QStringLiteral("tempfile.$$$");

// "1998" -> "1998CWK.DAT", "1998CATS.DAT", "1998_cwk.nts".
QString dataFileName(const QString& year);
QString categoryFileName(const QString& year);
QString notesFileName(const QString& year);

// The active year a data file name begins with ("1998CWK.DAT" -> 1998), 0
// when it does not begin with four digits.
int yearOfDataFile(const QString& dataFileName);

// Work files: any name ending in ".$$$", in any letter case. One left in the
// working folder is a crash's leftover.
bool isWorkFileName(const QString& name);

// The files the program keeps in the working folder, in any letter case:
// year data and category files, "PERSONAL.DAT", notes, macro files, work
// files and the program's own hidden files.
bool isLedgerFileName(const QString& name);

// The largest file a read takes at this name: settings 64 KiB, categories
// (and the report's selection) 1 MiB, a macro 16 MiB, anything else 2 GiB.
qint64 readSizeLimit(const QString& path);

// A file that already exists under a name differing only in letter case is
// that same file: its own spelling is returned. Otherwise the name as given.
QString resolveFileName(Env& env, const QString& name);

} // namespace cw
