#include "app/SimulatorDiscovery.h"

namespace quillby {

std::string readFSPath(const Registry& registry) {
    return findSimulatorPath(registry);
}

std::string aircraftFolderPath(std::string_view FSPath) {
    std::string path(FSPath);
    path += "\\aircraft\\";
    return path;
}

AircraftFolderList listAircraftFolders(std::string_view FSPath, const DirectorySearch& search,
                                       const CountedEntryHandler& onCounted) {
    AircraftFolderList folders;
    search.find(aircraftFolderPath(FSPath) + "*.*", [&](const DirectoryEntry& entry) {
        if (!passesFolderTest(entry.attributes)) {
            return;
        }
        if (entry.name != "." && entry.name != "..") {
            folders.push_back(entry.name);
        }
        if (onCounted) {
            onCounted(entry);
        }
    });
    return folders;
}

} // namespace quillby
