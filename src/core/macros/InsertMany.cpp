#include "InsertMany.h"

#include "store/SortKey.h"

#include <algorithm>

namespace cw {
namespace {

constexpr int kSize = LedgerEntryCodec::kSize;

struct Placed {
    qsizetype gap;   // goes in front of this old record (n: at the end)
    double key;
    size_t order;    // place in `entries`
};

} // namespace

QByteArray insertManyInOrder(QByteArrayView records, const std::vector<LedgerEntry>& entries, char flag)
{
    const qsizetype n = records.size() / kSize;
    if (entries.empty())
        return records.toByteArray();

    std::vector<Placed> placed(entries.size());
    double lowest = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        placed[i] = {n, ledgerSortKey(entries[i], flag), i};
        lowest = i == 0 ? placed[i].key : std::min(lowest, placed[i].key);
    }

    // A single insert stops at the first old record whose key is <= its own,
    // i.e. where the running minimum of the old keys first reaches it. Earlier
    // new entries never catch a later one sooner: those in front of it have
    // larger keys. Old keys are read only as far as the lowest new key needs.
    std::vector<double> runningMin;
    for (qsizetype i = 0; i < n; ++i) {
        const double k = ledgerSortKey(LedgerEntryCodec::decode(records.data() + i * kSize), flag);
        runningMin.push_back(i == 0 ? k : std::min(runningMin.back(), k));
        if (runningMin.back() <= lowest)
            break;
    }
    for (Placed& p : placed) {
        const auto at = std::partition_point(runningMin.begin(), runningMin.end(),
                                             [&](double m) { return m > p.key; });
        p.gap = at - runningMin.begin();   // past the end only when every old key was read
    }

    // Within one gap the new entries stand in descending key order, a later
    // one before an earlier one of equal key.
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.gap != b.gap)
            return a.gap < b.gap;
        if (a.key != b.key)
            return a.key > b.key;
        return a.order > b.order;
    });

    QByteArray out;
    out.reserve((n + qsizetype(entries.size())) * kSize);
    qsizetype copied = 0;
    char record[kSize];
    for (const Placed& p : placed) {
        out.append(records.data() + copied * kSize, (p.gap - copied) * kSize);
        copied = p.gap;
        LedgerEntryCodec::encode(entries[p.order], record);
        out.append(record, kSize);
    }
    out.append(records.data() + copied * kSize, (n - copied) * kSize);
    return out;
}

} // namespace cw
