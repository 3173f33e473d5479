#include "GeneratedInputs.h"

#include "BenchSupport.h"
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "import/FlightPlanImport.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>

namespace quillby::bench {

namespace {

const std::filesystem::path& scratch() {
    static const ScratchFolder folder("inputs");
    return folder.path();
}

std::filesystem::path folderFor(const std::string& what, std::size_t size) {
    const auto path = scratch() / (what + "-" + std::to_string(size));
    std::filesystem::create_directories(path);
    return path;
}

// One value per size, made by `make` on first use.
template <typename Value, typename Make> const Value& cached(std::size_t size, Make make) {
    static std::map<std::size_t, std::unique_ptr<const Value>> values;
    auto& value = values[size];
    if (!value) {
        value = std::make_unique<const Value>(make());
    }
    return *value;
}

// The codes of the departure column with the most rows, most first.
std::vector<std::string> busiestDepartures(const Table& flights, std::size_t count) {
    const std::size_t field = flights.fieldIndex(flightTable::kIcaoCodeDep);
    const ValuePool& pool = flights.pool(field);
    std::vector<std::size_t> rows(pool.idCount(), 0);
    for (const ValuePool::Id id : flights.cells(field)) {
        ++rows[id];
    }
    std::vector<ValuePool::Id> ids(pool.idCount());
    std::iota(ids.begin(), ids.end(), 0);
    std::stable_sort(ids.begin(), ids.end(),
                     [&rows](ValuePool::Id a, ValuePool::Id b) { return rows[a] > rows[b]; });
    std::vector<std::string> codes;
    for (const ValuePool::Id id : ids) {
        if (id != ValuePool::kNoValue && codes.size() < count) {
            codes.emplace_back(pool.text(id));
        }
    }
    return codes;
}

} // namespace

const GeneratedFlightPlans& flightPlans(std::size_t lines) {
    return cached<GeneratedFlightPlans>(lines, [lines] { return generateFlightPlans(lines); });
}

const FlightPlanFilesOnDisk& flightPlanFiles(std::size_t lines) {
    return cached<FlightPlanFilesOnDisk>(lines, [lines] {
        const auto folder = folderFor("flightplans", lines);
        FlightPlanFilesOnDisk files{folder / "aircraft.cds", folder / "FlightPlans.TXT"};
        writeTableFile(flightPlans(lines).aircraft, files.aircraft);
        writeFileAtomically(files.flightPlans, flightPlans(lines).text);
        return files;
    });
}

const ImportedFlights& importedFlights(std::size_t lines) {
    return cached<ImportedFlights>(lines, [lines] {
        const GeneratedFlightPlans& input = flightPlans(lines);
        const TextLines text(input.text);
        NoProgress progress;
        const Table table = importFlightPlans(input.aircraft, &input.airports, text,
                                              "FlightPlans.TXT", -2, progress);
        ImportedFlights out{folderFor("imported", lines) / "flight.cds", table.rowCount(),
                            busiestDepartures(table, 5)};
        writeTableFile(table, out.file);
        return out;
    });
}

const GeneratedInstallation& installation(std::size_t folders) {
    return cached<GeneratedInstallation>(folders, [folders] {
        return generateAircraftInstallation(folderFor("installation", folders), folders,
                                            folders * kListLinesPerFolder);
    });
}

const AirportList& airportList(std::size_t rows) {
    return cached<AirportList>(rows, [rows] {
        AirportList list{generateAirportTable(rows), folderFor("airports", rows) / "Airport.cds"};
        writeTableFile(list.generated.table, list.file);
        return list;
    });
}

} // namespace quillby::bench
