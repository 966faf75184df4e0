#include "KeyboardUse.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace cw {
namespace {

class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<QPushButton*()> target) : QObject(parent), target_(std::move(target)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        if (QPushButton* button = target_(); button && button->isEnabled() && button->isVisible())
            button->click();
        return true;
    }

private:
    std::function<QPushButton*()> target_;
};

} // namespace

void enterPressesFocusedButton(QWidget* area)
{
    for (QPushButton* button : area->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void enterPresses(std::initializer_list<QWidget*> fields, std::function<QPushButton*()> target)
{
    for (QWidget* field : fields)
        field->installEventFilter(new EnterFilter(field, target));
}

void escapePresses(QWidget* area, QPushButton* cancel)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), area);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, cancel, &QPushButton::click);
}

} // namespace cw
