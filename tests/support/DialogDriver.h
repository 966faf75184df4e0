#pragma once
// Answers the modal dialogs a test provokes, in order, recording what each
// showed; a timer watches for them, so it works inside their event loops.

#include <QApplication>
#include <functional>
#include <QInputDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace cwtest {

struct Answer {
    enum Kind { Type, Cancel, Press, Accept } kind = Press;
    QString text;
    QMessageBox::StandardButton button = QMessageBox::Ok;

    static Answer type(const QString& t) { return {Type, t}; }
    static Answer cancel() { return {Cancel, {}}; }
    static Answer press(QMessageBox::StandardButton b = QMessageBox::Ok) { return {Press, {}, b}; }
    // An input box accepted with the text it holds.
    static Answer accept() { return {Accept, {}}; }
};

struct SeenDialog {
    bool input = false;
    bool secret = false;   // an input box showing dots
    QString title, text, defaultText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// A message box in one line: "title | text | icon | buttons", the default in brackets.
inline QString said(const SeenDialog& d)
{
    static const char* const icons[] = {"no icon", "information", "warning", "critical", "question"};
    QString buttons = QStringLiteral("[Ok]");
    if (d.buttons == (QMessageBox::Yes | QMessageBox::No))
        buttons = d.defaultButton == QMessageBox::No ? QStringLiteral("Yes/[No]") : QStringLiteral("[Yes]/No");
    return d.title + " | " + d.text + " | " + icons[d.icon] + " | " + buttons;
}

class DialogDriver : public QObject {
public:
    explicit DialogDriver(QList<Answer> answers = {}) : answers_(std::move(answers))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    QList<SeenDialog> seen;
    // A progress dialog is left to run unless this is set: then it is
    // cancelled as soon as it shows.
    bool cancelProgress = false;
    // Runs on each dialog before it is answered: a test looks at the window
    // behind it, or types into it.
    std::function<void(QWidget*)> onEachDialog;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == handled_.data())
            return;
        if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
            if (cancelProgress)
                progress->cancel();
            return;
        }
        handled_ = modal;
        SeenDialog d;
        auto* input = qobject_cast<QInputDialog*>(modal);
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (input) {
            d = {true, input->textEchoMode() == QLineEdit::Password, input->windowTitle(), input->labelText(), input->textValue(),
                 QMessageBox::NoIcon, {}, QMessageBox::NoButton};
        } else if (box) {
            d.title = box->windowTitle();
            d.text = box->text();
            d.icon = box->icon();
            d.buttons = box->standardButtons();
            d.defaultButton = box->standardButton(box->defaultButton());
        }
        if (onEachDialog)
            onEachDialog(modal);
        const Answer a = answers_.isEmpty() ? Answer::cancel() : answers_.takeFirst();   // unasked: dismissed
        if (input && a.kind == Answer::Type)
            input->setTextValue(a.text);
        if (input && (a.kind == Answer::Type || a.kind == Answer::Accept))
            input->accept();
        else if (box && a.kind == Answer::Press && box->button(a.button))
            box->button(a.button)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        seen.append(d);
    }

    QList<Answer> answers_;
    QPointer<QWidget> handled_;
    QTimer timer_;
};

// The dialogs seen, each as said() gives it (an input box as "title | text"),
// joined by " // ".
inline QString told(const QList<SeenDialog>& seen)
{
    QStringList lines;
    for (const SeenDialog& d : seen)
        lines << (d.input ? d.title + " | " + d.text : said(d));
    return lines.join(" // ");
}

// What `act` makes the program say, its dialogs answered in order.
inline QString saidBy(const std::function<void()>& act, const QList<Answer>& answers = {})
{
    DialogDriver dialogs(answers);
    act();
    return told(dialogs.seen);
}

} // namespace cwtest
