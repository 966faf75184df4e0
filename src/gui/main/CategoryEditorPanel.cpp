#include "CategoryEditorPanel.h"

#include "gui/kit/BusyCursor.h"
#include "core/categories/CategoryEditorLogic.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/PanelWidgets.h"
#include "gui/kit/Win1252Validator.h"

#include "store/Blanks.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace cw {

CategoryEditorPanel::CategoryEditorPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Category Editor "), parent), window_(window)
{
    setObjectName(QStringLiteral("CatEdFrame"));
    setProperty("helpContextId", 20);
    setAutoFillBackground(true);
    setGeometry(40, 90, 340, 116);
    code_ = addLineEdit(this, "CatEdCatCode", {16, 30, 40, 24}, "Two-character category code here", 2);
    name_ = addLineEdit(this, "CatEdCatName", {64, 30, 260, 24}, "Category name here", 16);
    Win1252Validator::attach(code_);
    Win1252Validator::attach(name_);
    save_ = addButton(this, "CatEdSave", "Save", "Click to save NEW category", {16, 70, 72, 28});
    save_->setProperty("helpContextId", 20);
    replace_ = addButton(this, "ReplaceCat", "Replace", "Click to REPLACE changed category", {96, 70, 72, 28});
    delete_ = addButton(this, "CatDelete", "Delete", "Click to remove category", {176, 70, 72, 28});
    cancel_ = addButton(this, "CatEdCancel", "Cancel", nullptr, {256, 70, 68, 28});
    replace_->setEnabled(false);
    delete_->setEnabled(false);

    connect(save_, &QPushButton::clicked, this, &CategoryEditorPanel::CatEdSave_Click);
    connect(replace_, &QPushButton::clicked, this, &CategoryEditorPanel::ReplaceCat_Click);
    connect(delete_, &QPushButton::clicked, this, &CategoryEditorPanel::CatDelete_Click);
    connect(cancel_, &QPushButton::clicked, this, &CategoryEditorPanel::CatEdCancel_Click);
    connect(window_->command(QStringLiteral("mnuNewCategory")), &QAction::triggered, this,
            &CategoryEditorPanel::mnuNewCategory_Click);
    connect(window_->command(QStringLiteral("mnuChangeCategory")), &QAction::triggered, this,
            &CategoryEditorPanel::mnuChangeCategory_Click);
    // Return in the boxes saves a new category, or replaces the one being changed.
    enterPresses({code_, name_}, [this] { return enterButton_; });
    escapePresses(this, cancel_);
    hide();
}

CategoryEditorLogic CategoryEditorPanel::logic() const
{
    const ProgramState& state = window_->state();
    return CategoryEditorLogic(*Env::current(), state.categoryFileName, state.dataFileName);
}

QStringList CategoryEditorPanel::yearFiles() const
{
    const ProgramState& state = window_->state();
    return {state.categoryFileName, state.dataFileName};
}

bool CategoryEditorPanel::ask(const Message& question) { return askYesNo(window_, question, QMessageBox::No); }

void CategoryEditorPanel::mnuNewCategory_Click()
{
    show();
    raise();
    window_->state().selectedCategory.clear();
    code_->clear();
    name_->clear();
    fieldsAtOpening_ = {code_->text(), name_->text()};
    enterButton_ = save_;
    code_->setFocus();
}

void CategoryEditorPanel::mnuChangeCategory_Click()
{
    const QString selected = window_->state().selectedCategory;
    // "all" (the whole year) names no category either.
    if (trimBlanks(selected).isEmpty() || selected == kAllCategories) {
        showMessage(window_, nothingSelectedMessage());
        return;
    }
    show();
    raise();
    code_->setText(selected);
    QString name;
    window_->getlabel(selected, name);
    name_->setText(name);
    fieldsAtOpening_ = {code_->text(), name_->text()};
    replace_->setEnabled(true);
    delete_->setEnabled(true);
    enterButton_ = replace_;
    code_->setFocus();
}

bool CategoryEditorPanel::holdsUnsavedTyping() const
{
    return isVisible() && QStringList{code_->text(), name_->text()} != fieldsAtOpening_;
}

bool CategoryEditorPanel::accepted(Button button)
{
    const bool forDelete = button == Button::Delete;
    hide();
    if (std::optional<Message> problem = checkCategoryInput(code_->text(), name_->text(), !forDelete)) {
        showMessage(window_, *problem);
        return false;
    }
    if (forDelete)
        return true;
    QString code = code_->text();
    Result<bool> exists = logic().CatExists(code);
    if (!exists) {
        showFileError(window_, exists.status());
        return false;
    }
    // Replace keeping the selected category's own code warns about nothing.
    const QString selected = window_->state().selectedCategory;
    if (button == Button::Replace && trimBlanks(code) == trimBlanks(upperCode(selected)))
        return true;
    return !*exists || ask(duplicateWarning(trimBlanks(code), selected));
}

void CategoryEditorPanel::CatEdSave_Click()
{
    if (!accepted(Button::Save))
        return;
    {
        UndoScope undo(window_->state().history.get(), *Env::current(), yearFiles());
        if (Status saved = logic().save(code_->text(), name_->text()); !saved)
            showFileError(window_, saved);
    }
    window_->PopCatList();
}

void CategoryEditorPanel::ReplaceCat_Click()
{
    if (!accepted(Button::Replace))
        return;
    ProgramState& state = window_->state();
    Result<bool> replaced = false;
    {
        BusyCursor busy;
        UndoScope undo(state.history.get(), *Env::current(), yearFiles());
        replaced = logic().replace(state.selectedCategory, code_->text(), name_->text());
    }
    if (!replaced) {
        showFileError(window_, replaced.status());
    } else if (!*replaced) {
        // No category carries the selected code: nothing changed anywhere.
        showMessage(window_, categoryNotFoundMessage());
    } else {
        state.selectedCategory = storedCategoryCode(code_->text());
    }
    window_->PopCatList();
    window_->PopItemList(state.selectedCategory);
}

void CategoryEditorPanel::CatDelete_Click()
{
    if (!accepted(Button::Delete) || !ask(deleteCategoryQuestion(trimBlanks(name_->text()))))
        return;
    const QString typed = code_->text();
    const CategoryEditorLogic files = logic();
    // The category and its entries go as one step of Undo.
    UndoScope undo(window_->state().history.get(), *Env::current(), yearFiles());
    Status removed;
    {
        BusyCursor busy;
        removed = files.remove(typed);
    }
    if (!removed) {
        showFileError(window_, removed);
    } else {
        Result<qsizetype> entries = files.DeleteCatRecs(typed, [this](const Message& q) { return ask(q); });
        if (!entries)
            showFileError(window_, entries.status());
    }
    window_->PopCatList();
    window_->PopItemList(kAllCategories);
}

void CategoryEditorPanel::CatEdCancel_Click()
{
    window_->state().selectedCategory.clear();
    hide();
}

} // namespace cw
