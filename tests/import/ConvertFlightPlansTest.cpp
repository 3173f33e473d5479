#include "import/ConvertFlightPlans.h"

#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "support/TempDir.h"
#include "support/TrafficTables.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

using test::TempDir;

// A working folder with the aircraft table, the flight plans of tests/data and an earlier
// timetable "Flight.cds" of one row.
class ConvertFlightPlans : public testing::Test {
protected:
    ConvertFlightPlans() {
        writeTableFile(test::aircraftFixture(), m_dir / "aircraft.cds");
        m_dir.write("FlightPlans.TXT",
                    test::readFile(test::fixture("flightplans/FlightPlans.TXT")));
        Table earlier = makeFlightTable();
        earlier.setValue(earlier.appendRow(), 0, "OLD");
        writeTableFile(earlier, m_dir / "Flight.cds");
        m_earlier = test::readFile(m_dir / "Flight.cds");
    }

    std::optional<FlightPlanConversion> convert(const std::filesystem::path& aircraft,
                                                const FlightPlanFileChooser& chooseFile) {
        return convertFlightPlans({m_dir.path() / aircraft, m_dir / "flight.cds"}, &m_airports, 0,
                                  chooseFile, m_progress);
    }

    FlightPlanFileChooser choose(std::string_view name) {
        return [this, path = m_dir / name] {
            ++m_chosen;
            return std::optional(path);
        };
    }

    // The folder holds what it held before the command: nothing new, the timetable unchanged.
    void expectNothingWritten() {
        EXPECT_EQ(test::filesIn(m_dir.path()),
                  (std::vector<std::string>{"Flight.cds", "FlightPlans.TXT", "aircraft.cds"}));
        EXPECT_EQ(test::readFile(m_dir / "Flight.cds"), m_earlier);
    }

    TempDir m_dir;
    std::string m_earlier;
    Table m_airports = test::airportFixture();
    NoProgress m_progress;
    int m_chosen = 0;
};

TEST_F(ConvertFlightPlans, ReplacesTheTimetableWhateverTheCaseOfItsName) {
    const auto result = convert("Aircraft.CDS", choose("FlightPlans.TXT"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->input, m_dir / "FlightPlans.TXT");
    EXPECT_EQ(result->lines, 6u);
    EXPECT_EQ(result->rows, 15u);
    EXPECT_EQ(test::filesIn(m_dir.path()),
              (std::vector<std::string>{"Flight.cds", "FlightPlans.TXT", "aircraft.cds"}));
    const Table saved = readTableFile(m_dir / "Flight.cds");
    ASSERT_EQ(saved.rowCount(), 15u);
    EXPECT_EQ(saved.fields().size(), 12u);
    EXPECT_EQ(saved.text(0, 0), "LIRF");
    EXPECT_EQ(saved.text(14, 3), "Roma Fiumicino");
}

TEST_F(ConvertFlightPlans, WritesNothingWhenCancelled) {
    EXPECT_FALSE(convert("aircraft.cds", [] { return std::optional<std::filesystem::path>(); }));
    expectNothingWritten();
}

TEST_F(ConvertFlightPlans, NeedsTheAircraftTableBeforeAskingForAFile) {
    try {
        convert("missing.cds", choose("FlightPlans.TXT"));
        FAIL() << "no error";
    } catch (const Error& e) {
        std::string expected = "Cannot open file \"";
        expected += (m_dir / "missing.cds").string();
        expected += "\". The system cannot find the file specified.";
        EXPECT_EQ(e.what(), expected);
    }
    EXPECT_EQ(m_chosen, 0);
    expectNothingWritten();
}

TEST_F(ConvertFlightPlans, KeepsTheTimetableWhenTheFlightPlansCannotBeRead) {
    std::string text = test::readFile(m_dir / "FlightPlans.TXT");
    text.insert(text.find('\n') + 1, "\r\n"); // a blank second line
    m_dir.write("Blank.TXT", text);
    std::filesystem::remove(m_dir / "FlightPlans.TXT");
    const std::pair<std::string_view, std::string> cases[] = {
        {"Blank.TXT", "'' is not a valid integer value (Blank.TXT, line 2)"},
        {"FlightPlans.TXT", "Cannot open file \"" + (m_dir / "FlightPlans.TXT").string() +
                                "\". The system cannot find the file specified."},
    };
    for (const auto& [name, message] : cases) {
        try {
            convert("aircraft.cds", choose(name));
            ADD_FAILURE() << "no error for " << name;
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
    std::filesystem::remove(m_dir / "Blank.TXT");
    m_dir.write("FlightPlans.TXT", "");
    expectNothingWritten();
}

} // namespace
} // namespace quillby
