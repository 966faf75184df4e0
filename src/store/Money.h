#pragma once
// Money: a signed 64-bit count of ten-thousandths of the currency unit.
// Sums are kept in 128 bits so that no total can overflow.

#include <cstdint>

namespace cw {

using Money = std::int64_t;
using MoneySum = __int128;

inline constexpr Money kMoneyScale = 10000;

} // namespace cw
