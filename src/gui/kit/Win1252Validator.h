#pragma once
// What a text box takes. Every text box drops control characters (line
// breaks, tabs, \x01 ...), typed or pasted; the boxes whose text is stored
// also drop any character that Windows-1252 does not hold. The rest of the
// input is taken.

#include <QValidator>

class QLineEdit;

namespace cw {

class PlainTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

    // Puts a validator on `edit`.
    static void attach(QLineEdit* edit);

protected:
    virtual bool takes(QChar c) const;
};

class Win1252Validator : public PlainTextValidator {
    Q_OBJECT
public:
    using PlainTextValidator::PlainTextValidator;

    static void attach(QLineEdit* edit);

protected:
    bool takes(QChar c) const override;
};

} // namespace cw
