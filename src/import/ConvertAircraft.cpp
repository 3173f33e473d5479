#include "import/ConvertAircraft.h"

#include "data/TableFile.h"
#include "import/AircraftImport.h"
#include "import/TextLines.h"

namespace quillby {

std::optional<AircraftConversion> convertAircraft(const ChooseFile& chooseFile,
                                                  AirlineSource& airlines, ProgressSink& progress,
                                                  const std::filesystem::path& output) {
    const std::optional<std::filesystem::path> source = chooseFile(kAircraftFileFilter);
    if (!source) {
        return std::nullopt;
    }
    const TextLines lines = TextLines::loadFromFile(*source);
    const AircraftImport imported = importAircraft(lines, airlines, progress);
    writeTableFile(imported.table, output);
    return AircraftConversion{*source, lines.count(), imported.titlesWithAirline};
}

} // namespace quillby
