#pragma once
// A grid's format string: columns separated by "|", each a header text led by
// "<" (left-aligned) or ">" (right-aligned); the blanks after the text widen
// the column. "<Date       |>Amount" is two columns.

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace cw {

struct GridColumn {
    QString title;          // header text without the blanks
    Qt::Alignment alignment;
    QString widthText;      // header text with its blanks: the column's width
};

QList<GridColumn> parseGridFormat(const QString& format);

// A header cell of the grid: the column's title or alignment. nullopt for
// anything the format does not give (the model's default then applies).
std::optional<QVariant> gridHeaderData(const QList<GridColumn>& columns, int section, Qt::Orientation orientation,
                                       int role);

} // namespace cw
