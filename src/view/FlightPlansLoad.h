#pragma once

#include "platform/Dataset.h"

#include <filesystem>

namespace quillby {

// The file the board loads, in the working folder; found whatever the case of its name, so it
// is the "flight.cds" the flight plan import writes.
inline constexpr const char* kFlightTableFile = "Flight.cds";

// Loads the flight table file into the board's table and orders it by departure time, whatever
// direction the board shows; the filter and the filtered flag stay as the last query set them.
// A file that cannot be read leaves the table as it was.
void loadFlightPlans(Dataset& flights, const std::filesystem::path& file = kFlightTableFile);

} // namespace quillby
