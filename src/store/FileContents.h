#pragma once
// A file's contents held for reading: the system's own pages mapped in place
// where it allows, or bytes read into memory. A large year file is then read
// without a copy.

#include <QByteArray>
#include <QByteArrayView>

namespace cw {

class FileContents {
public:
    FileContents() = default;
    explicit FileContents(QByteArray bytes) : bytes_(std::move(bytes)) {}
    // Takes over a read-only mapping of `length` bytes at `address`.
    static FileContents adoptMapping(void* address, qsizetype length);
    ~FileContents();
    FileContents(FileContents&& other) noexcept;
    FileContents& operator=(FileContents&& other) noexcept;
    FileContents(const FileContents&) = delete;
    FileContents& operator=(const FileContents&) = delete;

    const char* data() const { return mapping_ ? static_cast<const char*>(mapping_) : bytes_.constData(); }
    qsizetype size() const { return mapping_ ? mappingLength_ : bytes_.size(); }
    QByteArrayView view() const { return QByteArrayView(data(), size()); }

private:
    void release();

    QByteArray bytes_;
    void* mapping_ = nullptr;
    qsizetype mappingLength_ = 0;
};

} // namespace cw
