#include "import/ExtractQuotedString.h"

namespace quillby {

std::string extractQuotedString(std::string_view text, char quote) {
    std::string result;
    if (text.empty() || text.front() != quote) {
        return result;
    }
    text.remove_prefix(1);
    while (true) {
        const std::size_t next = text.find(quote);
        if (next == std::string_view::npos) {
            result.append(text); // no closing quote: the rest of the text
            return result;
        }
        result.append(text.substr(0, next));
        if (next + 1 < text.size() && text[next + 1] == quote) {
            result += quote;
            text.remove_prefix(next + 2);
        } else {
            return result;
        }
    }
}

} // namespace quillby
