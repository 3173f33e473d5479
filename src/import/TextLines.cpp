#include "import/TextLines.h"

#include "platform/FileIo.h"

#include <algorithm>

namespace quillby {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    // Nearly every file ends its lines with LF or CR LF: one cheap count sizes the list.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const char* const start = p;
        while (p != end && *p != '\n' && *p != '\r') {
            ++p;
        }
        lines.emplace_back(start, static_cast<std::size_t>(p - start));
        if (p == end) {
            break;
        }
        if (*p++ == '\r' && p != end && *p == '\n') {
            ++p;
        }
    }
    return lines;
}

TextLines::TextLines(std::string_view text) : m_bytes(std::make_unique<const std::string>(text)) {
    m_lines = splitLines(*m_bytes);
}

TextLines TextLines::loadFromFile(const std::filesystem::path& path) {
    TextLines result;
    result.m_bytes = std::make_unique<const std::string>(readWholeFile(path));
    result.m_lines = splitLines(*result.m_bytes);
    return result;
}

} // namespace quillby
