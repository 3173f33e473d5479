#pragma once

#include "platform/Table.h"

#include <cstdint>
#include <string_view>

namespace quillby {

// The names of the fields and indexes of the program's three tables, kept in one place so that
// the importers, the table files and the timetable view agree on them, and the two tables the
// program builds itself, created empty with their fields and indexes.

namespace flightTable {
inline constexpr std::string_view kIcaoCodeDep = "ICAO_CODE_DEP";
inline constexpr std::string_view kDepApt = "DEP_APT";
inline constexpr std::string_view kIcaoCodeArr = "ICAO_CODE_ARR";
inline constexpr std::string_view kDestApt = "DEST_APT";
inline constexpr std::string_view kAirline = "AIRLINE";
inline constexpr std::string_view kFlight = "FLIGHT";
inline constexpr std::string_view kTimeDep = "TIME_DEP";
inline constexpr std::string_view kTimeArr = "TIME_ARR";
inline constexpr std::string_view kTimeNew = "TIME_NEW";
inline constexpr std::string_view kSchedulingDep = "SCHEDULING_DEP";
inline constexpr std::string_view kSchedulingArr = "SCHEDULING_ARR";
inline constexpr std::string_view kNote = "NOTE";

inline constexpr std::string_view kTimeIndexArr = "TimeIndexArr";
inline constexpr std::string_view kTimeIndexDep = "TimeIndexDep";

// The weekday digits of a leg that flies every day, Sunday "0" to Saturday "6".
inline constexpr std::string_view kEveryDay = "0123456";
} // namespace flightTable

namespace aircraftTable {
inline constexpr std::string_view kAcn = "ACN";
inline constexpr std::string_view kAirline = "AIRLINE";

inline constexpr std::string_view kAcnIndex = "ACN";
} // namespace aircraftTable

// The airport table comes with the program; these are the two fields it must have.
namespace airportTable {
inline constexpr std::string_view kIcaoCode = "ICAO_CODE";
inline constexpr std::string_view kDescription = "DESCRIPTION";

// The sizes of the list Quillby ships (data/Airport.cds). Names are kept short for the boards
// (the flight table keeps 30 characters of them); a few of the shipped ones are longer.
inline constexpr std::uint32_t kIcaoCodeSize = 4;
inline constexpr std::uint32_t kDescriptionSize = 50;
} // namespace airportTable

// The flight timetable, empty: twelve text fields in the order the table files keep them, and
// the indexes "TimeIndexArr" on TIME_ARR and "TimeIndexDep" on TIME_DEP.
Table makeFlightTable();

// The aircraft list, empty: ACN (6) and AIRLINE (30), with the index "ACN" on ACN.
Table makeAircraftTable();

// The airport list in the shape Quillby ships it, empty: ICAO_CODE (4) and DESCRIPTION (50),
// no index (the program orders it by name when it loads it).
Table makeAirportTable();

} // namespace quillby
