#pragma once
// Shared pieces of the fuzz targets: one scratch folder for the whole run
// that relative names resolve into (the working folder stays where libFuzzer
// reads its corpus), a disk without flushes (the flush is not what is tested and costs
// milliseconds per input), files read back in small pieces so a record can
// straddle two of them, and a check that stops the run with a message.

#include "store/Env.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Stops the run as a crash would, so libFuzzer saves the input.
#define FUZZ_CHECK(cond)                                                                          \
    do {                                                                                          \
        if (!(cond)) {                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);        \
            std::abort();                                                                         \
        }                                                                                         \
    } while (0)

namespace cwfuzz {

// Made once, removed at exit (a crash leaves it). Under $CW_FUZZ_SCRATCH
// when set, else in memory where the system has such a folder, since on a
// disk every rename costs milliseconds.
inline QString scratchParent()
{
    const QString chosen = qEnvironmentVariable("CW_FUZZ_SCRATCH");
    if (!chosen.isEmpty())
        return chosen;
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

inline const QString& scratchFolder()
{
    static QTemporaryDir dir(scratchParent() + QStringLiteral("/cw-fuzz-XXXXXX"));
    static const QString path = [] {
        if (!dir.isValid()) {
            std::fprintf(stderr, "cannot make a scratch folder\n");
            std::abort();
        }
        return dir.path();
    }();
    return path;
}

// A relative name inside the scratch folder.
inline QString scratch(const QString& name)
{
    return QDir::isRelativePath(name) ? scratchFolder() + QLatin1Char('/') + name : name;
}

inline void writeBytes(const QString& name, QByteArrayView bytes)
{
    QFile f(scratch(name));
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(bytes.data(), bytes.size()) == bytes.size());
}

inline QByteArray readBytes(const QString& name)
{
    QFile f(scratch(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The POSIX disk under the scratch folder, without flushes, handing files
// out `piece` bytes at a time.
class FastEnv : public cw::EnvWrapper {
public:
    FastEnv() : EnvWrapper(cw::Env::posix()) {}

    void setPiece(qsizetype piece) { piece_ = qMax<qsizetype>(1, piece); }

    cw::Status readFile(const QString& p, QByteArray* o, bool c) override
    {
        return EnvWrapper::readFile(scratch(p), o, c);
    }
    cw::Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink) override
    {
        QByteArray bytes;
        cw::Status s = target()->readFile(scratch(path), &bytes, createIfMissing);
        if (!s)
            return s;
        for (qsizetype at = 0; at < bytes.size(); at += piece_)
            sink(QByteArrayView(bytes).sliced(at, qMin(piece_, bytes.size() - at)), bytes.size());
        return s;
    }
    cw::Status newWritableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        cw::Status s = EnvWrapper::newWritableFile(scratch(p), o);
        if (s)
            *o = std::make_unique<File>(std::move(*o));
        return s;
    }
    cw::Status newAppendableFile(const QString& p, std::unique_ptr<cw::WritableFile>* o) override
    {
        cw::Status s = EnvWrapper::newAppendableFile(scratch(p), o);
        if (s)
            *o = std::make_unique<File>(std::move(*o));
        return s;
    }
    cw::Status renameFile(const QString& f, const QString& t) override
    {
        return EnvWrapper::renameFile(scratch(f), scratch(t));
    }
    cw::Status removeFile(const QString& p) override { return EnvWrapper::removeFile(scratch(p)); }
    cw::Status syncDir(const QString&) override { return cw::Status::ok(); }
    bool fileExists(const QString& p) override { return EnvWrapper::fileExists(scratch(p)); }
    cw::Status statFile(const QString& p, cw::FileStat* o) override { return EnvWrapper::statFile(scratch(p), o); }
    cw::Status linkTarget(const QString& p, QString* o) override { return EnvWrapper::linkTarget(scratch(p), o); }
    cw::Status listDir(const QString& d, QStringList* n) override { return EnvWrapper::listDir(scratch(d), n); }

private:
    class File : public cw::WritableFile {
    public:
        explicit File(std::unique_ptr<cw::WritableFile> f) : f_(std::move(f)) {}
        cw::Status append(QByteArrayView data) override { return f_->append(data); }
        cw::Status sync() override { return cw::Status::ok(); }
        cw::Status close() override { return f_->close(); }
        cw::Status setPermissions(unsigned mode) override { return f_->setPermissions(mode); }

    private:
        std::unique_ptr<cw::WritableFile> f_;
    };

    qsizetype piece_ = 1 << 20;
};

} // namespace cwfuzz
