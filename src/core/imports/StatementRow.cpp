#include "StatementRow.h"

namespace cw {

QString StatementRow::note() const
{
    if (exactNote)
        return payee;
    const QString p = payee.trimmed();
    const QString m = memo.trimmed();
    if (m.isEmpty() || m == p)
        return p;
    if (p.isEmpty())
        return m;
    return p + u' ' + m;
}

std::optional<StatementFailure> binaryDataFailure(QByteArrayView bytes)
{
    auto at = [&](qsizetype i) {
        return StatementFailure{int(bytes.first(i).count('\n')) + 1, QStringLiteral("binary data, not a statement")};
    };
    const qsizetype scanned = qMin<qsizetype>(bytes.size(), 64 * 1024);
    for (qsizetype i = 0; i < scanned; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool text = c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0x1A;
        if (!text || c == 0x7F)
            return at(i);
    }
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        return at(nul);
    return std::nullopt;
}

} // namespace cw
