#include "ReportText.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace cw {
namespace {

// The characters live in pages of their own, asked for as large pages where
// the system has them: a long report then costs a few page faults, not
// thousands, and grows by remapping instead of copying.
constexpr size_t kLargePage = size_t(2) << 20;

char16_t* mapPages(size_t bytes)
{
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    if (bytes >= kLargePage)
        ::madvise(p, bytes, MADV_HUGEPAGE);
    return static_cast<char16_t*>(p);
}

char16_t* remapPages(char16_t* old, size_t oldBytes, size_t newBytes)
{
    void* p = ::mremap(old, oldBytes, newBytes, MREMAP_MAYMOVE);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    if (newBytes >= kLargePage)
        ::madvise(p, newBytes, MADV_HUGEPAGE);
    return static_cast<char16_t*>(p);
}

size_t bytesFor(qsizetype characters) { return size_t(characters) * sizeof(char16_t); }

} // namespace

ReportText::~ReportText() { release(); }

ReportText::ReportText(const ReportText& other) : ends_(other.ends_)
{
    if (other.used_ > 0) {
        grow(other.used_);
        std::copy(other.chars_, other.chars_ + other.used_, chars_);
        used_ = other.used_;
    }
}

ReportText& ReportText::operator=(const ReportText& other)
{
    if (this != &other) {
        ReportText copy(other);
        *this = std::move(copy);
    }
    return *this;
}

ReportText::ReportText(ReportText&& other) noexcept
    : chars_(std::exchange(other.chars_, nullptr)),
      used_(std::exchange(other.used_, 0)),
      capacity_(std::exchange(other.capacity_, 0)),
      ends_(std::move(other.ends_))
{
    other.ends_.clear();
}

ReportText& ReportText::operator=(ReportText&& other) noexcept
{
    if (this != &other) {
        release();
        chars_ = std::exchange(other.chars_, nullptr);
        used_ = std::exchange(other.used_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        ends_ = std::move(other.ends_);
        other.ends_.clear();
    }
    return *this;
}

bool operator==(const ReportText& a, const ReportText& b)
{
    return a.ends_ == b.ends_ && std::equal(a.chars_, a.chars_ + a.used_, b.chars_, b.chars_ + b.used_);
}

ReportText ReportText::fromLines(const QStringList& lines)
{
    ReportText text;
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size();
    text.reserve(lines.size(), characters);
    for (const QString& line : lines)
        text.append(line);
    return text;
}

QStringView ReportText::line(qsizetype i) const
{
    const qsizetype from = start(i);
    return QStringView(chars_ + from, ends_[size_t(i)] - from);
}

QStringList ReportText::toStringList() const
{
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(line(i).toString());
    return lines;
}

bool ReportText::contains(QStringView wanted) const
{
    for (qsizetype i = 0; i < size(); ++i)
        if (line(i) == wanted)
            return true;
    return false;
}

void ReportText::clear()
{
    used_ = 0;
    ends_.clear();
}

void ReportText::reserve(qsizetype lines, qsizetype characters)
{
    ends_.reserve(size_t(lines));
    if (characters > capacity_)
        grow(characters);
}

void ReportText::append(QStringView line)
{
    char16_t* at = beginLine(line.size());
    endLine(std::copy(line.utf16(), line.utf16() + line.size(), at));
}

qsizetype ReportText::addBlock(qsizetype lines, qsizetype characters)
{
    if (capacity_ - used_ < characters)
        grow(used_ + characters);
    const qsizetype first = size();
    used_ += characters;
    ends_.insert(ends_.end(), size_t(lines), used_);
    return first;
}

void ReportText::copyLines(qsizetype from, qsizetype to, qsizetype count)
{
    if (count == 0)
        return;
    const qsizetype source = start(from);
    const qsizetype target = start(to);
    const qsizetype length = ends_[size_t(from + count - 1)] - source;
    std::copy(chars_ + source, chars_ + source + length, chars_ + target);
    for (qsizetype i = 0; i < count; ++i)
        ends_[size_t(to + i)] = ends_[size_t(from + i)] - source + target;
}

void ReportText::grow(qsizetype least)
{
    const qsizetype wanted = std::max({least, capacity_ * 2, qsizetype(4096)});
    chars_ = chars_ ? remapPages(chars_, bytesFor(capacity_), bytesFor(wanted)) : mapPages(bytesFor(wanted));
    capacity_ = wanted;
}

void ReportText::release()
{
    if (chars_)
        ::munmap(chars_, bytesFor(capacity_));
    chars_ = nullptr;
    used_ = 0;
    capacity_ = 0;
}

} // namespace cw
