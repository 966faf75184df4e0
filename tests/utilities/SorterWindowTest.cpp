// frmSorter through its controls: the idle window, a whole run with its
// progress, and a Stop! in the middle of a run. Day-first files and failed
// writes are sorted in the whole-program tests.

#include "WindowTests.h"

#include "support/Ledgers.h"
#include "core/tools/Sorter.h"
#include "gui/tools/SorterWindow.h"

#include <QProgressBar>
#include <QTest>

using namespace cwtest;

namespace {

const QString kData = QStringLiteral("1998CWK.DAT");

QByteArray shuffledYear(int n, QChar flag, unsigned seed)
{
    std::mt19937 rng(seed);
    return cwtest::bytesOf(cwtest::randomEntries(rng, n, flag));
}

} // namespace

class SorterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<TempFolder>(); }
    void cleanup() { folder_.reset(); }

    void idleWindowAndClosing()
    {
        QWidget opener;
        {
            cw::SorterWindow w(kData, u'A', &opener);
            QCOMPARE(w.windowTitle(), "Data File Sorter");
            QVERIFY(w.parentWidget() == nullptr);
            QVERIFY(!opener.isEnabled());
            QCOMPARE(button(&w, "StartSort")->text(), "Start");
            QCOMPARE(button(&w, "StopSort")->text(), "Stop!");
            QVERIFY(!button(&w, "StartSort")->isHidden());
            QVERIFY(w.findChild<QLabel*>("SorterLabel")->isHidden());
            QCOMPARE(w.findChild<QProgressBar*>("ProgressBar1")->minimum(), 0);
            QCOMPARE(w.findChild<QProgressBar*>("ProgressBar1")->value(), -1);   // empty

            w.show();
            QTest::mouseClick(button(&w, "StopSort"), Qt::LeftButton);
            QVERIFY(!w.isVisible());
            QVERIFY(opener.isEnabled());
        }
        QVERIFY(opener.isEnabled());
    }

    void aRunWritesTheStandingOrder()
    {
        const QChar flag = u'A';
        QByteArray bytes = shuffledYear(60, flag, 7);
        bytes.append("partial");   // a trailing partial record stays as it is
        writeBytes(kData, bytes);

        QWidget opener;
        cw::SorterWindow w(kData, flag, &opener);
        w.show();
        auto* progress = w.findChild<QProgressBar*>("ProgressBar1");
        QList<int> shown;
        QString during;
        connect(progress, &QProgressBar::valueChanged, this, [&](int v) {
            shown << v;
            during = labelText(&w, "SorterLabel");
        });
        QTest::mouseClick(button(&w, "StartSort"), Qt::LeftButton);

        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(bytes, 60, flag.toLatin1()));
        QCOMPARE(progress->maximum(), 60);
        QCOMPARE(shown.value(0), 1);
        QCOMPARE(shown.last(), 60);
        QVERIFY(std::is_sorted(shown.begin(), shown.end()));
        QCOMPARE(during, "Working...");
        QCOMPARE(labelText(&w, "SorterLabel"), "Finished!");
        QVERIFY(w.findChild<QLabel*>("SorterLabel")->isVisible());
        QVERIFY(button(&w, "StartSort")->isHidden());   // one run per window
        QVERIFY(!opener.isEnabled());
        QVERIFY(!QFile::exists(kData + ".$$$"));
    }

    void anEmptyFileRunsNoPass()
    {
        cw::SorterWindow w(kData, u'A', nullptr);
        QTest::mouseClick(button(&w, "StartSort"), Qt::LeftButton);
        QCOMPARE(labelText(&w, "SorterLabel"), "Finished!");
        QCOMPARE(readBytes(kData), QByteArray());
    }

    // Stop! clicked while pass 4 is starting: the three passes before it are
    // what the file holds, and the window closes.
    void stopKeepsTheCompletedPasses()
    {
        const QByteArray bytes = shuffledYear(10, u'A', 3);
        writeBytes(kData, bytes);
        QWidget opener;
        cw::SorterWindow w(kData, u'A', &opener);
        w.show();
        auto* progress = w.findChild<QProgressBar*>("ProgressBar1");
        connect(progress, &QProgressBar::valueChanged, this, [&](int pass) {
            if (pass == 4)
                QTest::mouseClick(button(&w, "StopSort"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&w, "StartSort"), Qt::LeftButton);

        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(bytes, 3, 'A'));
        QVERIFY(readBytes(kData) != cw::sortedAfterPasses(bytes, 10, 'A'));
        QCOMPARE(progress->value(), 4);
        QVERIFY(!w.isVisible());
        QVERIFY(opener.isEnabled());
    }

    // Closing the window any other way during a run stops it as Stop! does.
    void closingStopsTheRun()
    {
        const QByteArray bytes = shuffledYear(10, u'A', 4);
        writeBytes(kData, bytes);
        cw::SorterWindow w(kData, u'A', nullptr);
        w.show();
        QTimer::singleShot(0, &w, &QWidget::close);   // handled before pass 1
        button(&w, "StartSort")->click();
        QCOMPARE(readBytes(kData), bytes);
    }

private:
    std::unique_ptr<TempFolder> folder_;
};

static RegisterWindowTest<SorterWindowTest> registered;

#include "SorterWindowTest.moc"
