// The flight plan import up to the largest traffic package, 200,000 lines of FlightPlans.TXT, at
// a quarter, a half and the whole of it: the lines turned into a flight table (without saving
// it), with the zone offset of central Europe in summer (every time is moved to local time) and
// with none (times are stored as written); and the whole command, which reads aircraft.cds and
// the file, imports and saves flight.cds.

#include "GeneratedInputs.h"
#include "import/ConvertFlightPlans.h"
#include "import/FlightPlanImport.h"

#include <benchmark/benchmark.h>

namespace quillby::bench {
namespace {

void flightPlanImport(benchmark::State& state) {
    const GeneratedFlightPlans& input = flightPlans(static_cast<std::size_t>(state.range(0)));
    const TextLines lines(input.text);
    const int zoneOffset = static_cast<int>(state.range(1));
    std::size_t rows = 0;
    std::size_t memory = 0;
    for (auto _ : state) {
        NoProgress progress;
        const Table table = importFlightPlans(input.aircraft, &input.airports, lines,
                                              "FlightPlans.TXT", zoneOffset, progress);
        rows = table.rowCount();
        memory = table.memoryUsage();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["table_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["text_MB"] = static_cast<double>(input.text.size()) / 1e6;
}
BENCHMARK(flightPlanImport)
    ->ArgNames({"lines", "zoneOffset"})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[0]), -2})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[1]), -2})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[2]), -2})
    ->Args({static_cast<std::int64_t>(kFlightPlanLines[1]), 0})
    ->Unit(benchmark::kMillisecond);

// Convert > FlightPlan as a whole, the airport table already open.
void convertFlightPlansCommand(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    const FlightPlanFilesOnDisk& input = flightPlanFiles(lines);
    const Table& airports = flightPlans(lines).airports;
    const FlightPlanFiles files{input.aircraft, input.aircraft.parent_path() / "flight.cds"};
    std::size_t rows = 0;
    for (auto _ : state) {
        NoProgress progress;
        rows = convertFlightPlans(
                   files, &airports, -2, [&input] { return input.flightPlans; }, progress)
                   ->rows;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(files.flights)) / 1e6;
}
BENCHMARK(convertFlightPlansCommand)
    ->ArgName("lines")
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[0]))
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[1]))
    ->Arg(static_cast<std::int64_t>(kFlightPlanLines[2]))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench
