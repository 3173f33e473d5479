#include "platform/Windows1252.h"

#include "platform/NearestLetterTable.h"

#include <algorithm>
#include <array>

namespace quillby {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes one UTF-8 sequence at `pos`; returns nothing for a malformed one and then advances
// `pos` by one byte, so that decoding always moves on.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const bool overlong =
        (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF) {
        ++pos;
        return std::nullopt;
    }
    pos += length;
    return codePoint;
}

} // namespace

char32_t windows1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> codePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        appendUtf8(out, windows1252ToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto codePoint = decodeUtf8(text, pos);
        const auto byte = codePoint ? codePointToWindows1252(*codePoint) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

namespace {

std::optional<std::string_view> nearestLetterOf(char32_t codePoint) {
    const auto& table = nearestLetter::kReplacements;
    const auto it = std::lower_bound(
        table.begin(), table.end(), codePoint,
        [](const nearestLetter::Replacement& entry, char32_t cp) { return entry.codePoint < cp; });
    if (it == table.end() || it->codePoint != codePoint) {
        return std::nullopt;
    }
    return std::string_view(it->text);
}

// Puts a combining mark on the letter before it when the code page has the two as one letter;
// otherwise the mark goes, leaving the plain letter.
void applyCombiningMark(std::string& out, char32_t mark) {
    if (out.empty()) {
        return;
    }
    for (const nearestLetter::Composition& entry : nearestLetter::kCompositions) {
        if (entry.base == out.back() && entry.mark == mark) {
            out.back() = static_cast<char>(entry.letter);
            return;
        }
    }
}

bool isCombiningMark(char32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x1AB0 && cp <= 0x1AFF) ||
           (cp >= 0x1DC0 && cp <= 0x1DFF) || (cp >= 0x20D0 && cp <= 0x20FF);
}

bool isOtherSpace(char32_t cp) {
    return (cp >= 0x2000 && cp <= 0x200A) || cp == 0x202F || cp == 0x205F || cp == 0x3000;
}

bool isZeroWidth(char32_t cp) {
    return (cp >= 0x200B && cp <= 0x200D) || cp == 0x2060 || cp == 0xFEFF;
}

} // namespace

std::string utf8ToWindows1252Nearest(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto codePoint = decodeUtf8(text, pos);
        if (!codePoint) {
            out += replacement;
        } else if (const auto byte = codePointToWindows1252(*codePoint)) {
            out += static_cast<char>(*byte);
        } else if (isCombiningMark(*codePoint)) {
            applyCombiningMark(out, *codePoint);
        } else if (isOtherSpace(*codePoint)) {
            out += ' ';
        } else if (isZeroWidth(*codePoint)) {
            continue;
        } else if (const auto letter = nearestLetterOf(*codePoint)) {
            out += *letter;
        } else {
            out += replacement;
        }
    }
    return out;
}

std::u32string utf8ToCodePoints(std::string_view text) {
    std::u32string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        out += decodeUtf8(text, pos).value_or(U'\uFFFD');
    }
    return out;
}

std::string utf16ToWindows1252(std::u16string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        if (highSurrogate && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;
            out += replacement;
            continue;
        }
        const auto byte = codePointToWindows1252(unit);
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

char windows1252Upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
        return static_cast<char>(byte - 0x20);
    }
    switch (byte) {
    case 0x9A: // s caron
    case 0x9C: // oe
    case 0x9E: // z caron
        return static_cast<char>(byte - 0x10);
    case 0xFF: // y diaeresis
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

bool isValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!decodeUtf8(text, pos)) {
            return false;
        }
    }
    return true;
}

} // namespace quillby
