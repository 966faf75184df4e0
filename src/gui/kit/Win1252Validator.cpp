#include "Win1252Validator.h"

#include "store/Win1252.h"

#include <QLineEdit>

namespace cw {

QValidator::State PlainTextValidator::validate(QString& input, int& pos) const
{
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!takes(input[i]))
            continue;
        kept.append(input[i]);
        if (i < pos)
            ++keptPos;
    }
    if (kept.size() != input.size()) {
        input = kept;
        pos = keptPos;
    }
    return Acceptable;
}

bool PlainTextValidator::takes(QChar c) const { return c.category() != QChar::Other_Control; }

void PlainTextValidator::attach(QLineEdit* edit) { edit->setValidator(new PlainTextValidator(edit)); }

bool Win1252Validator::takes(QChar c) const { return PlainTextValidator::takes(c) && win1252Holds(c); }

void Win1252Validator::attach(QLineEdit* edit) { edit->setValidator(new Win1252Validator(edit)); }

} // namespace cw
