#include "import/FlightPlanImport.h"

#include "data/Schemas.h"
#include "import/AddRepeatedLegs.h"
#include "import/ConversionError.h"
#include "import/FlightTableWriter.h"
#include "import/GetField.h"
#include "import/LegTime.h"
#include "platform/Error.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>

namespace quillby {

namespace {

// The field names the import asks for; they match AIRLINE and DESCRIPTION without regard to case.
constexpr std::string_view kAirlineField = "Airline";
constexpr std::string_view kDescriptionField = "Description";

// A progress bar counts in int; a file of more lines than that shows its last steps as full.
int progressStep(std::size_t value) {
    return static_cast<int>(std::min<std::size_t>(value, INT_MAX));
}

// The airport names of an import: the airport table, or none while it is not open.
class AirportNames {
public:
    explicit AirportNames(const Table* airports) {
        if (airports != nullptr) {
            m_lookup.emplace(*airports, airportTable::kIcaoCode, kDescriptionField);
        }
    }

    // The name of the airport with the code exactly as the line gives it; "" when there is none.
    std::string_view find(std::string_view code, std::string_view fileName,
                          std::size_t lineNumber) const {
        if (!m_lookup) {
            std::string message = "Cannot look up airport names: the airport table is not open (";
            message += fileName;
            message += ", line ";
            message += std::to_string(lineNumber);
            message += ')';
            throw Error(message);
        }
        return m_lookup->find(code).value_or(std::string_view{});
    }

private:
    std::optional<KeyLookup> m_lookup;
};

// About the number of rows the lines give, to make room for them at once: a table that grows
// row by row to a million rows moves and touches each of its columns several times over. A line
// of k legs has 6k + 4 commas; a daily leg repeating every p hours gives 24 / p rows.
std::size_t expectedRows(const TextLines& lines) {
    std::size_t rows = 0;
    for (const std::string_view line : lines) {
        const auto commas = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
        const std::string_view period = GetField(line, 4);
        int hours = 0;
        for (std::size_t i = 0; i < period.size() && i < 2 && period[i] >= '0' && period[i] <= '9';
             ++i) {
            hours = hours * 10 + (period[i] - '0');
        }
        rows +=
            (commas + 1) / 6 * static_cast<std::size_t>(hours > 0 && hours < 24 ? 24 / hours : 1);
    }
    return rows;
}

} // namespace

Table importFlightPlans(const Table& aircraft, const Table* airports, const TextLines& lines,
                        std::string_view fileName, int zoneOffset, ProgressSink& progress) {
    const KeyLookup airlines(aircraft, aircraftTable::kAcn, kAirlineField);
    const AirportNames airportNames(airports);
    Table table = makeFlightTable();
    table.reserveRows(expectedRows(lines));
    FlightTableWriter writer(table);

    progress.setPosition(0);
    progress.setMin(0);
    progress.setMax(progressStep(lines.count()));
    for (std::size_t index = 0; index < lines.count(); ++index) {
        progress.setPosition(progressStep(index));
        const std::string_view line = lines[index];
        const std::size_t lineNumber = index + 1;
        try {
            const std::string_view airline =
                airlines.find(GetField(line, 1)).value_or(std::string_view{});

            const std::string_view periodField = GetField(line, 4);
            const bool weekly = periodField == "WEEK";
            int period = 0;
            if (!weekly) {
                period = strToInt(
                    periodField.substr(0, std::max<std::size_t>(periodField.size(), 2) - 2));
            }
            const bool repeats = !weekly && period < 24;

            std::string_view remaining = GetField(line, 6, true);
            std::string_view previous =
                remaining.substr(remaining.size() - std::min<std::size_t>(remaining.size(), 4));
            // A leg departs where the leg before it arrived: the name found for that arrival is
            // the departure's too, as the table does not change meanwhile.
            std::optional<std::string_view> previousName;
            while (remaining.size() > 4) {
                if (remaining.find(',') == std::string_view::npos) {
                    break; // no further leg; see the header
                }
                const std::string_view departureField = GetField(remaining, 1);
                const std::string_view arrivalField = GetField(remaining, 2);
                const LegTime departure = readLegTime(departureField, weekly, zoneOffset);
                const LegTime arrival = readLegTime(arrivalField, weekly, zoneOffset);
                const std::string_view flight = GetField(remaining, 5);
                const std::string_view arrivalCode = GetField(remaining, 6);
                if (!previousName) {
                    previousName = airportNames.find(previous, fileName, lineNumber);
                }
                const std::string_view departureName = *previousName;
                const std::string_view arrivalName =
                    airportNames.find(arrivalCode, fileName, lineNumber);
                writer.append({
                    .airline = airline,
                    .departureCode = previous,
                    .departureName = departureName,
                    .arrivalCode = arrivalCode,
                    .arrivalName = arrivalName,
                    .flight = flight,
                    .departureTime = departure.time(),
                    .arrivalTime = arrival.time(),
                    .departureWeekdays = departure.weekdays(),
                    .arrivalWeekdays = arrival.weekdays(),
                });
                if (repeats) {
                    AddRepeatedLegs(writer, period, airline, previous, departureName, arrivalCode,
                                    arrivalName, departureField, arrivalField, flight, zoneOffset);
                }
                remaining = GetField(remaining, 7, true);
                previous = arrivalCode;
                previousName = arrivalName;
            }
        } catch (const ConversionError& e) {
            throw e.at(fileName, lineNumber);
        }
    }
    return table;
}

} // namespace quillby
