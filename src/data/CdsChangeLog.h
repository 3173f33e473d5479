#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillby::cds {

// The stored rows of a data packet in the order the saving program showed them, as 0-based
// numbers. `status` holds every stored row's status byte; `changeLog` the packet's change log
// (triples: row of the new version, row it replaced or 0, kind of change; rows 1-based). A changed
// row's latest version stands where its first version stood; superseded, deleted and unused
// rows are left out. Throws an Error (with `fileName` in the message) for a change log that
// names rows the packet lacks or goes round in a circle.
std::vector<std::size_t> visibleRows(std::span<const std::uint8_t> status,
                                     std::span<const std::uint32_t> changeLog,
                                     const std::string& quotedFileName);

} // namespace quillby::cds
