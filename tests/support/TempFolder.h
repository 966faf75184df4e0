#pragma once
// A fresh temporary folder, the working folder while it lives, and the bytes
// of files in it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace cwtest {

class TempFolder {
public:
    TempFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempFolder() { QDir::setCurrent(previous_); }

    QString path() const { return dir_.path(); }
    // The absolute path of `name` in the folder.
    QString path(const QString& name) const { return dir_.path() + u'/' + name; }

private:
    QTemporaryDir dir_;
    QString previous_;
};

inline QByteArray readBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// The bytes of each named file, by its name without the folder; "<absent>"
// for a file that is not there.
using Files = QMap<QString, QByteArray>;
inline Files snapshot(const QStringList& names)
{
    Files files;
    for (const QString& name : names)
        files[QFileInfo(name).fileName()] = QFileInfo::exists(name) ? readBytes(name) : QByteArrayLiteral("<absent>");
    return files;
}

inline QByteArray hex(const char* spaced) { return QByteArray::fromHex(QByteArray(spaced).replace(' ', "")); }

} // namespace cwtest
