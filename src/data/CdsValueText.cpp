#include "data/CdsValueText.h"

#include "platform/Windows1252.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quillby::cds {

namespace {

// Day number 1 is 0001-01-01; 719,163 is then 1970-01-01.
constexpr std::int64_t kDayNumberOf1970 = 719163;

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// Days since 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's algorithm).
CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<std::uint64_t>(z - era * 146097);
    const std::uint64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const std::uint64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::uint64_t mp = (5 * doy + 2) / 153;
    const auto d = static_cast<unsigned>(doy - (153 * mp + 2) / 5 + 1);
    const auto m = static_cast<unsigned>(mp < 10 ? mp + 3 : mp - 9);
    return {y + (m <= 2 ? 1 : 0), m, d};
}

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<std::uint64_t>(y - era * 400);
    const std::uint64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const std::uint64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::string formatClock(std::int64_t milliseconds) {
    const bool negative = milliseconds < 0;
    const std::uint64_t ms = negative ? 0 - static_cast<std::uint64_t>(milliseconds)
                                      : static_cast<std::uint64_t>(milliseconds);
    char text[48];
    int n = std::snprintf(text, sizeof text, "%s%02llu:%02llu:%02llu", negative ? "-" : "",
                          static_cast<unsigned long long>(ms / 3600000),
                          static_cast<unsigned long long>(ms / 60000 % 60),
                          static_cast<unsigned long long>(ms / 1000 % 60));
    if (ms % 1000 != 0) {
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), ".%03llu",
                           static_cast<unsigned long long>(ms % 1000));
    }
    return {text, static_cast<std::size_t>(n)};
}

} // namespace

std::string formatInteger(std::int64_t value) {
    return std::to_string(value);
}

std::string formatUnsigned(std::uint64_t value) {
    return std::to_string(value);
}

std::string formatFloat(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return {text, result.ptr};
}

std::string formatBoolean(bool value) {
    return value ? "True" : "False";
}

std::string formatDate(std::int64_t dayNumber) {
    const CivilDate date = civilFromDays(dayNumber - kDayNumberOf1970);
    char text[40];
    const int n = std::snprintf(text, sizeof text, "%04lld-%02u-%02u",
                                static_cast<long long>(date.year), date.month, date.day);
    return {text, static_cast<std::size_t>(n)};
}

std::string formatTime(std::int64_t milliseconds) {
    return formatClock(milliseconds);
}

std::string formatTimestamp(double value) {
    constexpr double kMsPerDay = 86400000.0;
    // Beyond a few million years the number is no date a user stored: show it as it is.
    if (!std::isfinite(value) || std::fabs(value) > 1e17) {
        return formatFloat(value);
    }
    const double days = std::floor(value / kMsPerDay);
    const auto ms = static_cast<std::int64_t>(std::llround(value - days * kMsPerDay));
    return formatDate(static_cast<std::int64_t>(days)) + " " + formatClock(ms);
}

std::string formatHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

std::int64_t dayNumberOf(int year, unsigned month, unsigned day) {
    return daysFromCivil(year, month, day) + kDayNumberOf1970;
}

double extendedToDouble(std::string_view b) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) {
        mantissa = (mantissa << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(i)]);
    }
    const unsigned signExponent = static_cast<unsigned char>(b[8]) |
                                  (static_cast<unsigned>(static_cast<unsigned char>(b[9])) << 8);
    const bool negative = (signExponent & 0x8000) != 0;
    const int exponent = static_cast<int>(signExponent & 0x7FFF);
    double value;
    if (exponent == 0x7FFF) {
        value = (mantissa << 1) == 0 ? INFINITY : NAN;
    } else {
        // The mantissa carries its integer bit explicitly: value = mantissa *
        // 2^(exponent-16383-63).
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    }
    return negative ? -value : value;
}

std::string utf16leToWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) |
                        (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            // A surrogate pair stands for one code point beyond the code page anyway.
            const char32_t low =
                static_cast<unsigned char>(bytes[i + 2]) |
                (static_cast<char32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                unit = 0x10000;
            }
        }
        const auto byte = codePointToWindows1252(unit);
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

} // namespace quillby::cds
