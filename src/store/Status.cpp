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
    return file_.isEmpty() ? reason_ : file_ + QStringLiteral(": ") + reason_;
}

} // namespace cw
