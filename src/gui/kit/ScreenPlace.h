#pragma once
// Where a window opens: centred over the window it was opened from (or where
// it was put), never larger than the screen's free area and never past its
// edges, so that every control is reachable on a small screen.

#include <QMargins>
#include <QRect>

class QWidget;

namespace cw {

// The window's inner geometry: `wanted` (inner size and place) centred over
// `over` when that is valid, shrunk and moved so that the frame (`frame`
// around the inner geometry) lies within `available`.
QRect placeWithin(QRect wanted, const QRect& over, const QRect& available, const QMargins& frame);

// Applies placeWithin to `window` on its screen, centred over `opener` when
// there is one.
void placeOnScreen(QWidget* window, const QWidget* opener);

} // namespace cw
