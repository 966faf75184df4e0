#include "FindCommand.h"

#include "gui/main/EntryListModel.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "core/entries/WordMatch.h"

#include <QAction>
#include <QTableView>

namespace cw {

FindCommand::FindCommand(MainWindow* window) : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("FindCommand"));
    connect(window_->command(QStringLiteral("mnuFind")), &QAction::triggered, this, &FindCommand::mnuFind_Click);
}

void FindCommand::mnuFind_Click()
{
    remembered_ = findSearchText(askText(window_, kFindPrompt, kFindTitle, remembered_));
    // Cancel and an empty answer end the command: an empty text would hit
    // every note with a blank in it.
    if (remembered_.isEmpty())
        return;

    QTableView* list = window_->itemList();
    const QAbstractItemModel* model = list->model();
    qsizetype next = 0;
    for (;;) {
        // Hidden while the current cell moves, shown once per scan.
        list->hide();
        const FindScan scan = scanNotes(remembered_, next, model->rowCount(), [model](qsizetype row) {
            return model->index(int(row), EntryListModel::NoteColumn).data().toString();
        });
        if (scan.lastExamined >= 0)
            list->setCurrentIndex(model->index(int(scan.lastExamined), EntryListModel::NoteColumn));
        list->show();
        // A hidden view does not scroll to its current cell by itself. The
        // focus goes to the list, where Enter opens the entry found.
        list->scrollTo(list->currentIndex());
        list->setFocus();
        next = scan.next;
        if (next >= model->rowCount()) {
            showMessage(window_, findDoneMessage());
            return;
        }
        if (!askYesNo(window_, findNextQuestion(), QMessageBox::Yes))
            return;
    }
}

} // namespace cw
