#pragma once

#include "import/AirlineSource.h"
#include "import/ProgressSink.h"
#include "import/TextLines.h"
#include "platform/Table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillby {

// The aircraft list "Aircraft.TXT" made into the aircraft table: one row per line of the file,
// in file order, with the line's aircraft number (ACN) and the airline of the line's aircraft
// title (AIRLINE). Lines look like
//     AC#12,450,"Boeing 737-400 KLM"
// and no line is rejected: a line of another shape still gives a row, by the rules below.

// The aircraft number of a line: its text before the first comma (its first four characters
// when it has none). The table keeps six characters of it.
std::string_view aircraftNumberOf(std::string_view line);

// The title of a line: the rest of the line from its third field on (after the second comma,
// after the only comma, or the whole line), unquoted by extractQuotedString. So commas inside
// the quotes belong to the title, and a rest that does not begin with '"' (a blank before it,
// a bare title) gives an empty title.
std::string aircraftTitleOf(std::string_view line);

struct AircraftImport {
    Table table;                       // makeAircraftTable() with one row per line
    std::size_t titlesWithAirline = 0; // lines whose title found an aircraft (answer not "")
};

// Imports the lines, asking `airlines` once per line. Progress: position 0, minimum 0, maximum
// the number of lines, then before each line the position of its index (so the last position
// is the number of lines minus one).
AircraftImport importAircraft(const TextLines& lines, AirlineSource& airlines,
                              ProgressSink& progress);

} // namespace quillby
