// Runs every registered window test class in one offscreen application.
// A first argument naming a class runs that class alone, with the remaining
// arguments (test functions, Qt Test options).

#include "support/WindowFixture.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());   // dates and numbers shown as the C locale gives them
    cwtest::pinLocale();
    const QByteArray only = argc > 1 && argv[1][0] != '-' ? QByteArray(argv[1]) : QByteArray();
    QStringList args;
    for (int i = 0; i < argc; ++i)
        if (i != 1 || only.isEmpty())
            args << QString::fromLocal8Bit(argv[i]);
    int failures = 0;
    for (const auto& make : cwtest::windowTests()) {
        std::unique_ptr<QObject> test = make();
        if (only.isEmpty() || only == test->metaObject()->className())
            failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
