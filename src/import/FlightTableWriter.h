#pragma once

#include "platform/Table.h"

#include <cstddef>
#include <string_view>

namespace quillby {

// The values of one row of the flight timetable, as the import gives them. Texts longer than
// their field are cut by the table. TIME_NEW and NOTE are never written by the import.
struct FlightLeg {
    std::string_view airline{};
    std::string_view departureCode{};
    std::string_view departureName{};
    std::string_view arrivalCode{};
    std::string_view arrivalName{};
    std::string_view flight{};
    std::string_view departureTime{};
    std::string_view arrivalTime{};
    std::string_view departureWeekdays{};
    std::string_view arrivalWeekdays{};
};

// Appends rows to a flight timetable (a table made by makeFlightTable, or one with the same field
// names in any order). The fields are found by name once, when the writer is made, not once per
// row: an import appends up to millions of rows.
class FlightTableWriter {
public:
    // An Error "Field 'NAME' not found" when the table lacks one of the fields written.
    explicit FlightTableWriter(Table& table);

    RowIndex append(const FlightLeg& leg);
    Table& table() { return m_table; }

private:
    Table& m_table;
    std::size_t m_airline;
    std::size_t m_departureCode;
    std::size_t m_departureName;
    std::size_t m_arrivalCode;
    std::size_t m_arrivalName;
    std::size_t m_flight;
    std::size_t m_departureTime;
    std::size_t m_arrivalTime;
    std::size_t m_departureWeekdays;
    std::size_t m_arrivalWeekdays;
};

} // namespace quillby
