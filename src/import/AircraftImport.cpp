#include "import/AircraftImport.h"

#include "data/Schemas.h"
#include "import/ExtractQuotedString.h"
#include "import/GetField.h"

#include <algorithm>
#include <limits>

namespace quillby {

namespace {

// The progress bar counts in int; a list longer than that (never met) stops its bar at the end.
int progressStep(std::size_t n) {
    return static_cast<int>(std::min<std::size_t>(n, std::numeric_limits<int>::max()));
}

} // namespace

std::string_view aircraftNumberOf(std::string_view line) {
    return GetField(line, 1);
}

std::string aircraftTitleOf(std::string_view line) {
    return extractQuotedString(GetField(line, 3, true), '"');
}

AircraftImport importAircraft(const TextLines& lines, AirlineSource& airlines,
                              ProgressSink& progress) {
    AircraftImport result{makeAircraftTable()};
    Table& table = result.table;
    const std::size_t acn = table.fieldIndex(aircraftTable::kAcn);
    const std::size_t airline = table.fieldIndex(aircraftTable::kAirline);

    progress.setPosition(0);
    progress.setMin(0);
    progress.setMax(progressStep(lines.count()));
    table.reserveRows(lines.count());
    for (std::size_t i = 0; i < lines.count(); ++i) {
        progress.setPosition(progressStep(i));
        const std::string_view line = lines[i];
        const std::string_view found = airlines.GetAirline(aircraftTitleOf(line));
        const RowIndex row = table.appendRow();
        table.setValue(row, acn, aircraftNumberOf(line));
        table.setValue(row, airline, found);
        if (!found.empty()) {
            ++result.titlesWithAirline;
        }
    }
    return result;
}

} // namespace quillby
