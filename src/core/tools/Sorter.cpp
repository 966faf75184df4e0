#include "Sorter.h"

#include "store/FileNames.h"
#include "store/LedgerEntry.h"
#include "store/RecordFile.h"
#include "store/SafeWrite.h"
#include "store/SortKey.h"

#include <algorithm>
#include <queue>
#include <vector>

namespace cw {
namespace {

constexpr int kSize = LedgerEntryCodec::kSize;

struct Keyed {
    double key;
    quint32 index;
};

// The order the sorter leaves: higher key first; of equal keys, the one
// that stood first (no pass ever exchanges them).
bool goesFirst(const Keyed& a, const Keyed& b)
{
    return a.key != b.key ? a.key > b.key : a.index < b.index;
}

std::vector<Keyed> keyed(QByteArrayView records, qsizetype n, char flag)
{
    std::vector<Keyed> out(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        out[size_t(i)] = {ledgerSortKey(LedgerEntryCodec::decode(records.data() + i * kSize), flag), quint32(i)};
    return out;
}

// One pass carries the record that goes last so far to the right and leaves
// the other behind; k passes leave at each place the first of the k + 1
// records waiting there.
std::vector<Keyed> afterPasses(const std::vector<Keyed>& in, qsizetype passes)
{
    auto later = [](const Keyed& a, const Keyed& b) { return goesFirst(b, a); };
    std::priority_queue<Keyed, std::vector<Keyed>, decltype(later)> waiting(later);
    std::vector<Keyed> out;
    out.reserve(in.size());
    for (const Keyed& k : in) {
        waiting.push(k);
        if (qsizetype(waiting.size()) > passes) {
            out.push_back(waiting.top());
            waiting.pop();
        }
    }
    while (!waiting.empty()) {
        out.push_back(waiting.top());
        waiting.pop();
    }
    return out;
}

} // namespace

QByteArray sortedAfterPasses(QByteArrayView records, qsizetype passes, char flag)
{
    const qsizetype n = records.size() / kSize;
    if (passes <= 0 || n < 2)
        return records.toByteArray();

    std::vector<Keyed> order = keyed(records, n, flag);
    if (passes >= n - 1)
        std::sort(order.begin(), order.end(), goesFirst);
    else
        order = afterPasses(order, passes);

    QByteArray out(records.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (const Keyed& k : order)
        dst = std::copy_n(records.data() + qsizetype(k.index) * kSize, kSize, dst);
    std::copy(records.data() + n * kSize, records.data() + records.size(), dst);
    return out;
}

Result<SortRun> sortMainFile(Env& env, const QString& dataFile, char flag, const BeforePass& beforePass,
                             qsizetype steps)
{
    Result<QByteArray> bytes = readRecordFile(env, dataFile);
    if (!bytes)
        return bytes.status();

    SortRun run;
    run.records = bytes->size() / kSize;
    run.passesDone = run.records;
    const qsizetype step = std::max<qsizetype>(1, run.records / std::max<qsizetype>(1, steps));
    for (qsizetype pass = 1; beforePass && pass <= run.records;) {
        if (!beforePass(pass, run.records)) {
            run.passesDone = pass - 1;
            break;
        }
        if (pass == run.records)
            break;
        pass = std::min(run.records, pass == 1 ? std::max<qsizetype>(2, step) : pass + step);
    }

    const QByteArray sorted = sortedAfterPasses(*bytes, run.passesDone, flag);
    if (sorted == *bytes)
        return run;
    Status s = writeFileSafely(env, resolveFileName(env, dataFile), sorted);
    if (!s)
        return s;
    run.written = true;
    return run;
}

} // namespace cw
