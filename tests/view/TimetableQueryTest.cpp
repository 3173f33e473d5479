#include "view/TimetableQuery.h"

#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "support/TempDir.h"
#include "view/FlightPlansLoad.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

// Departure code, arrival code, times and weekdays of each row.
Table flights() {
    Table t = makeFlightTable();
    struct Row {
        const char *dep, *arr, *timeDep, *timeArr, *daysDep, *daysArr;
    };
    const Row rows[] = {
        {"LIRF", "EGLL", "09:00", "11:00", "0123456", "0123456"},
        {"LIRF", "LIMC", "07:00", "08:10", "3", "3"},
        {"EGLL", "LIRF", "06:00", "09:30", "0123456", "0123456"},
        {"LIRF", "KJFK", "06:30", "14:00", "1", "1"},
        {"LIMC", "LIRF", "05:00", "06:10", "3", "4"},
        {"", "LIRF", "04:00", "04:30", "3", "3"},
    };
    for (const Row& r : rows) {
        const RowIndex i = t.appendRow();
        t.setValue(i, flightTable::kIcaoCodeDep, r.dep);
        t.setValue(i, flightTable::kIcaoCodeArr, r.arr);
        t.setValue(i, flightTable::kTimeDep, r.timeDep);
        t.setValue(i, flightTable::kTimeArr, r.timeArr);
        t.setValue(i, flightTable::kSchedulingDep, r.daysDep);
        t.setValue(i, flightTable::kSchedulingArr, r.daysArr);
    }
    return t;
}

std::vector<RowIndex> shown(const Dataset& d) {
    return {d.rows().begin(), d.rows().end()};
}

void apply(const TimetableQuery& q, Dataset& d) {
    applyTimetableQuery(q, d, [](Direction) {});
}

const AirportChoice kRome{"Roma Fiumicino", "LIRF"};

TEST(TimetableQuery, BuildsTheFilterOfEachDirectionAndWeekday) {
    struct Case {
        AirportChoice airport;
        int item;
        const char* weekday;
        const char* expression;
        const char* order;
    };
    const Case cases[] = {
        {kRome, 0, "3", "ICAO_CODE_DEP = 'LIRF' AND SCHEDULING_DEP LIKE '%3%'", "TIME_DEP"},
        {kRome, 1, "0", "ICAO_CODE_ARR = 'LIRF' AND SCHEDULING_ARR LIKE '%0%'", "TIME_ARR"},
        {kRome, -1, "6", "ICAO_CODE_ARR = 'LIRF' AND SCHEDULING_ARR LIKE '%6%'", "TIME_ARR"},
        // A code whose airport is not in the list shows no name: the code is not used.
        {{"", "XXXX"}, 0, "1", "ICAO_CODE_DEP = '' AND SCHEDULING_DEP LIKE '%1%'", "TIME_DEP"},
    };
    for (const Case& c : cases) {
        const TimetableQuery q = buildTimetableQuery(c.airport, c.item, c.weekday);
        EXPECT_EQ(q.filter.expression(), c.expression);
        EXPECT_EQ(q.indexFieldNames, c.order);
        EXPECT_EQ(q.direction, c.item == 0 ? Direction::Departures : Direction::Arrivals);
    }
}

TEST(TimetableQuery, WeekdayDigitsRunFromSundayToSaturday) {
    LocalDateTime sunday{2026, 12, 13, 10, 0, 0, 0};
    LocalDateTime saturday{2026, 12, 12, 10, 0, 0, 6};
    EXPECT_EQ(weekdayDigit(sunday), "0");
    EXPECT_EQ(weekdayDigit(saturday), "6");
}

TEST(TimetableQuery, SelectsTodaysRowsOfTheAirportInTimeOrder) {
    Dataset d;
    d.open(flights());
    apply(buildTimetableQuery(kRome, 0, "3"), d);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{1, 0})) << "Wednesday departures";
    apply(buildTimetableQuery(kRome, 1, "3"), d);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{5, 2})) << "Wednesday arrivals, by arrival time";
    apply(buildTimetableQuery(kRome, 1, "4"), d);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{4, 2})) << "arrival weekday of a weekly leg";
    apply(buildTimetableQuery({"", ""}, 0, "3"), d);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{5})) << "no airport: rows without a code";
    apply(buildTimetableQuery({"Rome's", "LI'F"}, 0, "3"), d);
    EXPECT_EQ(d.rowCount(), 0u) << "an apostrophe in a code matches nothing";
}

// A table without the arrival time: the filter is set, the ordering fails, and neither the
// columns nor the filtered flag are touched; a grid hears of the filter once.
TEST(TimetableQuery, AStepThatFailsLeavesTheStepsAfterItUndone) {
    Dataset d;
    d.open(Table({{"ICAO_CODE_ARR", 4}, {"SCHEDULING_ARR", 7}, {"TIME_DEP", 5}}));
    int heard = 0;
    d.addViewChangedHandler([&heard] { ++heard; });
    bool columnsShown = false;
    EXPECT_THROW(applyTimetableQuery(buildTimetableQuery(kRome, 1, "3"), d,
                                     [&columnsShown](Direction) { columnsShown = true; }),
                 Error);
    EXPECT_EQ(d.filter().expression(), "ICAO_CODE_ARR = 'LIRF' AND SCHEDULING_ARR LIKE '%3%'");
    EXPECT_EQ(d.indexFieldNames(), "");
    EXPECT_FALSE(columnsShown);
    EXPECT_FALSE(d.filtered());
    EXPECT_EQ(heard, 1);
}

// The query's state lives on the table object: a query before the load leaves the grid empty,
// and the load applies it, ordered by departure time whatever the direction.
TEST(FlightPlansLoad, KeepsTheLastQueryAndOrdersByDepartureTime) {
    test::TempDir dir;
    writeTableFile(flights(), dir / "flight.cds");
    Dataset d;
    apply(buildTimetableQuery(kRome, 1, "3"), d);
    EXPECT_EQ(d.rowCount(), 0u);
    loadFlightPlans(d, dir / "Flight.cds");
    EXPECT_EQ(d.indexFieldNames(), "TIME_DEP");
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{5, 2})) << "arrivals filter, departure order";
}

TEST(FlightPlansLoad, AMissingFileLeavesTheTableAsItWas) {
    test::TempDir dir;
    writeTableFile(flights(), dir / "Flight.cds");
    Dataset d;
    loadFlightPlans(d, dir / "Flight.cds");
    std::filesystem::remove(dir / "Flight.cds");
    EXPECT_THROW(loadFlightPlans(d, dir / "Flight.cds"), Error);
    EXPECT_TRUE(d.isOpen());
    EXPECT_EQ(d.rowCount(), 6u);
}

} // namespace
} // namespace quillby
