// Every text box of the program given an over-long, empty, non-Latin or
// control-character answer, then its command run: the program says what it
// refuses or stores what it can, and no record file is left broken or
// half-written.

#include "app/Commands.h"
#include "support/DialogDriver.h"
#include "gui/main/MainWindow.h"
#include "gui/reports/ReportsWindow.h"
#include "support/Records.h"
#include "support/WindowFixture.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace cwtest;

namespace {


void addAnswers()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("over-long") << QString(5000, u'9') + QStringLiteral("W");
    QTest::newRow("empty") << QString();
    QTest::newRow("non-Latin") << QString::fromUtf8("\u674e\u96ea \u03a9\u0436 \u0661\u0662");
    QTest::newRow("control") << QStringLiteral("\x01\t\r\n\x7f\x1b" "03-04");
}

} // namespace

class HarshInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<cw::MainWindow> w_;

    void command(const char* key) { w_->command(QString::fromLatin1(key))->trigger(); }
    template <class T = QLineEdit>
    T* child(QWidget* in, const char* name) const { return in->findChild<T*>(QString::fromLatin1(name)); }

    // Whole records in every record file, and no work file left behind.
    static void checkFiles()
    {
        const QList<QPair<QString, int>> sizes = {{"2026CWK.DAT", 58}, {"2026CATS.DAT", 18}, {"PERSONAL.DAT", 690}};
        for (const auto& [name, size] : sizes)
            QVERIFY2(QFileInfo(name).size() % size == 0, qPrintable(name));
        QCOMPARE(QDir().entryList({"*.$$$"}, QDir::Files), QStringList());
    }

    // Runs `act` with every dialog it brings answered by `answers`, then its
    // default; something must have been said or the file must have changed.
    void expectSaidOrStored(const QList<Answer>& answers, const std::function<void()>& act, const QString& file)
    {
        const QByteArray before = readBytes(file);
        DialogDriver dialogs(answers);
        act();
        QVERIFY(!dialogs.seen.isEmpty() || readBytes(file) != before);
        checkFiles();
    }

private slots:
    void initTestCase()
    {
        folder_ = std::make_unique<TempFolder>();
        writeBytes("2026CATS.DAT", "FOFood            PYPay             ");
        writeBytes("PAY.MCR", "'payday\r\npy\r\n2500\r\nPaycheck\r\n");
        w_ = std::make_unique<cw::MainWindow>(kToday);
        cw::installCommands(*w_);
        QVERIFY(w_->load());
        w_->show();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    }

    void cleanupTestCase()
    {
        w_.reset();
        folder_.reset();
    }

    void entryEditorBoxes_data() { addAnswers(); }
    void entryEditorBoxes()
    {
        QFETCH(QString, answer);
        for (const char* box : {"DateEditor", "AmountEditor", "NoteEditor"}) {
            command("mnuNewItem");
            auto* small = child<QTableView>(w_.get(), "SmCatList");
            small->setFocus();
            small->setCurrentIndex(small->model()->index(0, 1));
            QTest::keyClick(small, Qt::Key_Return);
            child(w_.get(), "DateEditor")->setText("03-04");
            child(w_.get(), "AmountEditor")->setText("12.50");
            child(w_.get(), "NoteEditor")->setText("plain");
            child(w_.get(), box)->setText(answer);
            expectSaidOrStored({}, [&] { child<QPushButton>(w_.get(), "SaveNewExpense")->click(); }, "2026CWK.DAT");
        }
        QCOMPARE(w_->itemList()->model()->rowCount(), int(QFileInfo("2026CWK.DAT").size() / 58));
    }

    void categoryEditorBoxes_data() { addAnswers(); }
    void categoryEditorBoxes()
    {
        QFETCH(QString, answer);
        for (const char* box : {"CatEdCatCode", "CatEdCatName"}) {
            command("mnuNewCategory");
            child(w_.get(), "CatEdCatCode")->setText("zz");
            child(w_.get(), "CatEdCatName")->setText("Harsh");
            child(w_.get(), box)->setText(answer);
            expectSaidOrStored({Answer::press(QMessageBox::Yes)},
                               [&] { child<QPushButton>(w_.get(), "CatEdSave")->click(); }, "2026CATS.DAT");
        }
        QCOMPARE(w_->catList()->model()->rowCount(), int(QFileInfo("2026CATS.DAT").size() / 18));
    }

    void macroBoxes_data() { addAnswers(); }
    void macroBoxes()
    {
        QFETCH(QString, answer);
        for (const char* box : {"MacDate", "MacroEd"}) {
            command("mnuShowMacro");
            auto* files = child<QListWidget>(w_.get(), "MacroSelect");
            emit files->itemDoubleClicked(files->findItems("PAY.MCR", Qt::MatchExactly).value(0));
            child(w_.get(), "MacDate")->setText("03-13");
            child(w_.get(), box)->setText(answer);
            expectSaidOrStored({Answer::press(QMessageBox::Yes)},
                               [&] { child<QPushButton>(w_.get(), "MacroPlay")->click(); }, "2026CWK.DAT");
        }
    }

    void findAnswers_data() { addAnswers(); }
    void findAnswers()
    {
        QFETCH(QString, answer);
        const QByteArray before = readBytes("2026CWK.DAT");
        DialogDriver dialogs({Answer::type(answer)});
        command("mnuFind");
        QVERIFY(!dialogs.seen.isEmpty());
        QCOMPARE(readBytes("2026CWK.DAT"), before);
    }

    void exportFileName_data() { addAnswers(); }
    void exportFileName()
    {
        QFETCH(QString, answer);
        command("mnuReports");
        auto* reports = qobject_cast<cw::ReportsWindow*>(topLevel("frmReports"));
        QVERIFY(reports);
        reports->command("rtbAll")->trigger();
        reports->command("rmnuExport")->trigger();
        QWidget* exporter = topLevel("frmExport");
        QVERIFY(exporter);
        child(exporter, "exFileName")->setText(answer);
        const QStringList before = QDir().entryList(QDir::Files);
        {
            DialogDriver dialogs;
            child<QPushButton>(exporter, "ExportGo")->click();
            QCOMPARE(dialogs.seen.size(), 1);   // finished, or why not
        }
        // At most the one export file is new, and it lies in the folder.
        QStringList added = QDir().entryList(QDir::Files);
        for (const QString& name : before)
            added.removeOne(name);
        QVERIFY(added.size() <= 1);
        if (QWidget* still = topLevel("frmExport"))
            still->close();
        checkFiles();
        reports->command("rmnuExit")->trigger();
        QTRY_VERIFY(w_->isEnabled());
    }

    void calculatorBoxes_data() { addAnswers(); }
    void calculatorBoxes()
    {
        QFETCH(QString, answer);
        command("mnuTinyCalc");
        QWidget* calc = topLevel("TinyCalc");
        QVERIFY(calc);
        for (const char* box : {"TCTopNum", "TCBotNum"}) {
            child(calc, "TCTopNum")->setText("2");
            child(calc, "TCBotNum")->setText("3");
            child(calc, box)->setText(answer);
            DialogDriver dialogs;
            for (const char* op : {"TCAdd", "TCDiv", "TCRepeat"})
                child<QPushButton>(calc, op)->click();
            QVERIFY(!child<QLabel>(calc, "TCResult")->text().contains(u'\n'));
        }
        calc->close();
    }
};

static RegisterWindowTest<HarshInputTest> registered;
#include "HarshInputTest.moc"
