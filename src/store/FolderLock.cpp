#include "FolderLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {

const QString FolderLock::kFileName = QStringLiteral(".coinwick.lock");

FolderLock::FolderLock(const QString& folder)
{
    const QString path = QDir(folder).filePath(kFileName);
    const QByteArray native = QFile::encodeName(path);
    // Never through a link: one at the name is removed; an absent file is
    // created exclusively, owner-only. An existing file is kept: another run
    // may hold the lock on it.
    for (int attempt = 0; fd_ < 0 && attempt < 3; ++attempt) {
        fd_ = ::open(native.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0 && errno == ELOOP)
            ::unlink(native.constData());
        else if (fd_ < 0 && errno == ENOENT)
            fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ < 0 && errno != ELOOP && errno != EEXIST && errno != ENOENT)
            break;
    }
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
        status_ = Status::ioError(path, QStringLiteral("Not a regular file (a pipe, device or folder)"));
        return;
    }
    if (fd_ < 0) {
        status_ = Status::fromErrno(path, errno);
        return;
    }
    // The file stays behind; only the lock on it counts.
    int rc;
    do {
        rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
        state_ = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::HeldByAnother;
    } else {
        status_ = Status::fromErrno(path, errno);
    }
    ::close(fd_);
    fd_ = -1;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Message alreadyRunningMessage()
{
    return {QStringLiteral("Coinwick 2 is already running in this folder."), kProgramTitle, Message::Icon::Warning};
}

} // namespace cw
