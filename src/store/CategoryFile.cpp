#include "CategoryFile.h"

#include "store/RecordFile.h"

namespace cw {

CategoryFile::CategoryFile(QString name, Env* env) : name_(std::move(name)), env_(env) {}

Result<std::vector<CategoryRecord>> CategoryFile::readAll() const
{
    return readRecords<CategoryRecord>(*env_, name_);
}

Status CategoryFile::writeAll(const std::vector<CategoryRecord>& categories, const QString& workName) const
{
    return writeRecords(*env_, name_, categories, workName);
}

std::optional<QString> CategoryFile::nameFor(const std::vector<CategoryRecord>& categories, const QString& code)
{
    CategoryRecord probe;
    probe.setCode(code);
    for (const CategoryRecord& c : categories)
        if (c.code == probe.code)
            return c.nameText();
    return std::nullopt;
}

} // namespace cw
