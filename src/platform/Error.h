#pragma once

#include <stdexcept>
#include <string>

namespace quillby {

// The one exception type of the program: its message is what the user is shown, worded as
// Windows words its own errors ("Cannot open file ...", "'We' is not a valid integer value").
// Messages are UTF-8; text quoted from a file (Windows-1252) is converted when it is quoted.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quillby
