#include "cli/Commands.h"

#include <cstdio>

namespace quillby::cli {

std::string usageText() {
    return "usage: quillby-cli dump [--format text|csv|json] FILE\n"
           "       quillby-cli board [--flights FILE] [--airports FILE] [--arrivals] [--weekday "
           "D]\n"
           "                   [--format text|csv|json] ICAO\n"
           "       quillby-cli convert-aircraft [--fs-path DIR] [--output FILE] AIRCRAFT_TXT\n"
           "       quillby-cli convert-flightplans [--aircraft FILE] [--airports FILE]\n"
           "                   [--output FILE] FLIGHTPLANS_TXT\n"
           "       quillby-cli make-airports [--output FILE] CSV\n";
}

int runCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        throw UsageError("quillby-cli: no command given");
    }
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "dump") {
        return runDump(rest);
    }
    if (command == "board") {
        return runBoard(rest);
    }
    if (command == "convert-flightplans") {
        return runConvertFlightPlans(rest);
    }
    if (command == "convert-aircraft") {
        return runConvertAircraft(rest);
    }
    if (command == "make-airports") {
        return runMakeAirports(rest);
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    throw UsageError("quillby-cli: unknown command '" + command + "'");
}

} // namespace quillby::cli
