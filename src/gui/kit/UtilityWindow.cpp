#include "UtilityWindow.h"

#include "gui/kit/ScreenPlace.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QShortcut>

namespace cw {

UtilityWindow::UtilityWindow(const QString& name, const QString& title, QWidget* opener, bool disableOpener)
    : QWidget(nullptr), opener_(opener), disablesOpener_(disableOpener)
{
    setObjectName(name);
    setWindowTitle(title);
    // Escape closes the window, as its close box does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    if (opener_ && disablesOpener_)
        opener_->setEnabled(false);
}

UtilityWindow::~UtilityWindow() { releaseOpener(); }

void UtilityWindow::releaseOpener()
{
    if (!opener_ || !disablesOpener_)
        return;
    opener_->setEnabled(true);
    opener_->show();
    opener_->raise();
    opener_->activateWindow();
    disablesOpener_ = false;
}

void UtilityWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The keyboard goes back to the window this one was opened from.
    if (opener_ && opener_->isVisible() && isActiveWindow())
        opener_->activateWindow();
    releaseOpener();
    closed_ = true;
    if (running_)
        stopRequested_ = true;
    else if (deleteOnClose_)
        deleteLater();
}

void UtilityWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        placeOnScreen(this, opener_);
    }
    QWidget::showEvent(event);
}

QWidget* UtilityWindow::messageParent() { return isVisible() ? this : opener_.data(); }

UtilityWindow::Running::Running(UtilityWindow* window) : window_(window)
{
    window_->running_ = true;
    window_->stopRequested_ = false;
}

UtilityWindow::Running::~Running()
{
    window_->running_ = false;
    // Deleted from the event loop, after the handler that ran has returned.
    if (window_->closed_ && window_->deleteOnClose_)
        window_->deleteLater();
}

} // namespace cw
