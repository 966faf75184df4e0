#include "Status.h"

#include <cstring>

namespace cw {

Status Status::fromErrno(const QString& file, int err)
{
    return ioError(file, QString::fromLocal8Bit(std::strerror(err)));
}

QString Status::toString() const
{
    if (isOk())
        return QString();
    const QString text = file_.isEmpty() ? reason_ : file_ + QStringLiteral(": ") + reason_;
    if (landed_)
        return text + QStringLiteral("\nThe change was made, but may not be safe on disk yet.");
    return text;
}

} // namespace cw
