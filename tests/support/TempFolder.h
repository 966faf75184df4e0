#pragma once
// A fresh temporary folder made the working folder for one test.

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
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

inline QByteArray readBytes(const QString& name)
{
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void writeBytes(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

inline QByteArray hex(const char* spaced) { return QByteArray::fromHex(QByteArray(spaced).replace(' ', "")); }

} // namespace cwtest
