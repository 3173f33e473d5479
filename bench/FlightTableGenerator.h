#pragma once

#include "platform/Table.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quillby::bench {

// A flight table of realistic shape for measurements: airports used in proportion to their
// size (a few hubs carry most flights, as in real traffic files), airport names of 10 to 30
// letters, a few hundred airlines, times on five-minute steps, most legs daily ("0123456") and
// the rest weekly. The same seed gives the same table.
struct GeneratedFlights {
    Table table;
    std::vector<std::string> hubs; // the busiest airports first
};

GeneratedFlights generateFlightTable(std::size_t rows, unsigned seed = 2002);

} // namespace quillby::bench
