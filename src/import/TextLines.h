#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// Splits text into lines as the importers read their input files: a line ends at CR LF, at a
// lone CR or at a lone LF; a line break at the very end adds no empty line; nothing is trimmed
// and bytes are kept as they are (8-bit Windows-1252 text, a NUL byte included: it neither ends a
// line nor the text). The lines are views into `text`.
std::vector<std::string_view> splitLines(std::string_view text);

// The lines of an input file read whole: one buffer holding the file's bytes and a view of every
// line into it, so a file of a million lines costs one allocation for its bytes and one for its
// line list. Move it freely; copying is not needed and not offered.
class TextLines {
public:
    TextLines() = default;
    explicit TextLines(std::string_view text);
    TextLines(const TextLines&) = delete;
    TextLines& operator=(const TextLines&) = delete;
    TextLines(TextLines&&) noexcept = default;
    TextLines& operator=(TextLines&&) noexcept = default;

    // The lines of a file; an Error "Cannot open file ..." when it cannot be read.
    static TextLines loadFromFile(const std::filesystem::path& path);

    std::size_t count() const { return m_lines.size(); }
    std::string_view operator[](std::size_t index) const { return m_lines[index]; }
    std::span<const std::string_view> lines() const { return m_lines; }
    auto begin() const { return m_lines.begin(); }
    auto end() const { return m_lines.end(); }

private:
    // Held by pointer, so that the views stay valid when the object moves.
    std::unique_ptr<const std::string> m_bytes;
    std::vector<std::string_view> m_lines;
};

} // namespace quillby
