#include "ImportPreviewModel.h"

#include "store/Blanks.h"
#include "store/CurrencyFormat.h"

namespace cw {

void ImportPreviewModel::setRows(std::vector<ImportRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void ImportPreviewModel::setDefaultCategory(const QString& code)
{
    cw::setDefaultCategory(rows_, code);
    if (!rows_.empty())
        emit dataChanged(index(0, Category), index(int(rows_.size()) - 1, Category));
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int ImportPreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const ImportRow& r = rows_[size_t(index.row())];
    if (index.column() == Tick && role == Qt::CheckStateRole)
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Date: return r.entry.date[0] == '\0' ? QString() : r.entry.dateText();
    case Amount: return r.amountRead ? CurrencyFormat::current().format(r.entry.amount) : QString();
    case Note: return trimRightBlanks(r.entry.noteText());
    case Category: return trimRightBlanks(r.entry.codeText().remove(QChar(0)));
    case State: return r.stateText();
    default: return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    }
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return false;
    ImportRow& r = rows_[size_t(index.row())];
    if (index.column() == Tick && role == Qt::CheckStateRole) {
        if (!r.canTick())
            return false;
        r.ticked = value.toInt() == Qt::Checked;
    } else if (index.column() == Category && role == Qt::EditRole) {
        r.entry.setCode(value.toString().trimmed());
        r.codeFromDefault = false;
    } else {
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const ImportRow& r = rows_[size_t(index.row())];
    if (index.column() == Tick && r.canTick())
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == Category)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[ColumnCount] = {"", "Date", "Amount", "Note", "Category", "State"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

} // namespace cw
