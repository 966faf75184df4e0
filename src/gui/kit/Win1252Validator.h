#pragma once
// For the text boxes whose text is stored: a character that Windows-1252 does
// not hold, typed or pasted, is not taken; the rest of the input is.

#include <QValidator>

class QLineEdit;

namespace cw {

class Win1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

    // Puts a validator on `edit`.
    static void attach(QLineEdit* edit);
};

} // namespace cw
