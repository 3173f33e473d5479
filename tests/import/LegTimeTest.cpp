#include "import/LegTime.h"

#include "import/ConversionError.h"
#include "import/ShiftTime.h"

#include <gtest/gtest.h>
#include <string>

namespace quillby {
namespace {

TEST(ZoneOffset, GivesWholeHoursBehindGmtWithDaylightSavingAllYear) {
    struct Case {
        long timezone;
        int daylight;
        int expected;
    };
    const Case cases[] = {
        {-3600, 1, -2},   // one hour ahead, with daylight saving: GMT + 2 all year
        {18000, 1, 4},    // five hours behind, with daylight saving
        {-19800, 0, -5},  // five and a half hours ahead: the half hour is lost
        {12600, 1, 2},    // three and a half behind, with daylight saving: 2.5 truncated
        {-34200, 1, -10}, // nine and a half ahead, with daylight saving: -10.5 truncated
        {0, 1, -1},       {0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zoneOffset(c.timezone, c.daylight), c.expected)
            << c.timezone << " s, daylight " << c.daylight;
    }
}

TEST(ShiftTime, MovesBackByTheHoursAcrossMidnightBothWays) {
    struct Case {
        int hours;
        std::string_view time;
        std::string_view expected;
    };
    const Case cases[] = {
        {-2, "23:30:00", "01:30:00"}, {3, "01:00:00", "22:00:00"},   {4, "12:27:00", "08:27:00"},
        {-1, "23:59:59", "00:59:59"}, {5, "6:5", "01:05:00"},        {0, "06:45", "06:45:00"},
        {24, "10:00:00", "10:00:00"}, {-14, "12:00:00", "02:00:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShiftTime(c.hours, c.time).view(), c.expected) << c.hours << ", " << c.time;
    }
}

TEST(ShiftTime, RejectsATextThatIsNoTime) {
    try {
        ShiftTime(1, "2x:00:00");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2x:00:00' is not a valid time");
    }
}

TEST(LegTime, WeeklyFieldGivesDigitAndTheFiveCharactersFromTheThird) {
    const LegTime read = readLegTime("3/06:45:10", true, 0);
    EXPECT_EQ(read.weekdays(), "3");
    EXPECT_EQ(read.time(), "06:45");

    // The day digit stays as written when local time falls on the next or the previous day.
    const LegTime late = readLegTime("6/23:30:00", true, -2);
    EXPECT_EQ(late.weekdays(), "6");
    EXPECT_EQ(late.time(), "01:30:00");
    const LegTime early = readLegTime("0*01:00", true, 3);
    EXPECT_EQ(early.weekdays(), "0");
    EXPECT_EQ(early.time(), "22:00:00");

    const LegTime shortField = readLegTime("3/", true, 0);
    EXPECT_EQ(shortField.weekdays(), "3");
    EXPECT_EQ(shortField.time(), "");
}

TEST(LegTime, DailyFieldIsTheTimeAndFliesEveryDay) {
    const LegTime shifted = readLegTime("12:27:00", false, 4);
    EXPECT_EQ(shifted.time(), "08:27:00");
    EXPECT_EQ(shifted.weekdays(), "0123456");

    // With no offset the text is never read: odd forms and even non-times are kept as written.
    EXPECT_EQ(readLegTime("6:05:00", false, 0).time(), "6:05:00");
    EXPECT_EQ(readLegTime("@09:00", false, 0).time(), "@09:00");
}

TEST(LegTime, ATimeThatMustBeMovedButCannotBeReadIsAnError) {
    // A one-digit hour in a weekly field leaves "6:45:" among the five characters taken.
    EXPECT_THROW(readLegTime("3/6:45:10", true, 1), ConversionError);
    EXPECT_THROW(readLegTime("@09:00", false, -1), ConversionError);
}

} // namespace
} // namespace quillby
