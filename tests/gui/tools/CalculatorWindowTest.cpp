// TinyCalc through its controls; the arithmetic is the core tests'.

#include "support/WindowFixture.h"

#include "gui/tools/CalculatorWindow.h"

using namespace cwtest;

namespace {

// Types both operands, presses the operator's button (none: the operator
// stays) and "=", and returns the result label.
QString compute(QWidget* w, const QString& top, const char* opButton, const QString& bottom)
{
    child<QLineEdit>(w, "TCTopNum")->setText(top);
    child<QLineEdit>(w, "TCBotNum")->setText(bottom);
    if (opButton)
        QTest::mouseClick(child<QPushButton>(w, opButton), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(w, "TCCompute"), Qt::LeftButton);
    return labelText(w, "TCResult");
}

} // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAsDesignedAndTheirWork()
    {
        cw::CalculatorWindow w(nullptr);
        CW_COMPARE_CONTROLS(&w, "calculator");
        QCOMPARE(compute(&w, "7", nullptr, "5"), " 12");   // the operator left at "+"
        QCOMPARE(compute(&w, "6", "TCDiv", "4"), " 1.5");
        QTest::mouseClick(child<QPushButton>(&w, "TCRepeat"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(&w, "TCTopNum")->text() + '|' + child<QLineEdit>(&w, "TCBotNum")->text() + '|' + labelText(&w, "TCResult"),
                 " 1.5||");
        QCOMPARE(compute(&w, child<QLineEdit>(&w, "TCTopNum")->text(), "TCMul", "3"), " 4.5");
        QTest::mouseClick(child<QPushButton>(&w, "TCClear"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(&w, "TCTopNum")->text() + '|' + child<QLineEdit>(&w, "TCBotNum")->text() + '|'
                     + labelText(&w, "TCResult") + '|' + labelText(&w, "TCOp"), "|||x");

        w.show();
        child<QAction>(&w, "tcmnuExit")->trigger();
        QVERIFY(!w.isVisible());
    }
};

static RegisterWindowTest<CalculatorWindowTest> registered;
#include "CalculatorWindowTest.moc"
