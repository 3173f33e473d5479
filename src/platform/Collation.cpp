#include "platform/Collation.h"

#include <array>

namespace quillby {

namespace {

// Primary weight of each Windows-1252 byte: letters fold to their plain upper-case letter.
constexpr std::array<unsigned char, 256> makePrimaryWeights() {
    std::array<unsigned char, 256> w{};
    for (int i = 0; i < 256; ++i) {
        w[i] = static_cast<unsigned char>(i);
    }
    for (int c = 'a'; c <= 'z'; ++c) {
        w[c] = static_cast<unsigned char>(c - 'a' + 'A');
    }
    const auto fold = [&w](const char* bytes, char letter) {
        for (const char* p = bytes; *p != '\0'; ++p) {
            w[static_cast<unsigned char>(*p)] = static_cast<unsigned char>(letter);
        }
    };
    fold("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xAA", 'A');
    fold("\xC7\xE7", 'C');
    fold("\xD0\xF0", 'D');
    fold("\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", 'E');
    fold("\x83", 'F');
    fold("\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", 'I');
    fold("\xD1\xF1", 'N');
    fold("\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8\x8C\x9C\xBA", 'O');
    fold("\x8A\x9A\xDF", 'S');
    fold("\xDE\xFE", 'T');
    fold("\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", 'U');
    fold("\xDD\xFD\xFF\x9F", 'Y');
    fold("\x8E\x9E", 'Z');
    return w;
}

constexpr std::array<unsigned char, 256> kPrimary = makePrimaryWeights();

int compareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

int compareText(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char wa = kPrimary[static_cast<unsigned char>(a[i])];
        const unsigned char wb = kPrimary[static_cast<unsigned char>(b[i])];
        if (wa != wb) {
            return wa < wb ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return compareBytes(a, b);
}

} // namespace quillby
