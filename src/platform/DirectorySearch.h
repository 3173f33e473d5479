#pragma once

#include "platform/HostPath.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quillby {

// The attribute bits of a directory entry, numbered as Windows numbers them.
namespace FileAttribute {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kVolumeLabel = 0x08;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
} // namespace FileAttribute

struct DirectoryEntry {
    std::string name; // without its folder, Windows-1252
    std::uint32_t attributes = 0;
    friend bool operator==(const DirectoryEntry&, const DirectoryEntry&) = default;
};

// The directory search of Windows (find first, find next, close) that the start-up uses to list
// the aircraft folders and the aircraft reader uses to test whether a file exists. An interface,
// so that tests give the start-up folders of their own.
class DirectorySearch {
public:
    using EntryHandler = std::function<void(const DirectoryEntry&)>;

    virtual ~DirectorySearch() = default;

    // Hands each entry that `pattern` matches to `onEntry` as it is found, in the order Windows
    // lists them. The pattern is a Windows path whose last component may hold the wildcards "*"
    // and "?" ("C:\FS2002\aircraft\*.*"), or the path of one file or folder. A folder listed by
    // a wildcard shows "." and ".." first, as on Windows. A folder that does not exist, a path
    // ending in a separator or an unreadable folder give no entry.
    virtual void find(std::string_view pattern, const EntryHandler& onEntry) const = 0;

    // Whether a search for `path` finds anything: for the path of one file, whether it exists.
    bool exists(std::string_view path) const;
};

// The search over the host's file system. Under Wine the pattern's folder is mapped by
// `paths`; names are compared by their capitals (Windows-1252) so "B737A" comes before
// "B737_400"; attribute words are built as Wine builds them: directory 0x10, else archive 0x20;
// read-only 0x01 when the mode has no write bit; hidden 0x02 for a name that starts with "."
// (but not "." and ".."). A link counts as what it points to, a dangling link as a file. On
// Windows the system's own search answers.
class HostDirectorySearch final : public DirectorySearch {
public:
    explicit HostDirectorySearch(HostPath paths) : m_paths(std::move(paths)) {}

    void find(std::string_view pattern, const EntryHandler& onEntry) const override;

private:
    HostPath m_paths;
};

} // namespace quillby
