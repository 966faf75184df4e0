#pragma once
// The number reader of macro amount lines and calculator operands: optional
// blanks, an optional sign, digits with at most one full stop as the decimal
// point (whatever the locale), an optional exponent (E or D, either case,
// with an optional sign and digits). Blanks and tabs inside the number are
// skipped; the first other character ends it; no digits read as 0.
//
// The number is kept in decimal (its digits and a power of ten), so that it
// converts exactly to Money and correctly rounded to a double.

#include "store/Money.h"

#include <QStringView>
#include <optional>
#include <string>

namespace cw {

struct ReadNumber {
    bool negative = false;
    std::string digits;   // significant digits, no leading zeros; empty for 0
    long exponent = 0;    // value = digits x 10^exponent

    bool isZero() const { return digits.empty(); }
    // Nearest double; beyond the double range gives an infinity.
    double toDouble() const;
    // Ten-thousandths, rounded half to even; nullopt when too large for Money.
    std::optional<Money> toMoney() const;
};

ReadNumber readNumber(QStringView text);

} // namespace cw
