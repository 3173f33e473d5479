#pragma once

#include "platform/Table.h"

#include <filesystem>
#include <string_view>

namespace quillby {

// Table files. A name finds an existing file whatever the case of its letters ("Flight.cds"
// opens "flight.cds"), as on Windows; writing replaces that file instead of adding a second one
// beside it.

// Whether a table file's first bytes are of the XML form: the first byte that is not a blank,
// after a UTF-8 byte order mark, is '<'. Anything else is read as the binary form.
bool looksLikeXml(std::string_view bytes);

// Reads a table file in the binary or the XML form of the data packet.
Table readTableFile(const std::filesystem::path& path);

// Writes a table as a binary table file. The file is replaced whole or not at all: a failure
// leaves the earlier file as it was.
void writeTableFile(const Table& table, const std::filesystem::path& path);

} // namespace quillby
