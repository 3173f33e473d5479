#pragma once

#include "platform/DirectorySearch.h"
#include "platform/HostPath.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby::test {

// The airline look-up done the slow, plain way: for one title, every folder's aircraft.cfg read
// afresh and scanned from fltsim.0 upward. Tests hold the cached reader of the import to it:
// each of its answers must be what this gives.
std::string freshAirlineLookup(std::string_view title, std::string_view FSPath,
                               std::span<const std::string> folders, const DirectorySearch& search,
                               const HostPath& paths);

// The titles of one configuration text in section order, as far as the scan goes.
std::vector<std::string> scannedTitles(std::string text);

} // namespace quillby::test
