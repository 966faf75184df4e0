#include "MacroPlayer.h"

#include "core/macros/InsertMany.h"
#include "core/macros/MacroReader.h"
#include "store/AmountRules.h"
#include "store/DateRules.h"
#include "store/EntryChecks.h"
#include "store/FileNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"

#include <QFileInfo>
#include <memory>

namespace cw {
namespace {

QString besideFile(const QString& file, const QString& name)
{
    const QString folder = QFileInfo(file).path();
    return folder == QLatin1String(".") && !file.startsWith(QLatin1String("./")) ? name
                                                                                   : folder + QLatin1Char('/') + name;
}

Status writeWorkFile(Env& env, const QString& path, const QByteArray& bytes)
{
    std::unique_ptr<WritableFile> file;
    Status s = env.newWritableFile(path, &file);
    if (s)
        s = file->append(bytes);
    if (file) {
        const Status closed = file->close();
        if (s)
            s = closed;
    }
    return s;
}

Message nothingToDo(const QString& text)
{
    return Message{text, QStringLiteral("Nothing to do!"), Message::Icon::Warning};
}

} // namespace

QString macroPlayDate(const QString& dateBoxText, const QString& dataFileName)
{
    const QString year = QFileInfo(dataFileName).fileName().mid(2, 2);
    return (dateBoxText + QLatin1Char('-') + year).leftJustified(LedgerEntry::kDateSize, u' ', true);
}

std::optional<Message> checkPlayDate(const QString& playDate, QChar flag, int activeYear)
{
    if (isValidDate(playDate, flag, activeYear))
        return std::nullopt;
    return Message{QStringLiteral("Invalid Date - ") + playDate, QStringLiteral("Operation Aborted"),
                   Message::Icon::Warning};
}

Message selectMacroFileMessage() { return nothingToDo(QStringLiteral("Please select a macro file")); }

Message macroNameMissingMessage()
{
    return nothingToDo(QStringLiteral("Please provide a file name with no extension."));
}

Message playMacroQuestion()
{
    return Message{QStringLiteral("Play macro file?"), QStringLiteral("Confirm"), Message::Icon::Question};
}

namespace {

// Checks the entries of the macro lines and inserts the accepted ones.
void insertMacroEntries(Env& env, const QByteArray& records, const QString& playDate,
                        const QString& dataFile, QChar flag, MacroPlayOutcome& out)
{
    std::vector<LedgerEntry> accepted;
    for (const MacroEntry& m : readMacroEntries(records)) {
        if (!m.amount) {
            out.refused.push_back(invalidAmountMessage(m.amountText));
            continue;
        }
        LedgerEntry e;
        e.setDate(playDate);
        e.code = m.code;
        e.amount = *m.amount;
        e.note = m.note;
        if (std::optional<Message> refusal = checkEntry(e, flag, yearOfDataFile(dataFile))) {
            out.refused.push_back(std::move(*refusal));
            continue;
        }
        accepted.push_back(e);
    }
    if (accepted.empty())
        return;

    Result<QByteArray> old = readRecordFile(env, dataFile);
    if (!old) {
        out.status = old.status();
        return;
    }
    out.status = writeFileSafely(env, resolveFileName(env, dataFile),
                                 insertManyInOrder(*old, accepted, flag.toLatin1()));
    if (out.status)
        out.inserted = qsizetype(accepted.size());
}

} // namespace

MacroPlayOutcome playMacroFile(Env& env, const QString& macroFile, const QString& playDate,
                               const QString& dataFile, QChar flag)
{
    MacroPlayOutcome out;
    QByteArray macroBytes;
    out.status = env.readFile(resolveFileName(env, macroFile), &macroBytes, false);
    if (!out.status)
        return out;

    // The data lines go through the work file as 80-byte macro lines; it is
    // cleared first, so nothing an interrupted play left behind counts.
    const QString workFile = besideFile(dataFile, kMacroWorkName);
    QByteArray records;
    out.status = writeWorkFile(env, workFile, macroLineRecords(macroBytes));
    if (out.status)
        out.status = env.readFile(workFile, &records, false);
    if (!out.status)
        out.status = Status::ioError(macroFile, out.status.reason());   // the file the user played
    if (out.status)
        insertMacroEntries(env, records, playDate, dataFile, flag, out);
    env.removeFile(workFile);
    return out;
}

} // namespace cw
