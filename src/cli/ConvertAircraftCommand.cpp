// quillby-cli convert-aircraft: the Convert > Aircraft command of the window, for a file given
// on the command line, with the simulator found as at start-up or given as a folder.
#include "app/SimulatorDiscovery.h"
#include "cli/ArgumentParser.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "cli/Wording.h"
#include "import/AircraftConfigReader.h"
#include "import/ConvertAircraft.h"
#include "platform/DirectorySearch.h"
#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/Windows1252.h"
#include "platform/WineRegistry.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace quillby::cli {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on a "literal" + string chain.
std::string quoted(const fs::path& path) {
    std::string text = "\"";
    text += path.string();
    text += '"';
    return text;
}

std::string_view environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// The simulator's installation folder as the program keeps it (a Windows-1252 path) and where
// its files lie on this machine.
struct Simulator {
    std::string FSPath;
    HostPath paths;
};

// A folder given on the command line is a host path, kept absolute so that no drive letter of a
// Wine prefix is needed to find it.
Simulator simulatorFromFolder(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        throw Error("Cannot find the simulator folder " + quoted(folder) +
                    ". The system cannot find the path specified.");
    }
    const std::string hostPath = fs::absolute(folder).lexically_normal().string();
    std::string FSPath = utf8ToWindows1252(hostPath);
    if (windows1252ToUtf8(FSPath) != hostPath) {
        throw Error("The simulator folder " + quoted(folder) +
                    " has a name the Windows-1252 code page cannot hold");
    }
    return {std::move(FSPath), HostPath(fs::path())};
}

// As at start-up: the registry of the Wine prefix the simulator runs in.
Simulator simulatorFromRegistry() {
    const auto prefix = findWinePrefix(environmentValue("WINEPREFIX"), environmentValue("HOME"));
    if (!prefix) {
        throw Error("Cannot find the Wine prefix: neither WINEPREFIX nor HOME is set; give the "
                    "simulator's folder with --fs-path DIR");
    }
    std::string FSPath = readFSPath(WineRegistry::load(*prefix / "system.reg"));
    if (FSPath.empty()) {
        throw Error("No simulator installation in the registry of the Wine prefix " +
                    quoted(*prefix) + "; give the simulator's folder with --fs-path DIR");
    }
    return {std::move(FSPath), HostPath(*prefix)};
}

// Sub-folders that the folder test leaves out for their read-only, hidden or other attributes.
// The window says nothing about them; a user of the command line is told, since a simulator
// folder copied without write permission would otherwise give a table without airlines.
std::size_t skippedFolders(const std::string& FSPath, const DirectorySearch& search) {
    std::size_t skipped = 0;
    search.find(aircraftFolderPath(FSPath) + "*.*", [&](const DirectoryEntry& entry) {
        if ((entry.attributes & FileAttribute::kDirectory) != 0 &&
            !passesFolderTest(entry.attributes) && entry.name != "." && entry.name != "..") {
            ++skipped;
        }
    });
    return skipped;
}

} // namespace

// convert-aircraft [--fs-path DIR] [--output FILE] AIRCRAFT_TXT
int runConvertAircraft(const std::vector<std::string>& args) {
    ArgumentParser parser("convert-aircraft", args);
    const std::optional<std::string> folder = parser.option("--fs-path");
    const fs::path output = parser.option("--output", std::string(kAircraftTableFile));
    const fs::path source = parser.onePositional("AIRCRAFT_TXT");

    const Clock::time_point start = Clock::now();
    const Simulator simulator = folder ? simulatorFromFolder(*folder) : simulatorFromRegistry();
    const HostDirectorySearch search(simulator.paths);
    // At start-up a missing aircraft folder only leaves the list empty; here it is surely a
    // wrong folder, and a table whose every airline is empty would hide that.
    if (!search.exists(simulator.FSPath + "\\aircraft")) {
        throw Error("The simulator folder \"" + windows1252ToUtf8(simulator.FSPath) +
                    "\" has no aircraft folder");
    }
    const AircraftFolderList folders = listAircraftFolders(simulator.FSPath, search);
    if (const std::size_t skipped = skippedFolders(simulator.FSPath, search); skipped > 0) {
        std::fprintf(
            stderr,
            "quillby-cli: warning: %s left out because %s read-only, hidden or marked otherwise\n",
            skipped == 1 ? "1 aircraft folder is"
                         : (counted(skipped, "aircraft folder") + " are").c_str(),
            skipped == 1 ? "it is" : "they are");
    }
    AircraftConfigReader airlines(simulator.FSPath, folders, search, simulator.paths);

    std::optional<AircraftConversion> done;
    const auto chooseGivenFile = [&](std::string_view) { return std::optional<fs::path>(source); };
    {
        TerminalProgress progress("Converting " + source.filename().string());
        done = convertAircraft(chooseGivenFile, airlines, progress, output);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::printf("Read %s from %s, wrote %s to %s in %.2f s; %s found an airline in %s of %s\n",
                counted(done->lines, "line").c_str(), quoted(done->source).c_str(),
                counted(done->lines, "row").c_str(), quoted(output).c_str(), seconds,
                counted(done->titlesWithAirline, "title").c_str(),
                counted(airlines.configFilesFound(), "aircraft.cfg file").c_str(),
                counted(folders.size(), "aircraft folder").c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace quillby::cli
