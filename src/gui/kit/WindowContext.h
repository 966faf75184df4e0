#pragma once
// What a window opened from the main window needs of it: the program-wide
// state, today's date (read each time it is used) and the window it opens
// over. The opener outlives the windows it opens.

#include "core/session/ProgramState.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace cw {

struct WindowContext {
    ProgramState* state = nullptr;
    std::function<QDate()> today;
    QPointer<QWidget> opener;
};

} // namespace cw
