#pragma once

#include "platform/FileIo.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quillby {

// The bytes of a file as a window that moves through it: a reader works on the window, tells
// how much it has used, and asks for more when the window ends too soon. A file of any size is
// read with a buffer of about a megabyte.
class ChunkedInput {
public:
    static constexpr std::size_t kBuffer = std::size_t{1} << 20;

    // All bytes at hand already.
    explicit ChunkedInput(std::string_view bytes);
    // A file, read piece by piece into a buffer of `buffer` bytes at first (at least 1). Tests
    // take small ones, so that small files cross window ends everywhere.
    explicit ChunkedInput(InputFile& file, std::size_t buffer = kBuffer);

    std::string_view window() const { return {m_data + m_begin, m_end - m_begin}; }
    // Offset of the window's first byte in the file.
    std::uint64_t position() const { return m_consumedBefore + m_begin; }
    void consume(std::size_t count) { m_begin += count; }
    // Adds at least one byte to the end of the window; false at the end of the file.
    bool readMore();
    // Bytes of the file from the window's first byte to the end.
    std::uint64_t unconsumed() const { return (m_end - m_begin) + m_unread; }

private:
    InputFile* m_file = nullptr;
    std::string m_buffer;
    const char* m_data = nullptr;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::uint64_t m_consumedBefore = 0; // file bytes dropped from the buffer
    std::uint64_t m_unread = 0;         // file bytes not yet in the buffer
};

} // namespace quillby
