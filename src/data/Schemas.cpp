#include "data/Schemas.h"

namespace quillby {

namespace {

FieldDef text(std::string_view name, std::uint32_t size) {
    return FieldDef{std::string(name), size, FieldType::String};
}

} // namespace

Table makeFlightTable() {
    using namespace flightTable;
    return Table(
        {
            text(kIcaoCodeDep, 4),
            text(kDepApt, 30),
            text(kIcaoCodeArr, 4),
            text(kDestApt, 30),
            text(kAirline, 15),
            text(kFlight, 7),
            text(kTimeDep, 5),
            text(kTimeArr, 5),
            text(kTimeNew, 5),
            text(kSchedulingDep, 7),
            text(kSchedulingArr, 7),
            text(kNote, 15),
        },
        {
            IndexDef{std::string(kTimeIndexArr), std::string(kTimeArr)},
            IndexDef{std::string(kTimeIndexDep), std::string(kTimeDep)},
        });
}

Table makeAircraftTable() {
    using namespace aircraftTable;
    return Table({text(kAcn, 6), text(kAirline, 30)},
                 {IndexDef{std::string(kAcnIndex), std::string(kAcn)}});
}

Table makeAirportTable() {
    using namespace airportTable;
    return Table({text(kIcaoCode, kIcaoCodeSize), text(kDescription, kDescriptionSize)});
}

} // namespace quillby
