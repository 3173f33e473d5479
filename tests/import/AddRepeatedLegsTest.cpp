#include "import/AddRepeatedLegs.h"

#include "data/Schemas.h"
#include "import/ConversionError.h"
#include "import/LegTime.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace ft = flightTable;

// A flight table and the writer the import fills it with.
class FlightRows : public testing::Test {
protected:
    // Stores a daily leg as the import does: its first row, then its repeats within the day.
    void storeDailyLeg(int period, std::string_view departure, std::string_view arrival,
                       int offset) {
        const LegTime dep = readLegTime(departure, false, offset);
        const LegTime arr = readLegTime(arrival, false, offset);
        m_writer.append({"Alitalia", "LIRF", "Roma Fiumicino", "EGLL", "London Heathrow", "2027",
                         dep.time(), arr.time(), dep.weekdays(), arr.weekdays()});
        AddRepeatedLegs(m_writer, period, "Alitalia", "LIRF", "Roma Fiumicino", "EGLL",
                        "London Heathrow", departure, arrival, "2027", offset);
    }

    std::vector<std::string> column(std::string_view field) const {
        const std::size_t index = m_table.fieldIndex(field);
        std::vector<std::string> values;
        for (RowIndex row = 0; row < m_table.rowCount(); ++row) {
            values.emplace_back(m_table.text(row, index));
        }
        return values;
    }

    using Texts = std::vector<std::string>;
    Table m_table = makeFlightTable();
    FlightTableWriter m_writer{m_table};
};

TEST_F(FlightRows, RepeatsADailyLegThroughTheDayInLocalTime) {
    storeDailyLeg(8, "08:00:00", "09:15:30", 2);
    EXPECT_EQ(column(ft::kTimeDep), (Texts{"06:00", "14:00", "22:00"}));
    EXPECT_EQ(column(ft::kTimeArr), (Texts{"07:15", "15:15", "23:15"}));
}

TEST_F(FlightRows, WrapsRepeatsPastMidnight) {
    storeDailyLeg(12, "20:00:00", "23:59:59", 0);
    storeDailyLeg(12, "23:30:00", "00:10:00", -2);
    EXPECT_EQ(column(ft::kTimeDep), (Texts{"20:00", "08:00", "01:30", "13:30"}));
    EXPECT_EQ(column(ft::kTimeArr), (Texts{"23:59", "11:59", "02:10", "14:10"}));
}

TEST_F(FlightRows, RepeatsCarryTheLegsValuesAndFlyEveryDay) {
    storeDailyLeg(12, "06:00:00", "07:00:00", 0);
    ASSERT_EQ(m_table.rowCount(), 2u);
    const RowIndex repeat = 1;
    const std::pair<std::string_view, std::string_view> expected[] = {
        {ft::kIcaoCodeDep, "LIRF"},      {ft::kDepApt, "Roma Fiumicino"},
        {ft::kIcaoCodeArr, "EGLL"},      {ft::kDestApt, "London Heathrow"},
        {ft::kAirline, "Alitalia"},      {ft::kFlight, "2027"},
        {ft::kTimeDep, "18:00"},         {ft::kTimeArr, "19:00"},
        {ft::kSchedulingDep, "0123456"}, {ft::kSchedulingArr, "0123456"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(m_table.value(repeat, m_table.fieldIndex(field)), text) << field;
    }
    EXPECT_FALSE(m_table.value(repeat, m_table.fieldIndex(ft::kTimeNew)));
    EXPECT_FALSE(m_table.value(repeat, m_table.fieldIndex(ft::kNote)));
}

TEST_F(FlightRows, PeriodGivesTheNumberOfOccurrencesInADay) {
    const std::pair<int, Texts> cases[] = {
        {5, {"06:00", "11:00", "16:00", "21:00"}},
        {7, {"06:00", "13:00", "20:00"}},
        {13, {"06:00"}},
        {23, {"06:00"}},
        {24, {"06:00"}},
        {0, {"06:00"}}, // cannot divide the day: the leg flies once
        {-6, {"06:00"}},
    };
    for (const auto& [period, times] : cases) {
        Table table = makeFlightTable();
        FlightTableWriter writer(table);
        writer.append({.departureTime = "06:00:00"});
        AddRepeatedLegs(writer, period, "", "", "", "", "", "06:00:00", "07:00:00", "", 0);
        Texts stored;
        for (RowIndex row = 0; row < table.rowCount(); ++row) {
            stored.emplace_back(table.text(row, table.fieldIndex(ft::kTimeDep)));
        }
        EXPECT_EQ(stored, times) << "period " << period;
    }

    Table hourly = makeFlightTable();
    FlightTableWriter writer(hourly);
    AddRepeatedLegs(writer, 1, "", "", "", "", "", "00:30:00", "01:00:00", "", 0);
    ASSERT_EQ(hourly.rowCount(), 23u);
    EXPECT_EQ(hourly.text(22, hourly.fieldIndex(ft::kTimeDep)), "23:30");
}

TEST_F(FlightRows, FirstRowKeepsTheTextAsWrittenWhileRepeatsAreComputed) {
    storeDailyLeg(12, "6:00:00", "7:31:59", 0);
    EXPECT_EQ(column(ft::kTimeDep), (Texts{"6:00:", "18:00"}));
    EXPECT_EQ(column(ft::kTimeArr), (Texts{"7:31:", "19:31"})) << "seconds are cut, not rounded";
}

TEST_F(FlightRows, ATimeThatCannotBeReadStopsBeforeAnyRepeatIsStored) {
    m_writer.append({.departureTime = "06:00"});
    try {
        AddRepeatedLegs(m_writer, 12, "", "", "", "", "", "06:00:00", "2x:00:00", "", 0);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2x:00:00' is not a valid time");
    }
    EXPECT_EQ(m_table.rowCount(), 1u);

    // Without a repeat no time is read, so nothing can fail.
    AddRepeatedLegs(m_writer, 13, "", "", "", "", "", "2x:00:00", "@", "", 2);
    EXPECT_EQ(m_table.rowCount(), 1u);
}

TEST_F(FlightRows, StoredValuesAreCutToTheirFields) {
    m_writer.append({
        .airline = "Scandinavian Airlines System",
        .departureCode = "LIRF  ",
        .departureName = "Roma Leonardo da Vinci-Fiumicino Airport",
        .arrivalCode = "EGLL",
        .arrivalName = "London Heathrow",
        .flight = "12345678",
        .departureTime = "06:31:59",
        .arrivalTime = "07:00",
        .departureWeekdays = "3",
        .arrivalWeekdays = "4",
    });
    const std::pair<std::string_view, std::string_view> expected[] = {
        {ft::kAirline, "Scandinavian Ai"},
        {ft::kIcaoCodeDep, "LIRF"},
        {ft::kDepApt, "Roma Leonardo da Vinci-Fiumici"},
        {ft::kFlight, "1234567"},
        {ft::kTimeDep, "06:31"},
        {ft::kSchedulingDep, "3"},
        {ft::kSchedulingArr, "4"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(m_table.text(0, m_table.fieldIndex(field)), text) << field;
    }
}

} // namespace
} // namespace quillby
