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
    void aRunShowsItsProgressAndWritesTheOrder()
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
        QCOMPARE(progress->value(), -1);   // empty
        w.show();
        QList<int> shown;
        QString during;
        connect(progress, &QProgressBar::valueChanged, this, [&](int v) {
            shown << v;
            during = labelText(&w, "SorterLabel");
        });
        QTest::mouseClick(child<QPushButton>(&w, "StartSort"), Qt::LeftButton);
        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(bytes, 60, 'A'));
        QCOMPARE(QList<int>({shown.value(0), shown.last(), progress->maximum()}), QList<int>({1, 60, 60}));
        QCOMPARE(during + '|' + labelText(&w, "SorterLabel"), "Working...|Finished!");
        QVERIFY(child(&w, "SorterLabel")->isVisible() && child(&w, "StartSort")->isHidden() && !opener.isEnabled());   // one run per window
        QTest::mouseClick(child<QPushButton>(&w, "StopSort"), Qt::LeftButton);
        QVERIFY(!w.isVisible() && opener.isEnabled());
    }

    // Stop! at pass 4 keeps the three passes done and closes the window; closed
    // any other way before pass 1, the file is as it was.
    void aStopKeepsTheCompletedPasses()
    {
        TempFolder folder;
        std::mt19937 rng(3);
        const QByteArray bytes = bytesOf(randomEntries(rng, 10, u'A'));
        writeBytes(kData, bytes);
        QWidget opener;
        cw::SorterWindow w(kData, u'A', &opener);
        w.show();
        connect(child<QProgressBar>(&w, "ProgressBar1"), &QProgressBar::valueChanged, this, [&](int pass) {
            if (pass == 4)
                QTest::mouseClick(child<QPushButton>(&w, "StopSort"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QPushButton>(&w, "StartSort"), Qt::LeftButton);
        QCOMPARE(readBytes(kData), cw::sortedAfterPasses(bytes, 3, 'A'));
        QVERIFY(readBytes(kData) != cw::sortedAfterPasses(bytes, 10, 'A'));
        QVERIFY(!w.isVisible() && opener.isEnabled());

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
