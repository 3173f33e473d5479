#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "cli/Wording.h"
#include "data/TableFile.h"
#include "import/ConvertFlightPlans.h"
#include "import/ShiftTime.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/TimeZone.h"

#include <chrono>
#include <cstdio>
#include <optional>

namespace quillby::cli {

namespace {

int currentYear() {
    using namespace std::chrono;
    const year_month_day today(floor<days>(system_clock::now()));
    return static_cast<int>(today.year());
}

} // namespace

// convert-flightplans [--aircraft FILE] [--airports FILE] [--output FILE] FLIGHTPLANS_TXT:
// Convert > FlightPlan without the window. The zone offset is the C runtime's, so TZ sets it.
int runConvertFlightPlans(const std::vector<std::string>& args) {
    ArgumentParser parser("convert-flightplans", args);
    const std::string aircraftFile = parser.option("--aircraft", "aircraft.cds");
    const std::string airportFile = parser.option("--airports", "Airport.cds");
    const std::string outputFile = parser.option("--output", "flight.cds");
    const std::filesystem::path input =
        findFileIgnoringCase(parser.onePositional("FLIGHTPLANS_TXT"));
    const auto start = std::chrono::steady_clock::now();

    // As at the program's start: an airport table that cannot be read is reported and stays
    // closed, and the conversion stops only if it needs an airport name.
    std::optional<Table> airports;
    try {
        airports = readTableFile(airportFile);
    } catch (const Error& e) {
        std::fprintf(stderr, "quillby-cli: warning: %s Airport names cannot be looked up.\n",
                     e.what());
    }

    const TimeZoneValues zone = timeZoneValues(currentYear());
    TerminalProgress progress("Converting " + input.filename().string());
    // The file is named on the command line: there is no choice to cancel.
    const FlightPlanConversion result = *convertFlightPlans(
        {aircraftFile, outputFile}, airports ? &*airports : nullptr,
        zoneOffset(zone.timezone, zone.daylight), [&input] { return std::optional(input); },
        progress);
    progress.finish();

    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("Converted %s of %s into %s of %s in %.2f s\n",
                counted(result.lines, "line").c_str(), input.filename().c_str(),
                counted(result.rows, "row").c_str(),
                std::filesystem::path(outputFile).filename().c_str(), seconds.count());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quillby::cli
