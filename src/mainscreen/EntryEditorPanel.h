#pragma once
// The entry editor panel, EntryEdFrame: hidden and disabled while closed; the
// main window keeps it centred.

#include <QGroupBox>

class QLabel;

namespace cw {

class MainWindow;

class EntryEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    EntryEditorPanel(MainWindow* window, QWidget* parent);

    // SmYr: the active year shown after the date.
    void setYearLabel(const QString& year);
    QString yearLabel() const;

private:
    MainWindow* window_;
    QLabel* smYr_;
};

} // namespace cw
