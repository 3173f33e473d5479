#pragma once

#include "platform/Table.h"

#include <cstddef>
#include <string>

namespace quillby::bench {

// The input of a flight plan import of realistic shape for measurements: FlightPlans.TXT text
// (CR LF lines "AC#12,N12345,25%,24Hr,IFR,06:15:00,08:05:00,290,F,0123,EGLL,..."), the aircraft
// table and the airport table it is converted with.
//
// Lines: half daily (24Hr), the rest 12Hr, 8Hr, 6Hr and weekly (WEEK, times "d/hh:mm:ss"); one to
// eight legs each, closing where they start; aircraft numbers from about 2000 (a few are missing
// from the aircraft table, as happens when the two files drift apart); a few thousand airports
// used in proportion to their size, a few of them missing from the airport table. The same seed
// gives the same data.
struct GeneratedFlightPlans {
    std::string text;
    Table aircraft;
    Table airports;
};

GeneratedFlightPlans generateFlightPlans(std::size_t lines, unsigned seed = 2002);

} // namespace quillby::bench
