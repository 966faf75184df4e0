#include "PersonalOptions.h"

#include "store/Blanks.h"
#include "store/FileNames.h"
#include "store/PersonalSettings.h"

#include <QByteArray>
#include <cstring>

namespace cw {

using namespace PersonalRecordCodec;

Result<PersonalRecord> readStoredPersonal(Env& env, const PersonalRecord& loaded)
{
    QByteArray bytes;
    if (Status s = env.readFile(resolveFileName(env, kPersonalFileName), &bytes, true); !s)
        return s;
    QByteArray full(kSize, Qt::Uninitialized);
    encode(loaded, full.data());
    std::memcpy(full.data(), bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), kSize)));
    return decode(full.constData());
}

Result<PersonalRecord> changePersonal(Env& env, const PersonalRecord& loaded,
                                      const std::function<void(PersonalRecord&)>& change)
{
    Result<PersonalRecord> record = readStoredPersonal(env, loaded);
    if (!record)
        return record;
    change(*record);
    if (Status s = savePersonal(env, *record); !s)
        return s;
    return record;
}

void followStoredPersonal(Env& env, ProgramState& state)
{
    if (Result<PersonalRecord> stored = readStoredPersonal(env, state.personal))
        state.takeSettings(*stored);
}

std::optional<QString> userNameFromAnswer(const QString& answer)
{
    QString name;
    name.reserve(answer.size());
    for (QChar ch : answer)
        if (ch.category() != QChar::Other_Control)
            name.append(ch);
    if (name.isEmpty())
        return std::nullopt;
    return name.leftJustified(kUserNameSize, u' ', true);
}

PasscodeChoice passcodeFromAnswer(const QString& answer)
{
    const QString code = trimBlanks(answer.left(4).toUpper());
    for (QChar ch : code)
        if (ch < u'0' || ch > u'9')
            return {std::nullopt, {QStringLiteral("Bad Code! Try again..."), kProgramTitle, Message::Icon::None}};
    // At most four digits: the number always fits.
    const auto number = std::int16_t(code.isEmpty() ? 0 : code.toInt());
    return {number,
            {QStringLiteral("Your passcode is set to: ") + QString::number(number) + QStringLiteral("\nDont't forget!"),
             kProgramTitle, Message::Icon::None}};
}

} // namespace cw
