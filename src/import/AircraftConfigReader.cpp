#include "import/AircraftConfigReader.h"

#include "import/FltsimTitles.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

#include <utility>

namespace quillby {

AircraftConfigReader::AircraftConfigReader(std::string FSPath, std::span<const std::string> folders,
                                           const DirectorySearch& search, HostPath paths)
    : m_FSPath(std::move(FSPath)), m_folders(folders.begin(), folders.end()), m_search(search),
      m_paths(std::move(paths)) {}

std::string_view AircraftConfigReader::GetAirline(std::string_view title) {
    if (!m_airlineOfTitle) {
        readAll(); // not before the first look-up: a cancelled import reads no file
    }
    const auto found = m_airlineOfTitle->find(title);
    return found == m_airlineOfTitle->end() ? std::string_view() : std::string_view(found->second);
}

void AircraftConfigReader::readAll() {
    m_airlineOfTitle.emplace();
    for (const std::string& folder : m_folders) {
        std::string path = m_FSPath;
        path.append("\\aircraft\\").append(folder).append("\\aircraft.cfg");
        std::optional<std::string> text = readConfigFile(path);
        if (!text) {
            continue;
        }
        ++m_configFilesFound;
        // A later folder replaces the answer of an earlier one.
        for (auto& [title, airline] : readFltsimTitles(IniFile::fromText(std::move(*text)))) {
            m_airlineOfTitle->insert_or_assign(title, std::move(airline));
        }
    }
}

// The text of a configuration file, or nothing when the directory search does not find it.
// A file found but unreadable (a folder of that name, no permission) reads as empty text, as
// the profile functions read it: it then has no aircraft.
std::optional<std::string> AircraftConfigReader::readConfigFile(const std::string& path) const {
    if (!m_search.exists(path)) {
        return std::nullopt;
    }
    const auto hostPath = m_paths.map(path);
    if (!hostPath) {
        return std::string();
    }
    try {
        return readWholeFile(*hostPath);
    } catch (const Error&) {
        return std::string();
    }
}

} // namespace quillby
