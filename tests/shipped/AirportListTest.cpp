// The airport list Quillby ships, data/Airport.cds, as the program and its users meet it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Windows1252.h"
#include "shipped/ShippedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace quillby {
namespace {

using test::shipped;

const Table& airports() {
    static const Table table = readTableFile(shipped("Airport.cds"));
    return table;
}

std::string nameOf(std::string_view code) {
    return std::string(
        airports().lookup(airportTable::kIcaoCode, code, airportTable::kDescription).value_or(""));
}

TEST(AirportList, HoldsEveryAirportOnceUnderItsFourLetterCodeInCodeOrder) {
    const Table& table = airports();
    ASSERT_EQ(table.fieldCount(), 2u);
    EXPECT_EQ(table.fields()[0], (FieldDef{"ICAO_CODE", 4}));
    EXPECT_EQ(table.fields()[1], (FieldDef{"DESCRIPTION", 50}));
    EXPECT_GT(table.rowCount(), 15000u);

    std::string previous;
    std::size_t failures = 0;
    for (RowIndex r = 0; r < table.rowCount() && failures < 10; ++r) {
        const std::string code(table.text(r, 0));
        const std::string name(table.text(r, 1));
        const bool fourLetters =
            code.size() == 4 &&
            code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos;
        // Sorted and unique: the generator writes the rows in code order.
        const bool ok =
            fourLetters && code > previous && !name.empty() && name.find('?') == std::string::npos;
        EXPECT_TRUE(ok) << "row " << r << ": '" << code << "' '" << windows1252ToUtf8(name)
                        << "' after '" << previous << "'";
        failures += ok ? 0 : 1;
        previous = code;
    }
}

TEST(AirportList, NamesWellKnownAirportsAsABoardShowsThem) {
    const std::pair<const char*, const char*> expected[] = {
        {"EGLL", "London Heathrow"},
        {"LIRF", "Rome Fiumicino"},
        {"KJFK", "New York John F. Kennedy"},
        {"LFPG", "Paris Charles de Gaulle"},
        {"EDDF", "Frankfurt Main"},
        {"EHAM", "Amsterdam Schiphol"},
        {"LIMC", "Milan Malpensa"},
        {"LIML", "Milano Linate"},
        {"LEMD", "Madrid Barajas"},
        {"SBGR", "S\xE3o Paulo Guarulhos"},
        // Letters the code page lacks, in their nearest form.
        {"EPWR", "Wroclaw Copernicus"},
        {"LTBA", "Istanbul Atat\xFCrk"},
    };
    for (const auto& [code, name] : expected) {
        EXPECT_EQ(nameOf(code), name) << code;
    }
}

// The codes the simulator's traffic of 2001 uses and the data no longer has (or has given to
// another airport) come from the hand-kept list; the table must have all of them, under the
// names the simulator knew.
TEST(AirportList, HasTheCodesOf2001ThatHaveSinceChangedOrClosed) {
    const std::pair<const char*, const char*> expected[] = {
        {"EDDT", "Berlin Tegel"},
        {"EDDI", "Berlin Tempelhof"},
        {"EDDB", "Berlin Sch\xF6nefeld"},
        {"VHHX", "Hong Kong Kai Tak"},
        {"LGAT", "Athens Hellinikon"},
        {"FAJS", "Johannesburg"},
        {"OKBK", "Kuwait"},
        {"ENFB", "Oslo Fornebu"},
        {"KCGX", "Chicago Meigs Field"},
    };
    for (const auto& [code, name] : expected) {
        EXPECT_EQ(nameOf(code), name) << code;
    }

    const std::string list = test::readFile(std::filesystem::path(QUILLBY_SOURCE_DIR) /
                                            "tools/airports/historic-codes.csv");
    std::size_t codes = 0;
    for (std::size_t line = list.find('\n'); line != std::string::npos && line + 5 < list.size();
         line = list.find('\n', line + 1)) {
        const std::string code = list.substr(line + 1, 4);
        EXPECT_FALSE(nameOf(code).empty()) << code << " is in the list but not in the table";
        ++codes;
    }
    EXPECT_GE(codes, 20u);
}

} // namespace
} // namespace quillby
