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

} // namespace cw
