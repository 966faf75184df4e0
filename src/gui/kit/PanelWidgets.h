#pragma once
// Small builders for the controls the panels place at designed positions:
// each carries its object name, caption and tooltip.

#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cw {

QLabel* addLabel(QWidget* parent, const char* name, const char* caption, const QRect& at);
QLineEdit* addLineEdit(QWidget* parent, const char* name, const QRect& at, const char* tooltip = nullptr,
                       int maxLength = 0);
QPushButton* addButton(QWidget* parent, const char* name, const char* caption, const char* tooltip,
                       const QRect& at);

} // namespace cw
