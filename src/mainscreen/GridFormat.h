#pragma once
// A grid's format string: columns separated by "|", each a header text led by
// "<" (left-aligned) or ">" (right-aligned); the blanks after the text widen
// the column. "<Date       |>Amount" is two columns.

#include <QList>
#include <QString>

namespace cw {

struct GridColumn {
    QString title;          // header text without the blanks
    Qt::Alignment alignment;
    QString widthText;      // header text with its blanks: the column's width
};

QList<GridColumn> parseGridFormat(const QString& format);

} // namespace cw
