#pragma once
// One program per working folder: an exclusive lock on a small file in the
// folder, held while the program runs. The system drops the lock when the
// process ends, however it ends, so a crashed run never blocks the next.

#include "store/Message.h"
#include "store/Status.h"

#include <QString>

namespace cw {

class FolderLock {
public:
    enum class State { Held, HeldByAnother, Failed };

    static const QString kFileName;

    explicit FolderLock(const QString& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    const Status& status() const { return status_; }   // why, when Failed

private:
    int fd_ = -1;
    State state_ = State::Failed;
    Status status_;
};

Message alreadyRunningMessage();

} // namespace cw
