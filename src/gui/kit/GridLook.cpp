#include "GridLook.h"

#include "gui/kit/GridFormat.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace cw {

void setUpGrid(QTableView* grid, const QString& format)
{
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->hide();
    QHeaderView* rows = grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(false);
    const QList<GridColumn> columns = parseGridFormat(format);
    const QFontMetrics metrics = grid->horizontalHeader()->fontMetrics();
    for (int i = 0; i < columns.size(); ++i)
        grid->setColumnWidth(i, metrics.horizontalAdvance(columns[i].widthText) + 12);
}

void fillWidthWithLastColumn(QTableView* grid)
{
    const int last = grid->model()->columnCount() - 1;
    grid->horizontalHeader()->setSectionResizeMode(last, QHeaderView::Stretch);
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setTextElideMode(Qt::ElideRight);
    // A click, Find or Ctrl+End in a narrow window would bring a cut column
    // into view; the first columns stay where they are.
    QScrollBar* sideways = grid->horizontalScrollBar();
    QObject::connect(sideways, &QScrollBar::valueChanged, grid, [sideways](int value) {
        if (value != 0)
            sideways->setValue(0);
    });
}

void GridFocusLook::attach(QTableView* grid)
{
    grid->installEventFilter(new GridFocusLook(grid));
    setAppearance(grid, 0);
}

bool GridFocusLook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        setAppearance(static_cast<QTableView*>(watched), event->type() == QEvent::FocusIn ? 1 : 0);
    return false;
}

void GridFocusLook::setAppearance(QTableView* grid, int appearance)
{
    grid->setProperty("appearance", appearance);
    grid->setFrameShape(appearance ? QFrame::StyledPanel : QFrame::Box);
    grid->setFrameShadow(appearance ? QFrame::Sunken : QFrame::Plain);
}

} // namespace cw
