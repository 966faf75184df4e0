#pragma once
// The single 690-byte record of "PERSONAL.DAT".
//
//   offset size field
//        0   28 UserName        text
//       28    3 Reserved1       text
//       31    2 PassCode        int16, 0 = none
//       33   30 Reserved2       text
//       63   30 Reserved3       text
//       93    1 Reserved4       text
//       94    1 CurrencySymbol  text
//       95    1 DateFormat      text, "A" or "E"
//       96   32 Reserved5       16 x int16
//      128  500 reminder slots  10 x (date text 10, text 40)
//      628    2 Reserved6       int16
//      630   10 LastStartDate   text, MM-DD-YYYY
//      640    2 Reserved7       int16
//      642    8 Reserved8
//      650   40 Reserved9
// Unused fields are carried as raw bytes so every rewrite keeps them.

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

namespace cw {

struct PersonalRecord {
    std::array<char, 28> userName{};
    std::array<char, 3> reserved1{};
    std::int16_t passCode = 0;
    std::array<char, 30> reserved2{};
    std::array<char, 30> reserved3{};
    std::array<char, 1> reserved4{};
    std::array<char, 1> currencySymbol{};
    std::array<char, 1> dateFormat{};
    std::array<char, 32> reserved5{};
    std::array<char, 500> reminders{};
    std::array<char, 2> reserved6{};
    std::array<char, 10> lastStartDate{};
    std::array<char, 2> reserved7{};
    std::array<char, 8> reserved8{};
    std::array<char, 40> reserved9{};

    bool operator==(const PersonalRecord&) const = default;

    // The values a new settings file gets; LastStartDate is today.
    static PersonalRecord creationValues(const QDate& today);

    QString userNameText() const;   // 28 characters as stored
    void setUserName(const QString& name);
    QChar dateFormatFlag() const;
    void setDateFormatFlag(QChar flag);
    void setLastStartDate(const QDate& today);
};

namespace PersonalRecordCodec {
inline constexpr int kSize = 690;
inline constexpr int kUserNameOffset = 0;
inline constexpr int kReserved1Offset = 28;
inline constexpr int kPassCodeOffset = 31;
inline constexpr int kReserved2Offset = 33;
inline constexpr int kReserved3Offset = 63;
inline constexpr int kReserved4Offset = 93;
inline constexpr int kCurrencySymbolOffset = 94;
inline constexpr int kDateFormatOffset = 95;
inline constexpr int kReserved5Offset = 96;
inline constexpr int kRemindersOffset = 128;
inline constexpr int kReserved6Offset = 628;
inline constexpr int kLastStartDateOffset = 630;
inline constexpr int kReserved7Offset = 640;
inline constexpr int kReserved8Offset = 642;
inline constexpr int kReserved9Offset = 650;

PersonalRecord decode(const char* record);
void encode(const PersonalRecord& personal, char* record);
} // namespace PersonalRecordCodec

} // namespace cw
