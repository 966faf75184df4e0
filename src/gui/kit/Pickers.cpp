#include "Pickers.h"

#include "core/tools/FileMatch.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace cw {

DrivePicker::DrivePicker(QWidget* parent) : QWidget(parent), box_(new QComboBox(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    // Focus and Tab order given to the picker go to its box.
    setFocusPolicy(box_->focusPolicy());
    setFocusProxy(box_);
    box_->addItems(mountedDrives());
    connect(box_, &QComboBox::activated, this, [this](int index) { emit changed(box_->itemText(index)); });
}

QString DrivePicker::path() const { return box_->currentText(); }

void DrivePicker::select(const QString& root)
{
    int index = box_->findText(root);
    if (index < 0) {
        box_->addItem(root);
        index = box_->count() - 1;
    }
    box_->setCurrentIndex(index);
}

void DrivePicker::setPath(const QString& path)
{
    select(path);
    emit changed(path);
}

void DrivePicker::showDriveOf(const QString& folder)
{
    const QStorageInfo volume(folder);
    select(volume.isValid() ? volume.rootPath() : QStringLiteral("/"));
}

FolderPicker::FolderPicker(const QString& start, QWidget* parent)
    : QWidget(parent), path_(QDir::cleanPath(start)), label_(new QLabel(this)), list_(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(list_);
    setFocusPolicy(list_->focusPolicy());
    setFocusProxy(list_);
    connect(list_, &QListWidget::itemActivated, this, &FolderPicker::open);
    fill();
}

void FolderPicker::setPath(const QString& path)
{
    const QString wanted = QDir::cleanPath(QDir(path_).absoluteFilePath(path));
    if (const int error = folderOpenError(wanted); error != 0) {
        emit failed(error);
        return;
    }
    path_ = wanted;
    fill();
    emit changed(path_);
}

void FolderPicker::fill()
{
    label_->setText(path_);
    list_->clear();
    QDir dir(path_);
    if (!dir.isRoot())
        list_->addItem(QStringLiteral(".."));
    list_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

void FolderPicker::open(QListWidgetItem* item)
{
    setPath(QDir(path_).filePath(item->text()));
}

} // namespace cw
