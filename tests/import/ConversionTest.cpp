#include "import/Conversion.h"

#include "import/ConversionError.h"

#include <gtest/gtest.h>
#include <string>

namespace quillby {
namespace {

template <typename Convert> std::string errorOf(Convert convert, std::string_view text) {
    try {
        convert(text);
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "(no error)";
}

// The message a conversion gives for `text`, built piece by piece (GCC 12 misreads the chain of
// "+" on strings under optimisation and warns).
std::string message(std::string_view text, std::string_view what) {
    std::string result = "'";
    result += text;
    result += "' is not a valid ";
    result += what;
    return result;
}

TEST(StrToInt, ReadsDecimalWholeNumbers) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"24", 24},
        {"0", 0},
        {"-5", -5},
        {"+7", 7},
        {"  12", 12},
        {"0012", 12},
        {"2147483647", 2147483647},
        {"-0", 0},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(strToInt(text), expected) << '"' << text << '"';
    }
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
    EXPECT_EQ(errorOf(strToInt, "We"), "'We' is not a valid integer value");
    EXPECT_EQ(errorOf(strToInt, ""), "'' is not a valid integer value");
    // Text from a file is Windows-1252; the message is UTF-8.
    EXPECT_EQ(errorOf(strToInt, "\xE9t\xE9"), "'\u00E9t\u00E9' is not a valid integer value");
    EXPECT_EQ(errorOf(strToTime, "12h\xB0"), "'12h\u00B0' is not a valid time");
    for (const std::string_view text : {"24 ", "1 2", "\t5", "-", "+", " ", "$18", "0x18", "12.0",
                                        "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(errorOf(strToInt, text), message(text, "integer value"));
    }
}

TEST(StrToTime, ReadsHoursMinutesAndOptionalSeconds) {
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"12:27:00", 12 * 3600 + 27 * 60}, {"06:45", 6 * 3600 + 45 * 60},
        {"6:5", 6 * 3600 + 5 * 60},        {"0:0:0", 0},
        {"23:59:59", kSecondsPerDay - 1},  {"  06:45:10 ", 6 * 3600 + 45 * 60 + 10},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(strToTime(text), expected) << '"' << text << '"';
    }
}

TEST(StrToTime, RejectsEverythingElseNamingTheText) {
    EXPECT_EQ(errorOf(strToTime, "2x:00:00"), "'2x:00:00' is not a valid time");
    for (const std::string_view text :
         {"", "12", "12:", "12:00:", "6:45:", "24:00:00", "12:60", "12:00:60", "123:00",
          "12:00:00:00", "12:00:00.5", "@09:00", "3/06:45", "-1:00", "12 :00", "12:00 PM"}) {
        EXPECT_EQ(errorOf(strToTime, text), message(text, "time"));
    }
}

TEST(TimeToStr, WritesAnyNumberOfSecondsAsATimeOfDay) {
    const std::pair<std::int64_t, std::string_view> cases[] = {
        {0, "00:00:00"},
        {6 * 3600 + 31 * 60 + 59, "06:31:59"},
        {kSecondsPerDay - 1, "23:59:59"},
        {kSecondsPerDay, "00:00:00"},
        {kSecondsPerDay + 8 * 3600, "08:00:00"},
        {-1, "23:59:59"},
        {-3600 * 25, "23:00:00"},
    };
    for (const auto& [seconds, expected] : cases) {
        EXPECT_EQ(timeToStr(seconds).view(), expected) << seconds;
    }
}

TEST(ConversionError, TakesThePlaceItWasMetIn) {
    try {
        strToInt("We");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        const Error placed = e.at("FlightPlans.TXT", 12);
        EXPECT_STREQ(placed.what(), "'We' is not a valid integer value (FlightPlans.TXT, line 12)");
        EXPECT_STREQ(e.what(), "'We' is not a valid integer value");
    }
}

} // namespace
} // namespace quillby
