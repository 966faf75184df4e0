#include "EntryEditorPanel.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/CategoryListModel.h"
#include "gui/main/EntryListModel.h"
#include "gui/kit/GridLook.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/main/MainWindow.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/PanelWidgets.h"
#include "gui/kit/Win1252Validator.h"
#include "gui/main/YearSelectPanel.h"

#include "store/DateRules.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>

namespace cw {

EntryEditorPanel::EntryEditorPanel(MainWindow* window, QWidget* parent)
    : QGroupBox(parent), window_(window), smCatModel_(new CategoryListModel(this))
{
    setObjectName(QStringLiteral("EntryEdFrame"));
    setProperty("helpContextId", 30);
    setAutoFillBackground(true);
    resize(560, 280);

    addLabel(this, "DateLabel", "Date", {12, 26, 60, 22});
    dateEditor_ = addLineEdit(this, "DateEditor", {76, 24, 56, 24});
    dateEditor_->setInputMask(QStringLiteral("99-99;_"));
    smYr_ = addLabel(this, "SmYr", "", {136, 26, 44, 22});
    today_ = addButton(this, "Today", "!", "Make Date = Today", {184, 24, 26, 24});

    addLabel(this, "AmountLabel", "Amount", {12, 60, 60, 22});
    amountEditor_ = addLineEdit(this, "AmountEditor", {76, 58, 134, 24});
    addLabel(this, "NoteLabel", "Note", {12, 94, 60, 22});
    noteEditor_ = addLineEdit(this, "NoteEditor", {76, 92, 290, 24});
    Win1252Validator::attach(noteEditor_);

    addLabel(this, "CName", "Category", {12, 128, 60, 22});
    catCodeLabel_ = addLabel(this, "CatCodeLabel", "", {76, 128, 30, 22});
    catNameLabel_ = addLabel(this, "CatNameLabel", "(select)", {110, 128, 160, 22});

    smCatList_ = new QTableView(this);
    smCatList_->setObjectName(QStringLiteral("SmCatList"));
    smCatList_->setToolTip(QStringLiteral("Double-click or press <Enter> to select"));
    smCatList_->setModel(smCatModel_);
    setUpGrid(smCatList_, CategoryListModel::kFormat);
    GridFocusLook::attach(smCatList_);
    smCatList_->setGeometry(376, 24, 172, 196);
    smCatList_->installEventFilter(this);

    saveNewExpense_ = addButton(this, "SaveNewExpense", "Save EXPENSE", "Save NEW  Expense record (negative value)",
                                {12, 236, 100, 30});
    saveNewIncome_ = addButton(this, "SaveNewIncome", "Save INCOME", "Save NEW  Income record (positive value)",
                               {120, 236, 100, 30});
    replaceRec_ = addButton(this, "ReplaceRec", "Replace", "Replace old record with new changes", {228, 236, 96, 30});
    killRec_ = addButton(this, "KillRec", "Delete", nullptr, {332, 236, 96, 30});
    cancelEdit_ = addButton(this, "CancelEdit", "Cancel", "Abort editing this record", {436, 236, 112, 30});
    for (QPushButton* b : {saveNewExpense_, saveNewIncome_, replaceRec_, killRec_})
        b->setEnabled(false);
    escapePresses(this, cancelEdit_);
    // Tab follows the fields a user fills, then the buttons; "!" comes last.
    QWidget* order[] = {dateEditor_, amountEditor_, noteEditor_, smCatList_, saveNewExpense_, saveNewIncome_,
                        replaceRec_, killRec_, cancelEdit_, today_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(today_, &QPushButton::clicked, this, &EntryEditorPanel::putTodayInDate);
    connect(saveNewExpense_, &QPushButton::clicked, this, [this] { SaveNew(true); });
    connect(saveNewIncome_, &QPushButton::clicked, this, [this] { SaveNew(false); });
    connect(replaceRec_, &QPushButton::clicked, this, &EntryEditorPanel::replaceOpenedEntry);
    connect(killRec_, &QPushButton::clicked, this, &EntryEditorPanel::deleteOpenedEntry);
    connect(cancelEdit_, &QPushButton::clicked, this, &EntryEditorPanel::CloseEntryEd);
    // A click, a double-click or a key that moves to a row chooses its category.
    connect(smCatList_, &QTableView::clicked, this, &EntryEditorPanel::chooseCategory);
    connect(smCatList_, &QTableView::doubleClicked, this, &EntryEditorPanel::chooseCategory);

    QTableView* itemList = window_->itemList();
    connect(itemList, &QTableView::doubleClicked, this, &EntryEditorPanel::ItemList_DblClick);
    itemList->installEventFilter(this);
    connect(window_->command(QStringLiteral("mnuNewItem")), &QAction::triggered, this, &EntryEditorPanel::InitEntryEd);

    setEnabled(false);
    hide();
}

void EntryEditorPanel::setYearLabel(const QString& year) { smYr_->setText(year); }
QString EntryEditorPanel::yearLabel() const { return smYr_->text(); }

void EntryEditorPanel::InitEntryEd()
{
    ProgramState& state = window_->state();
    dateEditor_->setText(todayEditorDate(window_->today(), state.dateFlag));
    amountEditor_->clear();
    noteEditor_->clear();
    catCodeLabel_->clear();
    catNameLabel_->setText(QStringLiteral("(select)"));
    negative_ = false;
    // A new entry can only be saved, even when an opened entry was on the panel.
    replaceRec_->setEnabled(false);
    killRec_->setEnabled(false);

    const bool filtered = state.selectedCategory != kAllCategories;
    if (filtered) {
        catCodeLabel_->setText(state.selectedCategory);
        QString name;
        window_->getlabel(state.selectedCategory, name);
        catNameLabel_->setText(name);
    }
    saveNewExpense_->setEnabled(filtered);
    saveNewIncome_->setEnabled(filtered);

    PopSmCatList();
    openPanel(true);
    dateEditor_->setFocus();
}

void EntryEditorPanel::ItemList_DblClick(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    killRec_->setEnabled(true);
    saveNewExpense_->setEnabled(true);
    saveNewIncome_->setEnabled(true);

    remembered_ = window_->entryModel()->entryAt(index.row());
    negative_ = remembered_.amount < 0;
    dateEditor_->setText(remembered_.dateText().left(5));
    amountEditor_->setText(amountEditorText(remembered_.amount, QLocale()));
    catCodeLabel_->setText(remembered_.codeText());
    noteEditor_->setText(noteEditorText(remembered_));
    QString name;
    window_->getlabel(catCodeLabel_->text(), name);
    catNameLabel_->setText(name);

    replaceRec_->setEnabled(true);
    PopSmCatList();
    openPanel(false);
    dateEditor_->setFocus();
}

void EntryEditorPanel::CloseEntryEd()
{
    hide();
    for (QPushButton* b : {killRec_, saveNewExpense_, saveNewIncome_, replaceRec_})
        b->setEnabled(false);
    setEnabled(false);
    window_->catList()->setEnabled(true);
    window_->itemList()->setEnabled(true);
    window_->toolbar()->setEnabled(true);
    window_->itemList()->setFocus();
}

QStringList EntryEditorPanel::shownFields() const
{
    return {dateEditor_->displayText(), amountEditor_->text(), noteEditor_->text(), catCodeLabel_->text()};
}

bool EntryEditorPanel::holdsUnsavedTyping() const { return isVisible() && shownFields() != fieldsAtOpening_; }

void EntryEditorPanel::openPanel(bool newEntry)
{
    fieldsAtOpening_ = shownFields();
    show();
    raise();
    setEnabled(true);
    window_->catList()->setEnabled(false);
    window_->itemList()->setEnabled(false);
    if (newEntry)
        window_->toolbar()->setEnabled(false);
}

void EntryEditorPanel::PopSmCatList()
{
    const Status status = smCatModel_->load(*Env::current(), window_->state().categoryFileName);
    smCatList_->setCurrentIndex(QModelIndex());
    if (!status)
        showFileError(window_, status);
}

void EntryEditorPanel::chooseCategory(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    saveNewExpense_->setEnabled(true);
    saveNewIncome_->setEnabled(true);
    catCodeLabel_->setText(smCatModel_->codeAt(index.row()));
    catNameLabel_->setText(smCatModel_->index(index.row(), CategoryListModel::DescriptionColumn).data().toString());
}

void EntryEditorPanel::putTodayInDate() { dateEditor_->setText(todayEditorDate(window_->today(), window_->state().dateFlag)); }

EntryFields EntryEditorPanel::fields(const QString& year) const
{
    return {dateEditor_->displayText(), year, catCodeLabel_->text(), amountEditor_->text(), noteEditor_->text()};
}

void EntryEditorPanel::tell(const EntryChange& change)
{
    if (!change.failure)
        showFileError(window_, change.failure);
    else if (change.refusal)
        showMessage(window_, *change.refusal);
}

void EntryEditorPanel::SaveNew(bool expense)
{
    ProgramState& state = window_->state();
    const EntryFields typed = fields(state.dataFileName.mid(2, 2));
    EntryChange change;
    {
        BusyCursor busy;
        UndoScope undo(state.history.get(), *Env::current(), {state.dataFileName});
        change = saveNewEntry(LedgerFile(state.dataFileName), typed, expense, state.dateFlag, QLocale());
    }
    if (keptForCorrection(change))
        return;
    followStoredCode(state.selectedCategory, typed.code);
    amountEditor_->setText(change.cleanedAmount);
    tell(change);
    window_->PopItemList(state.selectedCategory);
    CloseEntryEd();
}

void EntryEditorPanel::replaceOpenedEntry()
{
    ProgramState& state = window_->state();
    const EntryFields typed = fields(window_->yearSelector()->curYear().right(2));
    EntryChange change;
    {
        BusyCursor busy;
        UndoScope undo(state.history.get(), *Env::current(), {state.dataFileName});
        change = replaceEntry(LedgerFile(state.dataFileName), remembered_, typed, negative_, state.dateFlag, QLocale());
    }
    if (keptForCorrection(change))
        return;
    followStoredCode(state.selectedCategory, typed.code);
    amountEditor_->setText(change.cleanedAmount);
    tell(change);
    replaceRec_->setEnabled(false);
    window_->PopItemList(state.selectedCategory);
    CloseEntryEd();
}

bool EntryEditorPanel::keptForCorrection(const EntryChange& change)
{
    if (!change.refusal)
        return false;
    // Nothing was written: the panel stays as typed, in its mode, with the
    // focus on the field at fault.
    tell(change);
    switch (change.fault) {
    case EntryField::Date: dateEditor_->setFocus(); break;
    case EntryField::Amount: amountEditor_->setFocus(); break;
    case EntryField::Category: smCatList_->setFocus(); break;
    case EntryField::None: break;
    }
    return true;
}

void EntryEditorPanel::deleteOpenedEntry()
{
    // The entry opened goes, whatever was typed over its fields since.
    CloseEntryEd();
    askAndDelete(remembered_);
}

void EntryEditorPanel::deleteListRow(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    askAndDelete(window_->entryModel()->entryAt(index.row()));
}

void EntryEditorPanel::askAndDelete(const LedgerEntry& entry)
{
    if (confirm(window_, QStringLiteral("Delete record ?"))) {
        EntryChange change;
        {
            BusyCursor busy;
            const ProgramState& state = window_->state();
            UndoScope undo(state.history.get(), *Env::current(), {state.dataFileName});
            change = deleteEntry(LedgerFile(state.dataFileName), entry);
        }
        tell(change);
    }
    window_->PopItemList(window_->state().selectedCategory);
    window_->itemList()->setFocus();
}

bool EntryEditorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == window_->itemList()) {
        QTableView* list = window_->itemList();
        switch (key->key()) {
        case Qt::Key_Delete: deleteListRow(list->currentIndex()); return true;
        case Qt::Key_Insert: InitEntryEd(); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: ItemList_DblClick(list->currentIndex()); return true;
        default: break;
        }
    } else if (watched == smCatList_) {
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: break;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            // The list moves first; the row it lands on is chosen.
            smCatList_->removeEventFilter(this);
            QCoreApplication::sendEvent(smCatList_, event);
            smCatList_->installEventFilter(this);
            chooseCategory(smCatList_->currentIndex());
            return true;
        default:
            // A character key (Return and Enter among them) picks the current row.
            if (!key->text().isEmpty()) {
                chooseCategory(smCatList_->currentIndex());
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace cw
