#include "FlightTableGenerator.h"

#include "data/Schemas.h"

#include <cmath>
#include <random>

namespace quillby::bench {

namespace {

std::string letters(std::mt19937& random, std::size_t count, char first = 'A') {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        s += static_cast<char>(first + random() % 26);
    }
    return s;
}

std::string clock(unsigned minutes) {
    char text[6];
    std::snprintf(text, sizeof text, "%02u:%02u", minutes / 60 % 24, minutes % 60);
    return text;
}

} // namespace

GeneratedFlights generateFlightTable(std::size_t rows, unsigned seed) {
    std::mt19937 random(seed);
    constexpr std::size_t kAirports = 3000;
    constexpr std::size_t kAirlines = 300;

    std::vector<std::string> codes, names;
    for (std::size_t i = 0; i < kAirports; ++i) {
        codes.push_back(letters(random, 4));
        std::string name = letters(random, 1) + letters(random, 4 + random() % 8, 'a');
        if (random() % 2 == 0) {
            name += " " + letters(random, 1) + letters(random, 3 + random() % 12, 'a');
        }
        names.push_back(name.substr(0, 30));
    }
    std::vector<std::string> airlines;
    for (std::size_t i = 0; i < kAirlines; ++i) {
        airlines.push_back(letters(random, 1) + letters(random, 4 + random() % 10, 'a'));
    }
    // Airport i is chosen with a weight of 1 / (i + 10): a few hubs (the busiest carries about
    // 2% of all legs), a long tail.
    std::vector<double> weights(kAirports);
    for (std::size_t i = 0; i < kAirports; ++i) {
        weights[i] = 1.0 / static_cast<double>(i + 10);
    }
    std::discrete_distribution<std::size_t> airport(weights.begin(), weights.end());

    GeneratedFlights out{makeFlightTable(), {codes.begin(), codes.begin() + 5}};
    Table& t = out.table;
    t.reserveRows(rows);
    using namespace flightTable;
    const std::size_t depCode = t.fieldIndex(kIcaoCodeDep), depName = t.fieldIndex(kDepApt),
                      arrCode = t.fieldIndex(kIcaoCodeArr), arrName = t.fieldIndex(kDestApt),
                      airline = t.fieldIndex(kAirline), flightNo = t.fieldIndex(kFlight),
                      timeDep = t.fieldIndex(kTimeDep), timeArr = t.fieldIndex(kTimeArr),
                      schedDep = t.fieldIndex(kSchedulingDep),
                      schedArr = t.fieldIndex(kSchedulingArr);
    for (std::size_t i = 0; i < rows; ++i) {
        const std::size_t from = airport(random);
        std::size_t to = airport(random);
        if (to == from) {
            to = (to + 1 + random() % 50) % kAirports;
        }
        const unsigned departure = static_cast<unsigned>(random() % 288) * 5;
        const unsigned arrival = departure + 45 + static_cast<unsigned>(random() % 60) * 5;
        const RowIndex r = t.appendRow();
        t.setValue(r, depCode, codes[from]);
        t.setValue(r, depName, names[from]);
        t.setValue(r, arrCode, codes[to]);
        t.setValue(r, arrName, names[to]);
        t.setValue(r, airline, airlines[random() % kAirlines]);
        t.setValue(r, flightNo, std::to_string(1 + random() % 9999));
        t.setValue(r, timeDep, clock(departure));
        t.setValue(r, timeArr, clock(arrival));
        if (random() % 10 < 7) {
            t.setValue(r, schedDep, "0123456");
            t.setValue(r, schedArr, "0123456");
        } else {
            const unsigned day = static_cast<unsigned>(random() % 7);
            t.setValue(r, schedDep, std::to_string(day));
            t.setValue(r, schedArr, std::to_string(arrival >= 1440 ? (day + 1) % 7 : day));
        }
    }
    return out;
}

} // namespace quillby::bench
