#include "import/Conversion.h"

#include "import/ConversionError.h"
#include "platform/Windows1252.h"

#include <limits>
#include <string>

namespace quillby {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The texts come from the simulator's files (Windows-1252); messages are UTF-8.
[[noreturn]] void throwNotA(std::string_view text, std::string_view what) {
    std::string message = "'";
    message += windows1252ToUtf8(text);
    message += "' is not a valid ";
    message += what;
    throw ConversionError(message);
}

[[noreturn]] void throwNotInteger(std::string_view text) {
    throwNotA(text, "integer value");
}

[[noreturn]] void throwNotTime(std::string_view text) {
    throwNotA(text, "time");
}

// Reads one or two digits at `pos` into `value`; false when there is no digit there.
bool readTwoDigits(std::string_view text, std::size_t& pos, int& value) {
    if (pos >= text.size() || !isDigit(text[pos])) {
        return false;
    }
    value = text[pos++] - '0';
    if (pos < text.size() && isDigit(text[pos])) {
        value = value * 10 + (text[pos++] - '0');
    }
    return true;
}

void skipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

} // namespace

std::int32_t strToInt(std::string_view text) {
    std::size_t pos = 0;
    skipBlanks(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    if (pos == text.size()) {
        throwNotInteger(text);
    }
    // Gathered as a negative number, whose range reaches one further than the positive one.
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos])) {
            throwNotInteger(text);
        }
        value = value * 10 - (text[pos] - '0');
        if (value < kLowest) {
            throwNotInteger(text);
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<std::int32_t>::max()) {
            throwNotInteger(text);
        }
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t strToTime(std::string_view text) {
    std::size_t pos = 0;
    skipBlanks(text, pos);
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!readTwoDigits(text, pos, hours) || pos >= text.size() || text[pos++] != ':' ||
        !readTwoDigits(text, pos, minutes)) {
        throwNotTime(text);
    }
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!readTwoDigits(text, pos, seconds)) {
            throwNotTime(text);
        }
    }
    skipBlanks(text, pos);
    if (pos != text.size() || hours > 23 || minutes > 59 || seconds > 59) {
        throwNotTime(text);
    }
    return hours * 3600 + minutes * 60 + seconds;
}

TimeText timeToStr(std::int64_t seconds) {
    std::int64_t inDay = seconds % kSecondsPerDay;
    if (inDay < 0) {
        inDay += kSecondsPerDay;
    }
    const auto twoDigits = [](char* out, std::int64_t value) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
    };
    TimeText result;
    char* out = result.m_chars.data();
    twoDigits(out, inDay / 3600);
    out[2] = ':';
    twoDigits(out + 3, inDay / 60 % 60);
    out[5] = ':';
    twoDigits(out + 6, inDay % 60);
    return result;
}

} // namespace quillby
