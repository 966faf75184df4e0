#include "MacroPanel.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/PanelWidgets.h"
#include "core/session/TextEditor.h"
#include "gui/kit/Win1252Validator.h"

#include "core/macros/MacroFiles.h"
#include "core/macros/MacroPlayer.h"
#include "core/macros/MacroTemplate.h"
#include "store/Blanks.h"
#include "store/DateRules.h"
#include "store/FileNames.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace cw {
namespace {

constexpr int kHelpContext = 80;

// The macro name box: a file of the working folder, so besides what
// Windows-1252 lacks, no folder separator and no control character.
class MacroNameValidator : public Win1252Validator {
public:
    using Win1252Validator::Win1252Validator;
    State validate(QString& input, int& pos) const override
    {
        Win1252Validator::validate(input, pos);
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input[i] == u'/' || input[i].category() == QChar::Other_Control) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
        }
        return Acceptable;
    }
};

} // namespace

MacroPanel::MacroPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Macro Functions "), parent), window_(window)
{
    setObjectName(QStringLiteral("MacroFrame"));
    setProperty("helpContextId", kHelpContext);
    setAutoFillBackground(true);
    setGeometry(40, 90, 380, 280);

    macDate_ = addLineEdit(this, "MacDate", {16, 28, 56, 24}, "Date here");
    macDate_->setInputMask(QStringLiteral("99-99;_"));
    macSmYr_ = addLabel(this, "MacSmYr", "", {76, 29, 44, 22});
    macToday_ = addButton(this, "MacToday", "!", "Make Date = Today", {124, 28, 26, 24});
    macroEd_ = addLineEdit(this, "MacroEd", {16, 62, 200, 24}, "Active macro file name must be here");
    macroEd_->setValidator(new MacroNameValidator(macroEd_));

    macroSelect_ = new QListWidget(this);
    macroSelect_->setObjectName(QStringLiteral("MacroSelect"));
    macroSelect_->setToolTip(QStringLiteral("Double-click to select active macro"));
    macroSelect_->setGeometry(16, 94, 200, 170);
    macroSelect_->installEventFilter(this);

    macroNew_ = addButton(this, "MacroNew", "New", "Click to create new macro", {236, 62, 124, 30});
    macroEdit_ = addButton(this, "MacroEdit", "Edit", "Click to edit active macro", {236, 100, 124, 30});
    macroPlay_ = addButton(this, "MacroPlay", "Play", "Click to play active macro", {236, 138, 124, 30});
    macroCancel_ = addButton(this, "MacroCancel", "Cancel", nullptr, {236, 234, 124, 30});
    for (QWidget* w : std::initializer_list<QWidget*>{macroSelect_, macroNew_, macroEdit_, macroPlay_, macroCancel_})
        w->setProperty("helpContextId", kHelpContext);
    macroEdit_->setEnabled(false);
    macroPlay_->setEnabled(false);

    connect(macToday_, &QPushButton::clicked, this, &MacroPanel::MacToday_Click);
    connect(macroSelect_, &QListWidget::itemDoubleClicked, this, &MacroPanel::MacroSelect_DblClick);
    connect(macroNew_, &QPushButton::clicked, this, &MacroPanel::MacroNew_Click);
    connect(macroEdit_, &QPushButton::clicked, this, &MacroPanel::MacroEdit_Click);
    connect(macroPlay_, &QPushButton::clicked, this, &MacroPanel::MacroPlay_Click);
    connect(macroCancel_, &QPushButton::clicked, this, &MacroPanel::MacroCancel_Click);
    connect(window_->command(QStringLiteral("mnuShowMacro")), &QAction::triggered, this,
            &MacroPanel::mnuShowMacro_Click);
    escapePresses(this, macroCancel_);

    refreshMacroSelect();
    hide();
}

void MacroPanel::setYearLabel(const QString& year) { macSmYr_->setText(year); }
QString MacroPanel::yearLabel() const { return macSmYr_->text(); }

void MacroPanel::mnuShowMacro_Click()
{
    show();
    raise();
    macroEd_->clear();
    MacToday_Click();
    macroPlay_->setEnabled(false);
    macroEdit_->setEnabled(false);
    // Files written by the editor since the list was filled show up too.
    refreshMacroSelect();
    macDate_->setFocus();
}

void MacroPanel::MacToday_Click()
{
    const QChar flag = window_->state().dateFlag;
    if (flag == u'A' || flag == u'E')
        macDate_->setText(todayEditorDate(window_->today(), flag));
}

void MacroPanel::MacroSelect_DblClick(QListWidgetItem* item)
{
    if (!item)
        return;
    macroEd_->setText(item->text());
    macroPlay_->setEnabled(true);
    macroEdit_->setEnabled(true);
}

void MacroPanel::MacroNew_Click()
{
    const QString typed = macroEd_->text();
    if (trimBlanks(typed).isEmpty()) {
        showMessage(window_, macroNameMissingMessage());
        macroEd_->setFocus();
        return;
    }
    hide();
    Env& env = *Env::current();
    // An existing file of that name in another letter case is the same file.
    const QString file = resolveFileName(env, newMacroFileName(typed));
    if (Status written = appendMacroTemplate(env, file); !written)
        showFileError(window_, written);
    else
        edit(file);
    refreshMacroSelect();
}

std::optional<QString> MacroPanel::activeMacro()
{
    const QString name = macroEd_->text();
    if (!trimBlanks(name).isEmpty())
        return name;
    showMessage(window_, selectMacroFileMessage());
    hide();
    return std::nullopt;
}

void MacroPanel::MacroEdit_Click()
{
    if (const std::optional<QString> name = activeMacro()) {
        edit(resolveFileName(*Env::current(), *name));
        hide();
    }
}

void MacroPanel::MacroPlay_Click()
{
    const std::optional<QString> name = activeMacro();
    if (!name)
        return;
    const ProgramState& state = window_->state();
    const QString playDate = macroPlayDate(macDate_->displayText(), state.dataFileName);
    if (std::optional<Message> invalid = checkPlayDate(playDate, state.dateFlag, yearOfDataFile(state.dataFileName))) {
        showMessage(window_, *invalid);
        return;
    }
    if (!askYesNo(window_, playMacroQuestion())) {
        hide();
        return;
    }
    MacroPlayOutcome played;
    {
        BusyCursor busy;
        UndoScope undo(state.history.get(), *Env::current(), {state.dataFileName});
        played = playMacroFile(*Env::current(), *name, playDate, state.dataFileName, state.dateFlag);
    }
    for (const Message& refused : played.refused)
        showMessage(window_, refused);
    if (!played.status)
        showFileError(window_, played.status);
    hide();
    window_->PopItemList(kAllCategories);
}

void MacroPanel::MacroCancel_Click() { hide(); }

void MacroPanel::refreshMacroSelect()
{
    Result<QStringList> files = macroFileNames(*Env::current());
    macroSelect_->clear();
    if (files)
        macroSelect_->addItems(*files);
}

void MacroPanel::edit(const QString& file)
{
    if (Status started = startTextEditor(file); !started)
        showFileError(window_, started);
}

bool MacroPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a file picks it, as a double-click does.
    if (watched == macroSelect_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            MacroSelect_DblClick(macroSelect_->currentItem());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace cw
