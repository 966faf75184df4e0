#pragma once
// frmHelp, "Coinwick 2 - Help": the program's own help window. The help
// document on the right, its topics listed on the left; a topic chosen in
// the list or by a link is scrolled to the top of the document.
//
// It is a top-level window of its own, never a Qt child of the window that
// opens it, so a disabled main window leaves it usable. Its owner closes it
// when the main window closes; closing only hides it.

#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

namespace cw {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the window, brought to the front, at the topic of a help context
    // number (the contents for 0 or an unknown number).
    void showTopic(int contextId);

    // Shows the window at the topic with `anchor` (the contents for an
    // unknown anchor).
    void showAnchor(const QString& anchor);

    // The anchor of the topic shown last.
    QString currentAnchor() const { return currentAnchor_; }

private:
    void goTo(const QString& anchor);
    void linkClicked(const QUrl& url);

    QListWidget* topicList_;
    QTextBrowser* browser_;
    QString currentAnchor_;
};

} // namespace cw
