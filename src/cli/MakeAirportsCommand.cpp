#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "data/AirportCsv.h"
#include "data/TableFile.h"
#include "platform/FileIo.h"

#include <cstdio>

namespace quillby::cli {

// make-airports [--output FILE] CSV: builds the airport list Quillby ships ("Airport.cds") from
// the CSV its generator writes. Nothing is written when a line of the CSV is wrong.
int runMakeAirports(const std::vector<std::string>& args) {
    ArgumentParser parser("make-airports", args);
    const std::string output = parser.option("--output", "Airport.cds");
    const std::string csv = parser.onePositional("CSV");
    const Table table = airportTableFromCsv(readWholeFile(csv), csv);
    writeTableFile(table, output);
    std::printf("%s: %zu airports\n", output.c_str(), table.rowCount());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quillby::cli
