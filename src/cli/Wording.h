#pragma once

#include <string>
#include <string_view>

namespace quillby::cli {

// "1 line", "12 lines": a count with its noun, for the commands' summary lines.
inline std::string counted(std::size_t count, std::string_view noun) {
    std::string text = std::to_string(count);
    text += ' ';
    text += noun;
    if (count != 1) {
        text += 's';
    }
    return text;
}

} // namespace quillby::cli
