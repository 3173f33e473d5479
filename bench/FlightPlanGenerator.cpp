#include "FlightPlanGenerator.h"

#include "data/Schemas.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace quillby::bench {

namespace {

constexpr std::size_t kAirports = 3000;
constexpr std::size_t kAircraft = 2000;
constexpr std::size_t kAirlines = 300;

std::string letters(std::mt19937& random, std::size_t count, char first = 'A') {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        s += static_cast<char>(first + random() % 26);
    }
    return s;
}

std::string name(std::mt19937& random) {
    std::string s = letters(random, 1) + letters(random, 4 + random() % 8, 'a');
    if (random() % 2 == 0) {
        s += ' ';
        s += letters(random, 1);
        s += letters(random, 3 + random() % 12, 'a');
    }
    return s;
}

// A time of the simulator's files, "hh:mm:ss", or "d/hh:mm:ss" on a weekly line.
void appendTime(std::string& out, unsigned minutes, int weekday) {
    char text[32];
    if (weekday >= 0) {
        std::snprintf(text, sizeof text, "%d/%02u:%02u:00", weekday, minutes / 60 % 24,
                      minutes % 60);
    } else {
        std::snprintf(text, sizeof text, "%02u:%02u:00", minutes / 60 % 24, minutes % 60);
    }
    out += text;
}

} // namespace

GeneratedFlightPlans generateFlightPlans(std::size_t lines, unsigned seed) {
    std::mt19937 random(seed);
    GeneratedFlightPlans out{
        {}, makeAircraftTable(), Table({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}})};

    std::vector<std::string> codes;
    for (std::size_t i = 0; i < kAirports; ++i) {
        codes.push_back(letters(random, 4));
        if (i % 100 != 99) { // one airport in a hundred is missing from the table
            const RowIndex r = out.airports.appendRow();
            out.airports.setValue(r, 0, codes.back());
            out.airports.setValue(r, 1, name(random));
        }
    }
    std::vector<std::string> airlines;
    for (std::size_t i = 0; i < kAirlines; ++i) {
        airlines.push_back(name(random));
    }
    for (std::size_t i = 1; i <= kAircraft; ++i) {
        if (i % 50 != 0) { // one aircraft number in fifty is missing from the table
            const RowIndex r = out.aircraft.appendRow();
            out.aircraft.setValue(r, 0, "AC#" + std::to_string(i));
            out.aircraft.setValue(r, 1, airlines[random() % kAirlines]);
        }
    }
    // Airport i is chosen with a weight of 1 / (i + 10): a few hubs, a long tail.
    std::vector<double> weights(kAirports);
    for (std::size_t i = 0; i < kAirports; ++i) {
        weights[i] = 1.0 / static_cast<double>(i + 10);
    }
    std::discrete_distribution<std::size_t> airport(weights.begin(), weights.end());

    out.text.reserve(lines * 160);
    std::vector<std::size_t> stops;
    for (std::size_t line = 0; line < lines; ++line) {
        const unsigned kind = random() % 20;
        // 10 of 20 daily, 3 every 12 hours, 2 every 8, 1 every 6, 4 weekly.
        const char* period = kind < 10   ? "24Hr"
                             : kind < 13 ? "12Hr"
                             : kind < 15 ? "8Hr"
                             : kind < 16 ? "6Hr"
                                         : "WEEK";
        const bool weekly = kind >= 16;
        const unsigned periodMinutes = kind < 10   ? 1440
                                       : kind < 13 ? 720
                                       : kind < 15 ? 480
                                       : kind < 16 ? 360
                                                   : 10080;
        const std::size_t legs = 1 + random() % 8;
        stops.clear();
        for (std::size_t leg = 0; leg < legs; ++leg) {
            stops.push_back(airport(random));
        }

        char head[64];
        std::snprintf(head, sizeof head, "AC#%u,N%05u,%u%%,%s,IFR",
                      static_cast<unsigned>(1 + random() % kAircraft),
                      static_cast<unsigned>(random() % 100000),
                      1 + static_cast<unsigned>(random() % 100), period);
        out.text += head;
        // The legs fit within the period: a departure, a flight of 40 minutes to 4 hours, a stop.
        unsigned minutes = static_cast<unsigned>(random() % 120) * 5;
        const unsigned budget = periodMinutes / static_cast<unsigned>(legs);
        for (std::size_t leg = 0; leg < legs; ++leg) {
            const unsigned flight =
                std::min(40 + static_cast<unsigned>(random() % 41) * 5, budget * 2 / 3);
            const int day = weekly ? static_cast<int>(minutes / 1440 % 7) : -1;
            const int arrivalDay = weekly ? static_cast<int>((minutes + flight) / 1440 % 7) : -1;
            out.text += ',';
            appendTime(out.text, minutes, day);
            out.text += ',';
            appendTime(out.text, minutes + flight, arrivalDay);
            char rest[48];
            std::snprintf(rest, sizeof rest, ",%03u,%c,%u,",
                          50 + static_cast<unsigned>(random() % 300), random() % 4 == 0 ? 'R' : 'F',
                          static_cast<unsigned>(1 + random() % 9999));
            out.text += rest;
            out.text += codes[stops[leg]];
            minutes += budget;
        }
        out.text += "\r\n";
    }
    return out;
}

} // namespace quillby::bench
