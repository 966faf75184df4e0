// "PERSONAL.DAT" of any bytes: loaded, completed and rewritten. The bytes it
// has are kept (but the last start date), missing ones take the creation
// values, bytes past the record stay; a save of the loaded record changes
// nothing and a second load reads the same record.

#include "FuzzSupport.h"
#include "store/FileNames.h"
#include "store/PersonalSettings.h"

#include <cstring>

namespace {

using namespace cw::PersonalRecordCodec;

const QDate kToday(2024, 2, 29);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static cwfuzz::FastEnv env;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    cwfuzz::writeBytes(cw::kPersonalFileName, bytes);

    cw::Result<cw::PersonalRecord> loaded = cw::loadOrCreatePersonal(env, kToday);
    FUZZ_CHECK(loaded.isOk());

    QByteArray expected(kSize, Qt::Uninitialized);
    encode(cw::PersonalRecord::creationValues(kToday), expected.data());
    std::memcpy(expected.data(), bytes.constData(), size_t(qMin<qsizetype>(bytes.size(), kSize)));
    std::memcpy(expected.data() + kLastStartDateOffset, "02-29-2024", 10);
    expected.append(bytes.mid(kSize));
    const QByteArray stored = cwfuzz::readBytes(cw::kPersonalFileName);
    FUZZ_CHECK(stored == expected);
    FUZZ_CHECK(*loaded == decode(expected.constData()));

    (void)loaded->userNameText();
    (void)loaded->dateFormatFlag();

    FUZZ_CHECK(cw::savePersonal(env, *loaded).isOk());
    FUZZ_CHECK(cwfuzz::readBytes(cw::kPersonalFileName) == expected);

    cw::Result<cw::PersonalRecord> again = cw::loadOrCreatePersonal(env, kToday);
    FUZZ_CHECK(again.isOk() && *again == *loaded);
    FUZZ_CHECK(cwfuzz::readBytes(cw::kPersonalFileName) == expected);
    return 0;
}
