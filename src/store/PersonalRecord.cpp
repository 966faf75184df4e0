#include "PersonalRecord.h"

#include "store/DateRules.h"
#include "store/Win1252.h"

#include <QtEndian>
#include <cstring>

namespace cw {

PersonalRecord PersonalRecord::creationValues(const QDate& today)
{
    PersonalRecord p;
    p.setUserName(QStringLiteral("Your Name (click Options)"));
    p.reserved2.fill(' ');
    p.reserved3.fill(' ');
    p.currencySymbol[0] = '$';
    p.dateFormat[0] = 'A';
    putFixedText(p.reminders.data(), 10, QStringLiteral("00-00-0000"));
    putFixedText(p.reminders.data() + 10, 40, QStringLiteral("your mom's birthday (for example)"));
    p.setLastStartDate(today);
    return p;
}

QString PersonalRecord::userNameText() const { return fromWin1252(userName.data(), qsizetype(userName.size())); }
void PersonalRecord::setUserName(const QString& name) { putFixedText(userName.data(), qsizetype(userName.size()), name); }
QChar PersonalRecord::dateFormatFlag() const { return win1252ToUnicode(static_cast<unsigned char>(dateFormat[0])); }
void PersonalRecord::setDateFormatFlag(QChar flag) { putFixedText(dateFormat.data(), 1, QString(flag)); }

void PersonalRecord::setLastStartDate(const QDate& today)
{
    putFixedText(lastStartDate.data(), qsizetype(lastStartDate.size()), todayText(today));
}

namespace PersonalRecordCodec {
namespace {

template <size_t N>
void get(std::array<char, N>& field, const char* record, int offset)
{
    std::memcpy(field.data(), record + offset, N);
}

template <size_t N>
void put(const std::array<char, N>& field, char* record, int offset)
{
    std::memcpy(record + offset, field.data(), N);
}

} // namespace

static_assert(kReserved9Offset + 40 == kSize);

PersonalRecord decode(const char* r)
{
    PersonalRecord p;
    get(p.userName, r, kUserNameOffset);
    get(p.reserved1, r, kReserved1Offset);
    p.passCode = qFromLittleEndian<qint16>(r + kPassCodeOffset);
    get(p.reserved2, r, kReserved2Offset);
    get(p.reserved3, r, kReserved3Offset);
    get(p.reserved4, r, kReserved4Offset);
    get(p.currencySymbol, r, kCurrencySymbolOffset);
    get(p.dateFormat, r, kDateFormatOffset);
    get(p.reserved5, r, kReserved5Offset);
    get(p.reminders, r, kRemindersOffset);
    get(p.reserved6, r, kReserved6Offset);
    get(p.lastStartDate, r, kLastStartDateOffset);
    get(p.reserved7, r, kReserved7Offset);
    get(p.reserved8, r, kReserved8Offset);
    get(p.reserved9, r, kReserved9Offset);
    return p;
}

void encode(const PersonalRecord& p, char* r)
{
    put(p.userName, r, kUserNameOffset);
    put(p.reserved1, r, kReserved1Offset);
    qToLittleEndian<qint16>(p.passCode, r + kPassCodeOffset);
    put(p.reserved2, r, kReserved2Offset);
    put(p.reserved3, r, kReserved3Offset);
    put(p.reserved4, r, kReserved4Offset);
    put(p.currencySymbol, r, kCurrencySymbolOffset);
    put(p.dateFormat, r, kDateFormatOffset);
    put(p.reserved5, r, kReserved5Offset);
    put(p.reminders, r, kRemindersOffset);
    put(p.reserved6, r, kReserved6Offset);
    put(p.lastStartDate, r, kLastStartDateOffset);
    put(p.reserved7, r, kReserved7Offset);
    put(p.reserved8, r, kReserved8Offset);
    put(p.reserved9, r, kReserved9Offset);
}

} // namespace PersonalRecordCodec
} // namespace cw
