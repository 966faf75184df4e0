#include "UndoCommands.h"

#include "core/session/UndoHistory.h"
#include "gui/kit/BusyCursor.h"
#include "gui/kit/MessageBox.h"
#include "gui/main/MainWindow.h"
#include "store/Env.h"

#include <QAction>

namespace cw {

UndoCommands::UndoCommands(MainWindow* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("UndoCommands"));
    connect(window_->command(QStringLiteral("mnuUndo")), &QAction::triggered, this, &UndoCommands::undoLastStep);
    connect(window_->command(QStringLiteral("mnuRedo")), &QAction::triggered, this, &UndoCommands::redoLastStep);
    connect(window_->state().history.get(), &UndoHistory::changed, this, &UndoCommands::updateEnabled);
    updateEnabled();
}

void UndoCommands::updateEnabled()
{
    const UndoHistory& history = *window_->state().history;
    window_->command(QStringLiteral("mnuUndo"))->setEnabled(history.canUndo());
    window_->command(QStringLiteral("mnuRedo"))->setEnabled(history.canRedo());
}

void UndoCommands::takeStep(bool redo)
{
    UndoHistory& history = *window_->state().history;
    UndoHistory::Outcome outcome;
    {
        BusyCursor busy;
        outcome = redo ? history.redo(*Env::current()) : history.undo(*Env::current());
    }
    if (!outcome.refused.isEmpty())
        showMessage(window_, undoRefusedMessage(outcome.refused, redo));
    else if (!outcome.status)
        showFileError(window_, outcome.status);
    window_->PopCatList();
    // A category the step took away leaves its filter for the whole year.
    const QString category = window_->state().selectedCategory;
    const bool oneCategory = !category.trimmed().isEmpty() && category != kAllCategories;
    QString name;
    if (oneCategory)
        window_->getlabel(category, name);
    if (oneCategory && name.isEmpty())
        window_->FullYear_Click();
    else
        window_->PopItemList(category);
}

} // namespace cw
