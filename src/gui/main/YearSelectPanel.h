#pragma once
// The year selector panel, YearEdFrame " Select Year ": the year label
// CurYear, the spinner DataYear, OK! (SetYear) and Cancel (YearOff). Opened
// by Select Year and the toolbar's Year; hidden and disabled while closed.

#include <QGroupBox>

class QLabel;
class QPushButton;
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

    void openYearSelector();
    void switchToChosenYear();
    void closeYearSelector();

private:
    void closePanel();

    MainWindow* window_;
    QLabel* curYear_;
    QSpinBox* dataYear_;
    QPushButton* setYear_;
    QPushButton* yearOff_;
};

} // namespace cw
