// A year category file of any bytes: read whole and in pieces, names looked
// up by code, a rewrite that drops one code, and the records written back.

#include "FuzzSupport.h"
#include "store/CategoryFile.h"
#include "store/RecordFile.h"

namespace {

constexpr qsizetype kSize = cw::CategoryRecordCodec::kSize;
const QString kName = QStringLiteral("1998CATS.DAT");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static cwfuzz::FastEnv env;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype whole = bytes.size() / kSize * kSize;
    cwfuzz::writeBytes(kName, bytes);

    const std::vector<cw::CategoryRecord> expected = cw::decodeRecords<cw::CategoryRecord>(bytes);
    const cw::CategoryFile file(kName, &env);
    for (qsizetype piece : {qsizetype(1) << 20, 1 + qsizetype(size % 23)}) {
        env.setPiece(piece);
        cw::Result<std::vector<cw::CategoryRecord>> read = file.readAll();
        FUZZ_CHECK(read.isOk());
        FUZZ_CHECK(*read == expected);
    }

    // Each code finds the name of its first category.
    for (size_t i = 0; i < expected.size() && i < 16; ++i) {
        const std::optional<QString> name = cw::CategoryFile::nameFor(expected, expected[i].codeText());
        FUZZ_CHECK(name.has_value());
        size_t first = 0;
        while (expected[first].code != expected[i].code)
            ++first;
        FUZZ_CHECK(*name == expected[first].nameText());
    }
    (void)cw::CategoryFile::nameFor(expected, QString());
    (void)cw::CategoryFile::nameFor(expected, QStringLiteral("\u20ac"));

    // Dropping the first record's code keeps the others in order.
    if (!expected.empty()) {
        const auto dropped = expected.front().code;
        std::vector<cw::CategoryRecord> kept;
        for (const cw::CategoryRecord& c : expected)
            if (c.code != dropped)
                kept.push_back(c);
        cw::Result<qsizetype> gone = cw::rewriteKeeping<cw::CategoryRecord>(
            env, kName, QStringLiteral("tempcat.$$$"), [&](const cw::CategoryRecord& c) { return c.code != dropped; });
        FUZZ_CHECK(gone.isOk());
        FUZZ_CHECK(*gone == qsizetype(expected.size() - kept.size()));
        FUZZ_CHECK(cwfuzz::readBytes(kName) == cw::encodeRecords(kept));
        FUZZ_CHECK(!env.fileExists(QStringLiteral("tempcat.$$$")));
    }

    // Writing back what was read gives the whole records of the input.
    FUZZ_CHECK(file.writeAll(expected).isOk());
    FUZZ_CHECK(cwfuzz::readBytes(kName) == bytes.left(whole));
    return 0;
}
