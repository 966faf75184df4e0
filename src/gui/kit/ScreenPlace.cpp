#include "ScreenPlace.h"

#include <QScreen>
#include <QWidget>

namespace cw {

QRect placeWithin(QRect wanted, const QRect& over, const QRect& available, const QMargins& frame)
{
    const QRect inner = available.marginsRemoved(frame);
    wanted.setSize(wanted.size().boundedTo(inner.size()));
    if (over.isValid())
        wanted.moveCenter(over.center());
    wanted.moveRight(qMin(wanted.right(), inner.right()));
    wanted.moveBottom(qMin(wanted.bottom(), inner.bottom()));
    wanted.moveLeft(qMax(wanted.left(), inner.left()));
    wanted.moveTop(qMax(wanted.top(), inner.top()));
    return wanted;
}

void placeOnScreen(QWidget* window, const QWidget* opener)
{
    const QWidget* frameFrom = opener && opener->isVisible() ? opener : window;
    const QRect outer = frameFrom->frameGeometry(), inner = frameFrom->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    const QScreen* screen = opener ? opener->screen() : window->screen();
    if (!screen)
        return;
    window->setGeometry(placeWithin(window->geometry(), opener ? opener->geometry() : QRect(),
                                    screen->availableGeometry(), frame));
}

} // namespace cw
