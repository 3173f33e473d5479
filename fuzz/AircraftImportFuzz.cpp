// Fuzz target of the aircraft import with its configuration reader. The input holds an
// aircraft.cfg and an Aircraft.TXT, separated by the byte 0x1E. The configuration goes into the
// one aircraft folder of a simulator installation in a scratch folder made once per process
// (its names in other letter cases than the reader asks for, as under Wine); the aircraft list
// is imported through the real reader. Every row must hold the airline that the configuration
// text gives the line's title, read straight from the text.
#include "FuzzInput.h"
#include "data/Schemas.h"
#include "import/AircraftConfigReader.h"
#include "import/AircraftImport.h"
#include "import/FltsimTitles.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quillby::fuzz {
namespace {

namespace fs = std::filesystem;

// FSPath/Aircraft/B737/Aircraft.CFG, removed when the process ends.
class Installation {
public:
    Installation()
        : m_root(scratchFolder() / ("quillby-fuzz-aircraft-" + std::to_string(::getpid()))) {
        fs::create_directories(m_root / "Aircraft" / "B737");
    }
    ~Installation() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    void setConfig(std::string_view text) const {
        std::ofstream out(m_root / "Aircraft" / "B737" / "Aircraft.CFG",
                          std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        check(out.good(), "the fuzz target can write its aircraft.cfg");
    }
    std::string FSPath() const { return m_root.string(); }

private:
    fs::path m_root;
};

const Installation& installation() {
    static const Installation folder;
    return folder;
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const auto parts = fuzz::splitParts(fuzz::asText(data, size), 2);
    const fuzz::Installation& simulator = fuzz::installation();
    simulator.setConfig(parts[0]);

    const std::string folders[] = {"b737", "no such folder"};
    const HostPath paths("/nonexistent-wine-prefix");
    const HostDirectorySearch search(paths);
    AircraftConfigReader reader(simulator.FSPath(), folders, search, paths);
    const TextLines lines(parts[1]);
    NoProgress progress;
    const AircraftImport result = importAircraft(lines, reader, progress);

    const FltsimTitles titles = readFltsimTitles(IniFile::fromText(std::string(parts[0])));
    const Table& table = result.table;
    const std::size_t acn = table.fieldIndex(aircraftTable::kAcn);
    const std::size_t airline = table.fieldIndex(aircraftTable::kAirline);
    fuzz::check(table.rowCount() == lines.count(), "one row per line");
    std::size_t withAirline = 0;
    for (RowIndex row = 0; row < table.rowCount(); ++row) {
        const auto found = titles.find(aircraftTitleOf(lines[row]));
        const std::string_view expected =
            found == titles.end() ? std::string_view() : std::string_view(found->second);
        withAirline += expected.empty() ? 0 : 1;
        fuzz::check(table.text(row, airline) == expected.substr(0, table.fields()[airline].size),
                    "a row holds the airline of its title");
        fuzz::check(table.text(row, acn) ==
                        aircraftNumberOf(lines[row]).substr(0, table.fields()[acn].size),
                    "a row holds the number of its line");
    }
    fuzz::check(result.titlesWithAirline == withAirline, "the titles with an airline are counted");
    fuzz::check(reader.configFilesFound() == (lines.count() > 0 ? 1u : 0u),
                "the one configuration file is found, when the list asks for an airline");
    return 0;
}
