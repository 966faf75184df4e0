#include "CommaExport.h"

#include "store/Blanks.h"
#include "store/DateRules.h"
#include "store/FileNames.h"
#include "store/MonthNames.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"
#include "store/Win1252.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <array>

namespace cw {

namespace {

// The amount piece, written into `out` in the code page's bytes.
void appendAmount(QByteArray& out, Money amount, char point)
{
    const bool negative = amount < 0;
    const auto units = negative ? 0 - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    const quint64 whole = units / quint64(kMoneyScale);
    quint64 fraction = units % quint64(kMoneyScale);

    out.append(negative ? '-' : ' ');
    if (whole != 0 || fraction == 0)
        out.append(QByteArray::number(whole));
    if (fraction != 0) {
        char digits[4];
        int used = 4;
        for (int i = 3; i >= 0; --i, fraction /= 10)
            digits[i] = char('0' + fraction % 10);
        while (digits[used - 1] == '0')
            --used;
        out.append(point);
        out.append(digits, used);
    }
    out.append(' ');
}

void appendLine(QByteArray& out, const LedgerEntry& entry, const QByteArray& year, char point)
{
    out.append('"');
    out.append(entry.date.data(), 6);
    out.append(year);
    out.append("\",\"");
    out.append(entry.code.data(), LedgerEntry::kCodeSize);
    out.append("\",\"");
    appendAmount(out, entry.amount, point);
    out.append("\",\"");
    const qsizetype noteAt = out.size();
    out.append(entry.note.data(), LedgerEntry::kNoteSize);
    std::replace(out.begin() + noteAt, out.end(), '"', ' ');
    out.append("\"\r\n");
}

char codePageByte(QChar c) { return toWin1252(QString(c)).at(0); }

} // namespace

QString exportAmountText(Money amount, QChar decimalPoint)
{
    QByteArray text;
    appendAmount(text, amount, codePageByte(decimalPoint));
    return fromWin1252(text);
}

QByteArray exportLine(const LedgerEntry& entry, const QString& yearText, QChar decimalPoint)
{
    QByteArray line;
    appendLine(line, entry, toWin1252(yearText), codePageByte(decimalPoint));
    return line;
}

QByteArray exportLines(const std::vector<LedgerEntry>& entries, const std::vector<CategoryRecord>& selection,
                       const ExportRange& range, qsizetype* lineCount)
{
    // How many selection records carry each two-byte code.
    auto codeIndex = [](const std::array<char, 2>& c) {
        return size_t(static_cast<unsigned char>(c[0])) << 8 | static_cast<unsigned char>(c[1]);
    };
    std::vector<quint32> times(1 << 16, 0);
    for (const CategoryRecord& c : selection)
        ++times[codeIndex(c.code)];

    const QByteArray year = toWin1252(range.yearText);
    const char point = codePageByte(range.decimalPoint);
    QByteArray out;
    out.reserve(qsizetype(entries.size()) * 90);   // about one line per entry
    qsizetype lines = 0;
    // Entries of one date stand together: the month is read once per date.
    std::array<char, LedgerEntry::kDateSize> lastDate{};
    int month = monthOf(QString::fromLatin1(lastDate.data(), lastDate.size()), range.flag);
    for (const LedgerEntry& e : entries) {
        const quint32 n = times[codeIndex(e.code)];
        if (n == 0)
            continue;
        if (e.date != lastDate) {
            lastDate = e.date;
            month = monthOf(e.dateText(), range.flag);
        }
        if (month < range.startMonth || month > range.endMonth)
            continue;
        for (quint32 i = 0; i < n; ++i)
            appendLine(out, e, year, point);
        lines += n;
    }
    if (lineCount)
        *lineCount = lines;
    return out;
}

QString exportYearText(const QString& dataFile) { return QFileInfo(dataFile).fileName().left(4); }

QString exportRangeText(int startMonth, int endMonth, const QString& yearText, qsizetype chosenCategories)
{
    return monthName(startMonth) + QStringLiteral(" through ") + monthName(endMonth) + QStringLiteral(", ")
        + yearText + QStringLiteral("; ") + QString::number(std::max<qsizetype>(0, chosenCategories))
        + QStringLiteral(" categories.");
}

QString exportTargetPath(const QString& folder, const QString& fileName)
{
    const QString trimmed = trimBlanks(folder);
    return trimmed.endsWith(u'/') ? folder + fileName : folder + u'/' + fileName;
}

namespace {

Status checkTargetName(const QString& target)
{
    if (QFileInfo(target).fileName().isEmpty())
        return Status::ioError(target, QStringLiteral("No export file name was given"));
    return Status::ok();
}

} // namespace

std::optional<Message> refusedExportTarget(Env& env, const QString& target)
{
    const QString title = QStringLiteral("Data Export");
    if (isLedgerFileName(target))
        return Message{QStringLiteral("This file belongs to the ledger; choose another name."), title,
                       Message::Icon::Warning};
    FileStat st;
    if (env.statFile(target, &st) && st.kind == FileStat::Kind::Link)
        return Message{target + QStringLiteral(" is a link to another file; choose another name."), title,
                       Message::Icon::Warning};
    return std::nullopt;
}

Result<bool> exportTargetHoldsData(Env& env, const QString& target)
{
    if (Status s = checkTargetName(target); !s)
        return s;
    if (!env.fileExists(target))
        return false;
    QByteArray bytes;
    Status s = env.readFile(target, &bytes, false);
    if (!s)
        return s;
    return !bytes.isEmpty();
}

Result<qsizetype> commafile(Env& env, const QString& target, const QString& dataFile,
                            const QString& selectionFile, int startMonth, int endMonth, QChar flag)
{
    if (Status s = checkTargetName(target); !s)
        return s;
    if (const std::optional<Message> refused = refusedExportTarget(env, target))
        return Status::ioError(target, refused->text);
    // The selection is the report's work file: a failure is told on the target.
    Result<std::vector<CategoryRecord>> selection = readRecords<CategoryRecord>(env, selectionFile);
    if (!selection)
        return Status::ioError(target, QStringLiteral("The chosen categories could not be read: ")
                                           + selection.status().reason());
    Result<std::vector<LedgerEntry>> entries = readRecords<LedgerEntry>(env, dataFile);
    if (!entries)
        return entries.status();

    QByteArray bytes;
    if (env.fileExists(target)) {
        Status s = env.readFile(target, &bytes, false);
        if (!s)
            return s;
    }
    const ExportRange range{startMonth, endMonth, flag, exportYearText(dataFile), QLocale().decimalPoint().at(0)};
    qsizetype lines = 0;
    bytes.append(exportLines(*entries, *selection, range, &lines));
    if (Status s = writeFileSafely(env, target, bytes); !s)
        return Status::ioError(target, s.reason());
    return lines;
}

Message selectCategoriesFirstMessage()
{
    return Message{QStringLiteral("You must select categories first!"), kProgramTitle, Message::Icon::None};
}

Message appendExportQuestion(const QString& target)
{
    return Message{target + QStringLiteral(" already exists!\nDo you wish to append this data to it?"),
                   QStringLiteral("Confirm"), Message::Icon::Question};
}

Message exportFinishedMessage(const QString& target)
{
    return Message{QStringLiteral("Finished! Import the comma-delimited text file:\n") + target
                       + QStringLiteral("\ninto your spreadsheet program."),
                   kProgramTitle, Message::Icon::None};
}

} // namespace cw
