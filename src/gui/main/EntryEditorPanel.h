#pragma once
// The entry editor panel, EntryEdFrame: a new entry (New Line Item, the
// toolbar's New, Insert in the entry list) or an opened one (double-click or
// Enter on a row), saved, replaced, deleted or abandoned. Delete in the entry
// list deletes the row's entry. Hidden and disabled while closed; the main
// window keeps it centred.

#include "core/entries/EntryEditorLogic.h"

#include <QGroupBox>
#include <QStringList>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace cw {

class CategoryListModel;
class MainWindow;

class EntryEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    EntryEditorPanel(MainWindow* window, QWidget* parent);

    // SmYr: the active year shown after the date.
    void setYearLabel(const QString& year);
    QString yearLabel() const;

    // Begins a new entry.
    void InitEntryEd();
    // Opens the entry of a row of the entry list.
    void ItemList_DblClick(const QModelIndex& index);
    // Ends every use of the panel; nothing is written.
    void CloseEntryEd();
    // Whether the open panel holds typing that differs from what it showed
    // when it opened.
    bool holdsUnsavedTyping() const;

    // The opened entry exactly as stored, and whether its amount is negative.
    const LedgerEntry& rememberedEntry() const { return remembered_; }
    bool entrySignNegative() const { return negative_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PopSmCatList();
    void chooseCategory(const QModelIndex& index);
    void putTodayInDate();
    void SaveNew(bool expense);
    void replaceOpenedEntry();
    void deleteOpenedEntry();
    // The Delete key in the entry list.
    void deleteListRow(const QModelIndex& index);
    void askAndDelete(const LedgerEntry& entry);

    void openPanel(bool newEntry);
    QStringList shownFields() const;
    EntryFields fields(const QString& year) const;
    void tell(const EntryChange& change);
    // After a refusal: the message shown and the panel left open for the
    // user to correct; false when there was none.
    bool keptForCorrection(const EntryChange& change);

    MainWindow* window_;
    QStringList fieldsAtOpening_;
    LedgerEntry remembered_;
    bool negative_ = false;

    QLineEdit* dateEditor_;
    QLabel* smYr_;
    QPushButton* today_;
    QLineEdit* amountEditor_;
    QLineEdit* noteEditor_;
    QLabel* catCodeLabel_;
    QLabel* catNameLabel_;
    QTableView* smCatList_;
    CategoryListModel* smCatModel_;
    QPushButton* saveNewExpense_;
    QPushButton* saveNewIncome_;
    QPushButton* replaceRec_;
    QPushButton* killRec_;
    QPushButton* cancelEdit_;
};

} // namespace cw
