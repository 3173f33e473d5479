#include "import/GetField.h"

namespace quillby {

std::string_view GetField(std::string_view line, int n, bool rest) {
    std::string_view s = line;
    for (int i = 1; i < n; ++i) {
        const std::size_t comma = s.find(',');
        if (comma == std::string_view::npos) {
            break; // no comma left: every further step would leave s as it is
        }
        s.remove_prefix(comma + 1);
    }
    if (rest) {
        return s;
    }
    const std::size_t comma = s.find(',');
    if (comma != std::string_view::npos) {
        return s.substr(0, comma);
    }
    return s.substr(0, 4);
}

} // namespace quillby
