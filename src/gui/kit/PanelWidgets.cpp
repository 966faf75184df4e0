#include "PanelWidgets.h"

#include "Win1252Validator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cw {
namespace {

template <class W>
W* place(W* widget, const char* name, const char* tooltip, const QRect& at)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (tooltip)
        widget->setToolTip(QString::fromLatin1(tooltip));
    widget->setGeometry(at);
    return widget;
}

} // namespace

QLabel* addLabel(QWidget* parent, const char* name, const char* caption, const QRect& at)
{
    QLabel* label = place(new QLabel(QString::fromLatin1(caption), parent), name, nullptr, at);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* addLineEdit(QWidget* parent, const char* name, const QRect& at, const char* tooltip, int maxLength)
{
    QLineEdit* edit = place(new QLineEdit(parent), name, tooltip, at);
    PlainTextValidator::attach(edit);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, const char* tooltip, const QRect& at)
{
    return place(new QPushButton(QString::fromLatin1(caption), parent), name, tooltip, at);
}

} // namespace cw
