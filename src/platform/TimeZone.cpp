#include "platform/TimeZone.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace quillby {

#ifdef _WIN32

TimeZoneValues timeZoneValues(int /*year*/) {
    _tzset();
    TimeZoneValues values;
    _get_timezone(&values.timezone);
    _get_daylight(&values.daylight);
    return values;
}

#else

TimeZoneValues timeZoneValues(int year) {
    ::tzset();
    const auto utcOffsetOn = [year](unsigned month) {
        using namespace std::chrono;
        const sys_seconds noon =
            sys_days(std::chrono::year(year) / std::chrono::month(month) / 1) + hours(12);
        const std::time_t moment = system_clock::to_time_t(noon);
        std::tm local{};
        ::localtime_r(&moment, &local);
        return local.tm_gmtoff;
    };
    const long january = utcOffsetOn(1);
    const long july = utcOffsetOn(7);
    return {-std::min(january, july), january != july ? 1 : 0};
}

#endif

} // namespace quillby
