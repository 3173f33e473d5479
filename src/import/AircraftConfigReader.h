#pragma once

#include "import/AirlineSource.h"
#include "platform/DirectorySearch.h"
#include "platform/HostPath.h"
#include "platform/TextHash.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillby {

// The airlines of the aircraft titles, read from the simulator's aircraft configuration files
// for one import run. The configuration file of a folder is
// FSPath + "\aircraft\" + folder + "\aircraft.cfg" (a Windows path, mapped to the host only to
// read it); a folder whose file the directory search does not find is skipped, and a file that
// cannot be read counts as one without aircraft.
//
// The answer for a title is that of the last folder, in list order, whose file has the title
// (see readFltsimTitles for what one file has), or "" when no file has it. That is what reading
// every file afresh for each title would give while the files stay as they are, but here each
// file is read once, at the first look-up, and every look-up is one hash probe. So the object
// belongs to one run: files changed after its first look-up are not seen by it.
class AircraftConfigReader final : public AirlineSource {
public:
    // `folders` is AircraftFolderList; it is copied, as it stands when the run begins.
    AircraftConfigReader(std::string FSPath, std::span<const std::string> folders,
                         const DirectorySearch& search, HostPath paths);

    std::string_view GetAirline(std::string_view title) override;

    // After the first look-up: how many folders had a configuration file.
    std::size_t configFilesFound() const { return m_configFilesFound; }

private:
    using Index = std::unordered_map<std::string, std::string, TextHash, std::equal_to<>>;

    void readAll();
    std::optional<std::string> readConfigFile(const std::string& path) const;

    std::string m_FSPath;
    std::vector<std::string> m_folders;
    const DirectorySearch& m_search;
    HostPath m_paths;
    std::optional<Index> m_airlineOfTitle;
    std::size_t m_configFilesFound = 0;
};

} // namespace quillby
