#include "platform/TimeZone.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quillby {

void PrintTo(const TimeZoneValues& v, std::ostream* out) {
    *out << "{timezone " << v.timezone << ", daylight " << v.daylight << "}";
}

namespace {

// Puts the process in `zone` for the life of the object; the machine's own zone never counts.
class ZoneForTest {
public:
    explicit ZoneForTest(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
        }
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneForTest() {
        if (m_old) {
            ::setenv("TZ", m_old->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    ZoneForTest(const ZoneForTest&) = delete;
    ZoneForTest& operator=(const ZoneForTest&) = delete;

private:
    std::optional<std::string> m_old;
};

TEST(TimeZone, GivesTheStandardOffsetAndWhetherTheZoneHasDaylightSavingTime) {
    struct Case {
        const char* zone;
        int year;
        TimeZoneValues expected;
    };
    const Case cases[] = {
        {"Europe/Rome", 2024, {-3600, 1}},
        {"America/New_York", 2024, {18000, 1}},
        {"Asia/Kolkata", 2024, {-19800, 0}},
        {"Asia/Tokyo", 2024, {-32400, 0}},
        {"UTC", 2024, {0, 0}},
        {"Australia/Sydney", 2024, {-36000, 1}},
        {"Europe/Dublin", 2024, {0, 1}},
        {"EST5EDT,M3.2.0,M11.1.0", 2024, {18000, 1}},
        {"Europe/Moscow", 2010, {-10800, 1}},
        {"Europe/Moscow", 2024, {-10800, 0}},
    };
    for (const auto& c : cases) {
        const ZoneForTest zone(c.zone);
        EXPECT_EQ(timeZoneValues(c.year), c.expected) << c.zone << " " << c.year;
    }
}

} // namespace
} // namespace quillby
