#include "import/FlightTableWriter.h"

#include "data/Schemas.h"

namespace quillby {

FlightTableWriter::FlightTableWriter(Table& table)
    : m_table(table), m_airline(table.fieldIndex(flightTable::kAirline)),
      m_departureCode(table.fieldIndex(flightTable::kIcaoCodeDep)),
      m_departureName(table.fieldIndex(flightTable::kDepApt)),
      m_arrivalCode(table.fieldIndex(flightTable::kIcaoCodeArr)),
      m_arrivalName(table.fieldIndex(flightTable::kDestApt)),
      m_flight(table.fieldIndex(flightTable::kFlight)),
      m_departureTime(table.fieldIndex(flightTable::kTimeDep)),
      m_arrivalTime(table.fieldIndex(flightTable::kTimeArr)),
      m_departureWeekdays(table.fieldIndex(flightTable::kSchedulingDep)),
      m_arrivalWeekdays(table.fieldIndex(flightTable::kSchedulingArr)) {}

RowIndex FlightTableWriter::append(const FlightLeg& leg) {
    const RowIndex row = m_table.appendRow();
    m_table.setValue(row, m_airline, leg.airline);
    m_table.setValue(row, m_departureCode, leg.departureCode);
    m_table.setValue(row, m_departureName, leg.departureName);
    m_table.setValue(row, m_arrivalCode, leg.arrivalCode);
    m_table.setValue(row, m_arrivalName, leg.arrivalName);
    m_table.setValue(row, m_flight, leg.flight);
    m_table.setValue(row, m_departureTime, leg.departureTime);
    m_table.setValue(row, m_arrivalTime, leg.arrivalTime);
    m_table.setValue(row, m_departureWeekdays, leg.departureWeekdays);
    m_table.setValue(row, m_arrivalWeekdays, leg.arrivalWeekdays);
    return row;
}

} // namespace quillby
