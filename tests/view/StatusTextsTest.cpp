#include "view/StatusTexts.h"

#include <gtest/gtest.h>

#include <clocale>

namespace quillby {
namespace {

TEST(StatusTexts, GmtGivesWholeStandardHoursTowardZero) {
    struct Case {
        long timezone;
        const char* text;
    };
    const Case cases[] = {{-3600, "GMT:1"}, {0, "GMT:0"}, {18000, "GMT:-5"}, {-19800, "GMT:5"}, {12600, "GMT:-3"}};
    for (const Case& c : cases) {
        EXPECT_EQ(gmtText(c.timezone), c.text);
    }
    EXPECT_EQ(dstText(1), "DST:ON");
    EXPECT_EQ(dstText(0), "DST:OFF");
}

TEST(StatusTexts, ClockShowsDateAndTimeInTheUsersFormatsAndTheDateAloneAtMidnight) {
    const std::string old = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    EXPECT_EQ(clockText({2026, 12, 11, 14, 5, 3, 5}), "12/11/26 14:05:03");
    EXPECT_EQ(clockText({2026, 12, 11, 0, 0, 0, 5}), "12/11/26");
    EXPECT_EQ(clockText({2026, 12, 11, 0, 0, 1, 5}), "12/11/26 00:00:01");
    std::setlocale(LC_TIME, old.c_str());
}

} // namespace
} // namespace quillby
