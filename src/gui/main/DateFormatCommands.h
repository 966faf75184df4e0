#pragma once
// Options, Date Format (mnuDateFormat) and Options, Date Coverter
// (mnuDateConvert).

#include <QObject>

namespace cw {

class MainWindow;

class DateFormatCommands : public QObject {
    Q_OBJECT
public:
    explicit DateFormatCommands(MainWindow* window);

    // Switches the date format flag between "A" and "E" and saves it in
    // "PERSONAL.DAT".
    void mnuDateFormat_Click();
    // Swaps month and day in every entry of the year data file, then shows
    // the whole year again.
    void mnuDateConvert_Click();

private:
    MainWindow* window_;
};

} // namespace cw
