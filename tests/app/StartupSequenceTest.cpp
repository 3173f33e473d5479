#include "app/Gauge.h"
#include "app/StartupSequence.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/WineRegistry.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quillby {
namespace {

using Events = std::vector<std::string>;

// Records what the start-up shows, in order: texts, gauge values as the gauge holds them,
// repaints and pauses.
class RecordingSplash final : public StartupSplash, public Pauser {
public:
    Events events;
    bool destroyed = false;

    void create() override { events.push_back("create"); }
    void show() override { events.push_back("show"); }
    void setGaugeMaximum(int maximum) override { m_gauge.setMaximum(maximum); }
    void setGaugeMinimum(int minimum) override { m_gauge.setMinimum(minimum); }
    int gaugeValue() const override { return m_gauge.value(); }
    void setGaugeValue(int value) override {
        m_gauge.setValue(value);
        events.push_back("gauge " + std::to_string(m_gauge.value()));
    }
    void setStatusText(std::string_view text) override { events.push_back("text " + std::string(text)); }
    void repaint() override { events.push_back("repaint"); }
    void destroy() override {
        destroyed = true;
        events.push_back("destroy");
    }
    void pause(int milliseconds) override { events.push_back("pause " + std::to_string(milliseconds)); }

    // Only the events of one kind, "gauge" or "pause".
    Events only(std::string_view kind) const {
        Events out;
        for (const auto& e : events) {
            if (e.rfind(kind, 0) == 0) {
                out.push_back(e.substr(kind.size() + 1));
            }
        }
        return out;
    }

private:
    Gauge m_gauge;
};

// A simulator folder with aircraft sub-folders, the registry naming it, and an airport list.
struct Installation {
    test::TempDir dir;
    std::string registryText;

    explicit Installation(std::size_t plainFolders, bool withAirports = true) {
        const auto aircraft = dir / "FS2002" / "aircraft";
        std::filesystem::create_directories(aircraft);
        for (std::size_t i = 0; i < plainFolders; ++i) {
            std::filesystem::create_directory(aircraft / ("plane" + std::to_string(i)));
        }
        registryText = "WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] 1\n"
                       "\"EXE Path\"=\"" + (dir / "FS2002").string() + "\"\n";
        if (withAirports) {
            Table airports({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
            for (const auto& [code, name] : {std::pair{"LIRF", "Roma Fiumicino"}, std::pair{"EGLL", "London Heathrow"}}) {
                const RowIndex r = airports.appendRow();
                airports.setValue(r, 0, code);
                airports.setValue(r, 1, name);
            }
            writeTableFile(airports, dir / "Airport.cds");
        }
    }
};

struct StartupRun {
    RecordingSplash splash;
    std::string FSPath;
    AircraftFolderList folders;
    Dataset airports;
    std::string DefaultAirport;
    std::string error;
};

void start(StartupRun& run, const std::string& registryText, const std::filesystem::path& folder) {
    const WineRegistry registry = WineRegistry::fromText(registryText);
    const HostDirectorySearch search{HostPath(folder)};
    StartupInputs in{registry, search, run.splash, run.splash, folder / "Airport.cds", [] { return std::string("LIRF"); }};
    StartupState state{run.FSPath, run.folders, run.airports, run.DefaultAirport};
    try {
        runStartupSequence(in, state);
    } catch (const Error& e) {
        run.error = e.what();
    }
}

TEST(StartupSequence, ShowsItsStepsInOrderWithAnAircraftFolderOfFivePlainFolders) {
    Installation sim(5);
    StartupRun run;
    start(run, sim.registryText, sim.dir.path());
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.splash.events,
              (Events{"create", "show", "gauge 10", "text Finding MS-FS2002 Directory...", "repaint", "pause 250",
                      "text Finding Aircraft.cfgs...", "repaint", "gauge 11", "repaint", "pause 100", "gauge 12", "repaint",
                      "pause 100", "gauge 13", "repaint", "pause 100", "gauge 14", "repaint", "pause 100", "gauge 15",
                      "repaint", "pause 100", "gauge 16", "repaint", "pause 100", "gauge 17", "repaint", "pause 100",
                      "gauge 18", "text Loading airports name...", "repaint", "gauge 90", "text Reading ini file...",
                      "repaint", "pause 75", "gauge 100", "text Ok for now...!", "repaint", "pause 1000", "destroy"}));
    EXPECT_EQ(run.FSPath, (sim.dir / "FS2002").string());
    EXPECT_EQ(run.folders, (AircraftFolderList{"plane0", "plane1", "plane2", "plane3", "plane4"}));
    EXPECT_EQ(run.DefaultAirport, "LIRF");
    ASSERT_EQ(run.airports.rowCount(), 2u);
    EXPECT_EQ(run.airports.text(0, 1), "London Heathrow") << "ordered by name";
}

TEST(StartupSequence, CountsOnlyPlainFoldersAndHoldsTheGaugeWithinItsBounds) {
    struct Case {
        const char* what;
        std::size_t plainFolders;
        bool readOnlyAndHidden;
        bool registryKey;
        Events gauge;
    };
    Events many{"10"};
    for (int v = 11; v <= 100; ++v) {
        many.push_back(std::to_string(v));
    }
    many.insert(many.end(), 13, "100"); // 102 counted entries and the step after them
    many.insert(many.end(), {"90", "100"});
    const Case cases[] = {
        {"no simulator", 0, false, false, {"10", "11", "90", "100"}},
        {"only files", 0, false, true, {"10", "11", "12", "13", "90", "100"}},
        {"read-only and hidden folders", 1, true, true, {"10", "11", "12", "13", "14", "90", "100"}},
        {"a hundred folders", 100, false, true, many},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Installation sim(c.plainFolders);
        const auto aircraft = sim.dir / "FS2002" / "aircraft";
        sim.dir.write("FS2002/aircraft/readme.txt", "files are not counted");
        if (c.readOnlyAndHidden) {
            std::filesystem::create_directory(aircraft / "locked");
            ::chmod((aircraft / "locked").c_str(), 0555);
            std::filesystem::create_directory(aircraft / ".hidden");
        }
        StartupRun run;
        start(run, c.registryKey ? sim.registryText : "WINE REGISTRY Version 2\n", sim.dir.path());
        EXPECT_EQ(run.error, "");
        EXPECT_EQ(run.splash.only("gauge"), c.gauge);
        EXPECT_EQ(run.folders.size(), c.plainFolders);
    }
}

TEST(StartupSequence, StopsAtAMissingAirportListWithTheErrorAndLeavesTheSplash) {
    Installation sim(0, /*withAirports=*/false);
    StartupRun run;
    start(run, sim.registryText, sim.dir.path());
    EXPECT_EQ(run.error, "Cannot open file \"" + (sim.dir / "Airport.cds").string() +
                             "\". The system cannot find the file specified.");
    EXPECT_EQ(run.splash.events.back(), "repaint");
    EXPECT_EQ(run.splash.only("gauge"), (Events{"10", "11", "12", "13"}));
    EXPECT_EQ(run.splash.only("pause"), (Events{"250", "100", "100"}));
    EXPECT_EQ(run.DefaultAirport, "") << "the settings are not read";
    EXPECT_FALSE(run.splash.destroyed);
    EXPECT_FALSE(run.airports.isOpen());
}

TEST(Gauge, HoldsItsValueAndShowsThePartFilled) {
    Gauge g;
    g.setValue(150);
    EXPECT_EQ(g.value(), 100);
    g.setValue(-3);
    EXPECT_EQ(g.value(), 0);
    g.setMaximum(30);
    g.setMinimum(10);
    g.setValue(17);
    EXPECT_EQ(g.percent(), 35);
    EXPECT_THROW(g.setMaximum(5), Error);
    EXPECT_THROW(g.setMinimum(40), Error);
    g.setMaximum(10);
    EXPECT_EQ(g.percent(), 0) << "equal bounds";
}

} // namespace
} // namespace quillby
