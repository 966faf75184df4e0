#include "ExportWindow.h"

#include "core/tools/CommaExport.h"
#include "core/tools/FileMatch.h"
#include "gui/kit/Pickers.h"

#include "gui/kit/BusyCursor.h"
#include "gui/kit/KeyboardUse.h"
#include "gui/kit/MessageBox.h"
#include "gui/kit/Win1252Validator.h"

#include "store/FileNames.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace cw {

namespace {
const QString kExportPattern = QStringLiteral("*.txt");
}

ExportWindow::ExportWindow(const ExportRequest& request, QWidget* opener)
    : UtilityWindow(QStringLiteral("frmExport"), QStringLiteral("Data Export"), opener, true),
      request_(request),
      exportDrive_(new DrivePicker(this)),
      exportDir_(new FolderPicker(QDir::currentPath(), this)),
      exportedFiles_(new QListWidget(this)),
      exFileName_(new QLineEdit(QStringLiteral("CWK_DATA.TXT"), this)),
      exRangeLab_(new QLabel(this)),
      exportGo_(new QPushButton(QStringLiteral("Write to export file"), this)),
      exportQuit_(new QPushButton(QStringLiteral("Cancel"), this))
{
    exportDrive_->setObjectName(QStringLiteral("ExportDrive"));
    exportDir_->setObjectName(QStringLiteral("ExportDir"));
    exportedFiles_->setObjectName(QStringLiteral("ExportedFiles"));
    exFileName_->setObjectName(QStringLiteral("exFileName"));
    PlainTextValidator::attach(exFileName_);
    exRangeLab_->setObjectName(QStringLiteral("exRangeLab"));
    exportGo_->setObjectName(QStringLiteral("ExportGo"));
    exportQuit_->setObjectName(QStringLiteral("ExportQuit"));
    auto* label1 = new QLabel(QStringLiteral("files in target directory"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("<<<   export file name"), this);
    label2->setObjectName(QStringLiteral("Label2"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(exRangeLab_, 0, 0, 1, 2);
    layout->addWidget(exportDrive_, 1, 0);
    layout->addWidget(label1, 1, 1);
    layout->addWidget(exportDir_, 2, 0);
    layout->addWidget(exportedFiles_, 2, 1);
    layout->addWidget(exFileName_, 3, 0);
    layout->addWidget(label2, 3, 1);
    layout->addWidget(exportGo_, 4, 0);
    layout->addWidget(exportQuit_, 4, 1);
    resize(520, 360);

    // Form_Load: what will be exported, and the working folder's files.
    exRangeLab_->setText(exportRangeText(request_.startMonth, request_.endMonth, exportYearText(request_.dataFile),
                                         chosenCategoryCount(*Env::current(), request_.selectionFile)));
    exportDrive_->showDriveOf(exportDir_->path());
    ExportDir_Change();

    connect(exportDrive_, &DrivePicker::changed, this, &ExportWindow::ExportDrive_Change);
    connect(exportDir_, &FolderPicker::changed, this, &ExportWindow::ExportDir_Change);
    connect(exportDir_, &FolderPicker::failed, this, &ExportWindow::showFolderFailure);
    connect(exportedFiles_, &QListWidget::currentRowChanged, this, &ExportWindow::ExportedFiles_Click);
    connect(exportGo_, &QPushButton::clicked, this, &ExportWindow::ExportGo_Click);
    connect(exportQuit_, &QPushButton::clicked, this, &ExportWindow::ExportQuit_Click);
    enterPressesFocusedButton(this);
    enterPresses({exFileName_}, [this] { return exportGo_; });
}

// The folder picker to the chosen drive, then the file list to the folder
// picker's path (refilled by ExportDir_Change, or kept when the drive failed).
void ExportWindow::ExportDrive_Change() { exportDir_->setPath(exportDrive_->path()); }

void ExportWindow::ExportDir_Change()
{
    filling_ = true;
    exportedFiles_->clear();
    if (Result<QStringList> files = matchingFiles(*Env::current(), exportDir_->path(), kExportPattern))
        exportedFiles_->addItems(*files);
    filling_ = false;
}

void ExportWindow::ExportedFiles_Click(int row)
{
    if (!filling_ && row >= 0)
        exFileName_->setText(exportedFiles_->item(row)->text());
}

void ExportWindow::showFolderFailure(int error) { showMessage(this, folderFailureMessage(error)); }

void ExportWindow::ExportGo_Click()
{
    Env& env = *Env::current();
    const QString target = exportTargetPath(exportDir_->path(), exFileName_->text());
    if (const std::optional<Message> refused = refusedExportTarget(env, target)) {
        showMessage(this, *refused);
        return;
    }
    const Result<bool> holdsData = exportTargetHoldsData(env, target);
    if (!holdsData) {
        showFileError(this, holdsData.status());
        return;
    }
    // Declining leaves the window open for another name.
    if (*holdsData && !askYesNo(this, appendExportQuestion(target)))
        return;

    const Result<qsizetype> written = [&] {
        BusyCursor busy;
        return commafile(env, target, request_.dataFile, request_.selectionFile, request_.startMonth,
                         request_.endMonth, request_.flag);
    }();
    if (!written) {
        showFileError(this, written.status());
        return;
    }
    showMessage(this, exportFinishedMessage(target));
    ExportQuit_Click();
}

// Closing enables the reports window again; the selection file, a work file
// of the export command, goes with the window.
void ExportWindow::ExportQuit_Click() { close(); }

void ExportWindow::closeEvent(QCloseEvent* event)
{
    Env& env = *Env::current();
    const QString selection = resolveFileName(env, request_.selectionFile);
    if (env.fileExists(selection))
        env.removeFile(selection);
    UtilityWindow::closeEvent(event);
}

ExportWindow* openExportWindow(const ExportRequest& request, QWidget* opener)
{
    auto* window = new ExportWindow(request, opener);
    window->setDeleteOnClose(true);
    window->show();
    return window;
}

} // namespace cw
