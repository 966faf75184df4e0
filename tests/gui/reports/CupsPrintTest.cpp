// Printing through a private print server (tools/cups-test-server.sh) with a
// cups-pdf queue as its default printer, reached through CUPS_SERVER, so the
// machine's own printers are never touched. cups-pdf writes each job to the
// PDF folder of the job owner's home, named after the job's title.

#include "PdfWords.h"
#include "ReportsWindowHarness.h"

#include "support/RequireTool.h"

#include <QDateTime>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>

#include <pwd.h>
#include <unistd.h>

using namespace cwtest;

namespace {

// The script's exit code (-1: it did not finish), and its last output line or
// its errors when it failed.
std::pair<int, QString> serverScript(const QString& command, const QString& folder)
{
    QProcess p;
    p.start(QStringLiteral("bash"), {QStringLiteral(CW_SOURCE_DIR "/tools/cups-test-server.sh"), command, folder});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("the server script did not finish")};
    return {p.exitCode(), QString::fromLocal8Bit(p.exitCode() ? p.readAllStandardError() : p.readAllStandardOutput()).trimmed()};
}

// The PDFs cups-pdf has finished for jobs titled `title`, in job order.
QStringList finishedPdfs(const QString& pdftotext, const QString& title)
{
    const QDir folder(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF"));
    QStringList done;
    for (const QString& name : folder.entryList({title + u'*'}, QDir::Files, QDir::Name))
        if (!pdfRows(pdftotext, folder.absoluteFilePath(name)).isEmpty())
            done << folder.absoluteFilePath(name);
    return done;
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

private slots:
    void aReportPrintsOnTheDefaultPrinterOneJobPerCopy()
    {
        CW_QREQUIRE_TOOL(pdftotext, "pdftotext");
        const QTemporaryDir server(QStringLiteral("/tmp/cwcups-XXXXXX"));   // short: the socket path is limited
        QVERIFY(server.isValid());
        const auto [code, out] = serverScript("start", server.path());
        if (code == 3) {   // CUPS or cups-pdf missing, or not run by root
            if (underCi())
                QFAIL(qPrintable(out));
            QSKIP(qPrintable(out));
        }
        QVERIFY2(code == 0, qPrintable(out));
        const auto stop = qScopeGuard([&server] { serverScript("stop", server.path()); });

        ReportsHarness h(out.split(u'\n').last().toLocal8Bit());   // the private server's socket
        h.press({"rtbAll", "rtbFull", "rtbView"});
        // The print settings start on the system's default printer.
        QPrinter* printer = h.window->printDialog()->printer();
        QCOMPARE(printer->outputFormat(), QPrinter::NativeFormat);
        QCOMPARE(printer->printerName(), QStringLiteral("CoinwickPDF"));
        const QString title = QStringLiteral("cwkreport%1x%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
        printer->setDocName(title);
        printer->setCopyCount(2);
        QCOMPARE(saidBy([&] { h.press("rtbPrint"); }), "");

        // Two copies, two jobs; the count runs on, so the second has two pages.
        // The server's filters make glyphs pdftotext cannot read: "END" by length.
        QVERIFY(h.window->reportLines().size() < 64);
        QTRY_COMPARE_WITH_TIMEOUT(finishedPdfs(pdftotext, title).size(), 2, 120000);
        QList<QList<PdfPage>> jobs;
        for (const QString& pdf : finishedPdfs(pdftotext, title)) {
            jobs << pdfRows(pdftotext, pdf);
            QFile::remove(pdf);
        }
        QCOMPARE(QList<qsizetype>({jobs[0].size(), jobs[1].size()}), QList<qsizetype>({1, 2}));
        QCOMPARE(jobs[1][1].last().text().size(), 3);   // "END", alone on its row
    }
};

static RegisterWindowTest<CupsPrintTest> registered;
#include "CupsPrintTest.moc"
