#include "YearSwitch.h"

#include "store/FileNames.h"
#include "store/SafeWrite.h"

namespace cw {

YearSwitch::YearSwitch(const QString& year, const ProgramState& state)
    : year_(year), categoryFile_(categoryFileName(year)), previousCategoryFile_(state.categoryFileName)
{
}

Result<bool> YearSwitch::categoriesMissing(Env& env) const
{
    const QString path = resolveFileName(env, categoryFile_);
    if (!env.fileExists(path))
        return true;
    QByteArray bytes;
    if (Status s = env.readFile(path, &bytes, false); !s)
        return s;
    return bytes.isEmpty();
}

Message YearSwitch::question() const
{
    return {QStringLiteral("There is no category file for ") + year_ + QStringLiteral("\nCopy over ")
                + previousCategoryFile_.left(4) + QStringLiteral("'s categories ?"),
            QStringLiteral("No categories!"), Message::Icon::Question};
}

Status YearSwitch::copyCategories(Env& env) const
{
    const QString from = resolveFileName(env, previousCategoryFile_);
    const QString to = resolveFileName(env, categoryFile_);
    if (from == to || !env.fileExists(from))
        return Status::ok();
    QByteArray bytes;
    if (Status s = env.readFile(from, &bytes, false); !s)
        return s;
    return writeFileSafely(env, to, bytes);
}

} // namespace cw
