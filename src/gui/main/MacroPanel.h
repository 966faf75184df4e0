#pragma once
// The macro controls panel, MacroFrame " Macro Functions ": the play date
// MacDate with MacToday and the year MacSmYr, the active macro file name
// MacroEd, the list of macro files MacroSelect, and New, Edit, Play and
// Cancel. Hidden at start; Show Macro Controls and the toolbar's Macro show
// it. It leaves the lists and the toolbar enabled.

#include <QGroupBox>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace cw {

class MainWindow;

class MacroPanel : public QGroupBox {
    Q_OBJECT
public:
    MacroPanel(MainWindow* window, QWidget* parent);

    // MacSmYr: the year shown beside the play date.
    void setYearLabel(const QString& year);
    QString yearLabel() const;

    void mnuShowMacro_Click();
    void MacToday_Click();
    void MacroSelect_DblClick(QListWidgetItem* item);
    void MacroNew_Click();
    void MacroEdit_Click();
    void MacroPlay_Click();
    void MacroCancel_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The active macro file name; without one, "Please select a macro file"
    // and the panel is hidden.
    std::optional<QString> activeMacro();
    // Lists the macro files of the working folder again.
    void refreshMacroSelect();
    // Starts the text editor on a file; a failure is said.
    void edit(const QString& file);

    MainWindow* window_;
    QLineEdit* macDate_;
    QPushButton* macToday_;
    QLabel* macSmYr_;
    QLineEdit* macroEd_;
    QListWidget* macroSelect_;
    QPushButton* macroNew_;
    QPushButton* macroEdit_;
    QPushButton* macroPlay_;
    QPushButton* macroCancel_;
};

} // namespace cw
