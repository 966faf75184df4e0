#pragma once
// The rows of an import as a table: the tick (check state; only new and
// duplicate rows take one), the date as stored, the amount in the program's
// currency text, the note as stored, the category code (editable) and the
// state text. Model row r - 1 is grid row r.

#include "ImportPlan.h"

#include <QAbstractTableModel>

namespace cw {

class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Tick, Date, Amount, Note, Category, State, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<ImportRow> rows);
    const std::vector<ImportRow>& rows() const { return rows_; }
    // Gives the rows that took the default category the new one.
    void setDefaultCategory(const QString& code);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<ImportRow> rows_;
};

} // namespace cw
