#pragma once

#include "platform/Table.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quillby::bench {

// An airport list of realistic shape for measurements, in the shape Quillby ships it
// (makeAirportTable): distinct ICAO codes of four capitals or digits in code order, as the
// shipped list is; names of one to four words and up to 50 letters, some with accented letters
// (Windows-1252), some shared by two airports. The same seed gives the same table.
struct GeneratedAirports {
    Table table;
    std::vector<std::string> codes; // in table order
};

GeneratedAirports generateAirportTable(std::size_t rows, unsigned seed = 2002);

} // namespace quillby::bench
