#include "platform/WineRegistry.h"

#include "platform/Error.h"
#include "platform/FileIo.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace quillby {

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void skipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && isBlank(line[pos])) {
        ++pos;
    }
}

// The lines of [pos, end) of a text, one at a time, without their line ends.
class LineReader {
public:
    LineReader(std::string_view text, std::size_t begin, std::size_t end)
        : m_text(text), m_pos(begin), m_end(end) {}

    bool next(std::string_view& line, std::size_t& lineStart) {
        if (m_pos >= m_end) {
            return false;
        }
        lineStart = m_pos;
        std::size_t newline = m_text.find('\n', m_pos);
        if (newline == std::string_view::npos || newline > m_end) {
            newline = m_end;
        }
        line = m_text.substr(m_pos, newline - m_pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_pos = newline + 1;
        return true;
    }
    std::size_t position() const { return std::min(m_pos, m_end); }

private:
    std::string_view m_text;
    std::size_t m_pos;
    std::size_t m_end;
};

// A name or a text as Wine writes it, from `pos` up to the first `endChar` that is not escaped
// (']' ends a key path, '"' a name or a text). Nothing when the line ends first. Other bytes are
// taken as the UTF-16 unit of the same number, as Wine's reader takes them.
std::optional<std::u16string> parseString(std::string_view line, std::size_t& pos, char endChar) {
    std::u16string out;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == endChar) {
            return out;
        }
        if (c != '\\') {
            out += static_cast<char16_t>(static_cast<unsigned char>(c));
            continue;
        }
        if (pos == line.size()) {
            return std::nullopt;
        }
        const char escaped = line[pos++];
        constexpr std::string_view kLetters = "abefnrtv";
        constexpr char16_t kControls[] = {0x07, 0x08, 0x1B, 0x0C, 0x0A, 0x0D, 0x09, 0x0B};
        if (const std::size_t letter = kLetters.find(escaped); letter != std::string_view::npos) {
            out += kControls[letter];
            continue;
        }
        if (escaped == 'x' && pos < line.size() && hexDigit(line[pos]) >= 0) {
            // One to four digits: Wine writes four only where a hex digit follows ("\x00c9dition").
            char16_t unit = 0;
            for (int digits = 0; digits < 4 && pos < line.size() && hexDigit(line[pos]) >= 0;
                 ++digits) {
                unit = static_cast<char16_t>(unit * 16 + hexDigit(line[pos++]));
            }
            out += unit;
        } else if (escaped >= '0' && escaped <= '7') {
            char16_t unit = static_cast<char16_t>(escaped - '0');
            for (int digits = 1;
                 digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
                 ++digits) {
                unit = static_cast<char16_t>(unit * 8 + (line[pos++] - '0'));
            }
            out += unit;
        } else { // \\, \", and \x without digits stand for the character itself
            out += static_cast<char16_t>(static_cast<unsigned char>(escaped));
        }
    }
    return std::nullopt;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (const char16_t unit : text) {
        appendUtf8(out, unit);
    }
    return out;
}

// Without the backslashes at its ends, as Windows takes a key path.
std::string_view trimBackslashes(std::string_view path) {
    while (!path.empty() && path.front() == '\\') {
        path.remove_prefix(1);
    }
    while (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return path;
}

// Reads the hex number of "hex(N):" or "str(N):" up to its ')' and ':'.
std::optional<std::uint32_t> parseType(std::string_view line, std::size_t& pos) {
    std::uint32_t type = 0;
    const std::size_t first = pos;
    while (pos < line.size() && hexDigit(line[pos]) >= 0 && pos - first < 8) {
        type = type * 16 + static_cast<std::uint32_t>(hexDigit(line[pos++]));
    }
    if (pos == first || line.substr(pos, 2) != "):") {
        return std::nullopt;
    }
    pos += 2;
    return type;
}

struct Value {
    std::uint32_t type = 0;
    bool stringForm = false;
    std::u16string string; // "text" and str(N):"text"
    std::string bytes;     // dword: and hex: forms
};

// The data after the "=" of a value line; hex data continues on the next lines while a line
// ends in a backslash. Nothing for data that makes no sense.
std::optional<Value> parseData(std::string_view line, std::size_t pos, LineReader& lines) {
    Value value;
    const auto startsWith = [&](std::string_view prefix) {
        return line.substr(pos, prefix.size()) == prefix;
    };
    value.type = kRegSz;
    if (startsWith("str(")) {
        pos += 4;
        const auto type = parseType(line, pos);
        if (!type) {
            return std::nullopt;
        }
        value.type = *type;
    }
    if (pos < line.size() && line[pos] == '"') {
        ++pos;
        auto text = parseString(line, pos, '"');
        if (!text) {
            return std::nullopt;
        }
        value.stringForm = true;
        value.string = std::move(*text);
        return value;
    }
    if (value.type != kRegSz) {
        return std::nullopt; // str(N): without its text
    }
    if (startsWith("dword:")) {
        pos += 6;
        std::uint32_t number = 0;
        const std::size_t first = pos;
        while (pos < line.size() && hexDigit(line[pos]) >= 0 && pos - first < 8) {
            number = number * 16 + static_cast<std::uint32_t>(hexDigit(line[pos++]));
        }
        if (pos == first) {
            return std::nullopt;
        }
        value.type = kRegDword;
        for (int i = 0; i < 4; ++i) {
            value.bytes += static_cast<char>((number >> (8 * i)) & 0xFF);
        }
        return value;
    }
    if (startsWith("hex:")) {
        pos += 4;
        value.type = kRegBinary;
    } else if (startsWith("hex(")) {
        pos += 4;
        const auto type = parseType(line, pos);
        if (!type) {
            return std::nullopt;
        }
        value.type = *type;
    } else {
        return std::nullopt;
    }
    for (;;) {
        skipBlanks(line, pos);
        if (pos == line.size()) {
            return value;
        }
        if (line[pos] == '\\') {
            std::size_t ignored = 0;
            if (!lines.next(line, ignored)) {
                return std::nullopt;
            }
            pos = 0;
            continue;
        }
        int byte = 0;
        const std::size_t first = pos;
        while (pos < line.size() && hexDigit(line[pos]) >= 0 && byte <= 0xFF) {
            byte = byte * 16 + hexDigit(line[pos++]);
        }
        if (pos == first || byte > 0xFF) {
            return std::nullopt;
        }
        value.bytes += static_cast<char>(byte);
        skipBlanks(line, pos);
        if (pos < line.size() && line[pos] == ',') {
            ++pos;
        }
    }
}

std::u16string utf16FromLittleEndian(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return out;
}

} // namespace

WineRegistry::WineRegistry(std::string text, std::string source)
    : m_text(std::move(text)), m_source(std::move(source)) {
    index();
}

WineRegistry WineRegistry::fromText(std::string text, std::string source) {
    return WineRegistry(std::move(text), std::move(source));
}

WineRegistry WineRegistry::load(const std::filesystem::path& systemReg) {
    std::string text;
    try {
        text = readWholeFile(systemReg);
    } catch (const Error&) {
        // No registry file (no Wine prefix, a folder, a read error): no keys, as for a
        // simulator that was never installed.
    }
    return WineRegistry(std::move(text), systemReg.string());
}

void WineRegistry::index() {
    LineReader lines(m_text, 0, m_text.size());
    std::string_view line;
    std::size_t lineStart = 0;
    if (!lines.next(line, lineStart) || line != kHeader) {
        return;
    }
    std::vector<Lines>* current = nullptr;
    while (lines.next(line, lineStart)) {
        std::size_t pos = 0;
        skipBlanks(line, pos);
        if (pos == line.size() || line[pos] != '[') {
            continue;
        }
        if (current != nullptr) {
            current->back().end = lineStart;
        }
        ++pos;
        const auto path = parseString(line, pos, ']');
        current = nullptr; // the values after a garbled key line belong to no key
        if (path) {
            current = &m_keys[utf16ToUtf8(*path)];
            current->push_back({lines.position(), m_text.size()});
        }
    }
}

bool WineRegistry::hasKey(std::string_view keyPath) const {
    const std::string path = windows1252ToUtf8(trimBackslashes(keyPath));
    if (m_keys.contains(path)) {
        return true;
    }
    // Wine writes no line for a key that has sub-keys but no values of its own.
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const auto& entry) {
        const std::string_view stored = entry.first;
        return stored.size() > path.size() && stored[path.size()] == '\\' &&
               equalsIgnoringAsciiCase(stored.substr(0, path.size()), path);
    });
}

std::optional<std::string> WineRegistry::readString(std::string_view keyPath,
                                                    std::string_view valueName) const {
    const auto key = m_keys.find(windows1252ToUtf8(trimBackslashes(keyPath)));
    if (key == m_keys.end()) {
        return std::nullopt;
    }
    const std::string wantedName = windows1252ToUtf8(valueName);
    std::optional<Value> found;
    std::size_t foundAt = 0;
    for (const Lines& part : key->second) {
        LineReader lines(m_text, part.begin, part.end);
        std::string_view line;
        std::size_t lineStart = 0;
        while (lines.next(line, lineStart)) {
            std::size_t pos = 0;
            skipBlanks(line, pos);
            std::u16string name;
            if (pos < line.size() && line[pos] == '@') {
                ++pos;
            } else if (pos < line.size() && line[pos] == '"') {
                ++pos;
                auto parsed = parseString(line, pos, '"');
                if (!parsed) {
                    continue;
                }
                name = std::move(*parsed);
            } else {
                continue;
            }
            skipBlanks(line, pos);
            if (pos == line.size() || line[pos] != '=') {
                continue;
            }
            ++pos;
            skipBlanks(line, pos);
            if (!equalsIgnoringAsciiCase(utf16ToUtf8(name), wantedName)) {
                continue;
            }
            // As Wine loads the file, a later line of the same name replaces an earlier one.
            if (auto value = parseData(line, pos, lines)) {
                found = std::move(value);
                foundAt = lineStart;
            }
        }
    }
    if (!found) {
        return std::nullopt;
    }
    if (found->type == kRegSz || found->type == kRegExpandSz) {
        std::u16string text =
            found->stringForm ? std::move(found->string) : utf16FromLittleEndian(found->bytes);
        text.resize(std::min(text.size(), text.find(u'\0')));
        return utf16ToWindows1252(text);
    }
    if (!found->stringForm && found->bytes.empty()) {
        return std::string(); // no data reads as empty text, whatever its type
    }
    const auto line =
        std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(foundAt), '\n') + 1;
    throw Error("Invalid data type for '" + windows1252ToUtf8(valueName) + "' (" + m_source +
                ", line " + std::to_string(line) + ")");
}

std::optional<std::filesystem::path> findWinePrefix(std::string_view winePrefixVariable,
                                                    std::string_view homeVariable) {
    if (!winePrefixVariable.empty()) {
        return std::filesystem::path(winePrefixVariable);
    }
    if (!homeVariable.empty()) {
        return std::filesystem::path(homeVariable) / ".wine";
    }
    return std::nullopt;
}

} // namespace quillby
