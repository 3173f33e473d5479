#include "import/FlightPlanImport.h"

#include "data/Schemas.h"
#include "platform/Error.h"
#include "support/TempDir.h"
#include "support/TrafficTables.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace ft = flightTable;
using Rows = std::vector<std::string>;

// Every row of a flight table on one line, its fields in the table's order but for the two the
// import never writes: codes and names, airline, flight, times, weekday digits.
Rows rowsOf(const Table& table) {
    const std::string_view fields[] = {
        ft::kIcaoCodeDep, ft::kDepApt,  ft::kIcaoCodeArr, ft::kDestApt,       ft::kAirline,
        ft::kFlight,      ft::kTimeDep, ft::kTimeArr,     ft::kSchedulingDep, ft::kSchedulingArr};
    Rows rows;
    for (RowIndex row = 0; row < table.rowCount(); ++row) {
        std::string text;
        for (const std::string_view field : fields) {
            if (!text.empty()) {
                text += '|';
            }
            text += table.text(row, table.fieldIndex(field));
        }
        rows.push_back(text);
    }
    return rows;
}

class RecordedProgress : public ProgressSink {
public:
    void setPosition(int position) override {
        calls.push_back("position " + std::to_string(position));
    }
    void setMin(int min) override { calls.push_back("min " + std::to_string(min)); }
    void setMax(int max) override { calls.push_back("max " + std::to_string(max)); }
    std::vector<std::string> calls;
};

class FlightPlanImport : public testing::Test {
protected:
    Table import(std::string_view text, int zoneOffset = 0) {
        return importFlightPlans(m_aircraft, &m_airports, TextLines(text), "FlightPlans.TXT",
                                 zoneOffset, m_progress);
    }

    // The message the import stops with, or "(no error)".
    std::string errorOf(std::string_view text, int zoneOffset = 0, bool airportsOpen = true) {
        try {
            importFlightPlans(m_aircraft, airportsOpen ? &m_airports : nullptr, TextLines(text),
                              "FlightPlans.TXT", zoneOffset, m_progress);
        } catch (const Error& e) {
            return e.what();
        }
        return "(no error)";
    }

    Table m_aircraft = test::aircraftFixture();
    Table m_airports = test::airportFixture();
    RecordedProgress m_progress;
};

TEST_F(FlightPlanImport, StoresEveryOccurrenceOfEveryLegInFileOrder) {
    const Table table =
        importFlightPlans(m_aircraft, &m_airports,
                          TextLines::loadFromFile(test::fixture("flightplans/FlightPlans.TXT")),
                          "FlightPlans.TXT", 0, m_progress);
    EXPECT_EQ(
        rowsOf(table),
        (Rows{
            // Three legs: the first departs from the line's last four characters.
            "LIRF|Roma Fiumicino|EGLL|London Heathrow|Alitalia|0123|06:15|08:05|0123456|0123456",
            "EGLL|London Heathrow|LFPG|Paris Charles de "
            "Gaulle|Alitalia|0124|09:30|10:45|0123456|0123456",
            "LFPG|Paris Charles de Gaulle|LIRF|Roma "
            "Fiumicino|Alitalia|0125|12:00|13:55|0123456|0123456",
            // One leg, from and to the same airport, every 12 hours.
            "EGLL|London Heathrow|EGLL|London Heathrow|British "
            "Airways|0456|07:00|08:20|0123456|0123456",
            "EGLL|London Heathrow|EGLL|London Heathrow|British "
            "Airways|0456|19:00|20:20|0123456|0123456",
            // Weekly: each end keeps its own weekday digit.
            "LIRF|Roma Fiumicino|LFPG|Paris Charles de Gaulle|Air France|7701|06:45|08:40|1|1",
            "LFPG|Paris Charles de Gaulle|LIRF|Roma Fiumicino|Air France|7702|22:30|00:25|5|6",
            // Unknown aircraft number and airport code: empty texts. Every 8 hours.
            "KXYZ||LIML|Milano Linate||0031|05:00|06:10|0123456|0123456",
            "KXYZ||LIML|Milano Linate||0031|13:00|14:10|0123456|0123456",
            "KXYZ||LIML|Milano Linate||0031|21:00|22:10|0123456|0123456",
            "LIML|Milano Linate|KXYZ|||0032|14:00|15:05|0123456|0123456",
            "LIML|Milano Linate|KXYZ|||0032|22:00|23:05|0123456|0123456",
            "LIML|Milano Linate|KXYZ|||0032|06:00|07:05|0123456|0123456",
            // The same aircraft number again: the first row of the aircraft table.
            "LIRF|Roma Fiumicino|LFPG|Paris Charles de "
            "Gaulle|Alitalia|0130|18:00|19:15|0123456|0123456",
            "LFPG|Paris Charles de Gaulle|LIRF|Roma "
            "Fiumicino|Alitalia|0131|21:00|22:05|0123456|0123456",
            // The last line names only its closing airport: no row.
        }));
    for (RowIndex row = 0; row < table.rowCount(); ++row) {
        EXPECT_FALSE(table.value(row, table.fieldIndex(ft::kTimeNew)));
        EXPECT_FALSE(table.value(row, table.fieldIndex(ft::kNote)));
    }
    EXPECT_EQ(table.fields().size(), makeFlightTable().fields().size());
    EXPECT_EQ(table.indexes()[0].name, ft::kTimeIndexArr);
}

TEST_F(FlightPlanImport, MovesTimesToLocalTimeOnceAndKeepsTheFilesWeekdays) {
    const Table table = import("AC#1,I-BIXA,25%,12Hr,IFR,23:30:00,01:10:00,290,F,0123,LIRF\r\n"
                               "AC#3,F-GKXA,10%,WEEK,IFR,5/23:30:00,6/01:20:00,330,F,7702,LFPG\r\n",
                               -2);
    EXPECT_EQ(
        rowsOf(table),
        (Rows{
            "LIRF|Roma Fiumicino|LIRF|Roma Fiumicino|Alitalia|0123|01:30|03:10|0123456|0123456",
            "LIRF|Roma Fiumicino|LIRF|Roma Fiumicino|Alitalia|0123|13:30|15:10|0123456|0123456",
            "LFPG|Paris Charles de Gaulle|LFPG|Paris Charles de Gaulle|Air "
            "France|7702|01:30|03:20|5|6",
        }));
}

TEST_F(FlightPlanImport, LooksCodesUpAsTheLineWritesThem) {
    // A code of five characters is stored cut to four but looked up whole, and is not found.
    const Table table = import("AC#2,G-EUPA,50%,24Hr,IFR,07:00:00,08:20:00,120,F,0456,EGLLX,"
                               "09:00:00,10:00:00,120,F,0457,LIRF\r\n");
    EXPECT_EQ(rowsOf(table),
              (Rows{
                  "LIRF|Roma Fiumicino|EGLL||British Airways|0456|07:00|08:20|0123456|0123456",
                  "EGLL||LIRF|Roma Fiumicino|British Airways|0457|09:00|10:00|0123456|0123456",
              }));
}

TEST_F(FlightPlanImport, StopsAtALineItCannotReadNamingFileLineAndText) {
    const std::string good = "AC#1,I-BIXA,25%,24Hr,IFR,06:15:00,08:05:00,290,F,0123,EGLL\r\n";
    struct Case {
        std::string text;
        int zoneOffset;
        std::string message;
    };
    const Case cases[] = {
        {good + "AC#1,I-BIXA,25%,Week,IFR,1/06:15:00,1/08:05:00,290,F,0123,EGLL\r\n", 0,
         "'We' is not a valid integer value (FlightPlans.TXT, line 2)"},
        {good + "\r\n" + good, 0, "'' is not a valid integer value (FlightPlans.TXT, line 2)"},
        {good + good +
             "AC#1,I-BIXA,25%,\xBD"
             "Hr,IFR\r\n",
         0, "'\u00BD' is not a valid integer value (FlightPlans.TXT, line 3)"},
        // Times are read when they move to local time ...
        {good + "AC#1,I-BIXA,25%,24Hr,IFR,06:15:00,8h05,290,F,0123,EGLL\r\n", -2,
         "'8h05' is not a valid time (FlightPlans.TXT, line 2)"},
        // ... or repeat within the day, else stored as written.
        {good + "AC#1,I-BIXA,25%,24Hr,IFR,6h15,8h05,290,F,0123,EGLL\r\n"
                "AC#1,I-BIXA,25%,12Hr,IFR,6h15,08:05:00,290,F,0123,EGLL\r\n",
         0, "'6h15' is not a valid time (FlightPlans.TXT, line 3)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.text, c.zoneOffset), c.message);
    }
}

TEST_F(FlightPlanImport, NeedsTheAirportTableOnlyForALineWithALeg) {
    const std::string noLeg = "AC#4,N4,1%,24Hr,IFR,LIRF\r\n";
    EXPECT_EQ(errorOf(noLeg + noLeg, 0, false), "(no error)");
    EXPECT_EQ(
        errorOf(noLeg + "AC#2,G-EUPA,50%,24Hr,IFR,07:00:00,08:20:00,120,F,0456,EGLL\r\n", 0, false),
        "Cannot look up airport names: the airport table is not open "
        "(FlightPlans.TXT, line 2)");
}

TEST_F(FlightPlanImport, EndsALineAtARemainderWithoutAComma) {
    const std::pair<std::string_view, Rows> cases[] = {
        // Blanks after the closing code: the leg is stored, the blanks end the line. The leg
        // departs from the line's last four characters, blanks included.
        {"AC#2,G-EUPA,50%,24Hr,IFR,07:00:00,08:20:00,120,F,0456,EGLL  ",
         {"LL  ||EGLL|London Heathrow|British Airways|0456|07:00|08:20|0123456|0123456"}},
        // A line that breaks off inside its first leg field, or before it.
        {"AC#2,G-EUPA,50%,24Hr,IFR,07:00", {}},
        {"AC#2,G-EUPA,50%,24Hr,IFR", {}},
        {"AC#2,G-EUPA,50%,12Hr", {}},
    };
    for (const auto& [line, rows] : cases) {
        EXPECT_EQ(rowsOf(import(line)), rows) << line;
    }
}

TEST_F(FlightPlanImport, ReportsProgressLineByLine) {
    import("");
    EXPECT_EQ(m_progress.calls, (std::vector<std::string>{"position 0", "min 0", "max 0"}));

    m_progress.calls.clear();
    import("AC#4,N4,1%,24Hr,IFR,LIRF\nAC#4,N4,1%,24Hr,IFR,LIRF\r\nAC#4,N4,1%,24Hr,IFR,LIRF\r\n");
    EXPECT_EQ(m_progress.calls,
              (std::vector<std::string>{"position 0", "min 0", "max 3", "position 0", "position 1",
                                        "position 2"}));

    m_progress.calls.clear();
    errorOf("AC#4,N4,1%,24Hr,IFR,LIRF\r\n\r\nAC#4,N4,1%,24Hr,IFR,LIRF\r\n");
    EXPECT_EQ(m_progress.calls, (std::vector<std::string>{"position 0", "min 0", "max 3",
                                                          "position 0", "position 1"}));
}

} // namespace
} // namespace quillby
