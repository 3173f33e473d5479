#pragma once

#include "platform/IniFile.h"
#include "platform/TextHash.h"

#include <functional>
#include <string>
#include <unordered_map>

namespace quillby {

// The aircraft titles of one aircraft.cfg and the airline each one is flown for: what the
// airline look-up would find in this one file for every title it can find there.
//
// The sections "fltsim.0", "fltsim.1", ... are read in turn, each one's "title" with the
// default "0"; the first title that reads "0" (section or key missing, or the text 0) ends the
// list, so a gap in the numbering hides every section after it. A title that occurs more than
// once keeps the airline of its lowest section. The airline is the section's "atc_airline",
// or "0" when it has none. Titles compare byte for byte: case and blanks count.
using FltsimTitles = std::unordered_map<std::string, std::string, TextHash, std::equal_to<>>;

FltsimTitles readFltsimTitles(const IniFile& config);

} // namespace quillby
