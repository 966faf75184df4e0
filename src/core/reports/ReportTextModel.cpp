#include "ReportTextModel.h"

namespace cw {

void ReportTextModel::setText(ReportText text)
{
    beginResetModel();
    text_ = std::move(text);
    endResetModel();
}

int ReportTextModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(text_.size());
}

QVariant ReportTextModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= text_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text_.line(index.row()).toString();
    return {};
}

} // namespace cw
