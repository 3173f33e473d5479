#pragma once

#include "platform/DirectorySearch.h"
#include "platform/Registry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// How the program finds the simulator at start-up: its installation folder from the registry,
// then the aircraft sub-folders under it, whose aircraft.cfg files later give the airlines of the
// aircraft list. The registry and the directory search are passed in, so tests give their own.

// The bare names of the aircraft sub-folders (b737_400, never a path), in the order the
// directory search listed them.
using AircraftFolderList = std::vector<std::string>;

// FSPath: the value "EXE Path" of the simulator's registry key exactly as stored, or "" when the
// key or the value is missing. Kept as Windows-1252 text and a Windows path ("C:\FS2002"); it is
// mapped to a host path only where a file is touched. A value that is not a string raises the
// registry's Error, which ends the start-up.
std::string readFSPath(const Registry& registry);

// The folder whose sub-folders are the aircraft: FSPath + "\aircraft\", by plain concatenation,
// so an FSPath with a trailing backslash gives "C:\FS2002\\aircraft\" and an empty one the
// aircraft folder at the root of the current drive.
std::string aircraftFolderPath(std::string_view FSPath);

// The folder test: an entry passes when it carries no attribute bit besides the directory bit.
// So a folder that is also read-only, hidden or archived fails, as does every file; an entry
// with no attribute bit at all passes.
constexpr bool passesFolderTest(std::uint32_t attributes) {
    return (attributes & FileAttribute::kDirectory) == attributes;
}

// Called for every entry that passes the folder test, "." and ".." included, after the entry
// has been added to the list: the splash window raises its gauge by one and pauses there.
using CountedEntryHandler = std::function<void(const DirectoryEntry&)>;

// Lists the sub-folders of the aircraft folder of `FSPath` that pass the folder test, searching
// aircraftFolderPath(FSPath) + "*.*" for entries of every kind. "." and ".." pass and are
// counted like the others but are not listed. A missing folder, or an FSPath the host cannot
// map, gives an empty list and no call of `onCounted`: the aircraft import then finds no
// configuration file, which is no error.
AircraftFolderList listAircraftFolders(std::string_view FSPath, const DirectorySearch& search,
                                       const CountedEntryHandler& onCounted = {});

} // namespace quillby
