#pragma once
// The main window, frmMainScreen "Coinwick 2": start-up, the entry and
// category lists with their totals, the menus and toolbar, the four panels,
// and the layout rules. It owns the program-wide state.

#include "core/session/ProgramState.h"

#include <QDate>
#include <QMainWindow>
#include <functional>

class QAction;
class QModelIndex;
class QPushButton;
class QTableView;
class QToolBar;

namespace cw {

class CategoryEditorPanel;
class CategoryListModel;
class EntryEditorPanel;
class EntryListModel;
class HelpCommands;
class MacroPanel;
class MainStatusBars;
class YearSelectPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Today's date, read each time it is used; tests put in a clock of their own.
    using Clock = std::function<QDate()>;
    explicit MainWindow(Clock clock, QWidget* parent = nullptr);
    // A clock that always says `today`.
    explicit MainWindow(const QDate& today, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, run while the window is still hidden. False when
    // the program must end (passcode refused, settings file unusable).
    bool load();

    // Refills the entry list for a category ("all", "" or a code) from the
    // year data file and rewrites the totals and the records panel.
    void PopItemList(const QString& category);
    // Refills the category list from the year category file.
    void PopCatList();
    // Sets `label` to the stored name of the first category whose code equals
    // `code` (both as two characters); leaves it unchanged when there is none.
    void getlabel(const QString& code, QString& label);

    ProgramState& state() { return state_; }
    QDate today() const { return clock_(); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // A menu or toolbar command by its key ("mnuNewItem", "tbbFind").
    QAction* command(const QString& key) const;

    QToolBar* toolbar() const { return toolbar_; }
    QTableView* itemList() const { return itemList_; }
    QTableView* catList() const { return catList_; }
    EntryListModel* entryModel() const { return entryModel_; }
    CategoryListModel* categoryModel() const { return categoryModel_; }
    MainStatusBars& statusBars() const { return *statusBars_; }
    EntryEditorPanel* entryEditor() const { return entryEditor_; }
    YearSelectPanel* yearSelector() const { return yearSelector_; }
    CategoryEditorPanel* categoryEditor() const { return categoryEditor_; }
    MacroPanel* macroPanel() const { return macroPanel_; }
    HelpCommands* help() const { return help_; }

signals:
    // The window is closing (not sent by File, Exit, which ends at once).
    void unloading();

public slots:
    void FullYear_Click();
    // Opens the help window frmHelp at the topic of a help context number;
    // other windows' Help buttons come here.
    void showHelp(int contextId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The first show: within the screen's free area.
    void showEvent(QShowEvent* event) override;

private:
    void filterByCategory(const QModelIndex& index);
    void exitProgram();
    // False when an editor holds unsaved typing and the user keeps it.
    bool mayDiscardTyping();
    // Form_Resize: the layout rules over the client area.
    void arrangeControls();

    Clock clock_;
    bool placed_ = false;
    ProgramState state_;
    QWidget* client_;
    QToolBar* toolbar_;
    QTableView* itemList_;
    QTableView* catList_;
    QPushButton* fullYear_;
    EntryListModel* entryModel_;
    CategoryListModel* categoryModel_;
    std::unique_ptr<MainStatusBars> statusBars_;
    EntryEditorPanel* entryEditor_;
    YearSelectPanel* yearSelector_;
    CategoryEditorPanel* categoryEditor_;
    MacroPanel* macroPanel_;
    HelpCommands* help_;
};

} // namespace cw
