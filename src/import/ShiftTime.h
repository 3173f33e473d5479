#pragma once

#include "import/Conversion.h"

#include <string_view>

namespace quillby {

// The flight plans give their times in GMT; the timetable shows the computer's local time,
// moved by a whole number of hours.

// The hours by which local time lies behind GMT (positive west of Greenwich), from the C
// runtime's `_timezone` (seconds by which standard time lies behind GMT) and `_daylight` (1 when
// the zone has daylight-saving time at all). A zone with daylight-saving time gets its extra hour
// all year round, and the fraction of a zone such as GMT+5:30 is dropped (truncated toward zero,
// so that zone gives -5).
int zoneOffset(long timezoneSeconds, int daylight);

// `time` (a time of day, read by strToTime) moved back by `hours` hours, reduced to a time of day
// and written as hh:mm:ss: ShiftTime(-2, "23:30:00") is "01:30:00", ShiftTime(3, "01:00:00") is
// "22:00:00". Any number of hours is allowed; times are always read and written with ":", so
// nothing about the user's locale is changed or needed. A ConversionError when `time` is not a
// time of day.
TimeText ShiftTime(int hours, std::string_view time);

} // namespace quillby
