#include "MessageBox.h"

#include "gui/kit/Win1252Validator.h"

#include <QInputDialog>
#include <QLineEdit>

namespace cw {
namespace {

QMessageBox::Icon boxIcon(Message::Icon icon)
{
    switch (icon) {
    case Message::Icon::None: return QMessageBox::NoIcon;
    case Message::Icon::Warning: return QMessageBox::Warning;
    case Message::Icon::Question: return QMessageBox::Question;
    case Message::Icon::Critical: return QMessageBox::Critical;
    case Message::Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int runBox(QWidget* parent, const Message& message, QMessageBox::StandardButtons buttons,
           QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(boxIcon(message.icon), message.title.isEmpty() ? kProgramTitle : message.title,
                    message.text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

int showMessage(QWidget* parent, const Message& message)
{
    return runBox(parent, message, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const Message& question, QMessageBox::StandardButton defaultButton)
{
    return runBox(parent, question, QMessageBox::Yes | QMessageBox::No, defaultButton) == QMessageBox::Yes;
}

bool confirm(QWidget* parent, const QString& text)
{
    return askYesNo(parent, {text, QStringLiteral("Confirm"), Message::Icon::Question});
}

Message fileErrorMessage(const Status& status)
{
    return {status.toString(), kProgramTitle, Message::Icon::Warning};
}

void showFileError(QWidget* parent, const Status& status) { showMessage(parent, fileErrorMessage(status)); }

namespace {

enum class BoxText { Plain, Stored, Secret };

QString runInputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                    BoxText kind)
{
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    if (kind == BoxText::Secret)
        dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setLabelText(prompt);
    dialog.setWindowTitle(title);
    dialog.setTextValue(defaultText);
    if (QLineEdit* box = dialog.findChild<QLineEdit*>()) {
        if (kind == BoxText::Stored)
            Win1252Validator::attach(box);
        else
            PlainTextValidator::attach(box);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace

QString askText(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    return runInputBox(parent, prompt, title, defaultText, BoxText::Plain);
}

QString askSecret(QWidget* parent, const QString& prompt, const QString& title)
{
    return runInputBox(parent, prompt, title, QString(), BoxText::Secret);
}

QString askStoredText(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText)
{
    return runInputBox(parent, prompt, title, defaultText, BoxText::Stored);
}

} // namespace cw
