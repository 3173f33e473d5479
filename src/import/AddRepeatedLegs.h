#pragma once

#include "import/FlightTableWriter.h"

#include <string_view>

namespace quillby {

// The further occurrences within the day of a daily leg that repeats every `period` hours,
// appended right after the leg's first row. The import calls it for a daily line whose period is
// below 24, with the leg's time fields as the file gives them (GMT) and the values the first row
// received. The occurrences lie k * period hours after the first for 1 <= k < 24 / period (integer
// quotient), each moved to local time once, written as hh:mm:ss (stored as hh:mm) and marked
// "0123456"; a rest of the day shorter than the period gets none. So period 8 adds two rows,
// periods 13 to 23 and negative periods add none.
//
// A period of 0 also adds none: a leg that repeats "every 0 hours" cannot be divided into the day,
// and the one sound reading is that it flies once, as the first row already records. No time is
// read when no row is added, so such a leg stores whatever its first row stored.
//
// A ConversionError when a row is to be added and a time field is not a time of day.
void AddRepeatedLegs(FlightTableWriter& table, int period, std::string_view airline,
                     std::string_view departureCode, std::string_view departureName,
                     std::string_view arrivalCode, std::string_view arrivalName,
                     std::string_view departureTime, std::string_view arrivalTime,
                     std::string_view flight, int zoneOffset);

} // namespace quillby
