#pragma once
// The width the resize rules give every toolbar button, but never more than
// the toolbar holds: a button that does not fit would go into the toolbar's
// overflow menu (and the rules may still be working from an older width
// while the window grows or shrinks).

class QToolBar;

namespace cw {

void setToolbarButtonWidth(QToolBar* toolbar, int ruleWidth);

} // namespace cw
