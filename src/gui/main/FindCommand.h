#pragma once
// Find a word (mnuFind, the toolbar's Search): looks for a word in the notes
// the entry list shows, moves the list's current cell to each note that
// holds it and offers the next. The search text is remembered for the next
// Find of the run.

#include <QObject>
#include <QString>

namespace cw {

class MainWindow;

class FindCommand : public QObject {
    Q_OBJECT
public:
    explicit FindCommand(MainWindow* window);

    const QString& rememberedText() const { return remembered_; }

    void mnuFind_Click();

private:
    MainWindow* window_;
    QString remembered_;
};

} // namespace cw
