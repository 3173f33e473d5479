#pragma once

#include "platform/Clock.h"

#include <string>

namespace quillby {

// The clock text: the date in the user's short date format and the time in the user's time
// format (LC_TIME), or the date alone at exactly midnight.
std::string clockText(const LocalDateTime& now);

// "GMT:" and the whole hours the zone's standard time lies east of UTC, rounded toward zero:
// GMT:1 for Rome, GMT:-5 for New York, GMT:5 for Kolkata (UTC+5:30). `timezone` is the
// runtime's seconds west of UTC.
std::string gmtText(long timezone);

// "DST:ON" for a zone with daylight-saving time (all year), else "DST:OFF".
std::string dstText(int daylight);

} // namespace quillby
