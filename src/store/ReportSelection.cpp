#include "ReportSelection.h"

#include "store/FileNames.h"
#include "store/RecordFile.h"

#include <QFileInfo>
#include <algorithm>

namespace cw {

Status makeRepCatFile(Env& env, const std::vector<CategoryRecord>& chosen, const QString& name)
{
    std::vector<CategoryRecord> records;
    records.reserve(chosen.size() + 1);
    records.push_back(CategoryRecord{});   // the unwritten record: zero bytes
    records.insert(records.end(), chosen.begin(), chosen.end());
    // A work file, removed after the report: made afresh (never through a
    // link planted at its name), not flushed.
    std::unique_ptr<WritableFile> file;
    Status s = env.newWritableFile(resolveFileName(env, name), &file);
    if (s)
        s = file->append(encodeRecords(records));
    if (file) {
        const Status closed = file->close();
        if (s)
            s = closed;
    }
    // Told on the folder that would not take it, never on the work file.
    return s ? s : Status::ioError(QFileInfo(name).absolutePath(), s.reason());
}

qsizetype chosenCategoryCount(Env& env, const QString& name)
{
    QByteArray bytes;
    if (!env.readFile(resolveFileName(env, name), &bytes, false))
        return 0;
    return std::max<qsizetype>(0, recordCount<CategoryRecord>(bytes) - 1);
}

Result<std::vector<CategoryRecord>> readReportSelection(Env& env, const QString& name)
{
    return readRecords<CategoryRecord>(env, name);
}

} // namespace cw
