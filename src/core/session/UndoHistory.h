#pragma once
// Undo and Redo over the year files: each command that changes them is kept
// as one step (the changes of every file it touched), twenty steps deep.
// A step is taken back only onto the very files it left; one changed since,
// by another command or outside the program, is refused by name.

#include "core/session/FileChange.h"
#include "store/FileContents.h"
#include "store/Message.h"
#include "store/Status.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <vector>

namespace cw {

class Env;

class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kSteps = 20;

    // The files a command is about to change, as they are before it runs.
    class Held {
        friend class UndoHistory;
        struct File {
            QString name;
            bool exists = false;
            FileContents contents;
        };
        std::vector<File> files;
        bool unreadable = false;
    };

    // Holds `files` (mapped, not copied, where the disk allows).
    Held hold(Env& env, const QStringList& files) const;
    // Keeps what the command changed of the held files as one step and drops
    // the steps that Redo would have given back. A command that changed
    // nothing leaves no step. When a file could not be read before or after,
    // the whole history goes: an older step must never pass for the last.
    void keep(Env& env, Held held);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

    // The result of Undo or Redo: `refused` names a file changed since.
    struct Outcome {
        Status status;
        QString refused;
        bool done() const { return status.isOk() && refused.isEmpty(); }
    };
    Outcome undo(Env& env);
    Outcome redo(Env& env);

    // Drops every step.
    void forget();

    // The bytes the steps keep, for the memory measurements.
    qsizetype heldBytes() const;

signals:
    void changed();

private:
    using Step = std::vector<FileChange>;
    Outcome takeBack(Env& env, std::deque<Step>& from, std::deque<Step>& to);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

// "Undo not possible: FILE was changed since." (Redo likewise).
Message undoRefusedMessage(const QString& file, bool redo);

// Holds the files for the life of a command and keeps its step at the end,
// whatever way the command ends. A null history keeps nothing.
class UndoScope {
public:
    UndoScope(UndoHistory* history, Env& env, const QStringList& files);
    ~UndoScope();
    UndoScope(const UndoScope&) = delete;
    UndoScope& operator=(const UndoScope&) = delete;

private:
    UndoHistory* history_;
    Env& env_;
    UndoHistory::Held held_;
};

} // namespace cw
