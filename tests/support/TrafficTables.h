#pragma once

#include "platform/Table.h"

namespace quillby::test {

// The aircraft and airport tables that go with the flight plans of
// tests/data/flightplans/FlightPlans.TXT.

// AC#1 Alitalia, AC#2 "British Airways Limited" (longer than the timetable's airline field),
// AC#3 Air France, "AC#1000" (stored cut to "AC#100", so the flight plans' AC#1000 is not found)
// and a second AC#1, Air One, that a look-up never reaches.
Table aircraftFixture();

// LIRF Roma Fiumicino, EGLL London Heathrow, LFPG Paris Charles de Gaulle, LIML Milano Linate,
// with a further field the program does not use. KXYZ of the flight plans is not there.
Table airportFixture();

} // namespace quillby::test
