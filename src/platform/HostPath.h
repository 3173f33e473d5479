#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

namespace quillby {

// Where a path of the program lies in the host's file system when the simulator runs under
// Wine. The program builds Windows paths by plain concatenation ("C:\FS2002" + "\aircraft\" +
// name); they are mapped only where a file is touched:
//
// - "X:" goes through the prefix's link dosdevices/x: (c: -> ../drive_c, z: -> /);
// - a path that starts with "/" is a host path already;
// - a path without drive or root is relative to the current folder;
// - "\" and "/" both separate components; empty components (from "\\" or a trailing "\") and
//   "." are dropped, ".." takes the component before it away, as Windows resolves them;
// - each component is looked for on disk: the name as written when it exists, else the first
//   name (in byte order) that equals it without regard to case (Windows-1252 letters), else the
//   name as written, so that a file not yet created still maps.
//
// Components are Windows-1252 and become UTF-8, the encoding of host paths. On Windows the
// program's paths are host paths already and nothing here is needed.
class HostPath {
public:
    explicit HostPath(std::filesystem::path winePrefix) : m_prefix(std::move(winePrefix)) {}

    // Nothing for a drive the prefix does not map, and for a path rooted at "\" without a drive
    // (the root of the current drive, or a network path): a program outside Wine has no current
    // drive.
    std::optional<std::filesystem::path> map(std::string_view path) const;

    const std::filesystem::path& winePrefix() const { return m_prefix; }

private:
    std::optional<std::filesystem::path> driveRoot(char letter) const;

    std::filesystem::path m_prefix;
};

} // namespace quillby
