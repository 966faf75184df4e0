#pragma once
// Help: Help, Contents (mnuHelpContents, the toolbar's Help), Help, About
// (mnuHelpAbout) and the help key F1, which opens the help window frmHelp at
// the topic of the area in use: the panel holding the focus (its
// "helpContextId" property: 15, 20, 30, 80) or the open menu (210 to 270).
// frmHelp closes when the main window closes.

#include <QObject>
#include <memory>

class QAction;

namespace cw {

class HelpWindow;
class MainWindow;

class HelpCommands : public QObject {
    Q_OBJECT
public:
    explicit HelpCommands(MainWindow* window);
    ~HelpCommands() override;

    // Shows frmHelp at the topic of a help context number (0: the contents).
    void showHelp(int contextId);
    // frmHelp once it has been shown, else nullptr.
    HelpWindow* helpWindow() const { return help_.get(); }

    // The help context number of the area in use: an open menu, the menu
    // bar's highlighted menu while it has the keyboard, or the nearest
    // enclosing control of the focus that carries one; 0 for none.
    int focusedHelpContext() const;

    void mnuHelpContents_Click();
    void showAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // F1: closes any open menu and shows the topic of the area in use.
    void helpKey();

    MainWindow* window_;
    QAction* contents_;
    std::unique_ptr<HelpWindow> help_;
};

} // namespace cw
