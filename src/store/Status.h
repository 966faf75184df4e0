#pragma once
// Outcome of a file operation: success, or the file and the system's reason.

#include <QString>
#include <utility>

namespace cw {

class Status {
public:
    Status() = default;
    static Status ok() { return {}; }
    static Status ioError(QString file, QString reason)
    {
        Status s;
        s.failed_ = true;
        s.file_ = std::move(file);
        s.reason_ = std::move(reason);
        return s;
    }
    static Status fromErrno(const QString& file, int err);
    // The same failure, after the new contents were already put in place:
    // only their flush to disk failed, so the change is made and must not be
    // repeated (an export appended twice, an entry saved twice).
    Status landed() const
    {
        Status s = *this;
        s.landed_ = true;
        return s;
    }
    bool hasLanded() const { return landed_; }

    bool isOk() const { return !failed_; }
    explicit operator bool() const { return isOk(); }
    const QString& file() const { return file_; }
    const QString& reason() const { return reason_; }
    // "FILE: reason", the text a message box shows.
    QString toString() const;

private:
    bool failed_ = false;
    bool landed_ = false;
    QString file_;
    QString reason_;
};

// A value, or the Status that stopped it from being produced.
template <class T>
class Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Status failure) : status_(std::move(failure)) {}
    bool isOk() const { return status_.isOk(); }
    explicit operator bool() const { return isOk(); }
    const Status& status() const { return status_; }
    T& value() { return value_; }
    const T& value() const { return value_; }
    T& operator*() { return value_; }
    const T& operator*() const { return value_; }
    T* operator->() { return &value_; }
    const T* operator->() const { return &value_; }

private:
    T value_{};
    Status status_;
};

} // namespace cw
