#include "import/ShiftTime.h"

namespace quillby {

int zoneOffset(long timezoneSeconds, int daylight) {
    // C++ integer division truncates toward zero, as the offset needs.
    return static_cast<int>(
        (static_cast<long long>(timezoneSeconds) - 3600LL * static_cast<long long>(daylight)) /
        3600);
}

TimeText ShiftTime(int hours, std::string_view time) {
    return timeToStr(std::int64_t{strToTime(time)} - std::int64_t{hours} * 3600);
}

} // namespace quillby
