#pragma once

#include "platform/Table.h"

#include <string_view>

namespace quillby {

class ChunkedInput;

// Reads a table from the binary client-dataset data packet (a .cds file), as written by this
// program or by any other program that writes the format. Values of every type become text
// (see CdsValueText.h). The rows are the ones the saving program showed: row versions that a
// change log kept (superseded or deleted rows) are left out, and a changed row stands where its
// first version stood. `name` names the file in error messages; a file that is not a data packet
// or is damaged gives an Error that says what is wrong.
Table readCdsPacket(std::string_view bytes, std::string_view name);
// The same, read from a file a window at a time, so that a large file never sits whole in memory.
Table readCdsPacket(ChunkedInput& input, std::string_view name);

} // namespace quillby
