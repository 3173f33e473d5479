#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How values of the types other programs store in table files read as text. The binary and the
// XML reader both go through these, so a file and its XML twin read alike.
namespace quillby::cds {

std::string formatInteger(std::int64_t value);
std::string formatUnsigned(std::uint64_t value);
// The shortest text that reads back as the same number: 2777815, 8.5.
std::string formatFloat(double value);
std::string formatBoolean(bool value);
// A day number counted from 1 for 1 January of the year 1: YYYY-MM-DD.
std::string formatDate(std::int64_t dayNumber);
// Milliseconds since midnight: hh:mm:ss, with .mmm when there are milliseconds.
std::string formatTime(std::int64_t milliseconds);
// Day number x 86,400,000 + milliseconds of the day: YYYY-MM-DD hh:mm:ss[.mmm].
std::string formatTimestamp(double value);
std::string formatHex(std::string_view bytes);

// The day number of a date, for dates given as numbers in XML.
std::int64_t dayNumberOf(int year, unsigned month, unsigned day);

// An 80-bit extended-precision number, as some writers store floats of size 10.
double extendedToDouble(std::string_view tenBytes);

// UTF-16LE text as Windows-1252; what the code page cannot hold becomes '?'.
std::string utf16leToWindows1252(std::string_view bytes);

} // namespace quillby::cds
