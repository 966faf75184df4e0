#include "CategoryListModel.h"

#include "store/RecordFile.h"

namespace cw {

const QString CategoryListModel::kFormat =
    QStringLiteral("<Code") + QString(2, u' ') + QStringLiteral("|<Description") + QString(14, u' ');

CategoryListModel::CategoryListModel(QObject* parent)
    : QAbstractTableModel(parent), columns_(parseGridFormat(kFormat))
{
}

Status CategoryListModel::load(Env& env, const QString& categoryFileName)
{
    Result<std::vector<CategoryRecord>> categories = readRecords<CategoryRecord>(env, categoryFileName);
    if (!categories) {
        setCategories({});
        return categories.status();
    }
    setCategories(std::move(*categories));
    return Status::ok();
}

void CategoryListModel::setCategories(std::vector<CategoryRecord> categories)
{
    beginResetModel();
    categories_ = std::move(categories);
    endResetModel();
}

QString CategoryListModel::codeAt(int row) const
{
    return row >= 0 && size_t(row) < categories_.size() ? categories_[size_t(row)].codeText() : QString();
}

int CategoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(categories_.size());
}

int CategoryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CategoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= categories_.size())
        return {};
    const CategoryRecord& category = categories_[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return index.column() == CodeColumn ? category.codeText() : category.nameText();
    if (role == Qt::TextAlignmentRole)
        return int(columns_.value(index.column()).alignment);
    return {};
}

QVariant CategoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return gridHeaderData(columns_, section, orientation, role)
        .value_or(QAbstractTableModel::headerData(section, orientation, role));
}

} // namespace cw
