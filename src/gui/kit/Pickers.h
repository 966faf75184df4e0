#pragma once
// The drive and folder pickers of the export and backup windows. Each has a
// readable and writable `path`; writing it is the same as the user choosing
// that drive or folder: `changed` is sent and the window's _Change handler
// runs. A folder that cannot be opened is not taken: `failed` is sent with
// the system's error number and the picker keeps its folder.

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace cw {

// The mounted file systems, "/" first.
class DrivePicker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY changed USER true)
public:
    explicit DrivePicker(QWidget* parent = nullptr);

    QString path() const;
    // Chooses a drive; one not in the list is added to it.
    void setPath(const QString& path);
    // Shows the drive holding `folder` without sending `changed`.
    void showDriveOf(const QString& folder);

signals:
    void changed(const QString& path);

private:
    void select(const QString& root);

    QComboBox* box_;
};

// A folder and its sub-folders; activating ".." or a sub-folder opens it.
class FolderPicker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY changed USER true)
public:
    explicit FolderPicker(const QString& start, QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& path);

signals:
    void changed(const QString& path);
    void failed(int error);

private:
    void fill();
    void open(QListWidgetItem* item);

    QString path_;
    QLabel* label_;
    QListWidget* list_;
};

} // namespace cw
