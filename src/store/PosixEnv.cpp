#include "store/Env.h"

#include "FileNames.h"
#include "Win1252.h"

#include <QSet>
#include <QStringDecoder>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <new>
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

// File names are UTF-8. A name that is not (written by the original
// platform) is shown decoded as Windows-1252 and remembered, so that it, and
// a work name made from it, is opened by its own bytes again.
QSet<QString>& foreignNames()
{
    static QSet<QString> names;
    return names;
}

QString decodeName(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString name = utf8(bytes);
    if (!utf8.hasError())
        return name;
    name = fromWin1252(bytes);
    foreignNames().insert(name);
    return name;
}

QByteArray encodeComponent(const QString& part)
{
    if (!foreignNames().isEmpty()) {
        QString stem = part;
        while (isWorkFileName(stem))
            stem.chop(4);
        if (foreignNames().contains(stem))
            return toWin1252(part);
    }
    return part.toUtf8();
}

QByteArray nativePath(const QString& path)
{
    QByteArray out;
    for (qsizetype start = 0;;) {
        const qsizetype slash = path.indexOf(u'/', start);
        out.append(encodeComponent(path.mid(start, slash < 0 ? -1 : slash - start)));
        if (slash < 0)
            return out;
        out.append('/');
        start = slash + 1;
    }
}

const QString kNotRegular = QStringLiteral("Not a regular file (a pipe, device or folder)");
const QString kLinkRefused = QStringLiteral("The name is a link; nothing is written through it");
const QString kLinkToNowhere = QStringLiteral("A link that leads to no file");

class PosixWritableFile : public WritableFile {
public:
    PosixWritableFile(QString path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~PosixWritableFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Status append(QByteArrayView data) override
    {
        const char* p = data.data();
        qsizetype left = data.size();
        while (left > 0) {
            ssize_t n = ::write(fd_, p, size_t(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return Status::fromErrno(path_, errno);
            }
            p += n;
            left -= n;
        }
        return Status::ok();
    }
    Status sync() override
    {
        if (::fdatasync(fd_) != 0)
            return Status::fromErrno(path_, errno);
        return Status::ok();
    }
    Status setPermissions(unsigned mode) override
    {
        if (::fchmod(fd_, mode_t(mode)) != 0)
            return Status::fromErrno(path_, errno);
        return Status::ok();
    }
    Status close() override
    {
        int fd = fd_;
        fd_ = -1;
        if (fd >= 0 && ::close(fd) != 0)
            return Status::fromErrno(path_, errno);
        return Status::ok();
    }

private:
    QString path_;
    int fd_;
};

class PosixEnv : public Env {
public:
    Status readFile(const QString& path, QByteArray* out, bool createIfMissing) override
    {
        out->clear();
        int fd = -1;
        qsizetype size = 0;
        if (Status s = openForRead(path, createIfMissing, &fd, &size); !s)
            return s;
        if (!allocate(out, size)) {
            ::close(fd);
            return Status::fromErrno(path, ENOMEM);
        }
        qsizetype got = 0;
        Status s = readInto(path, fd, out->data(), size, &got);
        out->resize(got);
        ::close(fd);
        return s;
    }

    Status readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink) override
    {
        int fd = -1;
        qsizetype size = 0;
        if (Status s = openForRead(path, createIfMissing, &fd, &size); !s)
            return s;
        // A reused buffer: a large file is never held whole.
        QByteArray buffer(qBound(qsizetype(1), size, qsizetype(1) << 20), Qt::Uninitialized);
        Status s;
        while (fd >= 0) {
            qsizetype got = 0;
            s = readInto(path, fd, buffer.data(), buffer.size(), &got);
            if (!s || got == 0)
                break;
            sink(QByteArrayView(buffer.constData(), got), size);
        }
        ::close(fd);
        return s;
    }

    // The file's pages mapped read-only and filled at once. Changes to a
    // file are renames of a new one over it, so the mapped pages stay as read.
    Status mapFile(const QString& path, bool createIfMissing, FileContents* out) override
    {
        *out = FileContents();
        int fd = -1;
        qsizetype size = 0;
        if (Status s = openForRead(path, createIfMissing, &fd, &size); !s)
            return s;
        if (size == 0) {
            ::close(fd);
            return Status::ok();
        }
        void* address = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (address == MAP_FAILED) {
            // A file system that cannot map is read the ordinary way; no
            // memory for it is said, never a crash.
            QByteArray bytes;
            if (errno == ENOMEM || !allocate(&bytes, size)) {
                ::close(fd);
                return Status::fromErrno(path, ENOMEM);
            }
            qsizetype got = 0;
            Status s = readInto(path, fd, bytes.data(), size, &got);
            ::close(fd);
            bytes.resize(got);
            *out = FileContents(s ? std::move(bytes) : QByteArray());
            return s;
        }
        ::close(fd);
        *out = FileContents::adoptMapping(address, size);
        return Status::ok();
    }

    Status newWritableFile(const QString& path, std::unique_ptr<WritableFile>* out) override
    {
        const QByteArray native = nativePath(path);
        struct stat st {};
        if (::lstat(native.constData(), &st) == 0 && !S_ISDIR(st.st_mode) && ::unlink(native.constData()) != 0)
            return Status::fromErrno(path, errno);
        return openForWrite(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, out);
    }

    Status newAppendableFile(const QString& path, std::unique_ptr<WritableFile>* out) override
    {
        return openForWrite(path, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, out);
    }

    Status statFile(const QString& path, FileStat* out) override
    {
        *out = FileStat();
        struct stat st {};
        if (::lstat(nativePath(path).constData(), &st) != 0)
            return errno == ENOENT || errno == ENOTDIR ? Status::ok() : Status::fromErrno(path, errno);
        out->kind = S_ISREG(st.st_mode) ? FileStat::Kind::Regular
            : S_ISDIR(st.st_mode)       ? FileStat::Kind::Folder
            : S_ISLNK(st.st_mode)       ? FileStat::Kind::Link
                                        : FileStat::Kind::Other;
        out->mode = unsigned(st.st_mode & 07777);
        out->size = qint64(st.st_size);
        return Status::ok();
    }

    Status linkTarget(const QString& path, QString* out) override
    {
        char resolved[PATH_MAX];
        if (!::realpath(nativePath(path).constData(), resolved))
            return errno == ENOENT ? Status::ioError(path, kLinkToNowhere) : Status::fromErrno(path, errno);
        *out = decodeName(QByteArray(resolved));
        return Status::ok();
    }

    Status renameFile(const QString& from, const QString& to) override
    {
        if (::rename(nativePath(from).constData(), nativePath(to).constData()) != 0)
            return Status::fromErrno(to, errno);
        return Status::ok();
    }

    Status removeFile(const QString& path) override
    {
        if (::unlink(nativePath(path).constData()) != 0)
            return Status::fromErrno(path, errno);
        return Status::ok();
    }

    Status syncDir(const QString& dir) override
    {
        const QString d = dir.isEmpty() ? QStringLiteral(".") : dir;
        int fd = ::open(nativePath(d).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Status::fromErrno(d, errno);
        int rc = ::fsync(fd);
        int err = errno;
        ::close(fd);
        if (rc != 0)
            return Status::fromErrno(d, err);
        return Status::ok();
    }

    bool fileExists(const QString& path) override
    {
        struct stat st {};
        return ::stat(nativePath(path).constData(), &st) == 0;
    }

    Status listDir(const QString& dir, QStringList* names) override
    {
        names->clear();
        const QString d = dir.isEmpty() ? QStringLiteral(".") : dir;
        DIR* h = ::opendir(nativePath(d).constData());
        if (!h)
            return Status::fromErrno(d, errno);
        while (dirent* e = ::readdir(h)) {
            QString name = decodeName(QByteArray(e->d_name));
            if (name != QLatin1String(".") && name != QLatin1String(".."))
                names->append(name);
        }
        ::closedir(h);
        return Status::ok();
    }

private:
    // Opens without blocking (a pipe never hangs the program) and takes only
    // a regular file within the size its kind allows.
    static Status openForRead(const QString& path, bool createIfMissing, int* fd, qsizetype* size)
    {
        const QByteArray native = nativePath(path);
        *fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (*fd < 0 && errno == ENOENT && createIfMissing) {
            *fd = ::open(native.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
            if (*fd < 0 && errno == EEXIST)
                return Status::ioError(path, kLinkToNowhere);
            // In a folder that takes no new file the absent file still reads
            // as empty; the change that would write it says why it cannot.
            if (*fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
                *size = 0;
                return Status::ok();
            }
        }
        if (*fd < 0)
            return Status::fromErrno(path, errno);
        struct stat st {};
        Status s;
        if (::fstat(*fd, &st) != 0)
            s = Status::fromErrno(path, errno);
        else if (S_ISDIR(st.st_mode))
            s = Status::fromErrno(path, EISDIR);
        else if (!S_ISREG(st.st_mode))
            s = Status::ioError(path, kNotRegular);
        else if (qint64(st.st_size) > readSizeLimit(path))
            s = Status::fromErrno(path, EFBIG);
        if (!s) {
            ::close(*fd);
            *fd = -1;
            return s;
        }
        *size = qsizetype(st.st_size);
        return Status::ok();
    }

    static bool allocate(QByteArray* bytes, qsizetype size)
    {
        try {
            bytes->resize(size);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    // Fills `data` up to `size` bytes or the end of the file.
    static Status readInto(const QString& path, int fd, char* data, qsizetype size, qsizetype* got)
    {
        *got = 0;
        while (*got < size) {
            const ssize_t n = ::read(fd, data + *got, size_t(size - *got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Status::fromErrno(path, errno);
            if (n == 0)
                break;
            *got += n;
        }
        return Status::ok();
    }

    static Status openForWrite(const QString& path, int flags, std::unique_ptr<WritableFile>* out)
    {
        int fd = ::open(nativePath(path).constData(), flags, 0600);
        if (fd < 0)
            return errno == ELOOP ? Status::ioError(path, kLinkRefused) : Status::fromErrno(path, errno);
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return Status::ioError(path, kNotRegular);
        }
        *out = std::make_unique<PosixWritableFile>(path, fd);
        return Status::ok();
    }
};

Env* currentEnv = nullptr;

} // namespace

Env* Env::posix()
{
    static PosixEnv env;
    return &env;
}

Env* Env::current() { return currentEnv ? currentEnv : posix(); }

void Env::setCurrent(Env* env) { currentEnv = env; }

} // namespace cw
