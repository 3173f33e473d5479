#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "cli/TableOutput.h"
#include "data/TableFile.h"

#include <cstdio>

namespace quillby::cli {

// dump [--format text|csv|json] FILE: prints any table file.
int runDump(const std::vector<std::string>& args) {
    ArgumentParser parser("dump", args);
    const OutputFormat format = parser.format();
    const std::string file = parser.onePositional("FILE");
    const Table table = readTableFile(file);
    printTable(TableSelection::whole(table), format,
               [](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); });
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quillby::cli
