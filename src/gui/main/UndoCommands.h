#pragma once
// Edit, Undo (mnuUndo) and Edit, Redo (mnuRedo): the session's history of
// changes to the year files, enabled while it holds a step to take.

#include <QObject>

namespace cw {

class MainWindow;

class UndoCommands : public QObject {
    Q_OBJECT
public:
    explicit UndoCommands(MainWindow* window);

    void undoLastStep() { takeStep(false); }
    void redoLastStep() { takeStep(true); }

private:
    // Takes back (or gives back) the last step, tells a refusal or a disk
    // failure, and shows the lists as the files now stand.
    void takeStep(bool redo);
    void updateEnabled();

    MainWindow* window_;
};

} // namespace cw
