#pragma once

#include "platform/Table.h"

#include <filesystem>

namespace quillby {

// Table files. A name finds an existing file whatever the case of its letters ("Flight.cds"
// opens "flight.cds"), as on Windows; writing replaces that file instead of adding a second one
// beside it.

// Reads a table file in the binary or the XML form of the data packet.
Table readTableFile(const std::filesystem::path& path);

// Writes a table as a binary table file. The file is replaced whole or not at all: a failure
// leaves the earlier file as it was.
void writeTableFile(const Table& table, const std::filesystem::path& path);

} // namespace quillby
