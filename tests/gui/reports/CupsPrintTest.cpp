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

#include <pwd.h>
#include <unistd.h>

using namespace cwtest;

class CupsPrintTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir serverDir_{QStringLiteral("/tmp/cwcups-XXXXXX")};   // short: the socket path is limited
    const QString script_ = QStringLiteral(CW_SOURCE_DIR "/tools/cups-test-server.sh");
    bool started_ = false;
    QString pdfFolder_;

    // `out`: the script's last output line, or its errors when it failed.
    bool runScript(const QString& command, QString* out, int* code)
    {
        QProcess p;
        p.start(QStringLiteral("bash"), {script_, command, serverDir_.path()});
        if (!p.waitForFinished(120000))
            return false;
        *code = p.exitCode();
        *out = QString::fromLocal8Bit(*code == 0 ? p.readAllStandardOutput() : p.readAllStandardError()).trimmed();
        return p.exitStatus() == QProcess::NormalExit;
    }

    // The PDFs cups-pdf has finished for jobs titled `title`.
    QStringList finishedPdfs(const QString& pdftotext, const QString& title)
    {
        QStringList done;
        const QStringList found = QDir(pdfFolder_).entryList({title + u'*'}, QDir::Files, QDir::Name);
        for (const QString& name : found) {
            const QString path = QDir(pdfFolder_).absoluteFilePath(name);
            if (!pdfRows(pdftotext, path).isEmpty())
                done << path;
        }
        return done;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(serverDir_.isValid());
        QString out;
        int code = 0;
        QVERIFY2(runScript(QStringLiteral("start"), &out, &code), "the server script did not finish");
        if (code == 3) {
            // CUPS or cups-pdf missing, or not run by root.
            if (underCi())
                QFAIL(qPrintable(out));
            QSKIP(qPrintable(out));
        }
        QVERIFY2(code == 0, qPrintable(out));
        started_ = true;
        const QString socket = out.split(u'\n').last();
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        pdfFolder_ = QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + QStringLiteral("/PDF");
    }

    void cleanupTestCase()
    {
        if (!started_)
            return;
        QString out;
        int code = 0;
        runScript(QStringLiteral("stop"), &out, &code);
    }

    void aReportPrintsOnTheDefaultPrinterOneJobPerCopy()
    {
        CW_QREQUIRE_TOOL(pdftotext, "pdftotext");
        ReportsHarness h;
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
        const QStringList pdfs = finishedPdfs(pdftotext, title);   // in job order
        QList<QList<PdfPage>> jobs;
        for (const QString& pdf : pdfs) {
            jobs << pdfRows(pdftotext, pdf);
            QFile::remove(pdf);
        }
        QCOMPARE(jobs[0].size(), 1);
        QCOMPARE(jobs[1].size(), 2);
        QCOMPARE(jobs[1][1].last().text().size(), 3);   // "END", alone on its row
    }
};

static RegisterWindowTest<CupsPrintTest> registered;
#include "CupsPrintTest.moc"
