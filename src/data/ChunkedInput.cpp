#include "data/ChunkedInput.h"

#include <algorithm>
#include <cstring>

namespace quillby {

ChunkedInput::ChunkedInput(std::string_view bytes) : m_data(bytes.data()), m_end(bytes.size()) {}

ChunkedInput::ChunkedInput(InputFile& file, std::size_t buffer)
    : m_file(&file), m_unread(file.size()) {
    m_buffer.resize(std::max<std::size_t>(buffer, 1));
    m_data = m_buffer.data();
}

bool ChunkedInput::readMore() {
    if (m_file == nullptr) {
        return false;
    }
    // Move the window to the front; a window that fills the buffer needs a larger buffer.
    const std::size_t kept = m_end - m_begin;
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, kept);
    m_consumedBefore += m_begin;
    m_begin = 0;
    m_end = kept;
    if (kept == m_buffer.size()) {
        m_buffer.resize(m_buffer.size() * 2);
    }
    m_data = m_buffer.data();
    const std::size_t n = m_file->read(m_buffer.data() + m_end, m_buffer.size() - m_end);
    m_end += n;
    m_unread = n >= m_unread ? 0 : m_unread - n;
    return n > 0;
}

} // namespace quillby
