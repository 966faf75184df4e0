#include "ToolbarWidth.h"

#include <QAction>
#include <QLayout>
#include <QToolBar>

namespace cw {

void setToolbarButtonWidth(QToolBar* toolbar, int ruleWidth)
{
    const QList<QAction*> buttons = toolbar->actions();
    if (buttons.isEmpty())
        return;
    const QMargins margins = toolbar->layout()->contentsMargins();
    const int room = (toolbar->width() - margins.left() - margins.right()) / int(buttons.size());
    const int width = qMax(0, qMin(ruleWidth, room));
    for (QAction* button : buttons)
        if (QWidget* widget = toolbar->widgetForAction(button))
            widget->setFixedWidth(width);
}

} // namespace cw
