#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quillby {

// The text conversions the importers rely on: whole numbers, and times of day to the second.
// A text that cannot be read raises a ConversionError worded as Windows words it.

// A decimal whole number: optional leading blanks (spaces), an optional sign, then at least one
// digit and nothing else, within the range of a 32-bit integer ("24" and " -5" are read; "We", "",
// "24 " and "2147483648" are not). The platform's own conversion also takes "$18" and "0x18"
// as hexadecimal; a period of hours in a flight plan is a decimal number, so we do not.
// Error: "'We' is not a valid integer value".
std::int32_t strToInt(std::string_view text);

inline constexpr std::int32_t kSecondsPerDay = 24 * 60 * 60;

// A time of day on the 24-hour clock, as seconds since midnight: hours, ":", minutes, and
// optionally ":" and seconds, each of one or two digits (hours 0 to 23, minutes and seconds 0 to
// 59), with blanks allowed before and after the whole, as the platform allows them. Not read:
// an hour without minutes, a third separator, fractions of a second, AM/PM, "24:00".
// Error: "'2x:00:00' is not a valid time".
std::int32_t strToTime(std::string_view text);

// A time of day written as hh:mm:ss (eight characters) in a fixed buffer, so that the many times
// an import computes cost no heap allocation.
class TimeText {
public:
    std::string_view view() const { return {m_chars.data(), m_chars.size()}; }
    operator std::string_view() const { return view(); }
    friend bool operator==(const TimeText& a, std::string_view b) { return a.view() == b; }

private:
    friend TimeText timeToStr(std::int64_t seconds);
    std::array<char, 8> m_chars{};
};

// Writes a time as hh:mm:ss, reduced to a time of day first: any number of seconds, negative ones
// included, counts from midnight modulo 24 hours (-3600 is 23:00:00).
TimeText timeToStr(std::int64_t seconds);

} // namespace quillby
