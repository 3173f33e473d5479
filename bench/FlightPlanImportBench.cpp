// The flight plan import at the size of a large traffic package: 100,000 lines of FlightPlans.TXT
// turned into a flight table (without saving it), with the zone offset of central Europe in
// summer (every time is moved to local time) and with none (times are stored as written).

#include "FlightPlanGenerator.h"
#include "import/FlightPlanImport.h"

#include <benchmark/benchmark.h>

namespace quillby {
namespace {

void flightPlanImport(benchmark::State& state) {
    static const bench::GeneratedFlightPlans input = bench::generateFlightPlans(100'000);
    const TextLines lines(input.text);
    const int zoneOffset = static_cast<int>(state.range(0));
    std::size_t rows = 0;
    for (auto _ : state) {
        NoProgress progress;
        const Table table = importFlightPlans(input.aircraft, &input.airports, lines,
                                              "FlightPlans.TXT", zoneOffset, progress);
        rows = table.rowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["lines"] = static_cast<double>(lines.count());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

BENCHMARK(flightPlanImport)->ArgName("zoneOffset")->Arg(-2)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby
