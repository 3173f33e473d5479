#pragma once

#include "import/AirlineSource.h"
#include "import/ProgressSink.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace quillby {

// The Convert > Aircraft command without its window: choose the aircraft list, import it and
// save the aircraft table. The window passes its file dialog and progress bar; the command-line
// tool passes the file it was given and its own progress line.

// The filter the file chooser is given: one entry, "Aircraft files (*.txt)", which lists only
// files named Aircraft.TXT.
inline constexpr std::string_view kAircraftFileFilter = "Aircraft files (*.txt)|Aircraft.TXT";

// The aircraft table's file, in the working folder.
inline constexpr std::string_view kAircraftTableFile = "aircraft.cds";

// Asks the user for a file, given a filter "description|pattern"; nothing when the user cancels.
using ChooseFile = std::function<std::optional<std::filesystem::path>(std::string_view filter)>;

struct AircraftConversion {
    std::filesystem::path source; // the aircraft list that was read
    std::size_t lines = 0;        // lines read, and rows written: one row per line
    std::size_t titlesWithAirline = 0;
};

// Asks `chooseFile` for the aircraft list; when a file is chosen, reads it whole, imports it
// with `airlines` (a source made for this run) and writes the table to `output` ("aircraft.cds"
// in the working folder, replacing a file of that name whatever the case of its letters).
//
// When the choice is cancelled nothing is read or written and the result is nothing: an
// existing aircraft table stays as it is, so the flight plan import keeps the airlines of the
// last conversion. Errors (a list that cannot be read, a table that cannot be written) raise
// an Error and leave `output` as it was: the table is written whole or not at all.
std::optional<AircraftConversion> convertAircraft(const ChooseFile& chooseFile,
                                                  AirlineSource& airlines, ProgressSink& progress,
                                                  const std::filesystem::path& output);

} // namespace quillby
