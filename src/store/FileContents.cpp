#include "FileContents.h"

#include <sys/mman.h>
#include <utility>

namespace cw {

FileContents FileContents::adoptMapping(void* address, qsizetype length)
{
    FileContents contents;
    contents.mapping_ = address;
    contents.mappingLength_ = length;
    return contents;
}

FileContents::~FileContents() { release(); }

FileContents::FileContents(FileContents&& other) noexcept
    : bytes_(std::move(other.bytes_)),
      mapping_(std::exchange(other.mapping_, nullptr)),
      mappingLength_(std::exchange(other.mappingLength_, 0))
{
}

FileContents& FileContents::operator=(FileContents&& other) noexcept
{
    if (this != &other) {
        release();
        bytes_ = std::move(other.bytes_);
        mapping_ = std::exchange(other.mapping_, nullptr);
        mappingLength_ = std::exchange(other.mappingLength_, 0);
    }
    return *this;
}

void FileContents::release()
{
    if (mapping_)
        ::munmap(mapping_, size_t(mappingLength_));
    mapping_ = nullptr;
    mappingLength_ = 0;
}

} // namespace cw
