// What follows Convert > FlightPlan, on the flight tables that imports of a quarter, a half and
// the whole of the largest FlightPlans.TXT make: loading flight.cds (with its memory), and the
// board's query of one airport and weekday (filter, then order by time) on it, with and without
// a grid that reads the view's row count at every change as the window's grid does.

#include "BenchSupport.h"
#include "GeneratedInputs.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "view/FlightPlansLoad.h"
#include "view/TimetableQuery.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace quillby::bench {
namespace {

void LoadImportedFlightTable(benchmark::State& state) {
    const ImportedFlights& imported = importedFlights(static_cast<std::size_t>(state.range(0)));
    // The memory of one load, measured apart: the readings free memory, which the loop should
    // not time.
    const double before = residentBytes();
    std::optional<Table> first = readTableFile(imported.file);
    const double residentGrowth = residentBytes() - before;
    const std::size_t memory = first->memoryUsage();
    first.reset();
    for (auto _ : state) {
        const Table table = readTableFile(imported.file);
        benchmark::DoNotOptimize(table.rowCount());
    }
    const auto fileSize = static_cast<double>(std::filesystem::file_size(imported.file));
    state.counters["rows"] = static_cast<double>(imported.rows);
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["table_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["table_B/row"] =
        static_cast<double>(memory) / static_cast<double>(imported.rows);
    state.counters["rss_growth_MB"] = residentGrowth / 1e6;
}
BENCHMARK(LoadImportedFlightTable)
    ->ArgName("lines")
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[0]))
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[1]))
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[2]))
    ->Unit(benchmark::kMillisecond);

// File > Load FlighPlans: the table read and opened, ordered by departure time, and the view
// worked out for a grid; the view settings of an earlier load and query stay. `queried` 1: an
// airport was chosen before (the view is that airport's rows); 0: none was (the view is every
// row, ordered).
void LoadFlightPlansForBoard(benchmark::State& state) {
    const ImportedFlights& imported = importedFlights(static_cast<std::size_t>(state.range(0)));
    Dataset flights;
    std::size_t notifications = 0;
    flights.addViewChangedHandler([&flights, &notifications] {
        ++notifications;
        benchmark::DoNotOptimize(flights.rowCount());
    });
    if (state.range(1) != 0) {
        applyTimetableQuery(buildTimetableQuery({"name", imported.busiest[0]}, 0, "3"), flights,
                            [](Direction) {});
    }
    for (auto _ : state) {
        notifications = 0;
        loadFlightPlans(flights, imported.file);
    }
    state.counters["rows_shown"] = static_cast<double>(flights.rowCount());
    state.counters["views_per_load"] = static_cast<double>(notifications);
}
BENCHMARK(LoadFlightPlansForBoard)
    ->ArgNames({"lines", "queried"})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[0]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[1]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[2]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[0]), 0})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[1]), 0})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[2]), 0})
    ->Unit(benchmark::kMillisecond);

// Choosing another airport: the query applied as the window applies it. `grid` 1: a handler
// reads the row count at every change of the view, as the grid's model reset does.
void BoardQuery(benchmark::State& state) {
    const ImportedFlights& imported = importedFlights(static_cast<std::size_t>(state.range(0)));
    const bool grid = state.range(1) != 0;
    Dataset flights;
    std::size_t notifications = 0;
    if (grid) {
        flights.addViewChangedHandler([&flights, &notifications] {
            ++notifications;
            benchmark::DoNotOptimize(flights.rowCount());
        });
    }
    loadFlightPlans(flights, imported.file);
    notifications = 0;
    std::size_t choice = 0;
    std::size_t shown = 0;
    std::size_t queries = 0;
    for (auto _ : state) {
        const std::string& code = imported.busiest[choice++ % imported.busiest.size()];
        applyTimetableQuery(buildTimetableQuery({"name", code}, 0, "3"), flights, [](Direction) {});
        shown = flights.rowCount();
        ++queries;
        benchmark::DoNotOptimize(shown);
    }
    state.counters["rows"] = static_cast<double>(imported.rows);
    state.counters["rows_shown"] = static_cast<double>(shown);
    if (grid) {
        // Each of these worked out the view anew.
        state.counters["views_per_query"] = static_cast<double>(notifications) /
                                            static_cast<double>(std::max<std::size_t>(queries, 1));
    }
}
BENCHMARK(BoardQuery)
    ->ArgNames({"lines", "grid"})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[0]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[1]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[2]), 1})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[2]), 0})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench
