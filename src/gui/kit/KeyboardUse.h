#pragma once
// The keys of the panels and windows that are not dialogs: Return (or Enter)
// presses a push button that has the focus, or the panel's own action from
// its text boxes; Escape presses the panel's Cancel.

#include <functional>
#include <initializer_list>

class QPushButton;
class QWidget;

namespace cw {

// Return on any push button inside `area` presses it, as in a dialog.
void enterPressesFocusedButton(QWidget* area);

// Return in one of `fields` presses the button `target` names at that moment
// (nothing when it names none or the button is disabled).
void enterPresses(std::initializer_list<QWidget*> fields, std::function<QPushButton*()> target);

// Escape while the focus is inside `area` presses `cancel`.
void escapePresses(QWidget* area, QPushButton* cancel);

} // namespace cw
