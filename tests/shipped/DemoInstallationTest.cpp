// The demo simulator installation Quillby ships, data/demo/: its files read as the importers
// read the simulator's, and its Wine prefix leads to it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "import/GetField.h"
#include "platform/HostPath.h"
#include "platform/IniFile.h"
#include "platform/WineRegistry.h"
#include "shipped/ShippedData.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::shipped;

const fs::path kInstallation = shipped("demo/FS2002");

std::vector<std::string> linesOf(const fs::path& path) {
    const std::string text = readFile(path);
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        EXPECT_NE(end, std::string::npos) << path << ": the last line has no line end";
        EXPECT_TRUE(end != std::string::npos && end > begin && text[end - 1] == '\r')
            << path << ": a line that does not end in CR LF, as Windows files do";
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(text.substr(begin, end - 1 - begin));
        begin = end + 1;
    }
    return lines;
}

// The airline of every title in the demo's aircraft.cfg files, read section by section from
// fltsim.0 on, as the aircraft import reads them.
std::map<std::string, std::string> airlinesByTitle() {
    std::map<std::string, std::string> airlines;
    for (const auto& folder : fs::directory_iterator(kInstallation / "aircraft")) {
        const fs::path cfg = folder.path() / "aircraft.cfg";
        linesOf(cfg); // checks its line ends
        const IniFile ini = IniFile::fromText(readFile(cfg));
        int sections = 0;
        for (int n = 0;; ++n) {
            const std::string section = "fltsim." + std::to_string(n);
            const std::string title = ini.readString(section, "title", "0");
            if (title == "0") {
                break;
            }
            EXPECT_TRUE(airlines.emplace(title, ini.readString(section, "atc_airline", "0")).second)
                << "'" << title << "' is the title of two liveries";
            ++sections;
        }
        EXPECT_GE(sections, 2) << cfg;
    }
    return airlines;
}

TEST(DemoInstallation, EveryAircraftTitleHasALiveryWithItsAirline) {
    const auto airlines = airlinesByTitle();
    EXPECT_GE(airlines.size(), 30u);
    std::set<std::string> numbers;
    for (const std::string& line : linesOf(kInstallation / "Aircraft.TXT")) {
        const std::string number(GetField(line, 1));
        EXPECT_TRUE(number.starts_with("AC#") && numbers.insert(number).second) << line;
        const std::string_view rest = GetField(line, 3, true);
        ASSERT_TRUE(rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') << line;
        const std::string title(rest.substr(1, rest.size() - 2));
        const auto found = airlines.find(title);
        ASSERT_TRUE(found != airlines.end()) << "no aircraft.cfg has the title of " << line;
        // The board shows 15 characters of the airline.
        EXPECT_TRUE(!found->second.empty() && found->second != "0" && found->second.size() <= 15)
            << title << ": '" << found->second << "'";
    }
    EXPECT_EQ(numbers.size(), airlines.size()) << "every livery is in Aircraft.TXT";
}

// A time of a leg in minutes from the start of the period: "hh:mm:ss", or "d/hh:mm:ss" in a
// weekly plan (d from 0, Sunday, to 6).
int minutesOf(std::string_view field, bool weekly) {
    int day = 0;
    if (weekly) {
        EXPECT_TRUE(field.size() == 10 && field[0] >= '0' && field[0] <= '6' && field[1] == '/')
            << field;
        day = field[0] - '0';
        field.remove_prefix(2);
    }
    EXPECT_TRUE(field.size() == 8 && field[2] == ':' && field[5] == ':') << field;
    const int hours = std::stoi(std::string(field.substr(0, 2)));
    const int minutes = std::stoi(std::string(field.substr(3, 2)));
    EXPECT_TRUE(hours < 24 && minutes < 60) << field;
    return day * 24 * 60 + hours * 60 + minutes;
}

TEST(DemoInstallation, EveryFlightPlanIsAClosedLoopBetweenListedAirports) {
    const Table airports = readTableFile(shipped("Airport.cds"));
    const KeyLookup airportName(airports, airportTable::kIcaoCode, airportTable::kDescription);
    std::set<std::string> aircraftNumbers;
    for (const std::string& line : linesOf(kInstallation / "Aircraft.TXT")) {
        aircraftNumbers.insert(std::string(GetField(line, 1)));
    }
    const std::map<std::string, int> periods = {
        {"24Hr", 24 * 60}, {"12Hr", 12 * 60}, {"8Hr", 8 * 60}, {"WEEK", 7 * 24 * 60}};

    std::set<std::string> registrations;
    std::map<char, int> departuresFromHub;
    std::map<char, int> arrivalsAtHub;
    const std::vector<std::string> lines = linesOf(kInstallation / "FlightPlans.TXT");
    EXPECT_GE(lines.size(), 200u);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(aircraftNumbers.contains(std::string(GetField(line, 1))));
        EXPECT_TRUE(registrations.insert(std::string(GetField(line, 2))).second)
            << "each line is one aircraft with a registration of its own";
        const auto period = periods.find(std::string(GetField(line, 4)));
        ASSERT_NE(period, periods.end());
        const bool weekly = period->first == "WEEK";

        std::string_view remaining = GetField(line, 6, true);
        const std::string base(remaining.substr(remaining.size() - 4));
        std::string previous = base;
        int start = -1;
        int last = 0;
        int legs = 0;
        while (remaining.size() > 4) {
            const std::string arrival(GetField(remaining, 6));
            EXPECT_TRUE(airportName.find(previous).has_value()) << previous << " is not listed";
            EXPECT_TRUE(airportName.find(arrival).has_value()) << arrival << " is not listed";
            EXPECT_NE(arrival, previous);
            EXPECT_FALSE(std::string(GetField(remaining, 5)).empty()) << "flight number";
            // Times follow each other through the loop, a day or a week wrapping once.
            for (const int field : {1, 2}) {
                int t = minutesOf(GetField(remaining, field), weekly);
                if (start < 0) {
                    start = last = t;
                }
                while (t < last) {
                    t += period->second;
                }
                last = t;
            }
            const char dayOfDeparture = weekly ? GetField(remaining, 1)[0] : '*';
            const char dayOfArrival = weekly ? GetField(remaining, 2)[0] : '*';
            departuresFromHub[dayOfDeparture] += previous == "LIRF" ? 1 : 0;
            arrivalsAtHub[dayOfArrival] += arrival == "LIRF" ? 1 : 0;
            previous = arrival;
            remaining = GetField(remaining, 7, true);
            ++legs;
        }
        EXPECT_GE(legs, 2);
        EXPECT_EQ(remaining, previous) << "the line ends with its last airport and nothing else";
        EXPECT_EQ(previous, base) << "the last leg ends where the first begins";
        EXPECT_LT(last - start, period->second) << "the loop fits its period";
    }
    // Rome, the demo's home, has departures and arrivals every day of the week.
    for (const char day : std::string("0123456")) {
        EXPECT_GT(departuresFromHub[day] + departuresFromHub['*'], 0) << day;
        EXPECT_GT(arrivalsAtHub[day] + arrivalsAtHub['*'], 0) << day;
    }
    EXPECT_GT(departuresFromHub['*'], 20);
}

TEST(DemoInstallation, ItsWinePrefixNamesTheInstallation) {
    const fs::path prefix = shipped("demo/wine");
    const WineRegistry registry = WineRegistry::load(prefix / "system.reg");
    const std::string fsPath = findSimulatorPath(registry);
    EXPECT_EQ(fsPath, "C:\\FS2002");

    const HostPath hostPath(prefix);
    const auto installation = hostPath.map(fsPath);
    ASSERT_TRUE(installation.has_value());
    EXPECT_TRUE(fs::equivalent(*installation, kInstallation)) << *installation;
    // As the aircraft import builds its paths, whatever the case of the names.
    const auto cfg = hostPath.map(fsPath + "\\aircraft\\MD82\\Aircraft.cfg");
    ASSERT_TRUE(cfg.has_value());
    EXPECT_TRUE(fs::is_regular_file(*cfg)) << *cfg;
}

} // namespace
} // namespace quillby
