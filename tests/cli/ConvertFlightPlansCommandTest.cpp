// quillby-cli convert-flightplans, run as a user runs it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "support/TrafficTables.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillby {
namespace {

using test::runProcess;
using test::TempDir;

const std::filesystem::path kCli = QUILLBY_CLI_PATH;

// One hour ahead of GMT with daylight-saving time: local time is GMT + 2 all year.
const std::string kCentralEurope = "TZ=CET-1CEST,M3.5.0,M10.5.0/3";

// The summary line without its time, once the time is found in the form "in 0.02 s".
std::string summaryWithoutTime(const std::string& out) {
    const std::size_t in = out.rfind(" in ");
    if (in == std::string::npos) {
        return "(no time) " + out;
    }
    std::string form; // the time with each run of digits as one "9"
    for (const char c : out.substr(in)) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit || form.empty() || form.back() != '9') {
            form += digit ? '9' : c;
        }
    }
    return form == " in 9.9 s\n" ? out.substr(0, in) : "(no time) " + out;
}

// A working folder as the program leaves it: the tables, the flight plans of tests/data and an
// earlier timetable, with names in the case other programs gave them.
class ConvertFlightPlansCommand : public testing::Test {
protected:
    ConvertFlightPlansCommand() {
        writeTableFile(test::aircraftFixture(), m_dir / "Aircraft.cds");
        writeTableFile(test::airportFixture(), m_dir / "AIRPORT.CDS");
        m_dir.write("FlightPlans.TXT",
                    test::readFile(test::fixture("flightplans/FlightPlans.TXT")));
        Table earlier = makeFlightTable();
        earlier.setValue(earlier.appendRow(), 0, "OLD");
        writeTableFile(earlier, m_dir / "Flight.cds");
        m_earlier = test::readFile(m_dir / "Flight.cds");
    }

    test::ProcessResult run(std::vector<std::string> args, std::string zone = "TZ=UTC0") {
        args.insert(args.begin(), "convert-flightplans");
        return runProcess(kCli, args, m_dir.path(), {std::move(zone)});
    }

    std::string field(const Table& table, RowIndex row, std::string_view name) {
        return std::string(table.text(row, table.fieldIndex(name)));
    }

    TempDir m_dir;
    std::string m_earlier;
};

TEST_F(ConvertFlightPlansCommand, ConvertsIntoTheTimetableOfTheWorkingFolderInLocalTime) {
    const auto result = run({"flightplans.txt"}, kCentralEurope);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(summaryWithoutTime(result.out),
              "Converted 6 lines of FlightPlans.TXT into 15 rows of flight.cds");
    EXPECT_EQ(test::filesIn(m_dir.path()), (std::vector<std::string>{"AIRPORT.CDS", "Aircraft.cds",
                                                               "Flight.cds", "FlightPlans.TXT"}));
    const Table table = readTableFile(m_dir / "Flight.cds");
    ASSERT_EQ(table.rowCount(), 15u);
    using namespace flightTable;
    EXPECT_EQ(field(table, 0, kDepApt), "Roma Fiumicino");
    EXPECT_EQ(field(table, 0, kAirline), "Alitalia");
    EXPECT_EQ(field(table, 0, kTimeDep), "08:15");
    EXPECT_EQ(field(table, 0, kTimeArr), "10:05");
    EXPECT_EQ(field(table, 6, kTimeArr), "02:25");
    EXPECT_EQ(field(table, 6, kSchedulingArr), "6");
}

TEST_F(ConvertFlightPlansCommand, TakesTheTablesAndTheOutputFromOptions) {
    std::filesystem::rename(m_dir / "Aircraft.cds", m_dir / "fleet.cds");
    std::filesystem::rename(m_dir / "AIRPORT.CDS", m_dir / "world.cds");
    const auto result = run({"--aircraft", "fleet.cds", "--airports=world.cds", "--output",
                             "timetable.cds", "FlightPlans.TXT"});
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(summaryWithoutTime(result.out),
              "Converted 6 lines of FlightPlans.TXT into 15 rows of timetable.cds");
    EXPECT_EQ(test::readFile(m_dir / "Flight.cds"), m_earlier);
    const Table table = readTableFile(m_dir / "timetable.cds");
    ASSERT_EQ(table.rowCount(), 15u);
    EXPECT_EQ(field(table, 0, flightTable::kTimeDep), "06:15");
    EXPECT_EQ(field(table, 0, flightTable::kDestApt), "London Heathrow");
}

TEST_F(ConvertFlightPlansCommand, ReportsWhatStopsItAndKeepsTheTimetable) {
    m_dir.write("Blank.TXT", "AC#4,N4,1%,24Hr,IFR,LIRF\r\n\r\n");
    m_dir.write("NoLeg.TXT", "AC#4,N4,1%,24Hr,IFR,LIRF\r\n");
    const std::string noAirports = "quillby-cli: warning: Cannot open file \"none.cds\". The "
                                   "system cannot find the file specified. Airport names cannot "
                                   "be looked up.\n";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{"Blank.TXT"}, 1, "quillby-cli: '' is not a valid integer value (Blank.TXT, line 2)\n"},
        {{"--aircraft", "fleet.cds", "FlightPlans.TXT"},
         1,
         "quillby-cli: Cannot open file \"fleet.cds\". The system cannot find the file "
         "specified.\n"},
        {{"Missing.TXT"},
         1,
         "quillby-cli: Cannot open file \"Missing.TXT\". The system cannot find the file "
         "specified.\n"},
        {{"--airports", "none.cds", "FlightPlans.TXT"},
         1,
         noAirports + "quillby-cli: Cannot look up airport names: the airport table is not open "
                      "(FlightPlans.TXT, line 1)\n"},
        {{}, 2, "quillby-cli convert-flightplans: no FLIGHTPLANS_TXT given\n"},
    };
    for (const Case& c : cases) {
        const auto result = run(c.args);
        SCOPED_TRACE(result.err);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(test::readFile(m_dir / "Flight.cds"), m_earlier);
    }
    EXPECT_EQ(test::filesIn(m_dir.path()),
              (std::vector<std::string>{"AIRPORT.CDS", "Aircraft.cds", "Blank.TXT", "Flight.cds",
                                        "FlightPlans.TXT", "NoLeg.TXT"}));

    // Without airport names, lines that store no leg still convert.
    const auto result = run({"--airports", "none.cds", "NoLeg.TXT"});
    EXPECT_EQ(result.err, noAirports);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(summaryWithoutTime(result.out),
              "Converted 1 line of NoLeg.TXT into 0 rows of flight.cds");
    EXPECT_EQ(readTableFile(m_dir / "Flight.cds").rowCount(), 0u);
}

} // namespace
} // namespace quillby
