// quillby-cli board: the board the window shows for one airport, on the command line.
#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Clock.h"
#include "platform/Error.h"
#include "platform/Windows1252.h"
#include "view/FlightPlansLoad.h"
#include "view/TimetableQuery.h"

#include <cstdio>

namespace quillby::cli {

namespace {

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

std::string weekdayOption(ArgumentParser& parser) {
    const auto given = parser.option("--weekday");
    if (!given) {
        return weekdayDigit(SystemClock().now());
    }
    if (given->size() != 1 || (*given)[0] < '0' || (*given)[0] > '6') {
        throw UsageError(
            "quillby-cli board: --weekday takes a digit from 0 (Sunday) to 6 (Saturday)");
    }
    return *given;
}

// The airport's name from the airport list, as the chooser would show it; nothing when the list
// cannot be read or does not hold the code.
std::string airportName(const std::string& airportsFile, const std::string& code) {
    try {
        const Table airports = readTableFile(airportsFile);
        const KeyLookup names(airports, airportTable::kIcaoCode, airportTable::kDescription);
        return std::string(names.find(code).value_or(""));
    } catch (const Error&) {
        return {};
    }
}

} // namespace

// board [--flights FILE] [--airports FILE] [--arrivals] [--weekday D] [--format F] ICAO
int runBoard(const std::vector<std::string>& args) {
    ArgumentParser parser("board", args);
    const std::string flightsFile = parser.option("--flights", kFlightTableFile);
    const std::string airportsFile = parser.option("--airports", "Airport.cds");
    const bool arrivals = parser.flag("--arrivals");
    const std::string weekday = weekdayOption(parser);
    const OutputFormat format = parser.format();
    const std::string code = utf8ToWindows1252(parser.onePositional("ICAO"));

    // The code typed is used whether or not the airport list names it: on the command line the
    // user chose it on purpose.
    const std::string name = airportName(airportsFile, code);
    const TimetableQuery query =
        buildTimetableQuery({name.empty() ? code : name, code}, arrivals ? 1 : 0, weekday);
    Dataset flights;
    loadFlightPlans(flights, flightsFile);
    applyTimetableQuery(query, flights, [](Direction) {});

    const Table& table = flights.table();
    TableSelection selection{table, {}, {}, {}};
    for (std::size_t c = 0; c < kBoardColumns.size(); ++c) {
        if (columnShown(c, query.direction)) {
            selection.fields.push_back(table.fieldIndex(kBoardColumns[c].field));
            selection.titles.emplace_back(kBoardColumns[c].title);
        }
    }
    selection.rows.assign(flights.rows().begin(), flights.rows().end());

    if (format == OutputFormat::Text) {
        std::string heading = arrivals ? "Arrivals at " : "Departures from ";
        heading += windows1252ToUtf8(code);
        if (!name.empty()) {
            heading += " ";
            heading += windows1252ToUtf8(name);
        }
        heading += ", ";
        heading += kWeekdays[weekday[0] - '0'];
        std::printf("%s\n\n", heading.c_str());
    }
    printTable(selection, format,
               [](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); });
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quillby::cli
