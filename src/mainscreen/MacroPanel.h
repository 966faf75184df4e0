#pragma once
// The macro controls panel, MacroFrame " Macro Functions ". Hidden at start.

#include <QGroupBox>

class QLabel;

namespace cw {

class MainWindow;

class MacroPanel : public QGroupBox {
    Q_OBJECT
public:
    MacroPanel(MainWindow* window, QWidget* parent);

    // MacSmYr: the year shown beside the play date.
    void setYearLabel(const QString& year);
    QString yearLabel() const;

private:
    MainWindow* window_;
    QLabel* macSmYr_;
};

} // namespace cw
