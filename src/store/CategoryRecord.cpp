#include "CategoryRecord.h"

#include "store/Win1252.h"

#include <cstring>

namespace cw {

QString CategoryRecord::codeText() const { return fromWin1252(code.data(), kCodeSize); }
QString CategoryRecord::nameText() const { return fromWin1252(name.data(), kNameSize); }
void CategoryRecord::setCode(const QString& text) { putFixedText(code.data(), kCodeSize, text); }
void CategoryRecord::setName(const QString& text) { putFixedText(name.data(), kNameSize, text); }

namespace CategoryRecordCodec {

static_assert(kNameOffset + CategoryRecord::kNameSize == kSize);

CategoryRecord decode(const char* record)
{
    CategoryRecord c;
    std::memcpy(c.code.data(), record + kCodeOffset, CategoryRecord::kCodeSize);
    std::memcpy(c.name.data(), record + kNameOffset, CategoryRecord::kNameSize);
    return c;
}

void encode(const CategoryRecord& c, char* record)
{
    std::memcpy(record + kCodeOffset, c.code.data(), CategoryRecord::kCodeSize);
    std::memcpy(record + kNameOffset, c.name.data(), CategoryRecord::kNameSize);
}

} // namespace CategoryRecordCodec
} // namespace cw
