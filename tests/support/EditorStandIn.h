#pragma once
// A stand-in "xdg-open" first on PATH for as long as it lives: each run
// records its working folder and its arguments, one a line, in a file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace cwtest {

class EditorStandIn {
public:
    EditorStandIn() : previousPath_(qgetenv("PATH"))
    {
        QFile script(bin_.path() + "/xdg-open");
        script.open(QIODevice::WriteOnly);
        // Written whole under another name and renamed, so a reader never
        // sees half a record.
        script.write("#!/bin/sh\n"
                     "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$0.part\"\n"
                     "mv \"$0.part\" \"$0.calls\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin_.path()) + ":" + previousPath_);
    }
    ~EditorStandIn() { qputenv("PATH", previousPath_); }

    // Forgets the last run.
    void clear() { QFile::remove(callsFile()); }

    // Whether a run has been recorded since the last clear().
    bool called() const { return QFile::exists(callsFile()); }

    // The last run's working folder and arguments; waits for the editor,
    // which runs on its own.
    QStringList lastCall() const
    {
        if (!QTest::qWaitFor([this] { return QFile::exists(callsFile()); }, 30000))
            return {QStringLiteral("<the editor was not started>")};
        QFile f(callsFile());
        f.open(QIODevice::ReadOnly);
        QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
        lines.removeLast();   // after the last line end
        return lines;
    }

    // Hides every xdg-open while it lives.
    struct Missing {
        Missing() { qputenv("PATH", QFile::encodeName(empty.path())); }
        ~Missing() { qputenv("PATH", previous); }
        QTemporaryDir empty;
        QByteArray previous = qgetenv("PATH");
    };

private:
    QString callsFile() const { return bin_.path() + "/xdg-open.calls"; }

    QTemporaryDir bin_;
    QByteArray previousPath_;
};

// The working folder as the editor sees it.
inline QString workingFolder() { return QDir::current().canonicalPath(); }

} // namespace cwtest
