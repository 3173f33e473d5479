#include "AirportTableGenerator.h"

#include "data/Schemas.h"

#include <algorithm>
#include <random>
#include <set>

namespace quillby::bench {

namespace {

std::string word(std::mt19937& random) {
    // Upper-case first letter, then lower-case ones; now and then an accented letter.
    static const char kAccented[] = "\xE9\xE8\xE1\xF3\xFC\xF1\xE7";
    std::string s(1, static_cast<char>('A' + random() % 26));
    const std::size_t length = 2 + random() % 9;
    for (std::size_t i = 0; i < length; ++i) {
        s += random() % 30 == 0 ? kAccented[random() % (sizeof kAccented - 1)]
                                : static_cast<char>('a' + random() % 26);
    }
    return s;
}

} // namespace

GeneratedAirports generateAirportTable(std::size_t rows, unsigned seed) {
    std::mt19937 random(seed);
    static const char kCodeLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::set<std::string> codes;
    while (codes.size() < rows) {
        std::string code(1, static_cast<char>('A' + random() % 26)); // a region letter first
        for (int i = 0; i < 3; ++i) {
            code += kCodeLetters[random() % (sizeof kCodeLetters - 1)];
        }
        codes.insert(std::move(code));
    }

    GeneratedAirports out{makeAirportTable(), {codes.begin(), codes.end()}};
    Table& t = out.table;
    t.reserveRows(rows);
    const std::size_t code = t.fieldIndex(airportTable::kIcaoCode);
    const std::size_t name = t.fieldIndex(airportTable::kDescription);
    std::string previous;
    for (const std::string& c : out.codes) {
        std::string n;
        if (!previous.empty() && random() % 100 == 0) {
            n = previous; // two airports of one name
        } else {
            const std::size_t words = 1 + random() % 4;
            for (std::size_t w = 0; w < words; ++w) {
                n += (w == 0 ? "" : " ") + word(random);
            }
            if (random() % 3 == 0) {
                n += random() % 2 == 0 ? " International" : " Airport";
            }
            n.resize(std::min<std::size_t>(n.size(), airportTable::kDescriptionSize));
        }
        const RowIndex r = t.appendRow();
        t.setValue(r, code, c);
        t.setValue(r, name, n);
        previous = std::move(n);
    }
    return out;
}

} // namespace quillby::bench
