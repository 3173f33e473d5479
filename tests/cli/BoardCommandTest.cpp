// quillby-cli board, run as a user runs it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

using test::runProcess;

const std::filesystem::path kCli = QUILLBY_CLI_PATH;

// Two airports and four legs around Rome.
void writeTables(const test::TempDir& dir) {
    Table airports({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    for (const auto& [code, name] : {std::pair{"LIRF", "Roma Fiumicino"}, std::pair{"LSZH", "Z\xFCrich"}}) {
        const RowIndex r = airports.appendRow();
        airports.setValue(r, 0, code);
        airports.setValue(r, 1, name);
    }
    writeTableFile(airports, dir / "Airport.cds");

    Table flights = makeFlightTable();
    using namespace flightTable;
    const std::vector<std::vector<std::pair<std::string_view, const char*>>> rows = {
        {{kIcaoCodeDep, "LIRF"}, {kIcaoCodeArr, "LSZH"}, {kDestApt, "Z\xFCrich"}, {kAirline, "Swiss"},
         {kFlight, "LX1727"}, {kTimeDep, "11:25"}, {kTimeArr, "13:00"}, {kSchedulingDep, "0123456"}, {kSchedulingArr, "0123456"}},
        {{kIcaoCodeDep, "LIRF"}, {kIcaoCodeArr, "LSZH"}, {kDestApt, "Z\xFCrich"}, {kAirline, "Alitalia"},
         {kFlight, "AZ572"}, {kTimeDep, "07:05"}, {kTimeArr, "08:40"}, {kSchedulingDep, "3"}, {kSchedulingArr, "3"}},
        {{kIcaoCodeDep, "LSZH"}, {kDepApt, "Z\xFCrich"}, {kIcaoCodeArr, "LIRF"}, {kAirline, "Swiss"},
         {kFlight, "LX1726"}, {kTimeDep, "08:00"}, {kTimeArr, "09:35"}, {kSchedulingDep, "0123456"}, {kSchedulingArr, "0123456"}},
    };
    for (const auto& row : rows) {
        const RowIndex r = flights.appendRow();
        for (const auto& [field, value] : row) {
            flights.setValue(r, field, value);
        }
    }
    writeTableFile(flights, dir / "flight.cds");
}

TEST(BoardCommand, PrintsTheWindowsColumnsOfTheDirectionInTimeOrder) {
    test::TempDir dir;
    writeTables(dir);
    auto result = runProcess(kCli, {"board", "--weekday", "3", "LIRF"}, dir.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Departures from LIRF Roma Fiumicino, Wednesday\n\n"
              "AIRLINE   FLIGHT  TO      TIME DEP.  TIME EFF.  NOTE\n"
              "--------  ------  ------  ---------  ---------  ----\n"
              "Alitalia  AZ572   Zürich  07:05\n"
              "Swiss     LX1727  Zürich  11:25\n");

    result = runProcess(kCli, {"board", "--weekday=0", "--format", "csv", "LIRF"}, dir.path());
    EXPECT_EQ(result.out, "AIRLINE,FLIGHT,TO,TIME DEP.,TIME EFF.,NOTE\nSwiss,LX1727,Zürich,11:25,,\n");

    result = runProcess(kCli, {"board", "--arrivals", "--weekday", "3", "--format", "csv", "--flights", "FLIGHT.CDS", "LIRF"},
                        dir.path());
    EXPECT_EQ(result.out, "AIRLINE,FLIGHT,FROM,TIME_ARR,TIME EFF.,NOTE\nSwiss,LX1726,Zürich,09:35,,\n");
}

TEST(BoardCommand, ReportsAMissingTableAndWrongUse) {
    test::TempDir dir;
    auto result = runProcess(kCli, {"board", "LIRF"}, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "quillby-cli: Cannot open file \"Flight.cds\". The system cannot find the file specified.\n");
    result = runProcess(kCli, {"board", "--weekday", "7", "LIRF"}, dir.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')),
              "quillby-cli board: --weekday takes a digit from 0 (Sunday) to 6 (Saturday)");
}

} // namespace
} // namespace quillby
