#include "GridFormat.h"

#include "store/Blanks.h"

namespace cw {

QList<GridColumn> parseGridFormat(const QString& format)
{
    QList<GridColumn> columns;
    for (const QString& part : format.split(QLatin1Char('|'))) {
        GridColumn column;
        QString text = part;
        column.alignment = Qt::AlignLeft;
        if (text.startsWith(QLatin1Char('>'))) {
            column.alignment = Qt::AlignRight;
            text.remove(0, 1);
        } else if (text.startsWith(QLatin1Char('<'))) {
            text.remove(0, 1);
        }
        column.alignment |= Qt::AlignVCenter;
        column.title = trimBlanks(text);
        column.widthText = text;
        columns.append(column);
    }
    return columns;
}

std::optional<QVariant> gridHeaderData(const QList<GridColumn>& columns, int section, Qt::Orientation orientation,
                                       int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.size())
        return std::nullopt;
    if (role == Qt::DisplayRole)
        return QVariant(columns[section].title);
    if (role == Qt::TextAlignmentRole)
        return QVariant(int(columns[section].alignment));
    return QVariant();
}

} // namespace cw
