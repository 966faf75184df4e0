// frmSorter through its controls; the order itself is the core tests'.

#include "support/WindowFixture.h"

#include "core/tools/Sorter.h"
#include "gui/tools/SorterWindow.h"

#include <QProgressBar>

using namespace cwtest;

class SorterWindowTest : public QObject {
    Q_OBJECT

    static inline const QString kData = QStringLiteral("1998CWK.DAT");

private slots:
    // A run shows its progress and writes the order, one run a window. Stop!
    // at pass 4 keeps the three passes done and closes the window; closed any
    // other way before pass 1, the file is as it was.
    void aRunShowsItsProgressAndWritesTheOrderAndAStopKeepsTheCompletedPasses()
    {
        TempFolder folder;
        std::mt19937 rng(7);
        const QByteArray bytes = bytesOf(randomEntries(rng, 60, u'A')) + "partial";
        writeBytes(kData, bytes);
        QWidget opener;
        cw::SorterWindow w(kData, u'A', &opener);
        CW_COMPARE_CONTROLS(&w, "sorter");
        QVERIFY(!child(&w, "StartSort")->isHidden() && child(&w, "SorterLabel")->isHidden());
        auto* progress = child<QProgressBar>(&w, "ProgressBar1");
        w.show();
        QList<int> shown;
        QString during;
        connect(progress, &QProgressBar::valueChanged, this, [&](int v) {
            shown << v;
            during = labelText(&w, "SorterLabel");
        });
        QTest::mouseClick(child<QPushButton>(&w, "StartSort"), Qt::LeftButton);
        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(bytes, 60, 'A'));
        QVERIFY(std::is_sorted(shown.begin(), shown.end()) && shown.value(0) == 1 && shown.last() == 60 && progress->maximum() == 60);
        QCOMPARE(during + '|' + labelText(&w, "SorterLabel"), "Working...|Finished!");
        QVERIFY(child(&w, "SorterLabel")->isVisible() && child(&w, "StartSort")->isHidden() && !opener.isEnabled());
        QTest::mouseClick(child<QPushButton>(&w, "StopSort"), Qt::LeftButton);
        QVERIFY(!w.isVisible() && opener.isEnabled());

        const QByteArray ten = bytesOf(randomEntries(rng, 10, u'A'));
        writeBytes(kData, ten);
        cw::SorterWindow stopped(kData, u'A', &opener);
        stopped.show();
        connect(child<QProgressBar>(&stopped, "ProgressBar1"), &QProgressBar::valueChanged, this, [&](int pass) {
            if (pass == 4)
                QTest::mouseClick(child<QPushButton>(&stopped, "StopSort"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&stopped, "StartSort"), Qt::LeftButton);
        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(ten, 3, 'A'));
        QVERIFY(readBytes(kData) != cw::sortedAfterPasses(ten, 10, 'A'));
        QVERIFY(!stopped.isVisible() && opener.isEnabled());

        cw::SorterWindow closed(kData, u'A', nullptr);
        closed.show();
        const QByteArray now = readBytes(kData);
        QTimer::singleShot(0, &closed, &QWidget::close);   // handled before pass 1
        child<QPushButton>(&closed, "StartSort")->click();
        QCOMPARE(readBytes(kData), now);
    }
};

static RegisterWindowTest<SorterWindowTest> registered;
#include "SorterWindowTest.moc"
