#include "data/Schemas.h"

namespace quillby {

Table makeFlightTable() {
    using namespace flight;
    return Table(
        {
            {std::string(IcaoCodeDep), 4},
            {std::string(DepApt), 30},
            {std::string(IcaoCodeArr), 4},
            {std::string(DestApt), 30},
            {std::string(Airline), 15},
            {std::string(Flight), 7},
            {std::string(TimeDep), 5},
            {std::string(TimeArr), 5},
            {std::string(TimeNew), 5},
            {std::string(SchedulingDep), 7},
            {std::string(SchedulingArr), 7},
            {std::string(Note), 15},
        },
        {
            {"TimeIndexArr", std::string(TimeArr)},
            {"TimeIndexDep", std::string(TimeDep)},
        });
}

Table makeAircraftTable() {
    return Table({{std::string(aircraft::Acn), 6}, {std::string(aircraft::Airline), 30}},
                 {{"ACN", std::string(aircraft::Acn)}});
}

} // namespace quillby
