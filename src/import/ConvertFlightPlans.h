#pragma once

#include "import/ProgressSink.h"
#include "platform/Table.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>

namespace quillby {

// The command Convert > FlightPlan as a whole, for the window's menu and the command-line tool:
// it reads the aircraft table, asks for the flight plan file, imports it (importFlightPlans) and
// saves the new flight timetable.

// The table files of the command; bare names live in the working folder and are found without
// regard to case ("Flight.cds" is the file "flight.cds" replaces).
struct FlightPlanFiles {
    std::filesystem::path aircraft = "aircraft.cds";
    std::filesystem::path flights = "flight.cds";
};

// The flight plan file the user picks, or nothing when they cancel. The window shows its file
// dialog (filter "FlightPlan files (*.txt)|FlightPlans.TXT"); the command-line tool gives the file
// named on its command line.
using FlightPlanFileChooser = std::function<std::optional<std::filesystem::path>()>;

// What a finished conversion did, for a summary.
struct FlightPlanConversion {
    std::filesystem::path input;
    std::size_t lines = 0;
    std::size_t rows = 0;
};

// Runs the command. In order: reads `files.aircraft` (an Error when it is missing or unreadable,
// before the user is asked for anything), asks `chooseFile`, reads the chosen file, imports it
// with the airport table `airports` (null when it is not open) and `zoneOffset`, and writes the
// timetable to `files.flights`. Errors in the flight plans name the file by its name without its
// folder, as the user picked it: "'We' is not a valid integer value (FlightPlans.TXT, line 12)".
//
// An existing flight table is replaced only by a finished import, and whole: every error stops
// the command before the write, and the write goes to a temporary file first. A cancelled choice
// writes nothing either and gives no result: the user chose not to convert, so the timetable they
// have stays as it is rather than being replaced by an empty one.
std::optional<FlightPlanConversion> convertFlightPlans(const FlightPlanFiles& files,
                                                       const Table* airports, int zoneOffset,
                                                       const FlightPlanFileChooser& chooseFile,
                                                       ProgressSink& progress);

} // namespace quillby
