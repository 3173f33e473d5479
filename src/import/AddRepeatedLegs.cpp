#include "import/AddRepeatedLegs.h"

#include "data/Schemas.h"
#include "import/Conversion.h"

#include <cstdint>

namespace quillby {

void AddRepeatedLegs(FlightTableWriter& table, int period, std::string_view airline,
                     std::string_view departureCode, std::string_view departureName,
                     std::string_view arrivalCode, std::string_view arrivalName,
                     std::string_view departureTime, std::string_view arrivalTime,
                     std::string_view flight, int zoneOffset) {
    const int count = period > 0 ? 24 / period : 1;
    if (count <= 1) {
        return;
    }
    const std::int64_t departure = strToTime(departureTime);
    const std::int64_t arrival = strToTime(arrivalTime);
    // Moving to local time after adding the step is the same as subtracting the offset along with
    // it: both are reduced to a time of day only when written.
    const std::int64_t toLocal = -std::int64_t{zoneOffset} * 3600;
    for (int k = 1; k < count; ++k) {
        const std::int64_t step = std::int64_t{period} * k * 3600;
        const TimeText localDeparture = timeToStr(departure + step + toLocal);
        const TimeText localArrival = timeToStr(arrival + step + toLocal);
        table.append({
            .airline = airline,
            .departureCode = departureCode,
            .departureName = departureName,
            .arrivalCode = arrivalCode,
            .arrivalName = arrivalName,
            .flight = flight,
            .departureTime = localDeparture,
            .arrivalTime = localArrival,
            .departureWeekdays = flightTable::kEveryDay,
            .arrivalWeekdays = flightTable::kEveryDay,
        });
    }
}

} // namespace quillby
