#include "platform/Dataset.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

// Code, weekdays and time of each row; the view is read back as the row numbers it shows.
Table flights(std::initializer_list<std::array<const char*, 3>> rows) {
    Table t({{"ICAO_CODE_DEP", 4}, {"SCHEDULING_DEP", 7}, {"TIME_DEP", 5}});
    for (const auto& row : rows) {
        const RowIndex r = t.appendRow();
        for (std::size_t f = 0; f < row.size(); ++f) {
            if (row[f] != nullptr) {
                t.setValue(r, f, row[f]);
            }
        }
    }
    return t;
}

std::vector<RowIndex> shown(const Dataset& d) {
    return {d.rows().begin(), d.rows().end()};
}

RowFilter departuresOn(const char* code, const char* digit) {
    return {fieldEquals("ICAO_CODE_DEP", code), fieldContains("SCHEDULING_DEP", digit)};
}

TEST(Dataset, FiltersByExactCodeAndWeekdayDigitAndOrdersStably) {
    Dataset d;
    d.open(flights({{"LIRF", "0123456", "09:10"},
                    {"LIRF", "3", "06:00"},
                    {"EGLL", "0123456", "05:00"},
                    {"LIRF", "1", "07:00"},
                    {"LIRF", "0123456", "06:00"},
                    {"lirf", "0123456", "01:00"}}));
    d.setFilter(departuresOn("LIRF", "3"));
    d.setIndexFieldNames("TIME_DEP");
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{5, 2, 1, 4, 3, 0})) << "the filter is not on yet";
    d.setFiltered(true);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{1, 4, 0})) << "equal times keep insertion order";
    EXPECT_EQ(d.filter().expression(), "ICAO_CODE_DEP = 'LIRF' AND SCHEDULING_DEP LIKE '%3%'");
}

TEST(Dataset, AnEmptyCodeSelectsRowsWhoseCodeIsEmptyOrHasNoValue) {
    Dataset d;
    d.open(
        flights({{"LIRF", "0123456", "09:10"}, {"", "0123456", "08:00"}, {nullptr, "0", "07:00"}}));
    d.setFilter(departuresOn("", "0"));
    d.setFiltered(true);
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{1, 2}));
}

TEST(Dataset, ViewSettingsSurviveCloseAndEveryNewContent) {
    Dataset d;
    d.setFilter(departuresOn("LIRF", "0"));
    d.setFiltered(true);
    d.setIndexFieldNames("TIME_DEP");
    EXPECT_EQ(d.rowCount(), 0u) << "a closed dataset shows nothing";

    d.open(flights({{"LIRF", "0", "10:00"}, {"EGLL", "0", "09:00"}, {"LIRF", "0", "08:00"}}));
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{2, 0}));

    d.close();
    EXPECT_FALSE(d.isOpen());
    EXPECT_EQ(d.rowCount(), 0u);
    EXPECT_TRUE(d.filtered());
    EXPECT_EQ(d.indexFieldNames(), "TIME_DEP");

    d.open(flights({{"LIRF", "0", "23:00"}, {"LIRF", "1", "01:00"}, {"LIRF", "0", "22:00"}}));
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{2, 0}));
}

TEST(Dataset, OrdersByTextAsReadersExpectWithNoValueFirst) {
    Table t({{"DESCRIPTION", 30}});
    for (const char* name : {"Frankfurt", "\xC9vora", "eindhoven", "Amsterdam", "Zurich"}) {
        t.setValue(t.appendRow(), 0, name);
    }
    t.appendRow();
    Dataset d;
    d.setIndexFieldNames("description");
    d.open(std::move(t));
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{5, 3, 2, 1, 0, 4}));
}

TEST(Dataset, OrdersBySeveralFieldsMainKeyFirst) {
    Dataset d;
    d.open(flights(
        {{"B", "1", "06:00"}, {"A", "1", "07:00"}, {"B", "1", "05:00"}, {"A", "1", "05:00"}}));
    d.setIndexFieldNames("ICAO_CODE_DEP;TIME_DEP");
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{3, 1, 2, 0}));
}

TEST(Dataset, RefusesSettingsThatNameAMissingFieldAndKeepsTheOldOnes) {
    Dataset d;
    d.open(flights({{"LIRF", "0", "10:00"}}));
    d.setIndexFieldNames("TIME_DEP");
    EXPECT_THROW(d.setIndexFieldNames("TIME_ARR"), Error);
    EXPECT_EQ(d.indexFieldNames(), "TIME_DEP");
    EXPECT_THROW(d.setFilter({fieldEquals("ICAO_CODE_ARR", "LIRF")}), Error);
    EXPECT_TRUE(d.filter().empty());

    d.close();
    d.setIndexFieldNames("TIME_ARR"); // stored while closed, checked when opened
    EXPECT_THROW(d.open(flights({{"LIRF", "0", "10:00"}})), Error);
    EXPECT_FALSE(d.isOpen());
}

TEST(Dataset, TellsItsWatcherOfEveryChange) {
    Dataset d;
    int changes = 0;
    d.addViewChangedHandler([&changes] { ++changes; });
    d.addViewChangedHandler([&changes] { changes += 100; });
    d.open(flights({}));
    d.setFiltered(true);
    d.setIndexFieldNames("TIME_DEP");
    d.close();
    EXPECT_EQ(changes, 404);
}

// A watcher hears "before" while the view still shows the old rows and "after" once the new
// ones are there; a group of changes is heard once, a refused change not at all.
TEST(Dataset, TellsAGroupOfChangesOnceAroundIt) {
    Dataset d;
    std::vector<std::string> heard;
    d.addViewChangedHandler([&] { heard.push_back("after " + std::to_string(d.rowCount())); },
                            [&] { heard.push_back("before " + std::to_string(d.rowCount())); });
    d.open(flights({{"LIRF", "3", "10:00"}, {"EGLL", "3", "09:00"}, {"LIRF", "1", "08:00"}}));
    EXPECT_EQ(heard, (std::vector<std::string>{"before 0", "after 3"}));

    heard.clear();
    d.changeAtOnce([&] {
        d.setFilter(departuresOn("LIRF", "3"));
        d.setIndexFieldNames("TIME_DEP");
        d.setFiltered(true);
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"before 3", "after 1"}));

    heard.clear();
    EXPECT_THROW(d.setIndexFieldNames("TIME_ARR"), Error);
    EXPECT_TRUE(heard.empty());

    // A step that fails ends the group: the steps before it stand and are heard as one.
    heard.clear();
    EXPECT_THROW(d.changeAtOnce([&] {
        d.setFilter(departuresOn("EGLL", "3"));
        d.setIndexFieldNames("TIME_ARR");
        d.setFiltered(false);
    }),
                 Error);
    EXPECT_EQ(heard, (std::vector<std::string>{"before 1", "after 1"}));
    EXPECT_EQ(shown(d), (std::vector<RowIndex>{1}));
    EXPECT_TRUE(d.filtered());
}

} // namespace
} // namespace quillby
