#pragma once
// The program's one door to the disk. Every file the program touches goes
// through an Env; the real one is POSIX, tests put one in that fails or stops
// at a chosen call.

#include "store/FileContents.h"
#include "store/Status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace cw {

// A file open for writing.
class WritableFile {
public:
    virtual ~WritableFile() = default;
    virtual Status append(QByteArrayView data) = 0;
    virtual Status sync() = 0;   // flush to disk
    virtual Status close() = 0;
    // The permission bits (0600, 0644 ...) of the open file itself; an Env
    // without permissions takes none.
    virtual Status setPermissions(unsigned /*mode*/) { return Status::ok(); }
};

// What stands at a name, the name itself looked at: a link is a link.
struct FileStat {
    enum class Kind { Missing, Regular, Folder, Link, Other };
    Kind kind = Kind::Missing;
    unsigned mode = 0;   // permission bits
    qint64 size = 0;
};

class Env {
public:
    virtual ~Env() = default;

    // The rule for every file the program touches:
    //  - reads follow a link, open without blocking and take only a regular
    //    file no larger than its kind allows (readSizeLimit); an absent file
    //    created for a read is created exclusively, never through a link;
    //  - newWritableFile creates a new file, owner-only (0600), exclusively and
    //    never through a link: whatever stands at the name (a link, a stale
    //    file, a pipe) is removed first, never what a link points to;
    //  - newAppendableFile never writes through a link and only to a regular file.
    // The safe rewrite (SafeWrite.h) builds on these.

    // Whole contents of a file. With createIfMissing, an absent file is
    // created empty and reads as no bytes (the record files rely on that).
    virtual Status readFile(const QString& path, QByteArray* out, bool createIfMissing) = 0;
    // The same contents handed to `sink` piece by piece, so a large file is
    // never held twice; each call also gives the file's size when the read
    // began. The base version reads the whole file in one piece.
    using ChunkSink = std::function<void(QByteArrayView piece, qsizetype fileSize)>;
    virtual Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink);
    // The same contents held for reading in place (mapped where the Env can);
    // the base version reads them with readFile.
    virtual Status mapFile(const QString& path, bool createIfMissing, FileContents* out);
    virtual Status newWritableFile(const QString& path, std::unique_ptr<WritableFile>* out) = 0;
    // Opens for appending, creating the file when absent.
    virtual Status newAppendableFile(const QString& path, std::unique_ptr<WritableFile>* out) = 0;
    // What stands at the name, without following a link.
    virtual Status statFile(const QString& path, FileStat* out) = 0;
    // The file a link finally leads to; a failure when it leads nowhere.
    virtual Status linkTarget(const QString& path, QString* out) = 0;
    virtual Status renameFile(const QString& from, const QString& to) = 0;
    virtual Status removeFile(const QString& path) = 0;
    virtual Status syncDir(const QString& dir) = 0;
    virtual bool fileExists(const QString& path) = 0;
    virtual Status listDir(const QString& dir, QStringList* names) = 0;

    // The Env the program uses; tests may put their own in place.
    static Env* current();
    static void setCurrent(Env* env);   // nullptr restores the POSIX one
    static Env* posix();
};

// Puts an Env in place for as long as it lives.
class ScopedEnv {
public:
    explicit ScopedEnv(Env* env) : previous_(Env::current()) { Env::setCurrent(env); }
    ~ScopedEnv() { Env::setCurrent(previous_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    Env* previous_;
};

// Forwards every call to another Env; test Envs override what they need.
// mapFile is not forwarded: through a wrapper it is the base version's
// readFile, so an Env that fails or watches reads sees every one.
class EnvWrapper : public Env {
public:
    explicit EnvWrapper(Env* target) : target_(target) {}
    Status readFile(const QString& p, QByteArray* o, bool c) override { return target_->readFile(p, o, c); }
    Status readFileInChunks(const QString& p, bool c, const ChunkSink& s) override { return target_->readFileInChunks(p, c, s); }
    Status newWritableFile(const QString& p, std::unique_ptr<WritableFile>* o) override { return target_->newWritableFile(p, o); }
    Status newAppendableFile(const QString& p, std::unique_ptr<WritableFile>* o) override { return target_->newAppendableFile(p, o); }
    Status statFile(const QString& p, FileStat* o) override { return target_->statFile(p, o); }
    Status linkTarget(const QString& p, QString* o) override { return target_->linkTarget(p, o); }
    Status renameFile(const QString& f, const QString& t) override { return target_->renameFile(f, t); }
    Status removeFile(const QString& p) override { return target_->removeFile(p); }
    Status syncDir(const QString& d) override { return target_->syncDir(d); }
    bool fileExists(const QString& p) override { return target_->fileExists(p); }
    Status listDir(const QString& d, QStringList* n) override { return target_->listDir(d, n); }

protected:
    Env* target() const { return target_; }

private:
    Env* target_;
};

} // namespace cw
