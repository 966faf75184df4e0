#pragma once
// The data file sorter: puts a year data file back into descending key
// order with passes of adjacent exchanges (a pair is exchanged only when the
// first key is smaller), N passes for N records.

#include "store/Env.h"

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace cw {

// The records after `passes` complete passes; whole records only, trailing
// bytes kept as they are. N - 1 or more passes give the stable descending
// order; fewer are computed in one sweep with a heap of passes + 1 records
// (after k passes each place holds the first, in key order, of the records
// still waiting among the next k + 1).
QByteArray sortedAfterPasses(QByteArrayView records, qsizetype passes, char flag);

struct SortRun {
    qsizetype records = 0;      // N
    qsizetype passesDone = 0;   // N unless stopped
    bool written = false;       // false when the order was already right or nothing ran
};

// Called before a pass with its number (1 to N) and N; returning false stops
// the run there, and that pass makes no comparison.
using BeforePass = std::function<bool(qsizetype pass, qsizetype total)>;

// Sorts the year data file. `beforePass` is called at most about `steps`
// times, for pass 1 and then for passes spread evenly up to N; the passes
// between two calls count as done. The result, what the completed passes
// give, replaces the file through the safe rewrite when it differs.
Result<SortRun> sortMainFile(Env& env, const QString& dataFile, char flag,
                             const BeforePass& beforePass = {}, qsizetype steps = 100);

} // namespace cw
