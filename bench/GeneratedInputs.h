#pragma once

#include "AircraftInstallationGenerator.h"
#include "AirportTableGenerator.h"
#include "FlightPlanGenerator.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quillby::bench {

// The inputs of the benchmarks at the sizes they are measured at, each made once per size when
// first asked for and kept until exit; files go into a scratch folder under the system's
// temporary folder. The largest size is the largest a user can have; a quarter and a half of
// it show whether a cost grows faster than the input.

// Lines of FlightPlans.TXT.
inline constexpr std::array<std::size_t, 3> kFlightPlanLines = {50'000, 100'000, 200'000};
// Aircraft folders; the aircraft list has five lines per folder.
inline constexpr std::array<std::size_t, 3> kAircraftFolders = {500, 1'000, 2'000};
inline constexpr std::size_t kListLinesPerFolder = 5;
// Rows of the airport list.
inline constexpr std::array<std::size_t, 3> kAirportRows = {7'500, 15'000, 30'000};

// Generated FlightPlans.TXT text with its aircraft and airport tables.
const GeneratedFlightPlans& flightPlans(std::size_t lines);

// The flight plans written out for the whole command: aircraft.cds and FlightPlans.TXT.
struct FlightPlanFilesOnDisk {
    std::filesystem::path aircraft;
    std::filesystem::path flightPlans;
};
const FlightPlanFilesOnDisk& flightPlanFiles(std::size_t lines);

// The flight table an import of the flight plans makes (zone offset -2), saved as flight.cds:
// what the board loads after Convert > FlightPlan.
struct ImportedFlights {
    std::filesystem::path file;
    std::size_t rows = 0;
    std::vector<std::string> busiest; // the five busiest departure airports, busiest first
};
const ImportedFlights& importedFlights(std::size_t lines);

// A simulator installation of `folders` aircraft folders and an aircraft list of
// kListLinesPerFolder lines per folder.
const GeneratedInstallation& installation(std::size_t folders);

// An airport list of `rows` rows, in memory and saved as Airport.cds.
struct AirportList {
    GeneratedAirports generated;
    std::filesystem::path file;
};
const AirportList& airportList(std::size_t rows);

} // namespace quillby::bench
