#include "Win1252Validator.h"

#include "store/Win1252.h"

#include <QLineEdit>

namespace cw {

QValidator::State Win1252Validator::validate(QString& input, int& pos) const
{
    QString kept;
    kept.reserve(input.size());
    int keptPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!win1252Holds(input[i]))
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

void Win1252Validator::attach(QLineEdit* edit) { edit->setValidator(new Win1252Validator(edit)); }

} // namespace cw
