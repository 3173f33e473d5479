#pragma once

#include "platform/TextHash.h"

#include <cstddef>
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

// Hash and equality for maps keyed by such names. Both are transparent, so a look-up with a
// string_view costs no allocation (the INI reader is asked thousands of times per file). The
// hash starts from the process's seed (see TextHash.h).
struct AsciiCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept {
        std::uint64_t hash = 14695981039346656037ull ^ hashSeed(); // FNV-1a of the upper case
        for (const char c : text) {
            hash = (hash ^ static_cast<unsigned char>(asciiUpper(c))) * 1099511628211ull;
        }
        return static_cast<std::size_t>(hash ^ (hash >> 29));
    }
};

struct AsciiCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept {
        return equalsIgnoringAsciiCase(a, b);
    }
};

} // namespace quillby
