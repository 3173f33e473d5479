// The order of the rows of a table file written with a change log (by another program), at
// three sizes: a table whose every row was changed once, and one whose change chains meet (many
// rows replaced by one row that then changed many times), the worst shape a damaged or hostile
// file can have.

#include "data/CdsChangeLog.h"
#include "data/CdsFormat.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace quillby::bench {
namespace {

struct Log {
    std::vector<std::uint8_t> status;
    std::vector<std::uint32_t> entries; // triples: new version, replaced row, kind; 1-based
};

// `rows` rows, each followed by its changed version.
Log everyRowChangedOnce(std::uint32_t rows) {
    Log log;
    for (std::uint32_t r = 1; r <= rows; ++r) {
        log.status.push_back(cds::kRowOriginal);
        log.status.push_back(0);
        log.entries.insert(log.entries.end(), {2 * r, 2 * r - 1, cds::kChangeModify});
    }
    return log;
}

// Rows 1 to `rows` all replaced by row rows + 1, which then changed `rows` times.
Log chainsThatMeet(std::uint32_t rows) {
    Log log;
    log.status.assign(2 * static_cast<std::size_t>(rows), cds::kRowOriginal);
    log.status.back() = 0;
    for (std::uint32_t r = 1; r <= rows; ++r) {
        log.entries.insert(log.entries.end(), {rows + 1, r, cds::kChangeModify});
    }
    for (std::uint32_t r = rows + 1; r < 2 * rows; ++r) {
        log.entries.insert(log.entries.end(), {r + 1, r, cds::kChangeModify});
    }
    return log;
}

void ChangeLogOrder(benchmark::State& state) {
    const auto rows = static_cast<std::uint32_t>(state.range(0));
    const Log log = state.range(1) == 0 ? everyRowChangedOnce(rows) : chainsThatMeet(rows);
    std::size_t shown = 0;
    for (auto _ : state) {
        shown = cds::visibleRows(log.status, log.entries, "'bench.cds'").size();
    }
    state.counters["stored_rows"] = static_cast<double>(log.status.size());
    state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK(ChangeLogOrder)
    ->ArgNames({"rows", "meeting"})
    ->Args({250'000, 0})
    ->Args({500'000, 0})
    ->Args({1'000'000, 0})
    ->Args({5'000, 1})
    ->Args({10'000, 1})
    ->Args({20'000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench
