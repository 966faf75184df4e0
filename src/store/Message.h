#pragma once
// A message for the user, as a value: the window decides how to show it.

#include <QString>

namespace cw {

struct Message {
    enum class Icon { None, Warning, Question, Critical, Information };
    QString text;
    QString title = QStringLiteral("Coinwick 2");
    Icon icon = Icon::Warning;

    bool operator==(const Message&) const = default;
};

inline const QString kProgramTitle = QStringLiteral("Coinwick 2");

} // namespace cw
