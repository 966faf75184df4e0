#pragma once
// The category list's model: the year's categories in file order, code and
// name as stored.

#include "gui/kit/GridFormat.h"

#include "store/CategoryRecord.h"
#include "store/Env.h"

#include <QAbstractTableModel>
#include <vector>

namespace cw {

class CategoryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn, DescriptionColumn, ColumnCount };

    static const QString kFormat;

    explicit CategoryListModel(QObject* parent = nullptr);

    // Reads the year category file (created empty when absent). On failure
    // the list is empty.
    Status load(Env& env, const QString& categoryFileName);
    void setCategories(std::vector<CategoryRecord> categories);

    const std::vector<CategoryRecord>& categories() const { return categories_; }
    // The Code cell of a row: the code as stored, two characters.
    QString codeAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<CategoryRecord> categories_;
    QList<GridColumn> columns_;
};

} // namespace cw
