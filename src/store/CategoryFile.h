#pragma once
// A year category file: categories in file order.

#include "store/CategoryRecord.h"
#include "store/Env.h"

#include <optional>
#include <vector>

namespace cw {

class CategoryFile {
public:
    explicit CategoryFile(QString name, Env* env = Env::current());

    const QString& name() const { return name_; }
    Result<std::vector<CategoryRecord>> readAll() const;
    Status writeAll(const std::vector<CategoryRecord>& categories, const QString& workName = QString()) const;

    // The stored name of the first category whose code equals `code` exactly
    // (both as two characters), or nullopt.
    static std::optional<QString> nameFor(const std::vector<CategoryRecord>& categories, const QString& code);

private:
    QString name_;
    Env* env_;
};

} // namespace cw
