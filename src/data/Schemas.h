#pragma once

#include "platform/Table.h"

#include <string_view>

// The three tables of the program: their fields in order, sizes and index definitions, defined
// here once.
namespace quillby {

namespace flight {
inline constexpr std::string_view IcaoCodeDep = "ICAO_CODE_DEP";
inline constexpr std::string_view DepApt = "DEP_APT";
inline constexpr std::string_view IcaoCodeArr = "ICAO_CODE_ARR";
inline constexpr std::string_view DestApt = "DEST_APT";
inline constexpr std::string_view Airline = "AIRLINE";
inline constexpr std::string_view Flight = "FLIGHT";
inline constexpr std::string_view TimeDep = "TIME_DEP";
inline constexpr std::string_view TimeArr = "TIME_ARR";
inline constexpr std::string_view TimeNew = "TIME_NEW";
inline constexpr std::string_view SchedulingDep = "SCHEDULING_DEP";
inline constexpr std::string_view SchedulingArr = "SCHEDULING_ARR";
inline constexpr std::string_view Note = "NOTE";
} // namespace flight

namespace aircraft {
inline constexpr std::string_view Acn = "ACN";
inline constexpr std::string_view Airline = "AIRLINE";
} // namespace aircraft

// The airport list comes from outside; the program needs these two of its fields.
namespace airport {
inline constexpr std::string_view IcaoCode = "ICAO_CODE";
inline constexpr std::string_view Description = "DESCRIPTION";
} // namespace airport

// The flight timetable, empty: one row per occurrence of a leg.
Table makeFlightTable();
// The airline of every aircraft number, empty.
Table makeAircraftTable();

} // namespace quillby
