// The board with a 1,000,000-row flight table: choosing another airport (query, grid reset and
// repaint) and scrolling the grid, on Qt's offscreen platform.
#include "FlightTableGenerator.h"
#include "data/Schemas.h"
#include "gui/FlightGridModel.h"
#include "view/TimetableQuery.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace quillby::bench {
namespace {

struct Board {
    GeneratedFlights flights = generateFlightTable(1'000'000);
    Dataset dataset;
    gui::FlightGridModel* model = nullptr;
    QTableView view;

    Board() {
        dataset.open(std::move(flights.table));
        model = new gui::FlightGridModel(dataset, &view);
        view.setModel(model);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setDefaultSectionSize(17);
        view.verticalHeader()->hide();
        view.resize(689, 354);
        view.show();
    }
};

Board& board() {
    static Board b;
    return b;
}

void ChooseAnotherAirport(benchmark::State& state) {
    Board& b = board();
    std::size_t choice = 0;
    for (auto _ : state) {
        const std::string& code = b.flights.hubs[choice++ % b.flights.hubs.size()];
        const TimetableQuery query = buildTimetableQuery({"name", code}, 0, "3");
        applyTimetableQuery(query, b.dataset, [](Direction) {});
        QCoreApplication::processEvents();
        b.view.viewport()->repaint();
    }
    state.counters["rows_shown"] = static_cast<double>(b.dataset.rowCount());
}
BENCHMARK(ChooseAnotherAirport)->Unit(benchmark::kMillisecond);

// One page down of the whole unfiltered table, painted.
void ScrollOnePage(benchmark::State& state) {
    Board& b = board();
    b.dataset.setFiltered(false);
    QCoreApplication::processEvents(); // the grid lays out its million rows
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
BENCHMARK(ScrollOnePage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
