#pragma once

#include <string_view>

namespace quillby {

// The order in which a table sorts text: alphabetical as a reader expects it, with upper and
// lower case and accented letters (Windows-1252) sorted with their plain letter, so that
// "Évora" stands among the E's; texts that are equal so are then ordered by their bytes, which
// keeps the order total. Times written hh:mm sort chronologically.
int compareText(std::string_view a, std::string_view b);

} // namespace quillby
