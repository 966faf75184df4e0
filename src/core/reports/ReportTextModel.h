#pragma once
// The report window's list: one row per report line, read from the report
// text as the view shows it.

#include "core/reports/ReportText.h"

#include <QAbstractListModel>

namespace cw {

class ReportTextModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setText(ReportText text);
    const ReportText& text() const { return text_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ReportText text_;
};

} // namespace cw
