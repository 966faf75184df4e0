#pragma once
// A fresh temporary folder, the working folder while it lives, and the bytes
// of files in it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
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

inline QByteArray hex(const char* spaced) { return QByteArray::fromHex(QByteArray(spaced).replace(' ', "")); }

} // namespace cwtest
