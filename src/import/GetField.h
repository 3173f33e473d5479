#pragma once

#include <string_view>

namespace quillby {

// Cuts field n (counted from 1) out of a comma-separated line of the simulator's traffic files,
// or, with `rest` set, the line from field n to its end, commas included. Both importers read
// every field through it, so its odd forms are part of what the tables hold:
// - a field is returned as written, without its commas and without trimming;
// - the last field of a line comes cut to its first four characters, which drops anything after
//   the closing four-letter airport code;
// - a field number beyond the last field gives the last field again, cut to four characters;
// - n of 1 or less gives field 1 (or, with `rest`, the whole line).
// The result is a view into `line`.
std::string_view GetField(std::string_view line, int n, bool rest = false);

} // namespace quillby
