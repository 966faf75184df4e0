#include "MainMenus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <vector>

namespace cw {
namespace {

struct MenuItem {
    const char* key;
    const char* caption;
    const char* shortcut = nullptr;   // in portable text form
};

struct Menu {
    const char* key;
    const char* caption;
    std::vector<MenuItem> items;
};

struct ToolbarButton {
    const char* key;
    const char* caption;
    const char* description;
    const char* tooltip;
    const char* command;
    QStyle::StandardPixmap image;
};

QAction* addItem(QMainWindow* window, QMenu* menu, const MenuItem& item)
{
    QAction* action = new QAction(QString::fromLatin1(item.caption), window);
    action->setObjectName(QString::fromLatin1(item.key));
    if (item.shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
    menu->addAction(action);
    return action;
}

} // namespace

void buildMainMenus(QMainWindow* window)
{
    const Menu menus[] = {
        {"mnuFile", "&File",
         {{"mnuTinyCalc", "Calculator"},
          {"mnuSort", "Sort"},
          {"mnuYear", "Select Year"},
          {"mnuBackup", "Backup"},
          {"mnuImport", "Import..."},
          {"mnuExit", "E&xit", "Ctrl+Q"}}},
        {"mnuEdit", "&Edit",
         {{"mnuUndo", "Undo", "Ctrl+Z"},
          {"mnuRedo", "Redo", "Ctrl+Shift+Z"},
          {"mnuNewItem", "New Line Item", "Ctrl+N"},
          {"mnuNewCategory", "New Category"},
          {"mnuChangeCategory", "Change Category"},
          {"mnuNotes", "Notes"}}},
        {"mnuSearch", "&Search", {{"mnuFind", "Find a word", "Ctrl+F"}}},
        {"mnuMacros", "&Macros", {{"mnuShowMacro", "Show Macro Controls"}}},
        {"mnuReports", "&Reports", {}},
        {"mnuOptions", "&Options",
         {{"mnuUserName", "User Name"},
          {"mnuPassCode", "Pass Code"},
          {"mnuDateFormat", "Date Format"},
          {"mnuDateConvert", "Date Coverter"}}},
        {"mnuHelp", "&Help", {{"mnuHelpContents", "Contents", "F1"}, {"mnuHelpAbout", "About"}}},
    };
    QMenuBar* bar = window->menuBar();
    for (const Menu& m : menus) {
        if (m.items.empty()) {
            // A menu-bar command without items.
            QAction* command = new QAction(QString::fromLatin1(m.caption), window);
            command->setObjectName(QString::fromLatin1(m.key));
            bar->addAction(command);
            continue;
        }
        QMenu* menu = new QMenu(QString::fromLatin1(m.caption), window);
        menu->setObjectName(QString::fromLatin1(m.key));
        for (const MenuItem& item : m.items)
            addItem(window, menu, item);
        bar->addMenu(menu);
    }
}

void buildMainToolbar(QMainWindow* window, QToolBar* toolbar)
{
    const ToolbarButton buttons[] = {
        {"tbbHelp", "Help", "help button", "Click for Help Contents", "mnuHelpContents", QStyle::SP_DialogHelpButton},
        {"tbbFind", "Search", "find button", "Find a Word", "mnuFind", QStyle::SP_FileDialogContentsView},
        {"tbbNotes", "Notes", "note button", "Click to edit your notes", "mnuNotes", QStyle::SP_FileDialogDetailedView},
        {"tbbMacro", "Macro", "macro button", "Macro Functions", "mnuShowMacro", QStyle::SP_MediaPlay},
        {"tbbReports", "Reports", "report button", "Reports", "mnuReports", QStyle::SP_FileDialogListView},
        {"tbbYear", "Year", "year selection button", "Select Year", "mnuYear", QStyle::SP_FileDialogNewFolder},
        {"tbbSetup", "Passcode", "setup button", "Set start-up passcode", "mnuPassCode", QStyle::SP_DialogApplyButton},
        {"tbbSort", "Sort", "sort button", "Sort current year's data file", "mnuSort", QStyle::SP_ArrowDown},
        {"tbbNew", "New", "new entry", "New Item", "mnuNewItem", QStyle::SP_FileIcon},
    };
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : buttons) {
        QAction* button = toolbar->addAction(window->style()->standardIcon(b.image), QString::fromLatin1(b.caption));
        button->setObjectName(QString::fromLatin1(b.key));
        button->setToolTip(QString::fromLatin1(b.tooltip));
        button->setProperty("description", QString::fromLatin1(b.description));
        QAction* command = window->findChild<QAction*>(QString::fromLatin1(b.command));
        Q_ASSERT(command);
        QObject::connect(button, &QAction::triggered, command, &QAction::trigger);
    }
}

} // namespace cw
