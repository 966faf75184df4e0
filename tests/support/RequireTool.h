#pragma once
// An outside tool a test needs: missing, the test fails under CI (CI=true) and
// is skipped elsewhere; `make test` installs every tool.

#include <QStandardPaths>
#include <QString>

namespace cwtest {

inline bool underCi() { return qEnvironmentVariable("CI") == QLatin1String("true"); }

} // namespace cwtest

// GoogleTest: declares `var` with the tool's path, or fails/skips the test.
#define CW_REQUIRE_TOOL(var, name)                                                                   \
    const QString var = QStandardPaths::findExecutable(QStringLiteral(name));                        \
    if (var.isEmpty()) {                                                                             \
        if (cwtest::underCi())                                                                       \
            FAIL() << name << " is needed by this test and is not installed";                       \
        else                                                                                         \
            GTEST_SKIP() << name << " is not installed (make test installs it)";                    \
    }

// Qt Test: the same for QTest-based tests.
#define CW_QREQUIRE_TOOL(var, name)                                                                  \
    const QString var = QStandardPaths::findExecutable(QStringLiteral(name));                        \
    if (var.isEmpty()) {                                                                             \
        if (cwtest::underCi())                                                                       \
            QFAIL(name " is needed by this test and is not installed");                              \
        else                                                                                         \
            QSKIP(name " is not installed (make test installs it)");                                 \
    }
