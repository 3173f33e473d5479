#include "platform/IniFile.h"

#include <utility>

namespace quillby {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Narrows [begin, end) of `text` to leave out blanks at both ends.
void trimBlanks(std::string_view text, std::size_t& begin, std::size_t& end) {
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
}

// The end of the line that starts at `from`: the position of its CR or LF, or npos. A plain
// loop, because find_first_of("\r\n") searches the two-byte set once per byte of the text,
// which made this scan the costliest part of reading a large aircraft.cfg.
std::size_t lineEndFrom(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    trimBlanks(text, begin, end);
    return text.substr(begin, end - begin);
}

} // namespace

IniFile::IniFile(std::string text) : m_text(std::move(text)) {
    index();
}

IniFile IniFile::fromText(std::string text) {
    return IniFile(std::move(text));
}

void IniFile::index() {
    m_sections.clear();
    const std::string_view text = m_text;
    Section* current = nullptr; // null before the first section and inside a repeated one
    std::size_t lineBegin = 0;
    while (lineBegin < text.size()) {
        std::size_t contentEnd = lineEndFrom(text, lineBegin);
        std::size_t next = text.size();
        if (contentEnd == std::string_view::npos) {
            contentEnd = text.size();
        } else {
            next = contentEnd + ((text[contentEnd] == '\r' && contentEnd + 1 < text.size() &&
                                  text[contentEnd + 1] == '\n')
                                     ? 2
                                     : 1);
        }
        const bool hasLineEnd = contentEnd < text.size();
        std::size_t begin = lineBegin;
        std::size_t end = contentEnd;
        trimBlanks(text, begin, end);
        const std::string_view line = text.substr(begin, end - begin);
        const std::size_t close = line.find(']', 1);

        if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
            const auto [it, added] =
                m_sections.try_emplace(std::string(trimmed(line.substr(1, close - 1))));
            current = added ? &it->second : nullptr;
            if (current != nullptr) {
                current->appendAt = next;
                current->appendNeedsLineEnd = !hasLineEnd;
            }
        } else if (current != nullptr && !line.empty()) {
            current->appendAt = next;
            current->appendNeedsLineEnd = !hasLineEnd;
            const std::size_t equals = line.find('=');
            if (equals != std::string_view::npos) {
                std::size_t valueBegin = begin + equals + 1;
                std::size_t valueEnd = end;
                trimBlanks(text, valueBegin, valueEnd);
                current->keys.try_emplace(std::string(trimmed(line.substr(0, equals))),
                                          Key{valueBegin, valueEnd, begin + equals + 1, contentEnd});
            }
        }
        lineBegin = next;
    }
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const auto s = m_sections.find(section);
    if (s == m_sections.end()) {
        return std::string(defaultValue);
    }
    const auto k = s->second.keys.find(key);
    if (k == s->second.keys.end()) {
        return std::string(defaultValue);
    }
    std::string_view value = std::string_view(m_text).substr(
        k->second.valueBegin, k->second.valueEnd - k->second.valueBegin);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view newLine = lineEnd();
    const auto s = m_sections.find(section);
    if (s == m_sections.end()) {
        std::string added;
        if (!m_text.empty() && m_text.back() != '\n' && m_text.back() != '\r') {
            added += newLine;
        }
        added.append("[").append(section).append("]").append(newLine);
        added.append(key).append("=").append(value).append(newLine);
        m_text += added;
    } else if (const auto k = s->second.keys.find(key); k != s->second.keys.end()) {
        // The whole text after the "=" becomes the value, as Windows writes a key's line anew.
        m_text.replace(k->second.afterEquals, k->second.lineEnd - k->second.afterEquals, value);
    } else {
        std::string added;
        if (s->second.appendNeedsLineEnd) {
            added += newLine;
        }
        added.append(key).append("=").append(value).append(newLine);
        m_text.insert(s->second.appendAt, added);
    }
    // Writes are rare (one at the end of a run), so indexing the text afresh is the simple way to
    // keep every position right.
    index();
}

std::string_view IniFile::lineEnd() const {
    const std::size_t pos = m_text.find_first_of("\r\n");
    if (pos == std::string::npos) {
        return "\r\n";
    }
    if (m_text[pos] == '\n') {
        return "\n";
    }
    return (pos + 1 < m_text.size() && m_text[pos + 1] == '\n') ? "\r\n" : "\r";
}

} // namespace quillby
