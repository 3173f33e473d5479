#include "support/TrafficTables.h"

#include "data/Schemas.h"

#include <string_view>
#include <utility>

namespace quillby::test {

namespace {

using Pair = std::pair<std::string_view, std::string_view>;

Table filled(Table table, std::initializer_list<Pair> rows) {
    for (const auto& [key, text] : rows) {
        const RowIndex r = table.appendRow();
        table.setValue(r, 0, key);
        table.setValue(r, 1, text);
    }
    return table;
}

} // namespace

Table aircraftFixture() {
    return filled(makeAircraftTable(), {
                                           {"AC#1", "Alitalia"},
                                           {"AC#2", "British Airways Limited"},
                                           {"AC#3", "Air France"},
                                           {"AC#1000", "Cut Number Air"},
                                           {"AC#1", "Air One"},
                                       });
}

Table airportFixture() {
    return filled(Table({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}, {"COUNTRY", 20}}),
                  {
                      {"LIRF", "Roma Fiumicino"},
                      {"EGLL", "London Heathrow"},
                      {"LFPG", "Paris Charles de Gaulle"},
                      {"LIML", "Milano Linate"},
                  });
}

} // namespace quillby::test
