#include "FolderLock.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cw {

const QString FolderLock::kFileName = QStringLiteral(".coinwick.lock");

FolderLock::FolderLock(const QString& folder)
{
    const QString path = QDir(folder).filePath(kFileName);
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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
