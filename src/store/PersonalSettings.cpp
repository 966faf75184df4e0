#include "PersonalSettings.h"

#include "store/FileNames.h"
#include "store/SafeWrite.h"

#include <cstring>

namespace cw {
namespace {

using namespace PersonalRecordCodec;

Status writeRecordInto(Env& env, const QString& name, QByteArray bytes, const PersonalRecord& record)
{
    if (bytes.size() < kSize)
        bytes.resize(kSize);
    encode(record, bytes.data());
    return writeFileSafely(env, name, bytes);
}

} // namespace

Result<PersonalRecord> loadOrCreatePersonal(Env& env, const QDate& today)
{
    const QString name = resolveFileName(env, kPersonalFileName);
    QByteArray bytes;
    Status s = env.readFile(name, &bytes, true);
    if (!s)
        return s;
    QByteArray full(kSize, Qt::Uninitialized);
    encode(PersonalRecord::creationValues(today), full.data());
    std::memcpy(full.data(), bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), kSize)));
    PersonalRecord record = decode(full.constData());
    record.setLastStartDate(today);
    // A read-only settings file is read, and the date is not written.
    if (!checkWritable(env, name))
        return record;
    s = writeRecordInto(env, name, bytes, record);
    if (!s)
        return s;
    return record;
}

Status savePersonal(Env& env, const PersonalRecord& record)
{
    const QString name = resolveFileName(env, kPersonalFileName);
    QByteArray bytes;
    Status s = env.readFile(name, &bytes, true);
    if (!s)
        return s;
    return writeRecordInto(env, name, bytes, record);
}

} // namespace cw
