#pragma once
// What the utility windows share: each is a top-level window of its own (not
// a Qt child of the window that opened it); a window that works on the shared
// files disables its opener while it is open and enables it again, shown and
// focused, when it closes.
//
// A long run (sort, backup) lets window events through, so the window can be
// closed in the middle of it: closing then asks the run to stop, and a
// window that deletes itself on close waits for the run to end first.

#include <QPointer>
#include <QWidget>

namespace cw {

class UtilityWindow : public QWidget {
    Q_OBJECT
public:
    // `opener` is disabled now when `disableOpener` is set.
    UtilityWindow(const QString& name, const QString& title, QWidget* opener, bool disableOpener);
    ~UtilityWindow() override;

    // Delete the window once it is closed (the program's commands open the
    // windows this way; tests may keep them on the stack).
    void setDeleteOnClose(bool on) { deleteOnClose_ = on; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The first show: centred over the opener, within the screen.
    void showEvent(QShowEvent* event) override;

    // Marks a run for as long as it lives.
    class Running {
    public:
        explicit Running(UtilityWindow* window);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        UtilityWindow* window_;
    };
    bool running() const { return running_; }
    // Set by a close (or the window's own stop) during a run.
    bool stopRequested() const { return stopRequested_; }
    void requestStop() { stopRequested_ = true; }

    // The parent for messages: this window while it is shown, else its opener.
    QWidget* messageParent();

private:
    void releaseOpener();

    QPointer<QWidget> opener_;
    bool disablesOpener_;
    bool deleteOnClose_ = false;
    bool running_ = false;
    bool stopRequested_ = false;
    bool closed_ = false;
    bool placed_ = false;
};

} // namespace cw
