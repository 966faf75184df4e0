#include "SorterWindow.h"

#include "core/session/UndoHistory.h"
#include "core/tools/Sorter.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/kit/MessageBox.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace cw {

SorterWindow::SorterWindow(const QString& dataFile, QChar flag, QWidget* opener, UndoHistory* history)
    : UtilityWindow(QStringLiteral("frmSorter"), QStringLiteral("Data File Sorter"), opener, true),
      dataFile_(dataFile),
      flag_(flag),
      history_(history),
      startSort_(new QPushButton(QStringLiteral("Start"), this)),
      stopSort_(new QPushButton(QStringLiteral("Stop!"), this)),
      progressBar_(new QProgressBar(this)),
      sorterLabel_(new QLabel(this))
{
    startSort_->setObjectName(QStringLiteral("StartSort"));
    stopSort_->setObjectName(QStringLiteral("StopSort"));
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    sorterLabel_->setObjectName(QStringLiteral("SorterLabel"));

    progressBar_->setMinimum(0);
    progressBar_->setMaximum(1);
    progressBar_->reset();   // empty until a run starts
    progressBar_->setTextVisible(false);
    sorterLabel_->setAlignment(Qt::AlignCenter);
    sorterLabel_->hide();

    auto* layout = new QGridLayout(this);
    layout->addWidget(progressBar_, 0, 0, 1, 2);
    layout->addWidget(sorterLabel_, 1, 0, 1, 2);
    layout->addWidget(startSort_, 2, 0);
    layout->addWidget(stopSort_, 2, 1);
    resize(360, 120);

    connect(startSort_, &QPushButton::clicked, this, &SorterWindow::StartSort_Click);
    connect(stopSort_, &QPushButton::clicked, this, &SorterWindow::StopSort_Click);
    enterPressesFocusedButton(this);
}

void SorterWindow::StartSort_Click() { SortMainFile(); }

// Sets the stop request (honoured at the start of the next pass) and closes.
void SorterWindow::StopSort_Click()
{
    requestStop();
    close();
}

void SorterWindow::SortMainFile()
{
    startSort_->hide();
    sorterLabel_->setText(QStringLiteral("Working..."));
    sorterLabel_->show();

    Running run(this);
    Result<SortRun> result = [&] {
        BusyCursor busy;
        UndoScope undo(history_, *Env::current(), {dataFile_});
        return sortMainFile(*Env::current(), dataFile_, flag_.toLatin1(), [this](qsizetype pass, qsizetype total) {
            if (pass == 1)
                progressBar_->setMaximum(int(total));
            // Only here can a click on Stop! (or any other event) be handled.
            QCoreApplication::processEvents();
            progressBar_->setValue(int(pass));
            return !stopRequested();
        }, kProgressSteps);
    }();
    sorterLabel_->setText(QStringLiteral("Finished!"));
    if (!result)
        showFileError(messageParent(), result.status());
}

} // namespace cw
