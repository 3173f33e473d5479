// Fuzz target of the flight plan import: the input is a whole FlightPlans.TXT, imported against
// small fixed aircraft and airport tables, with and without a move to local time, and once more
// without the airport table (as when the program could not load it). A timetable or an Error
// (the line it could not read) are the outcomes.
#include "FuzzInput.h"
#include "data/Schemas.h"
#include "import/FlightPlanImport.h"
#include "platform/Error.h"

namespace quillby::fuzz {
namespace {

Table keyedTable(Table table, std::initializer_list<std::pair<const char*, const char*>> rows) {
    for (const auto& [key, text] : rows) {
        const RowIndex row = table.appendRow();
        table.setValue(row, 0, key);
        table.setValue(row, 1, text);
    }
    return table;
}

const Table& aircraft() {
    static const Table table = keyedTable(
        makeAircraftTable(), {{"AC#1", "Alitalia"}, {"AC#2", "British Airways"}, {"AC#1", "x"}});
    return table;
}

const Table& airports() {
    static const Table table =
        keyedTable(Table({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}}),
                   {{"LIRF", "Roma Fiumicino"}, {"EGLL", "London Heathrow"}, {"LFPG", "Paris"}});
    return table;
}

// Holds the import to its promise about progress: 0, minimum 0, maximum the line count, then
// the index of each line in turn.
class CheckedProgress final : public ProgressSink {
public:
    explicit CheckedProgress(std::size_t lines) : m_lines(lines) {}
    void setPosition(int position) override {
        check(position >= 0 && (position == 0 || static_cast<std::size_t>(position) < m_lines),
              "a progress position is 0 or the index of a line");
        check(position == 0 || position == m_last + 1, "progress goes line by line");
        m_last = position;
    }
    void setMin(int min) override { check(min == 0, "the progress minimum is 0"); }
    void setMax(int max) override {
        check(static_cast<std::size_t>(max) == m_lines, "the progress maximum is the line count");
    }

private:
    std::size_t m_lines;
    int m_last = 0;
};

bool isClock(std::string_view text) {
    const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    return text.size() == 5 && digit(0) && digit(1) && text[2] == ':' && digit(3) && digit(4) &&
           text.substr(0, 2) <= "23" && text[3] <= '5';
}

void import(const TextLines& lines, const Table* airportTable, int zoneOffset) {
    CheckedProgress progress(lines.count());
    Table table;
    try {
        table = importFlightPlans(aircraft(), airportTable, lines, "FlightPlans.TXT", zoneOffset,
                                  progress);
    } catch (const Error&) {
        return;
    }
    if (zoneOffset == 0) {
        return; // times are then kept as the file writes them
    }
    const std::size_t dep = table.fieldIndex(flightTable::kTimeDep);
    const std::size_t arr = table.fieldIndex(flightTable::kTimeArr);
    for (RowIndex row = 0; row < table.rowCount(); ++row) {
        check(isClock(table.text(row, dep)) && isClock(table.text(row, arr)),
              "a time moved to local time is a time of day");
    }
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const TextLines lines(fuzz::asText(data, size));
    fuzz::import(lines, &fuzz::airports(), 0);
    fuzz::import(lines, &fuzz::airports(), -7);
    fuzz::import(lines, nullptr, 0);
    return 0;
}
