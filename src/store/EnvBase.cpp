#include "store/Env.h"

namespace cw {

Status Env::readFileInChunks(const QString& path, bool createIfMissing, const ChunkSink& sink)
{
    QByteArray bytes;
    Status s = readFile(path, &bytes, createIfMissing);
    if (s && !bytes.isEmpty())
        sink(bytes, bytes.size());
    return s;
}

Status Env::mapFile(const QString& path, bool createIfMissing, FileContents* out)
{
    QByteArray bytes;
    Status s = readFile(path, &bytes, createIfMissing);
    *out = FileContents(s ? std::move(bytes) : QByteArray());
    return s;
}

} // namespace cw
