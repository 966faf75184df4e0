#pragma once
// How the program's grids look: column widths and header alignments from the
// grid's format string, one fixed header row, and the focus look: drawn
// three-dimensional (appearance 1) while the grid has the focus, flat
// (appearance 0) otherwise. The "appearance" property tells which.

#include <QObject>
#include <QString>

class QTableView;

namespace cw {

void setUpGrid(QTableView* grid, const QString& format);

// The grid's last column takes the width the others leave and shrinks with
// the grid, its texts cut with "..."; the grid never scrolls sideways.
void fillWidthWithLastColumn(QTableView* grid);

class GridFocusLook : public QObject {
    Q_OBJECT
public:
    // Follows the grid's focus from now on; starts flat.
    static void attach(QTableView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void setAppearance(QTableView* grid, int appearance);
};

} // namespace cw
