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
