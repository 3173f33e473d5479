#include "app/WorkingFolder.h"

#include "platform/FileIo.h"

namespace quillby {

namespace {
constexpr const char* kAirportFile = "Airport.cds";
}

std::filesystem::path chooseWorkingFolder(const WorkingFolderInputs& in) {
    std::error_code error;
    if (std::filesystem::exists(findFileIgnoringCase(in.startFolder / kAirportFile), error)) {
        return in.startFolder;
    }
    std::filesystem::path folder;
    if (!in.xdgDataHome.empty()) {
        folder = std::filesystem::path(in.xdgDataHome) / "quillby";
    } else if (!in.home.empty()) {
        folder = std::filesystem::path(in.home) / ".local" / "share" / "quillby";
    } else {
        return in.startFolder;
    }
    std::filesystem::create_directories(folder, error);
    const auto airports = findFileIgnoringCase(folder / kAirportFile);
    if (!std::filesystem::exists(airports, error)) {
        for (const auto& shipped : in.shippedAirportFiles) {
            if (std::filesystem::exists(shipped, error)) {
                // Written whole or not at all, so that a broken copy is never left behind.
                writeFileAtomically(folder / kAirportFile, readWholeFile(shipped));
                break;
            }
        }
    }
    return folder;
}

std::vector<std::filesystem::path> shippedAirportFiles(const std::filesystem::path& executable) {
    const auto folder = executable.parent_path();
    return {folder / kAirportFile, folder.parent_path() / "share" / "quillby" / kAirportFile};
}

} // namespace quillby
