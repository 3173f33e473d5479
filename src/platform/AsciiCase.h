#pragma once

#include <string>
#include <string_view>

namespace quillby {

// Names the program compares without regard to case (field names, INI sections and keys, file
// names) compare as Windows compares them for the plain letters A to Z.

constexpr char asciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

inline std::string toAsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = asciiUpper(c);
    }
    return out;
}

} // namespace quillby
