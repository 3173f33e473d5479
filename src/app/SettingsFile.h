#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillby {

// The settings file "tavro.ini": the default airport, the ICAO code the board opens on, kept in
// the section "Airport" under the key "default".
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path path) : m_path(std::move(path)) {}

    // Where the file lives for a user: $XDG_CONFIG_HOME/quillby/tavro.ini, or
    // $HOME/.config/quillby/tavro.ini when XDG_CONFIG_HOME is not set (the values are passed in,
    // so that tests never reach the user's home). Empty when neither is set.
    static std::filesystem::path defaultLocation(std::string_view xdgConfigHome, std::string_view home);

    const std::filesystem::path& path() const { return m_path; }

    // The stored code, "" when the file, the section or the key is missing (or the file cannot
    // be read). Blanks around the value and one pair of quotes are removed.
    std::string readDefaultAirport() const;
    // Stores the code, keeping every other line of an existing file as it was. The file is
    // replaced whole or not at all; its folder is made when missing. An Error names the file
    // when it cannot be written.
    void writeDefaultAirport(std::string_view code) const;

private:
    std::filesystem::path m_path;
};

} // namespace quillby
