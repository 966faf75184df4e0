#pragma once
// One category of a year category file, and its 18-byte record.
//
//   offset size field
//        0    2 Code  text, upper case, trimmed
//        2   16 Name  text, trimmed

#include <QString>
#include <array>

namespace cw {

struct CategoryRecord {
    static constexpr int kCodeSize = 2;
    static constexpr int kNameSize = 16;

    std::array<char, kCodeSize> code{};
    std::array<char, kNameSize> name{};

    bool operator==(const CategoryRecord&) const = default;

    QString codeText() const;   // as stored
    QString nameText() const;   // as stored
    void setCode(const QString& text);
    void setName(const QString& text);
};

namespace CategoryRecordCodec {
inline constexpr int kSize = 18;
inline constexpr int kCodeOffset = 0;
inline constexpr int kNameOffset = 2;

CategoryRecord decode(const char* record);
void encode(const CategoryRecord& category, char* record);
} // namespace CategoryRecordCodec

} // namespace cw
