#include "import/ConvertFlightPlans.h"

#include "data/TableFile.h"
#include "import/FlightPlanImport.h"
#include "import/TextLines.h"

namespace quillby {

std::optional<FlightPlanConversion> convertFlightPlans(const FlightPlanFiles& files,
                                                       const Table* airports, int zoneOffset,
                                                       const FlightPlanFileChooser& chooseFile,
                                                       ProgressSink& progress) {
    const Table aircraft = readTableFile(files.aircraft);
    const std::optional<std::filesystem::path> input = chooseFile();
    if (!input) {
        return std::nullopt;
    }
    const TextLines lines = TextLines::loadFromFile(*input);
    const Table flights = importFlightPlans(aircraft, airports, lines, input->filename().string(),
                                            zoneOffset, progress);
    writeTableFile(flights, files.flights);
    return FlightPlanConversion{*input, lines.count(), flights.rowCount()};
}

} // namespace quillby
