#include "import/TextLines.h"

#include "platform/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

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

TextLines::TextLines(std::string_view text) : m_bytes(text.begin(), text.end()) {
    m_lines = splitLines({m_bytes.data(), m_bytes.size()});
}

namespace {

// Worded as Windows words the failure to open a file.
[[noreturn]] void throwCannotOpen(const std::filesystem::path& path, int error) {
    std::string reason;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        reason = "The system cannot find the file specified.";
        break;
    case EACCES:
    case EPERM:
    case EISDIR:
        reason = "Access is denied.";
        break;
    default:
        reason = std::strerror(error);
        break;
    }
    throw Error("Cannot open file \"" + path.string() + "\". " + reason);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

TextLines TextLines::loadFromFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throwCannotOpen(path, EISDIR);
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throwCannotOpen(path, errno);
    }
    TextLines result;
    // Read in large blocks until the end, so that files whose size is not known beforehand
    // (pipes, special files) are read whole too.
    std::size_t size = 0;
    const auto known = std::filesystem::file_size(path, error);
    result.m_bytes.resize(error ? std::size_t{1} << 16 : static_cast<std::size_t>(known) + 1);
    for (;;) {
        size +=
            std::fread(result.m_bytes.data() + size, 1, result.m_bytes.size() - size, file.get());
        if (size < result.m_bytes.size()) {
            break;
        }
        result.m_bytes.resize(result.m_bytes.size() * 2);
    }
    if (std::ferror(file.get())) {
        throw Error("Stream read error");
    }
    result.m_bytes.resize(size);
    result.m_lines = splitLines({result.m_bytes.data(), result.m_bytes.size()});
    return result;
}

} // namespace quillby
