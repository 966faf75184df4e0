#pragma once
// The entry list's model: the active year's entries in file order, filtered by
// a category. Cell texts are built only when the view asks for them, so a
// year of a million entries fills at once.

#include "core/entries/EntrySelection.h"
#include "gui/kit/GridFormat.h"

#include "store/Env.h"

#include <QAbstractTableModel>
#include <vector>

namespace cw {

class EntryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, AmountColumn, CodeColumn, NoteColumn, ColumnCount };

    static const QString kFormat;
    // What the Amount cell shows for a zero amount.
    static const QString kZeroAmountText;

    explicit EntryListModel(QObject* parent = nullptr);

    // Reads the year data file (created empty when absent) and lists the
    // entries that pass `category`. On failure the list is empty.
    Status load(Env& env, const QString& dataFileName, const QString& category);
    void setEntries(std::vector<LedgerEntry> entries, const QString& category);

    const QString& category() const { return category_; }
    const EntryTotals& totals() const { return selection_.totals; }
    const LedgerEntry& entryAt(int row) const;
    qsizetype entryCount() const { return qsizetype(entries_.size()); }

    // The Amount cell: the currency text, or "****?****" for zero.
    static QString amountText(Money amount);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<LedgerEntry> entries_;
    EntrySelection selection_;
    QString category_;
    QList<GridColumn> columns_;
};

} // namespace cw
