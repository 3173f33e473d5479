#pragma once

#include <string>
#include <string_view>

namespace quillby {

// The text inside a quoted string at the start of `text`, as the aircraft list writes an
// aircraft's title ("Boeing 737-400 ""Classic"", KLM" after the second comma):
// - `text` must begin with `quote`, else the result is empty;
// - the string ends at the next `quote` that is not doubled; a doubled `quote` inside stands for
//   one, and whatever follows the closing `quote` is ignored;
// - a string whose closing `quote` is missing runs to the end of `text`, so a title that lost its
//   last quote still finds its aircraft;
// - every other byte, NUL included, is kept as it is.
std::string extractQuotedString(std::string_view text, char quote);

} // namespace quillby
