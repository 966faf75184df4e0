#include "CalculatorWindow.h"

#include "gui/kit/KeyboardUse.h"
#include "gui/kit/Win1252Validator.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace cw {

CalculatorWindow::CalculatorWindow(QWidget* opener)
    : UtilityWindow(QStringLiteral("TinyCalc"), QStringLiteral("TinyCalc"), opener, false),
      tcTopNum_(new QLineEdit(this)),
      tcOp_(new QLabel(QStringLiteral("+"), this)),
      tcBotNum_(new QLineEdit(this)),
      tcResult_(new QLabel(this))
{
    tcTopNum_->setObjectName(QStringLiteral("TCTopNum"));
    tcOp_->setObjectName(QStringLiteral("TCOp"));
    tcBotNum_->setObjectName(QStringLiteral("TCBotNum"));
    tcResult_->setObjectName(QStringLiteral("TCResult"));
    PlainTextValidator::attach(tcTopNum_);
    PlainTextValidator::attach(tcBotNum_);
    tcOp_->setAlignment(Qt::AlignCenter);

    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("tcmnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("tcmnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    auto* layout = new QGridLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(tcTopNum_, 0, 0, 1, 4);
    layout->addWidget(tcOp_, 1, 0, 1, 4);
    layout->addWidget(tcBotNum_, 2, 0, 1, 4);
    const char* ops[][2] = {{"TCAdd", "+"}, {"TCSub", "-"}, {"TCMul", "x"}, {"TCDiv", "/"}};
    for (int i = 0; i < 4; ++i) {
        const QString op = QString::fromLatin1(ops[i][1]);
        QPushButton* b = button(ops[i][0], op);
        connect(b, &QPushButton::clicked, this, [this, op] { tcOp_->setText(op); });
        layout->addWidget(b, 3, i);
    }
    QPushButton* compute = button("TCCompute", QStringLiteral("="));
    QPushButton* repeat = button("TCRepeat", QStringLiteral("result on top"));
    QPushButton* clear = button("TCClear", QStringLiteral("C"));
    layout->addWidget(compute, 4, 0);
    layout->addWidget(tcResult_, 4, 1, 1, 3);
    layout->addWidget(repeat, 5, 0, 1, 3);
    layout->addWidget(clear, 5, 3);
    connect(compute, &QPushButton::clicked, this, &CalculatorWindow::TCCompute_Click);
    connect(repeat, &QPushButton::clicked, this, &CalculatorWindow::TCRepeat_Click);
    connect(clear, &QPushButton::clicked, this, &CalculatorWindow::TCClear_Click);
    enterPressesFocusedButton(this);
    // Return in either number box computes.
    enterPresses({tcTopNum_, tcBotNum_}, [compute] { return compute; });
}

QPushButton* CalculatorWindow::button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

void CalculatorWindow::TCCompute_Click()
{
    tcResult_->setText(calculator_.compute(tcTopNum_->text(), tcBotNum_->text(), tcOp_->text()));
}

// The result, leading blank included, becomes the first operand.
void CalculatorWindow::TCRepeat_Click()
{
    tcTopNum_->setText(tcResult_->text());
    tcBotNum_->clear();
    tcResult_->clear();
}

// The operator stays.
void CalculatorWindow::TCClear_Click()
{
    calculator_.clear();
    tcTopNum_->clear();
    tcBotNum_->clear();
    tcResult_->clear();
}

} // namespace cw
