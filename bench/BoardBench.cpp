// The windows' views with the largest data, on Qt's offscreen platform.
//
// The board: choosing another airport (query, grid reset and repaint) and scrolling the grid,
// with a generated 1,000,000-row flight table and with the flight tables that imports of a
// quarter, a half and the whole of the largest FlightPlans.TXT make, loaded as File > Load
// FlighPlans loads them.
//
// The airport chooser, with airport lists of a quarter, a half and the whole of the largest:
// making one on the ordered list, setting its key value (the airport shown), and loading and
// ordering the list while the main window's chooser shows it, as the start-up does.
#include "BenchSupport.h"
#include "FlightTableGenerator.h"
#include "GeneratedInputs.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "gui/AirportChooser.h"
#include "gui/FlightGridModel.h"
#include "view/FlightPlansLoad.h"
#include "view/TimetableQuery.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace quillby::bench {
namespace {

// A grid as the main window sets it up, over a flight table.
struct Board {
    Dataset dataset;
    gui::FlightGridModel* model = nullptr;
    QTableView view;
    std::vector<std::string> hubs;
    std::size_t viewChanges = 0;
    double loadGrowth = 0; // of a loaded table: what File > Load added to the process

    Board() {
        model = new gui::FlightGridModel(dataset, &view);
        dataset.addViewChangedHandler([this] { ++viewChanges; });
        view.setModel(model);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setDefaultSectionSize(17);
        view.verticalHeader()->hide();
        view.resize(689, 354);
        view.show();
    }
};

// The boards made so far, by the lines of their import (0: the generated table). They go before
// the application object does, at the end of main: widgets must not outlive it.
std::map<std::size_t, std::unique_ptr<Board>>& boards() {
    static std::map<std::size_t, std::unique_ptr<Board>> made;
    return made;
}

// lines 0: a generated 1,000,000-row table; else the table an import of that many lines makes,
// loaded from its flight.cds.
Board& boardOf(std::size_t lines) {
    auto& b = boards()[lines];
    if (b) {
        return *b;
    }
    b = std::make_unique<Board>();
    if (lines == 0) {
        GeneratedFlights flights = generateFlightTable(1'000'000);
        b->hubs = flights.hubs;
        b->dataset.open(std::move(flights.table));
    } else {
        const ImportedFlights& imported = importedFlights(lines);
        b->hubs = imported.busiest;
        const double before = residentBytes();
        loadFlightPlans(b->dataset, imported.file);
        QCoreApplication::processEvents();
        // The table, its first view (every row, as no query ran yet) and the grid's rows.
        b->loadGrowth = residentBytes() - before;
    }
    QCoreApplication::processEvents();
    return *b;
}

Board& boardOf(const benchmark::State& state) {
    return boardOf(static_cast<std::size_t>(state.range(0)));
}

// lines 0: the generated 1,000,000-row table; else the table of an import of that many lines.
void boardSizes(benchmark::internal::Benchmark* b) {
    b->ArgName("lines")->Arg(0);
    for (const std::size_t lines : kFlightPlanLines) {
        b->Arg(static_cast<std::int64_t>(lines));
    }
    b->Unit(benchmark::kMillisecond);
}

void ChooseAnotherAirport(benchmark::State& state) {
    Board& b = boardOf(state);
    std::size_t choice = 0;
    std::size_t queries = 0;
    b.viewChanges = 0;
    for (auto _ : state) {
        const std::string& code = b.hubs[choice++ % b.hubs.size()];
        const TimetableQuery query = buildTimetableQuery({"name", code}, 0, "3");
        applyTimetableQuery(query, b.dataset, [](Direction) {});
        QCoreApplication::processEvents();
        b.view.viewport()->repaint();
        ++queries;
    }
    state.counters["rows"] = static_cast<double>(b.dataset.table().rowCount());
    state.counters["rows_shown"] = static_cast<double>(b.dataset.rowCount());
    state.counters["resets_per_query"] =
        static_cast<double>(b.viewChanges) / static_cast<double>(std::max<std::size_t>(queries, 1));
    if (b.loadGrowth > 0) {
        state.counters["load_rss_MB"] = b.loadGrowth / 1e6;
    }
}
BENCHMARK(ChooseAnotherAirport)->Apply(boardSizes);

// One page down of the whole unfiltered table, painted.
void ScrollOnePage(benchmark::State& state) {
    Board& b = boardOf(state);
    b.dataset.setFiltered(false);
    QCoreApplication::processEvents(); // the grid lays out all its rows
    QScrollBar* bar = b.view.verticalScrollBar();
    int position = 0;
    for (auto _ : state) {
        position = (position + bar->pageStep()) % std::max(1, bar->maximum());
        bar->setValue(position);
        QCoreApplication::processEvents();
        b.view.viewport()->repaint();
    }
    state.counters["rows"] = static_cast<double>(b.dataset.rowCount());
    state.counters["page_rows"] = bar->pageStep();
}
BENCHMARK(ScrollOnePage)->Apply(boardSizes);

void airportSizes(benchmark::internal::Benchmark* b) {
    b->ArgName("airports");
    for (const std::size_t rows : kAirportRows) {
        b->Arg(static_cast<std::int64_t>(rows));
    }
    b->Unit(benchmark::kMicrosecond);
}

const AirportList& airportsOf(const benchmark::State& state) {
    return airportList(static_cast<std::size_t>(state.range(0)));
}

// The airport table as the start-up leaves it: open and ordered by name.
void openOrdered(Dataset& airports, Table table) {
    airports.open(std::move(table));
    airports.setIndexFieldNames(std::string(airportTable::kDescription));
}

// The options dialog's chooser: made on the ordered table, then set to the default airport.
void MakeAirportChooser(benchmark::State& state) {
    const AirportList& list = airportsOf(state);
    const std::string& code = list.generated.codes[list.generated.codes.size() / 2];
    for (auto _ : state) {
        state.PauseTiming();
        auto airports = std::make_unique<Dataset>();
        openOrdered(*airports, list.generated.table);
        airports->rowCount();
        state.ResumeTiming();
        auto chooser = std::make_unique<gui::AirportChooser>(*airports);
        chooser->setKeyValue(code);
        benchmark::DoNotOptimize(chooser->currentIndex());
        state.PauseTiming();
        chooser.reset(); // before the table it listens to
        airports.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(MakeAirportChooser)->Apply(airportSizes);

// The airport shown set by its code (the default airport at start-up, the options dialog): codes
// spread over the list, and now and then one no airport has.
void SetChooserKeyValue(benchmark::State& state) {
    const AirportList& list = airportsOf(state);
    Dataset airports;
    openOrdered(airports, list.generated.table);
    gui::AirportChooser chooser(airports);
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < 63; ++i) {
        codes.push_back(list.generated.codes[i * list.generated.codes.size() / 63]);
    }
    codes.emplace_back("0000");
    std::size_t n = 0;
    for (auto _ : state) {
        chooser.setKeyValue(codes[n++ % codes.size()]);
        benchmark::DoNotOptimize(chooser.currentIndex());
    }
}
BENCHMARK(SetChooserKeyValue)->Apply(airportSizes);

// The start-up's "Loading airports name...": Airport.cds read, opened and ordered while the main
// window's chooser, set to an airport, shows the table, which was closed and in no order before.
void LoadAirportsUnderChooser(benchmark::State& state) {
    const AirportList& list = airportsOf(state);
    Dataset airports;
    gui::AirportChooser chooser(airports);
    chooser.setKeyValue(list.generated.codes[list.generated.codes.size() / 2]);
    for (auto _ : state) {
        state.PauseTiming();
        airports.close();
        airports.setIndexFieldNames("");
        state.ResumeTiming();
        openOrdered(airports, readTableFile(list.file));
        benchmark::DoNotOptimize(chooser.currentIndex());
    }
}
BENCHMARK(LoadAirportsUnderChooser)->Apply(airportSizes);

// The user opens the chooser's list (and closes it again).
void OpenChooserList(benchmark::State& state) {
    const AirportList& list = airportsOf(state);
    Dataset airports;
    openOrdered(airports, list.generated.table);
    gui::AirportChooser chooser(airports);
    chooser.setKeyValue(list.generated.codes[list.generated.codes.size() / 2]);
    chooser.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        chooser.showPopup();
        QCoreApplication::processEvents();
        chooser.hidePopup();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(OpenChooserList)->Apply(airportSizes);

} // namespace
} // namespace quillby::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    quillby::bench::boards().clear();
    return 0;
}
