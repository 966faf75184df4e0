#pragma once
// The calculator's arithmetic: two single-precision operands read with the
// number reader, one of "+", "-", "x", "/", and the result written as the
// standard number-to-text conversion writes it.

#include <QString>

namespace cw {

inline const QString kDivisionByZeroText = QStringLiteral("Division by zero");
inline const QString kOverflowText = QStringLiteral("Overflow");

// A blank for a value >= 0 or a minus, then at most 7 significant digits,
// "." as the decimal point, no 0 before it, exponent form beyond the fixed
// range: " 12", "-3", " .3333333", " 1E+10", " 1.234568E+07", " 1E-05".
QString basicNumberText(float value);

// The operand a text box holds: the number at its start (0 when there is
// none), in single precision. False when it lies beyond the single range.
bool readOperand(const QString& text, float* value);

class Calculator {
public:
    float top() const { return top_; }
    float bottom() const { return bottom_; }
    float result() const { return result_; }

    // Reads both operands and applies the operator; returns the result
    // label's text. An operator other than the four keeps the last result. A
    // division by zero (0 / 0 too) gives "Division by zero", an operand or a
    // result beyond the single range "Overflow"; the last result is kept.
    QString compute(const QString& topText, const QString& bottomText, const QString& op);

    // "C": the three numbers back to 0.
    void clear() { top_ = bottom_ = result_ = 0.0f; }

private:
    float top_ = 0.0f;
    float bottom_ = 0.0f;
    float result_ = 0.0f;
};

} // namespace cw
