// quillby-cli make-airports, run as a user runs it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <iterator>

namespace quillby {
namespace {

using test::readFile;
using test::runProcess;
using test::TempDir;

const std::filesystem::path kCli = QUILLBY_CLI_PATH;

// The generator's shape with what it must survive: a header, CR LF, a blank line, a comma and
// doubled quotes inside quotes, letters the code page holds and letters it lacks.
constexpr std::string_view kCsv = "icao,name\r\n"
                                  "EGLL,London Heathrow\r\n"
                                  "LFPG,\"Paris, Charles de Gaulle\"\r\n"
                                  "\r\n"
                                  "EPWR,Wrocław Copernicus\r\n"
                                  "LTBA,\"İstanbul \"\"Atatürk\"\"\"\r\n"
                                  "LSZH,Zürich\r\n";

TEST(MakeAirportsCommand, BuildsTheAirportTableFromTheCsv) {
    TempDir dir;
    dir.write("airports.csv", kCsv);

    const auto result = runProcess(kCli, {"make-airports", "airports.csv"}, dir.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Airport.cds: 5 airports\n");
    EXPECT_EQ(result.err, "");

    Table expected = makeAirportTable();
    const std::pair<const char*, const char*> rows[] = {
        {"EGLL", "London Heathrow"},    {"LFPG", "Paris, Charles de Gaulle"},
        {"EPWR", "Wroclaw Copernicus"}, {"LTBA", "Istanbul \"Atat\xFCrk\""},
        {"LSZH", "Z\xFCrich"},
    };
    for (const auto& [code, name] : rows) {
        const RowIndex r = expected.appendRow();
        expected.setValue(r, 0, code);
        expected.setValue(r, 1, name);
    }
    writeTableFile(expected, dir / "expected.cds");
    const std::string made = readFile(dir / "Airport.cds");
    EXPECT_EQ(made, readFile(dir / "expected.cds"));

    const Table loaded = readTableFile(dir / "Airport.cds");
    ASSERT_EQ(loaded.fieldCount(), 2u);
    EXPECT_EQ(loaded.fields()[0], (FieldDef{"ICAO_CODE", 4}));
    EXPECT_EQ(loaded.fields()[1], (FieldDef{"DESCRIPTION", 50}));
    ASSERT_EQ(loaded.rowCount(), 5u);
    EXPECT_EQ(loaded.lookup("ICAO_CODE", "LTBA", "DESCRIPTION"), "Istanbul \"Atat\xFCrk\"");

    // Again, into a file whose name differs only in case: the same bytes, in the same file.
    const auto again =
        runProcess(kCli, {"make-airports", "--output=airport.CDS", "airports.csv"}, dir.path());
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(readFile(dir / "Airport.cds"), made);
    EXPECT_FALSE(std::filesystem::exists(dir / "airport.CDS"));
}

TEST(MakeAirportsCommand, RefusesAWrongLineNamingItAndWritesNothing) {
    struct Case {
        std::string csv;
        std::string error;
    };
    const std::string longName(51, 'x');
    const Case cases[] = {
        {"icao,name\nEGL,London\n",
         "quillby-cli: 'airports.csv', line 2: 'EGL' is not an airport code (four capital "
         "letters or digits)"},
        {"egll,London\n",
         "quillby-cli: 'airports.csv', line 1: 'egll' is not an airport code (four capital "
         "letters or digits)"},
        {"EGLL,London,Heathrow\n",
         "quillby-cli: 'airports.csv', line 1: expected 2 fields (code,name), found 3"},
        {"EGLL,London\nLIRF\n",
         "quillby-cli: 'airports.csv', line 2: expected 2 fields (code,name), found 1"},
        {"EGLL,\"London\n", "quillby-cli: 'airports.csv', line 1: a quoted field is not closed"},
        {"EGLL,\"London\" Heathrow\n",
         "quillby-cli: 'airports.csv', line 1: text follows the closing quote of a field"},
        {"EGLL,Lon\"don\n",
         "quillby-cli: 'airports.csv', line 1: a quote stands inside a field that is not quoted"},
        {"EGLL,London\n\nLIRF,Rome\nEGLL,Heathrow\n",
         "quillby-cli: 'airports.csv', line 4: 'EGLL' is listed twice (first on line 1)"},
        {"EGLL, \n", "quillby-cli: 'airports.csv', line 1: the airport 'EGLL' has no name"},
        {"EGLL," + longName + "\n",
         "quillby-cli: 'airports.csv', line 1: the name of 'EGLL' is longer than 50 characters"},
        {"EGLL,Z\xFCrich\n", "quillby-cli: 'airports.csv', line 1: the line is not UTF-8 text"},
        {"icao,name\n\n", "quillby-cli: 'airports.csv' lists no airport"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("airports.csv", c.csv);
        dir.write("Airport.cds", "the earlier list");
        const auto result = runProcess(kCli, {"make-airports", "airports.csv"}, dir.path());
        SCOPED_TRACE(c.csv);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.error + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(readFile(dir / "Airport.cds"), "the earlier list");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                                std::filesystem::directory_iterator{}),
                  2);
    }
}

TEST(MakeAirportsCommand, ReportsAMissingFileAndWrongUse) {
    TempDir dir;
    const auto missing = runProcess(kCli, {"make-airports", "none.csv"}, dir.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "quillby-cli: Cannot open file \"none.csv\". The system cannot find "
                           "the file specified.\n");

    const auto noCsv = runProcess(kCli, {"make-airports", "--output", "a.cds"}, dir.path());
    EXPECT_EQ(noCsv.exitCode, 2);
    EXPECT_EQ(noCsv.err.substr(0, noCsv.err.find('\n')), "quillby-cli make-airports: no CSV given");
    EXPECT_NE(noCsv.err.find("quillby-cli make-airports [--output FILE] CSV"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

} // namespace
} // namespace quillby
