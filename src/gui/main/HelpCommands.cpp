#include "HelpCommands.h"

#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"
#include "gui/kit/ScreenPlace.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace cw {
namespace {

const char* const kHelpProperty = "helpContextId";

struct MenuHelp {
    const char* key;
    int contextId;
};
constexpr MenuHelp kMenuHelp[] = {
    {"mnuFile", HelpContext::FileMenu},       {"mnuEdit", HelpContext::EditMenu},
    {"mnuSearch", HelpContext::SearchMenu},   {"mnuMacros", HelpContext::MacrosMenu},
    {"mnuReports", HelpContext::ReportsMenu}, {"mnuOptions", HelpContext::OptionsMenu},
    {"mnuHelp", HelpContext::HelpMenu},
};

std::optional<int> helpContextOf(const QObject* object)
{
    const QVariant id = object ? object->property(kHelpProperty) : QVariant();
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}

} // namespace

HelpCommands::HelpCommands(MainWindow* window)
    : QObject(window), window_(window), contents_(window->command(QStringLiteral("mnuHelpContents")))
{
    setObjectName(QStringLiteral("HelpCommands"));
    for (const MenuHelp& m : kMenuHelp) {
        const QString key = QString::fromLatin1(m.key);
        if (QMenu* menu = window_->findChild<QMenu*>(key)) {
            menu->setProperty(kHelpProperty, m.contextId);
            menu->menuAction()->setProperty(kHelpProperty, m.contextId);
            // F1 in an open menu reaches the menu, not the shortcut.
            menu->installEventFilter(this);
        } else if (QAction* command = window_->command(key)) {
            command->setProperty(kHelpProperty, m.contextId);   // a menu-bar command
        }
    }
    // The F1 shortcut of Contents arrives as a Shortcut event; a click does not.
    contents_->installEventFilter(this);
    connect(contents_, &QAction::triggered, this, &HelpCommands::mnuHelpContents_Click);
    connect(window_->command(QStringLiteral("mnuHelpAbout")), &QAction::triggered, this,
            &HelpCommands::showAbout);
    connect(window_, &MainWindow::unloading, this, [this] {
        if (help_)
            help_->close();
    });
}

HelpCommands::~HelpCommands() = default;

void HelpCommands::showHelp(int contextId)
{
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
        placeOnScreen(help_.get(), window_);
    }
    help_->showTopic(contextId);
}

int HelpCommands::focusedHelpContext() const
{
    if (const QWidget* popup = QApplication::activePopupWidget())
        if (std::optional<int> id = helpContextOf(popup))
            return *id;
    const QMenuBar* bar = window_->menuBar();
    if (bar->hasFocus())
        if (std::optional<int> id = helpContextOf(bar->activeAction()))
            return *id;
    QWidget* focus = QApplication::focusWidget();
    if (focus && window_->isAncestorOf(focus)) {
        for (const QWidget* w = focus; w && w != window_; w = w->parentWidget())
            if (std::optional<int> id = helpContextOf(w))
                return *id;
    }
    return HelpContext::Contents;
}

void HelpCommands::mnuHelpContents_Click() { showHelp(HelpContext::Contents); }

void HelpCommands::showAbout() { showMessage(window_, aboutMessage()); }

void HelpCommands::helpKey()
{
    const int contextId = focusedHelpContext();
    // Each close takes the innermost open menu away.
    for (QWidget* popup = QApplication::activePopupWidget(), *last = nullptr; popup && popup != last;
         last = popup, popup = QApplication::activePopupWidget())
        popup->close();
    showHelp(contextId);
}

bool HelpCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == contents_ && event->type() == QEvent::Shortcut) {
        helpKey();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && qobject_cast<QMenu*>(watched)) {
        helpKey();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace cw
