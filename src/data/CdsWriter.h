#pragma once

#include "platform/Table.h"

#include <functional>
#include <string>
#include <string_view>

namespace quillby {

// Receives the bytes of a packet as they are made, a piece at a time.
using ByteSink = std::function<void(std::string_view)>;

// Writes a table as a binary client-dataset data packet, version 1.0, as the platform writes a
// table of text fields with change logging off: every field a text of varying length with its
// WIDTH, every row plain, no change log. Index definitions, which the format has no place for,
// travel in a table parameter of our own that other programs keep and ignore. Values with no
// value are stored as null, empty text as a value of length 0.
void writeCdsPacket(const Table& table, const ByteSink& sink);

// The same packet as one block of bytes.
std::string encodeCdsPacket(const Table& table);

} // namespace quillby
