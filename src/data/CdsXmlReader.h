#pragma once

#include "platform/Table.h"

#include <string_view>

namespace quillby {

// Reads a table from the XML form of the client-dataset data packet (<DATAPACKET>...), with the
// same rules as the binary reader: values become the same texts, and the rows are the ones the
// saving program showed. Text declared or found to be UTF-8 is turned into Windows-1252, the
// text of the tables.
Table readCdsXml(std::string_view bytes, std::string_view name);

} // namespace quillby
