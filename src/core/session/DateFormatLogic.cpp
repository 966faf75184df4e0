#include "DateFormatLogic.h"

#include "store/FileContents.h"
#include "store/FileNames.h"
#include "store/LedgerEntry.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"

namespace cw {
namespace {

QString formatName(QChar flag) { return flag == u'E' ? QStringLiteral("DD-MM-YY") : QStringLiteral("MM-DD-YY"); }

} // namespace

std::optional<QChar> otherDateFlag(QChar flag)
{
    if (flag == u'A')
        return QChar(u'E');
    if (flag == u'E')
        return QChar(u'A');
    return std::nullopt;
}

Message dateFormatQuestion(QChar flag)
{
    const QChar other = otherDateFlag(flag).value_or(u'A');
    return {QStringLiteral("Current date format is ") + formatName(flag) + QStringLiteral("\nChange to ")
                + formatName(other) + QStringLiteral(" ?"),
            QStringLiteral("Change Date Format"), Message::Icon::Question};
}

Message dateFormatSetMessage(QChar newFlag)
{
    return {QStringLiteral("Date format set to ") + formatName(newFlag) + QStringLiteral(" (") + newFlag
                + QStringLiteral(")"),
            kProgramTitle, Message::Icon::None};
}

Message dateConvertQuestion()
{
    return {QStringLiteral("Swap place of month and day in this year's data?"),
            QStringLiteral("Convert date format of existing records"), Message::Icon::Question};
}

void swapMonthAndDay(QByteArray& records)
{
    const qsizetype n = recordCount<LedgerEntry>(records);
    char* data = records.data();
    for (qsizetype i = 0; i < n; ++i) {
        char* date = data + i * LedgerEntryCodec::kSize + LedgerEntryCodec::kDateOffset;
        std::swap(date[0], date[3]);
        std::swap(date[1], date[4]);
        date[2] = '-';
        date[5] = '-';
    }
}

Result<bool> yearHoldsEntries(Env& env, const QString& dataFileName)
{
    FileContents contents;
    if (Status s = env.mapFile(resolveFileName(env, dataFileName), true, &contents); !s)
        return s;
    return contents.size() >= LedgerEntryCodec::kSize;
}

Status convertDataFileDates(Env& env, const QString& dataFileName)
{
    Result<QByteArray> bytes = readRecordFile(env, dataFileName);
    if (!bytes)
        return bytes.status();
    if (recordCount<LedgerEntry>(*bytes) == 0)
        return Status::ok();
    swapMonthAndDay(*bytes);
    return writeFileSafely(env, resolveFileName(env, dataFileName), *bytes);
}

} // namespace cw
