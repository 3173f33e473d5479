#pragma once

#include "platform/Table.h"

#include <string_view>

namespace quillby {

// The airport list as its generator (tools/airports/) writes it: CSV text in UTF-8, one airport
// a line as "code,name", fields quoted as RFC 4180 quotes them ("Kai Tak, old" and doubled
// quotes inside quotes), an optional first line "icao,name", LF or CR LF line ends, blank lines
// ignored. Quillby ships the table made from it as "Airport.cds".
//
// Returns the airport table (makeAirportTable()) with one row per line, in the order of the
// lines. Names are converted to the code page with the nearest letters it holds. A code must be
// four capital letters or digits, as flight plans write it, and may appear once; a name must
// not be empty or longer than the table keeps. Any other line is an Error naming the file and
// the line: "'airports.csv', line 12: 'EGL' is not an airport code (four capital letters or
// digits)". `fileName` is that name, in UTF-8.
Table airportTableFromCsv(std::string_view text, std::string_view fileName);

} // namespace quillby
