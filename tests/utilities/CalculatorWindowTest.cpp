// TinyCalc through its controls: operands, operator buttons, "=", "result on
// top", "C", the failures shown in the result, Exit.

#include "WindowTests.h"

#include "gui/tools/CalculatorWindow.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace cwtest;

class CalculatorWindowTest : public QObject {
    Q_OBJECT

    // Types both operands, presses the operator's button (none: the operator
    // stays) and "=", and returns the result label.
    static QString compute(QWidget* w, const QString& top, const char* opButton, const QString& bottom)
    {
        lineEdit(w, "TCTopNum")->setText(top);
        lineEdit(w, "TCBotNum")->setText(bottom);
        if (opButton)
            QTest::mouseClick(button(w, opButton), Qt::LeftButton);
        QTest::mouseClick(button(w, "TCCompute"), Qt::LeftButton);
        return labelText(w, "TCResult");
    }

private slots:
    void controlsAsDesigned()
    {
        QWidget opener;
        cw::CalculatorWindow w(&opener);
        QCOMPARE(w.windowTitle(), "TinyCalc");
        QVERIFY(w.parentWidget() == nullptr);
        QVERIFY(opener.isEnabled());   // the main window stays usable
        QCOMPARE(labelText(&w, "TCOp"), "+");
        QCOMPARE(labelText(&w, "TCResult"), "");
        const char* buttons[][2] = {{"TCAdd", "+"}, {"TCSub", "-"}, {"TCMul", "x"}, {"TCDiv", "/"},
                                    {"TCCompute", "="}, {"TCRepeat", "result on top"}, {"TCClear", "C"}};
        for (const auto& b : buttons)
            QCOMPARE(button(&w, b[0])->text(), QString::fromLatin1(b[1]));
        QCOMPARE(w.findChild<QMenu*>("tcmnuFile")->title(), "&File");
        QCOMPARE(w.findChild<QAction*>("tcmnuExit")->text(), "E&xit");
    }

    // The arithmetic and its texts are the calculator's own tests; here the
    // window's operator label and a failure shown in the result.
    void valuesAndFailures()
    {
        cw::CalculatorWindow w;
        QCOMPARE(compute(&w, "7", nullptr, "5"), " 12");   // the operator left at "+"
        QCOMPARE(compute(&w, "2", "TCSub", "5"), "-3");
        QCOMPARE(labelText(&w, "TCOp"), "-");
        QCOMPARE(compute(&w, "0", "TCDiv", ""), "Division by zero");
        QCOMPARE(compute(&w, "6", "TCDiv", "4"), " 1.5");   // and the window goes on
    }

    void resultOnTopChainsAndClearKeepsTheOperator()
    {
        cw::CalculatorWindow w;
        QCOMPARE(compute(&w, "7", nullptr, "5"), " 12");
        QTest::mouseClick(button(&w, "TCRepeat"), Qt::LeftButton);
        QCOMPARE(lineEdit(&w, "TCTopNum")->text(), " 12");
        QCOMPARE(lineEdit(&w, "TCBotNum")->text(), "");
        QCOMPARE(labelText(&w, "TCResult"), "");
        QCOMPARE(compute(&w, lineEdit(&w, "TCTopNum")->text(), "TCMul", "3"), " 36");

        QTest::mouseClick(button(&w, "TCClear"), Qt::LeftButton);
        QCOMPARE(lineEdit(&w, "TCTopNum")->text(), "");
        QCOMPARE(lineEdit(&w, "TCBotNum")->text(), "");
        QCOMPARE(labelText(&w, "TCResult"), "");
        QCOMPARE(labelText(&w, "TCOp"), "x");
    }

    void exitCloses()
    {
        cw::CalculatorWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QAction*>("tcmnuExit")->trigger();
        QVERIFY(!w.isVisible());
    }
};

static RegisterWindowTest<CalculatorWindowTest> registered;

#include "CalculatorWindowTest.moc"
