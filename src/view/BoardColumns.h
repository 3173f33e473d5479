#pragma once

#include <array>
#include <string_view>

namespace quillby {

// The columns of the timetable grid, left to right: the field each shows, its title, and its
// width in pixels (0: the width the field's size calls for).
struct BoardColumn {
    std::string_view field;
    std::string_view title;
    int width;
};

inline constexpr std::array<BoardColumn, 8> kBoardColumns = {{
    {"AIRLINE", "AIRLINE", 76},
    {"FLIGHT", "FLIGHT", 0},
    {"DEP_APT", "FROM", 0},
    {"DEST_APT", "TO", 0},
    {"TIME_ARR", "TIME_ARR", 0},
    {"TIME_DEP", "TIME DEP.", 142},
    {"TIME_NEW", "TIME EFF.", 140},
    {"NOTE", "NOTE", 0},
}};

// Which way the board looks: flights leaving the airport or flights reaching it.
enum class Direction { Departures, Arrivals };

// The direction chooser's item: 0 "Departure" gives departures; every other index, 1
// "Arrival" and also -1 (nothing chosen), gives arrivals.
constexpr Direction directionOfItem(int itemIndex) {
    return itemIndex == 0 ? Direction::Departures : Direction::Arrivals;
}

// The columns the query shows and hides: columns 2 to 5 (FROM, TO, TIME_ARR, TIME DEP.) depend
// on the direction; the others are always shown. A departures board shows where flights go and
// when they leave; an arrivals board where they come from and when they land.
constexpr bool columnShown(std::size_t column, Direction direction) {
    const bool departures = direction == Direction::Departures;
    switch (column) {
    case 2: return !departures; // FROM
    case 3: return departures;  // TO
    case 4: return !departures; // TIME_ARR
    case 5: return departures;  // TIME DEP.
    default: return true;
    }
}

} // namespace quillby
