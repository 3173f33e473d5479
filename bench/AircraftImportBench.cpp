// The aircraft import on a generated installation of 1,000 aircraft folders and an aircraft
// list of 5,000 lines.
#include "AircraftInstallationGenerator.h"
#include "app/SimulatorDiscovery.h"
#include "import/AircraftConfigReader.h"
#include "import/AircraftImport.h"
#include "import/ConvertAircraft.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace quillby::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFolders = 1000;
constexpr std::size_t kListLines = 5000;

// The installation, generated once into a folder of the benchmark's own that goes at exit.
struct Installation {
    fs::path folder =
        fs::temp_directory_path() / ("quillby-bench-aircraft-" + std::to_string(::getpid()));
    GeneratedInstallation generated;
    Installation() { generated = generateAircraftInstallation(folder, kFolders, kListLines); }
    ~Installation() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

const Installation& installation() {
    static const Installation generated;
    return generated;
}

void setCounters(benchmark::State& state, const GeneratedInstallation& g) {
    state.counters["folders"] = static_cast<double>(g.folders.size());
    state.counters["liveries"] = static_cast<double>(g.liveries);
    state.counters["cfg_MB"] = static_cast<double>(g.configBytes) / 1e6;
}

// Listing the aircraft folders, as at start-up (without the splash window's pauses).
void DiscoverAircraftFolders(benchmark::State& state) {
    const GeneratedInstallation& g = installation().generated;
    const HostDirectorySearch search{HostPath(g.prefix)};
    std::size_t listed = 0;
    for (auto _ : state) {
        listed = listAircraftFolders(g.FSPath, search).size();
    }
    state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK(DiscoverAircraftFolders)->Unit(benchmark::kMillisecond);

// The import itself: every aircraft.cfg read and indexed, every line of the list answered.
void ImportAircraft(benchmark::State& state) {
    const GeneratedInstallation& g = installation().generated;
    const HostPath paths(g.prefix);
    const HostDirectorySearch search(paths);
    const TextLines lines = TextLines::loadFromFile(g.aircraftList);
    std::size_t found = 0;
    for (auto _ : state) {
        AircraftConfigReader airlines(g.FSPath, g.folders, search, paths);
        NoProgress progress;
        found = importAircraft(lines, airlines, progress).titlesWithAirline;
    }
    setCounters(state, g);
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(ImportAircraft)->Unit(benchmark::kMillisecond);

// The whole command: read Aircraft.TXT, import, write aircraft.cds.
void ConvertAircraftCommand(benchmark::State& state) {
    const GeneratedInstallation& g = installation().generated;
    const HostPath paths(g.prefix);
    const HostDirectorySearch search(paths);
    const fs::path output = installation().folder / "aircraft.cds";
    for (auto _ : state) {
        AircraftConfigReader airlines(g.FSPath, g.folders, search, paths);
        NoProgress progress;
        benchmark::DoNotOptimize(convertAircraft(
            [&](std::string_view) { return std::optional<fs::path>(g.aircraftList); }, airlines,
            progress, output));
    }
    setCounters(state, g);
}
BENCHMARK(ConvertAircraftCommand)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench
