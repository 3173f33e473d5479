#pragma once

#include "platform/Error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillby {

// A text that could not be read as a number or a time. Its message names only the text
// ("'We' is not a valid integer value"), because the conversion does not know where the text
// came from; the import that does know adds the place with at() before it lets the error go.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& message) : Error(message) {}

    // The same message with the file and the line (counted from 1) it was met in:
    // "'We' is not a valid integer value (FlightPlans.TXT, line 12)". The result is a plain
    // Error, so that a caller further out cannot place it a second time.
    Error at(std::string_view fileName, std::size_t lineNumber) const;
};

} // namespace quillby
