#pragma once

#include "import/ProgressSink.h"
#include "import/TextLines.h"
#include "platform/Table.h"

#include <string_view>

namespace quillby {

// The flight plan import: the lines of the simulator's FlightPlans.TXT turned into a new flight
// timetable, one row for every occurrence of every leg.
//
// A line reads: aircraft number, two fields not used, the repeat period ("WEEK" for a weekly
// schedule, else whole hours and two further characters, as in "24Hr"), a field not used, then
// six fields per leg: departure time, arrival time, two fields not used, flight number and
// arrival airport. A leg departs from the arrival airport of the leg before it; the first leg
// departs from the airport in the last four characters of the line, since each flight plan
// closes its circuit there.
//
// Rows come in file order: lines in order, legs of a line in order, and for a daily leg that
// repeats within the day (period below 24 hours) its first occurrence followed by its repeats.
// Each row gets the airline of the line's aircraft number (the first row of `aircraft` whose ACN
// equals it, field "Airline"), both airport codes with their names (the first row of `airports`
// whose ICAO_CODE equals the code as the line gives it, field "Description"), the flight number,
// the local times and the weekday digits. A number or code that is not found gives an empty text.
// TIME_NEW and NOTE hold no value.
//
// `airports` is null when the airport table is not open (the program could not load it): a file
// whose lines store no leg is imported all the same, the first airport name to look up stops the
// import.
//
// Stops with an Error, keeping no rows, at the first line whose period is not a number (a blank
// line is such a line, and so is "Week", whose "We" is no number), whose time cannot be read where
// it must be moved to local time or repeated, or that needs an airport name while the airport
// table is not open. The message names the text, `fileName` and the line counted from 1:
// "'We' is not a valid integer value (FlightPlans.TXT, line 12)".
//
// A remainder without a comma that is longer than four characters, met where the next leg would
// start, ends the line's legs without a row and without an error. It is what is left after the
// last leg when blanks follow the closing airport code, or when a line breaks off inside its first
// field of legs; taken as a leg, it would be read again and again without end.
//
// Progress: position 0, minimum 0, maximum the number of lines, then the position of each line's
// index before the line is read.
Table importFlightPlans(const Table& aircraft, const Table* airports, const TextLines& lines,
                        std::string_view fileName, int zoneOffset, ProgressSink& progress);

} // namespace quillby
