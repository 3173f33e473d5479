#include "view/TimetableQuery.h"

#include "data/Schemas.h"

namespace quillby {

std::string weekdayDigit(const LocalDateTime& now) {
    return std::string(1, static_cast<char>('0' + now.weekday));
}

TimetableQuery buildTimetableQuery(const AirportChoice& airport, int directionItem,
                                   std::string_view weekday) {
    using namespace flightTable;
    TimetableQuery query;
    query.direction = directionOfItem(directionItem);
    const std::string code = airport.text.empty() ? std::string() : airport.keyValue;
    const bool departures = query.direction == Direction::Departures;
    query.filter = RowFilter{
        fieldEquals(std::string(departures ? kIcaoCodeDep : kIcaoCodeArr), code),
        fieldContains(std::string(departures ? kSchedulingDep : kSchedulingArr), std::string(weekday)),
    };
    query.indexFieldNames = std::string(departures ? kTimeDep : kTimeArr);
    return query;
}

} // namespace quillby
