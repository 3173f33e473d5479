#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quillby {

// Where the table files live. When the folder Quillby starts in holds an "Airport.cds" (in any
// case of its letters) Quillby works there, as from a portable folder. Otherwise it works in
// $XDG_DATA_HOME/quillby ($HOME/.local/share/quillby when XDG_DATA_HOME is not set), which it
// makes when missing, and where on the first start it puts a copy of the airport list that comes
// with it, the first of `shippedAirportFiles` that exists.
struct WorkingFolderInputs {
    std::filesystem::path startFolder;
    std::string_view xdgDataHome;
    std::string_view home;
    std::vector<std::filesystem::path> shippedAirportFiles;
};

std::filesystem::path chooseWorkingFolder(const WorkingFolderInputs& in);

// Where the shipped airport list may lie, for a program at `executable`: beside it in a build
// tree, and in share/quillby of the installation prefix.
std::vector<std::filesystem::path> shippedAirportFiles(const std::filesystem::path& executable);

} // namespace quillby
