// The leg rules at the size of the largest flight plan files: a million rows, read from text
// lines, moved to local time, repeated within the day and stored in a flight table.

#include "data/Schemas.h"
#include "import/AddRepeatedLegs.h"
#include "import/GetField.h"
#include "import/LegTime.h"
#include "import/TextLines.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace quillby {
namespace {

// Lines of four legs each; one line in four repeats every 12 hours, one in four is weekly.
std::string flightPlans(int lineCount) {
    std::string text;
    char line[512];
    for (int i = 0; i < lineCount; ++i) {
        const char* period = i % 4 == 0 ? "12Hr" : (i % 4 == 1 ? "WEEK" : "24Hr");
        const bool weekly = i % 4 == 1;
        int used = std::snprintf(line, sizeof line, "AC#%d,N%05d,41%%,%s,IFR", i % 3000, i, period);
        for (int leg = 0; leg < 4; ++leg) {
            const int hour = (i + leg * 5) % 24;
            const int day = (i + leg) % 7;
            char dep[16];
            char arr[16];
            std::snprintf(dep, sizeof dep, "%02d:%02d:00", hour, leg * 7);
            std::snprintf(arr, sizeof arr, "%02d:%02d:00", (hour + 1) % 24, leg * 11);
            used += std::snprintf(
                line + used, sizeof line - static_cast<std::size_t>(used),
                weekly ? ",%d/%s,%d/%s,296,F,%d,K%03d" : ",%.0d%s,%.0d%s,296,F,%d,K%03d",
                weekly ? day : 0, dep, weekly ? day : 0, arr, 1000 + leg, (i + leg) % 900);
        }
        text.append(line, static_cast<std::size_t>(used));
        text += "\r\n";
    }
    return text;
}

void legRules(benchmark::State& state) {
    const std::string text = flightPlans(static_cast<int>(state.range(0)));
    std::size_t rows = 0;
    for (auto _ : state) {
        const TextLines lines(text);
        Table table = makeFlightTable();
        FlightTableWriter writer(table);
        const int offset = -2;
        for (const std::string_view line : lines) {
            const bool weekly = GetField(line, 4) == "WEEK";
            const int period = weekly ? 0 : (GetField(line, 4)[0] == '1' ? 12 : 24);
            std::string_view remaining = GetField(line, 6, true);
            std::string_view previous = remaining.substr(remaining.size() - 4);
            while (remaining.size() > 4) {
                const std::string_view depField = GetField(remaining, 1);
                const std::string_view arrField = GetField(remaining, 2);
                const LegTime dep = readLegTime(depField, weekly, offset);
                const LegTime arr = readLegTime(arrField, weekly, offset);
                const std::string_view flight = GetField(remaining, 5);
                const std::string_view arrival = GetField(remaining, 6);
                writer.append({"Airline", previous, "", arrival, "", flight, dep.time(), arr.time(),
                               dep.weekdays(), arr.weekdays()});
                if (!weekly && period < 24) {
                    AddRepeatedLegs(writer, period, "Airline", previous, "", arrival, "", depField,
                                    arrField, flight, offset);
                }
                remaining = GetField(remaining, 7, true);
                previous = arrival;
            }
        }
        rows = table.rowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

BENCHMARK(legRules)->Arg(200'000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillby
