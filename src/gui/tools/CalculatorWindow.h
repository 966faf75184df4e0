#pragma once
// TinyCalc, "TinyCalc": a two-operand calculator. It leaves the main window
// usable and touches no file.

#include "core/tools/Calculator.h"
#include "gui/kit/UtilityWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace cw {

class CalculatorWindow : public UtilityWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* opener = nullptr);

private:
    QPushButton* button(const char* name, const QString& caption);
    void TCCompute_Click();
    void TCRepeat_Click();
    void TCClear_Click();

    Calculator calculator_;
    QLineEdit* tcTopNum_;
    QLabel* tcOp_;
    QLineEdit* tcBotNum_;
    QLabel* tcResult_;
};

} // namespace cw
