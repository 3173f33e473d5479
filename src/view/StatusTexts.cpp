#include "view/StatusTexts.h"

#include <ctime>

namespace quillby {

std::string clockText(const LocalDateTime& now) {
    std::tm t{};
    t.tm_year = now.year - 1900;
    t.tm_mon = now.month - 1;
    t.tm_mday = now.day;
    t.tm_hour = now.hour;
    t.tm_min = now.minute;
    t.tm_sec = now.second;
    t.tm_wday = now.weekday;
    const bool midnight = now.hour == 0 && now.minute == 0 && now.second == 0;
    char text[128];
    const std::size_t n = std::strftime(text, sizeof text, midnight ? "%x" : "%x %X", &t);
    return {text, n};
}

std::string gmtText(long timezone) {
    return "GMT:" + std::to_string(timezone / -3600);
}

std::string dstText(int daylight) {
    return daylight > 0 ? "DST:ON" : "DST:OFF";
}

} // namespace quillby
