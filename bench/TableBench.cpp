// Save, load and board query of a 1,000,000-row flight table.
#include "BenchSupport.h"
#include "FlightTableGenerator.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Dataset.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>

namespace quillby::bench {
namespace {

constexpr std::size_t kRows = 1'000'000;

const GeneratedFlights& flights() {
    static const GeneratedFlights generated = generateFlightTable(kRows);
    return generated;
}

const std::filesystem::path& workFolder() {
    static const ScratchFolder folder("table");
    return folder.path();
}

const std::filesystem::path& savedFile() {
    static const std::filesystem::path file = [] {
        const auto path = workFolder() / "flight.cds";
        writeTableFile(flights().table, path);
        return path;
    }();
    return file;
}

void SaveFlightTable(benchmark::State& state) {
    const Table& table = flights().table;
    const auto path = workFolder() / "saved.cds";
    for (auto _ : state) {
        writeTableFile(table, path);
    }
    state.counters["rows"] = static_cast<double>(table.rowCount());
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(SaveFlightTable)->Unit(benchmark::kMillisecond)->Iterations(5);

void LoadFlightTable(benchmark::State& state) {
    const auto& path = savedFile();
    // The memory of one load, measured apart from the timed ones.
    const double before = residentBytes();
    std::optional<Table> first = readTableFile(path);
    const double residentGrowth = residentBytes() - before;
    const std::size_t memory = first->memoryUsage();
    first.reset();
    for (auto _ : state) {
        const Table table = readTableFile(path);
        benchmark::DoNotOptimize(table.rowCount());
    }
    const auto fileSize = static_cast<double>(std::filesystem::file_size(path));
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["table_MB"] = static_cast<double>(memory) / 1e6;
    state.counters["table_per_file"] = static_cast<double>(memory) / fileSize;
    state.counters["rss_growth_MB"] = residentGrowth / 1e6;
}
BENCHMARK(LoadFlightTable)->Unit(benchmark::kMillisecond)->Iterations(5);

// Choosing an airport on the board: filter by departure airport and weekday, order by time.
void FilterAndOrderByAirport(benchmark::State& state) {
    Dataset dataset;
    dataset.open(readTableFile(savedFile()));
    dataset.setIndexFieldNames(std::string(flightTable::kTimeDep));
    dataset.setFiltered(true);
    const auto& hubs = flights().hubs;
    std::size_t choice = 0;
    std::size_t shown = 0;
    for (auto _ : state) {
        const std::string& code = hubs[choice++ % hubs.size()];
        dataset.setFilter({fieldEquals(std::string(flightTable::kIcaoCodeDep), code),
                           fieldContains(std::string(flightTable::kSchedulingDep), "3")});
        shown = dataset.rowCount();
        benchmark::DoNotOptimize(shown);
    }
    state.counters["rows_shown"] = static_cast<double>(shown);
}
BENCHMARK(FilterAndOrderByAirport)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench
