#pragma once
// The category editor panel, CatEdFrame " Category Editor ". Hidden at start.

#include <QGroupBox>

namespace cw {

class MainWindow;

class CategoryEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryEditorPanel(MainWindow* window, QWidget* parent);

private:
    MainWindow* window_;
};

} // namespace cw
