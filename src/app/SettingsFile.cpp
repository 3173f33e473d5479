#include "app/SettingsFile.h"

#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quillby {

namespace {

constexpr std::string_view kSection = "Airport";
constexpr std::string_view kKey = "default";

// The file's text, or nothing when there is no file to read.
std::string textOf(const std::filesystem::path& path) {
    try {
        return readWholeFile(path);
    } catch (const Error&) {
        return {};
    }
}

} // namespace

std::filesystem::path SettingsFile::defaultLocation(std::string_view xdgConfigHome, std::string_view home) {
    std::filesystem::path base;
    if (!xdgConfigHome.empty()) {
        base = xdgConfigHome;
    } else if (!home.empty()) {
        base = std::filesystem::path(home) / ".config";
    } else {
        return {};
    }
    return base / "quillby" / "tavro.ini";
}

std::string SettingsFile::readDefaultAirport() const {
    return IniFile::fromText(textOf(m_path)).readString(kSection, kKey, "");
}

void SettingsFile::writeDefaultAirport(std::string_view code) const {
    IniFile ini = IniFile::fromText(textOf(m_path));
    ini.writeString(kSection, kKey, code);
    std::error_code ignored;
    if (m_path.has_parent_path()) {
        std::filesystem::create_directories(m_path.parent_path(), ignored);
    }
    writeFileAtomically(m_path, ini.text());
}

} // namespace quillby
