#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// Text in tables and simulator files is 8-bit Windows-1252, as the simulator writes it; the
// terminal, Qt and file paths on Linux speak UTF-8. These convert at those borders.

// The Unicode code point of one Windows-1252 byte. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as Windows maps them.
char32_t windows1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> codePointToWindows1252(char32_t codePoint);

std::string windows1252ToUtf8(std::string_view text);

// Every code point that Windows-1252 cannot hold, and every malformed UTF-8 sequence, becomes
// `replacement`.
std::string utf8ToWindows1252(std::string_view text, char replacement = '?');

// The same for names taken from outside (the airport list), so that they read well in the code
// page: a Latin letter it lacks becomes its nearest letter ("Łódź" becomes "Lódz", "ș" "s",
// "ế" "ê", "ĳ" "ij"), a base letter with a combining mark becomes the code page's letter where
// there is one ("e" + U+0301 is "é"), other marks go, Unicode's other spaces become a space and
// its zero-width characters go. Only what has no such letter (Greek, Cyrillic, CJK, a malformed
// sequence) becomes `replacement`.
std::string utf8ToWindows1252Nearest(std::string_view text, char replacement = '?');

bool isValidUtf8(std::string_view text);

// The code points of UTF-8 text; each malformed byte becomes U+FFFD.
std::u32string utf8ToCodePoints(std::string_view text);

// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

// UTF-16 text (as Wine's registry holds it) in the code page; a surrogate pair and every code
// point the code page cannot hold become one `replacement`, as the ANSI functions of Windows do.
std::string utf16ToWindows1252(std::u16string_view text, char replacement = '?');

// The capital of a letter of the code page (e to E, \xE9 to \xC9, \x9A to \x8A, \xFF to \x9F);
// other bytes as they are. Windows folds file names so when it compares them without regard to
// case; \xDF and \xB5 have no capital in the code page and stay.
char windows1252Upper(char c);

} // namespace quillby
