#pragma once
// The category editor panel, CatEdFrame " Category Editor ": New Category
// and Change Category show it; Save adds a category, Replace re-codes the
// selected one and its entries, Delete removes one and, on request, its
// entries. Every button hides it again. Hidden at start.

#include <QGroupBox>
#include <QStringList>

class QLineEdit;
class QPushButton;

namespace cw {

class CategoryEditorLogic;
class MainWindow;
struct Message;

class CategoryEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryEditorPanel(MainWindow* window, QWidget* parent);

    // Whether the open panel holds typing that differs from what it showed
    // when it opened.
    bool holdsUnsavedTyping() const;
    void mnuNewCategory_Click();
    void mnuChangeCategory_Click();
    void CatEdSave_Click();
    void ReplaceCat_Click();
    void CatDelete_Click();
    void CatEdCancel_Click();

private:
    CategoryEditorLogic logic() const;
    // The input checks, then for Save and Replace the duplicate warning;
    // false when the handler ends here.
    enum class Button { Save, Replace, Delete };
    bool accepted(Button button);
    // The year files a category change may touch.
    QStringList yearFiles() const;
    bool ask(const Message& question);

    MainWindow* window_;
    QStringList fieldsAtOpening_;
    QLineEdit* code_;
    QLineEdit* name_;
    QPushButton* save_;
    QPushButton* replace_;
    QPushButton* delete_;
    QPushButton* cancel_;
    // What Return in the boxes presses: Save after New, Replace after Change.
    QPushButton* enterButton_ = nullptr;
};

} // namespace cw
