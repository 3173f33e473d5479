// The aircraft import on generated installations up to the largest a user can have, 2,000
// aircraft folders and an aircraft list of 10,000 lines, at a quarter, a half and the whole of
// it; and the start-up sequence on them, whose pauses are left out.
#include "BenchSupport.h"
#include "GeneratedInputs.h"
#include "app/SimulatorDiscovery.h"
#include "app/StartupSequence.h"
#include "import/AircraftConfigReader.h"
#include "import/AircraftImport.h"
#include "import/ConvertAircraft.h"

#include <benchmark/benchmark.h>

namespace quillby::bench {
namespace {

namespace fs = std::filesystem;

void setCounters(benchmark::State& state, const GeneratedInstallation& g) {
    state.counters["folders"] = static_cast<double>(g.folders.size());
    state.counters["liveries"] = static_cast<double>(g.liveries);
    state.counters["cfg_MB"] = static_cast<double>(g.configBytes) / 1e6;
}

const GeneratedInstallation& installationOf(const benchmark::State& state) {
    return installation(static_cast<std::size_t>(state.range(0)));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgName("folders");
    for (const std::size_t folders : kAircraftFolders) {
        b->Arg(static_cast<std::int64_t>(folders));
    }
    b->Unit(benchmark::kMillisecond);
}

// Listing the aircraft folders, as at start-up (without the splash window's pauses).
void DiscoverAircraftFolders(benchmark::State& state) {
    const GeneratedInstallation& g = installationOf(state);
    const HostDirectorySearch search{HostPath(g.prefix)};
    std::size_t listed = 0;
    for (auto _ : state) {
        listed = listAircraftFolders(g.FSPath, search).size();
    }
    state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK(DiscoverAircraftFolders)->Apply(sizes);

// The import itself: every aircraft.cfg read and indexed, every line of the list answered.
void ImportAircraft(benchmark::State& state) {
    const GeneratedInstallation& g = installationOf(state);
    const HostPath paths(g.prefix);
    const HostDirectorySearch search(paths);
    const TextLines lines = TextLines::loadFromFile(g.aircraftList);
    // What the reader's index of every title and the new table hold, measured apart from the
    // timed runs.
    double residentGrowth = 0;
    {
        const double before = residentBytes();
        AircraftConfigReader airlines(g.FSPath, g.folders, search, paths);
        NoProgress progress;
        const AircraftImport imported = importAircraft(lines, airlines, progress);
        residentGrowth = residentBytes() - before;
    }
    std::size_t found = 0;
    for (auto _ : state) {
        AircraftConfigReader airlines(g.FSPath, g.folders, search, paths);
        NoProgress progress;
        found = importAircraft(lines, airlines, progress).titlesWithAirline;
    }
    setCounters(state, g);
    state.counters["lines"] = static_cast<double>(lines.count());
    state.counters["found"] = static_cast<double>(found);
    state.counters["rss_growth_MB"] = residentGrowth / 1e6;
}
BENCHMARK(ImportAircraft)->Apply(sizes);

// The whole command: read Aircraft.TXT, import, write aircraft.cds.
void ConvertAircraftCommand(benchmark::State& state) {
    const GeneratedInstallation& g = installationOf(state);
    const HostPath paths(g.prefix);
    const HostDirectorySearch search(paths);
    const fs::path output = g.aircraftList.parent_path() / "aircraft.cds";
    for (auto _ : state) {
        AircraftConfigReader airlines(g.FSPath, g.folders, search, paths);
        NoProgress progress;
        benchmark::DoNotOptimize(convertAircraft(
            [&](std::string_view) { return std::optional<fs::path>(g.aircraftList); }, airlines,
            progress, output));
    }
    setCounters(state, g);
}
BENCHMARK(ConvertAircraftCommand)->Apply(sizes);

// The registry of a simulator installed at `FSPath`.
class InstalledRegistry final : public Registry {
public:
    explicit InstalledRegistry(std::string FSPath) : m_FSPath(std::move(FSPath)) {}
    bool hasKey(std::string_view) const override { return true; }
    std::optional<std::string> readString(std::string_view, std::string_view) const override {
        return m_FSPath;
    }

private:
    std::string m_FSPath;
};

// A splash window that shows nothing, and pauses that take no time: what is left is the
// sequence's own work.
class NoSplash final : public StartupSplash {
public:
    void create() override {}
    void show() override {}
    void setGaugeMaximum(int) override {}
    void setGaugeMinimum(int) override {}
    int gaugeValue() const override { return m_value; }
    void setGaugeValue(int value) override { m_value = value; }
    void setStatusText(std::string_view) override {}
    void repaint() override {}
    void destroy() override {}

private:
    int m_value = 0;
};

class CountingPauser final : public Pauser {
public:
    void pause(int milliseconds) override { m_paused += milliseconds; }
    long paused() const { return m_paused; }

private:
    long m_paused = 0;
};

// The start-up with the largest airport list, its 100 ms pause per folder left out (the
// counter says how long the real one pauses).
void StartupSequence(benchmark::State& state) {
    const GeneratedInstallation& g = installationOf(state);
    const AirportList& airports = airportList(kAirportRows.back());
    const InstalledRegistry registry(g.FSPath);
    const HostDirectorySearch search{HostPath(g.prefix)};
    long paused = 0;
    for (auto _ : state) {
        NoSplash splash;
        CountingPauser pauser;
        std::string FSPath;
        AircraftFolderList folders;
        Dataset airportTable;
        std::string defaultAirport;
        StartupState out{FSPath, folders, airportTable, defaultAirport};
        runStartupSequence(
            {registry, search, splash, pauser, airports.file, [] { return std::string("EGLL"); }},
            out);
        benchmark::DoNotOptimize(airportTable.rowCount());
        paused = pauser.paused();
    }
    state.counters["airports"] = static_cast<double>(kAirportRows.back());
    state.counters["pauses_s"] = static_cast<double>(paused) / 1000.0;
}
BENCHMARK(StartupSequence)->Apply(sizes);

} // namespace
} // namespace quillby::bench
