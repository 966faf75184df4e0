#pragma once
// The year selector panel, YearEdFrame " Select Year ": the year label CurYear
// and the spinner DataYear. Hidden and disabled while closed.

#include <QGroupBox>

class QLabel;
class QSpinBox;

namespace cw {

class MainWindow;

class YearSelectPanel : public QGroupBox {
    Q_OBJECT
public:
    YearSelectPanel(MainWindow* window, QWidget* parent);

    // CurYear's caption: the year being chosen, read as the year label.
    QString curYear() const;
    void setCurYear(const QString& year);
    void setSpinnerYear(int year);

private:
    MainWindow* window_;
    QLabel* curYear_;
    QSpinBox* dataYear_;
};

} // namespace cw
