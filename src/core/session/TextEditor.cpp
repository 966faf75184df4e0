#include "TextEditor.h"

#include "store/FileNames.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

namespace cw {

Status startTextEditor(const QString& file)
{
    const QString tool = QStringLiteral("xdg-open");
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return Status::ioError(tool, QStringLiteral("not found on the PATH"));
    // A name that starts with "-" would be read as an option.
    const QString argument = file.startsWith(u'-') ? QStringLiteral("./") + file : file;
    if (!QProcess::startDetached(program, {argument}, QDir::currentPath()))
        return Status::ioError(tool, QStringLiteral("could not be started"));
    return Status::ok();
}

Result<QString> notesFileToEdit(Env& env, const QString& year)
{
    const QString name = resolveFileName(env, notesFileName(year));
    if (env.fileExists(name))
        return name;
    // Opened for appending, so a file that appeared meanwhile keeps its text.
    std::unique_ptr<WritableFile> file;
    Status s = env.newAppendableFile(name, &file);
    if (file) {
        const Status closed = file->close();
        if (s)
            s = closed;
    }
    if (!s)
        return s;
    return name;
}

} // namespace cw
