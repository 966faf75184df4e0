// Runs every registered window test class in one offscreen application.

#include "WindowTests.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    cwtest::pinLocale();
    int failures = 0;
    for (const auto& make : cwtest::windowTests()) {
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
