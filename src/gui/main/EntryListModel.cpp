#include "EntryListModel.h"

#include "store/CurrencyFormat.h"
#include "store/RecordFile.h"

#include <QColor>

namespace cw {

const QString EntryListModel::kFormat = QStringLiteral("<Date") + QString(7, u' ') + QStringLiteral("|>Amount")
    + QString(9, u' ') + QStringLiteral("|>Code|<Note") + QString(147, u' ');
const QString EntryListModel::kZeroAmountText = QStringLiteral("****?****");

EntryListModel::EntryListModel(QObject* parent)
    : QAbstractTableModel(parent), columns_(parseGridFormat(kFormat))
{
}

Status EntryListModel::load(Env& env, const QString& dataFileName, const QString& category)
{
    Result<std::vector<LedgerEntry>> entries = readRecords<LedgerEntry>(env, dataFileName);
    if (!entries) {
        setEntries({}, category);
        return entries.status();
    }
    setEntries(std::move(*entries), category);
    return Status::ok();
}

void EntryListModel::setEntries(std::vector<LedgerEntry> entries, const QString& category)
{
    beginResetModel();
    entries_ = std::move(entries);
    category_ = category;
    selection_ = selectEntries(entries_, category_);
    endResetModel();
}

const LedgerEntry& EntryListModel::entryAt(int row) const
{
    return entries_[size_t(selection_.entryIndex(row))];
}

QString EntryListModel::amountText(Money amount)
{
    return amount == 0 ? kZeroAmountText : CurrencyFormat::current().format(amount);
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(selection_.size());
}

int EntryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const LedgerEntry& entry = entryAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case DateColumn: return entry.dateText();
        case AmountColumn: return amountText(entry.amount);
        case CodeColumn: return entry.codeText();
        case NoteColumn: return entry.noteTrimmed();
        }
        break;
    case Qt::ForegroundRole:
        if (index.column() == AmountColumn) {
            if (entry.amount < 0)
                return QColor(255, 0, 0);
            return entry.amount == 0 ? QColor(0, 0, 255) : QColor(0, 0, 0);
        }
        break;
    case Qt::TextAlignmentRole:
        return int(columns_.value(index.column()).alignment);
    }
    return {};
}

QVariant EntryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return gridHeaderData(columns_, section, orientation, role)
        .value_or(QAbstractTableModel::headerData(section, orientation, role));
}

} // namespace cw
