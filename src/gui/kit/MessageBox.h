#pragma once
// The program's one way of showing messages and asking questions: modal
// QMessageBox and QInputDialog boxes with the given text, title, icon and
// buttons. A message without a title carries "Coinwick 2".

#include "store/Message.h"
#include "store/Status.h"

#include <QMessageBox>

class QWidget;

namespace cw {

// An OK message; returns the button pressed (QMessageBox::Ok).
int showMessage(QWidget* parent, const Message& message);

// A Yes/No question (the message's icon, usually Question); true for Yes.
bool askYesNo(QWidget* parent, const Message& question,
              QMessageBox::StandardButton defaultButton = QMessageBox::No);

// "Confirm" with the question icon and No as the default, as every
// destructive step asks.
bool confirm(QWidget* parent, const QString& text);

// A file failure: the file and the system's reason, title "Coinwick 2", OK,
// exclamation icon.
void showFileError(QWidget* parent, const Status& status);
Message fileErrorMessage(const Status& status);

// An input box; Cancel answers "" as an empty answer does.
QString askText(QWidget* parent, const QString& prompt, const QString& title,
                const QString& defaultText = QString());

// An input box whose answer shows as dots (a passcode).
QString askSecret(QWidget* parent, const QString& prompt, const QString& title);

// An input box for text that is stored: its box takes only characters that
// Windows-1252 holds, as the program's other such text boxes do.
QString askStoredText(QWidget* parent, const QString& prompt, const QString& title,
                      const QString& defaultText = QString());

} // namespace cw
