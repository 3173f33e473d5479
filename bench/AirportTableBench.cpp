// The airport list up to the largest a user can have, 30,000 rows, at a quarter, a half and the
// whole of it: loading Airport.cds (with its memory) and ordering it by name, as the start-up
// does before the airport choosers show it.

#include "BenchSupport.h"
#include "GeneratedInputs.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Dataset.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace quillby::bench {
namespace {

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgName("rows");
    for (const std::size_t rows : kAirportRows) {
        b->Arg(static_cast<std::int64_t>(rows));
    }
    b->Unit(benchmark::kMicrosecond);
}

void LoadAirportTable(benchmark::State& state) {
    const AirportList& list = airportList(static_cast<std::size_t>(state.range(0)));
    // The memory of one load, measured apart from the timed ones.
    const double before = residentBytes();
    std::optional<Table> first = readTableFile(list.file);
    const double residentGrowth = residentBytes() - before;
    const std::size_t memory = first->memoryUsage();
    first.reset();
    for (auto _ : state) {
        const Table table = readTableFile(list.file);
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(list.file)) / 1e6;
    state.counters["table_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["rss_growth_MB"] = residentGrowth / 1e6;
}
BENCHMARK(LoadAirportTable)->Apply(sizes);

// The table opened and its view ordered by name (the table is copied in untimed).
void OrderAirportsByName(benchmark::State& state) {
    const AirportList& list = airportList(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Table table = list.generated.table;
        Dataset airports;
        state.ResumeTiming();
        airports.open(std::move(table));
        airports.setIndexFieldNames(std::string(airportTable::kDescription));
        benchmark::DoNotOptimize(airports.rowAt(0));
    }
}
BENCHMARK(OrderAirportsByName)->Apply(sizes);

} // namespace
} // namespace quillby::bench
