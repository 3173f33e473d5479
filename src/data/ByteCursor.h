#pragma once

#include <cstdint>
#include <string_view>

namespace quillby {

// Reads little-endian numbers and byte runs from a buffer, never past its end. Running out
// throws ByteCursor::Truncated, which the reader turns into a message that says what it was
// reading, so a cut-off file gives a clear error instead of a crash.
class ByteCursor {
public:
    struct Truncated {};

    explicit ByteCursor(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t position() const { return m_pos; }
    void seek(std::size_t position) {
        if (position > m_bytes.size()) {
            throw Truncated{};
        }
        m_pos = position;
    }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }

    std::string_view take(std::size_t count) {
        if (count > remaining()) {
            throw Truncated{};
        }
        const std::string_view out = m_bytes.substr(m_pos, count);
        m_pos += count;
        return out;
    }

    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)[0]); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(unsignedOf(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(unsignedOf(4)); }
    // An unsigned little-endian number of 1 to 8 bytes.
    std::uint64_t unsignedOf(std::size_t size) {
        const std::string_view b = take(size);
        std::uint64_t v = 0;
        for (std::size_t i = size; i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(b[i]);
        }
        return v;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace quillby
