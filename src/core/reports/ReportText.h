#pragma once
// The report's text: every line in one buffer, with where each line ends.
// A full report of a large year has a line per entry; one buffer keeps
// building, showing and dropping them cheap.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace cw {

class ReportText {
public:
    ReportText() = default;
    ~ReportText();
    ReportText(const ReportText& other);
    ReportText& operator=(const ReportText& other);
    ReportText(ReportText&& other) noexcept;
    ReportText& operator=(ReportText&& other) noexcept;
    static ReportText fromLines(const QStringList& lines);

    qsizetype size() const { return qsizetype(ends_.size()); }
    bool isEmpty() const { return ends_.empty(); }
    QStringView line(qsizetype i) const;
    QStringList toStringList() const;
    bool contains(QStringView line) const;
    void clear();

    void reserve(qsizetype lines, qsizetype characters);
    void append(QStringView line);

    // A line written in place: room for `most` characters at the returned
    // pointer; endLine takes the pointer past the last one written.
    char16_t* beginLine(qsizetype most)
    {
        if (capacity_ - used_ < most)
            grow(used_ + most);
        return chars_ + used_;
    }
    void endLine(const char16_t* end)
    {
        used_ = end - chars_;
        ends_.push_back(used_);
    }

    // Lines whose total length is known before they are written: room for
    // `lines` lines of `characters` characters in all at the end of the text,
    // to be filled later in any order of blocks (but in order within one)
    // through lineStart and setLineEnd. Returns the first line's index.
    qsizetype addBlock(qsizetype lines, qsizetype characters);
    char16_t* lineStart(qsizetype line) { return chars_ + start(line); }
    void setLineEnd(qsizetype line, const char16_t* end) { ends_[size_t(line)] = end - chars_; }
    // The `count` lines from `from` written again over those from `to`, a
    // block of the same lengths.
    void copyLines(qsizetype from, qsizetype to, qsizetype count);

    friend bool operator==(const ReportText& a, const ReportText& b);

private:
    qsizetype start(qsizetype i) const { return i == 0 ? 0 : ends_[size_t(i - 1)]; }
    void grow(qsizetype least);
    void release();

    char16_t* chars_ = nullptr;
    qsizetype used_ = 0;
    qsizetype capacity_ = 0;
    std::vector<qsizetype> ends_;
};

} // namespace cw
