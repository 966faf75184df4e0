#include "YearSelectPanel.h"

#include "gui/main/EntryEditorPanel.h"
#include "core/entries/EntryTotals.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/main/MacroPanel.h"
#include "gui/main/MainStatusBars.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/PanelWidgets.h"
#include "core/session/YearSwitch.h"

#include "store/DateRules.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>

namespace cw {

YearSelectPanel::YearSelectPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(QStringLiteral(" Select Year "), parent), window_(window),
      curYear_(addLabel(this, "CurYear", "", {20, 34, 80, 24})), dataYear_(new QSpinBox(this))
{
    setObjectName(QStringLiteral("YearEdFrame"));
    setProperty("helpContextId", 15);
    setAutoFillBackground(true);
    setGeometry(40, 90, 240, 120);
    dataYear_->setObjectName(QStringLiteral("DataYear"));
    dataYear_->setRange(1968, 3000);
    dataYear_->setSingleStep(1);
    dataYear_->setGeometry(110, 34, 90, 24);
    setYear_ = addButton(this, "SetYear", "OK!", nullptr, {20, 74, 90, 28});
    yearOff_ = addButton(this, "YearOff", "Cancel", nullptr, {120, 74, 90, 28});

    connect(dataYear_, &QSpinBox::valueChanged, this, [this](int year) { curYear_->setText(QString::number(year)); });
    connect(setYear_, &QPushButton::clicked, this, &YearSelectPanel::switchToChosenYear);
    connect(yearOff_, &QPushButton::clicked, this, &YearSelectPanel::closeYearSelector);
    connect(window_->command(QStringLiteral("mnuYear")), &QAction::triggered, this, &YearSelectPanel::openYearSelector);
    // Return in the spinner takes the year typed there.
    enterPresses({dataYear_}, [this] {
        dataYear_->interpretText();
        return setYear_;
    });
    escapePresses(this, yearOff_);
    setEnabled(false);
    hide();
}

QString YearSelectPanel::curYear() const { return curYear_->text(); }
void YearSelectPanel::setCurYear(const QString& year) { curYear_->setText(year); }
void YearSelectPanel::setSpinnerYear(int year) { dataYear_->setValue(year); }

void YearSelectPanel::openYearSelector()
{
    show();
    raise();
    setEnabled(true);
    // The spinner keeps its value: its first click counts from there.
    curYear_->setText(todayText(window_->today()).right(4));
    window_->catList()->setEnabled(false);
    window_->itemList()->setEnabled(false);
    window_->toolbar()->setEnabled(false);
    dataYear_->setFocus();
}

void YearSelectPanel::switchToChosenYear()
{
    ProgramState& state = window_->state();
    const YearSwitch change(curYear(), state);
    change.apply(state);

    Env& env = *Env::current();
    Result<bool> missing = change.categoriesMissing(env);
    if (!missing)
        showFileError(window_, missing.status());
    else if (*missing && askYesNo(window_, change.question(), QMessageBox::Yes))
        if (Status copied = change.copyCategories(env); !copied)
            showFileError(window_, copied);

    closePanel();
    // The list shows the whole year; the selected category stays for the next repaint.
    window_->PopItemList(kAllCategories);
    window_->PopCatList();
    window_->itemList()->setFocus();
    window_->entryEditor()->setYearLabel(change.year());
    window_->macroPanel()->setYearLabel(change.year());
    window_->statusBars().setYearText(yearChangePanelText(change.year()));
}

void YearSelectPanel::closeYearSelector() { closePanel(); }

void YearSelectPanel::closePanel()
{
    hide();
    setEnabled(false);
    window_->catList()->setEnabled(true);
    window_->itemList()->setEnabled(true);
    window_->toolbar()->setEnabled(true);
    window_->itemList()->setFocus();
}

} // namespace cw
