#pragma once

#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "view/BoardColumns.h"

#include <string>
#include <string_view>

namespace quillby {

// What the airport chooser shows: the name on display and the ICAO code behind it. The code
// may be set while no airport with it exists; the name is then empty.
struct AirportChoice {
    std::string text;
    std::string keyValue;
};

// The board of one airport for one weekday: the flight table's filter (the airport's code in
// the departure or arrival code field, and the weekday's digit anywhere in the matching weekday
// field), the field that orders the rows (the time of that direction), and the direction, which
// decides the columns shown.
struct TimetableQuery {
    Direction direction = Direction::Departures;
    RowFilter filter;
    std::string indexFieldNames;
};

// "0" on a Sunday up to "6" on a Saturday.
std::string weekdayDigit(const LocalDateTime& now);

// The query for the choosers' state. The airport code is the chooser's key value, but only
// when the chooser shows a name: a code no airport has gives the empty code, which selects only
// rows without a code. The code is compared exactly, so a code with an apostrophe simply
// matches nothing.
TimetableQuery buildTimetableQuery(const AirportChoice& airport, int directionItem,
                                   std::string_view weekday);

// Puts a query into the flight table as the board needs it: filter, then ordering, then the
// filter switched on. Each step takes effect at once when the table is open and when it next
// opens otherwise; a step that fails (a table without the fields) leaves the steps after it
// undone. `showColumns` runs between the ordering and switching the filter on, where the
// window shows and hides its columns. The steps change the view at once: a grid works out the
// new view once, not once per step.
template <typename ShowColumns>
void applyTimetableQuery(const TimetableQuery& query, Dataset& flights, ShowColumns showColumns) {
    flights.changeAtOnce([&] {
        flights.setFilter(query.filter);
        flights.setIndexFieldNames(query.indexFieldNames);
        showColumns(query.direction);
        flights.setFiltered(true);
    });
}

} // namespace quillby
