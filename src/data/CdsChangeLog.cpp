#include "data/CdsChangeLog.h"

#include "data/CdsFormat.h"
#include "platform/Error.h"

#include <string>

namespace quillby::cds {

std::vector<std::size_t> visibleRows(std::span<const std::uint8_t> status,
                                     std::span<const std::uint32_t> changeLog,
                                     const std::string& quotedFileName) {
    const std::size_t rows = status.size();
    constexpr std::uint32_t kNone = 0;
    std::vector<std::uint32_t> replacedBy(rows + 1, kNone); // 1-based
    std::vector<char> isReplacement(rows + 1, 0);
    for (std::size_t e = 0; e + 2 < changeLog.size(); e += 3) {
        const std::uint32_t version = changeLog[e];
        const std::uint32_t previous = changeLog[e + 1];
        if (version == 0 || version > rows || previous > rows) {
            throw Error(quotedFileName +
                        " is damaged: its change log names a row it does not hold");
        }
        if ((changeLog[e + 2] & kChangeModify) != 0 && previous != 0 && previous != version) {
            replacedBy[previous] = version;
            isReplacement[version] = 1;
        }
    }
    // The newest version of each row, found once: rows whose chains meet share the rest of
    // the chain, and following each chain to its end from every start took time in the square
    // of the row count.
    std::vector<std::uint32_t> newest(rows + 1, kNone);
    std::vector<char> onPath(rows + 1, 0);
    std::vector<std::uint32_t> path;
    std::vector<std::size_t> order;
    order.reserve(rows);
    for (std::uint32_t n = 1; n <= rows; ++n) {
        if (isReplacement[n]) {
            continue; // shown where the row it replaced stood
        }
        std::uint32_t current = n;
        path.clear();
        while (newest[current] == kNone && replacedBy[current] != kNone) {
            if (onPath[current]) {
                throw Error(quotedFileName + " is damaged: its change log goes round in a circle");
            }
            onPath[current] = 1;
            path.push_back(current);
            current = replacedBy[current];
        }
        const std::uint32_t last = newest[current] != kNone ? newest[current] : current;
        for (const std::uint32_t row : path) {
            newest[row] = last;
        }
        if ((status[last - 1] & kRowHidden) == 0) {
            order.push_back(last - 1);
        }
    }
    return order;
}

} // namespace quillby::cds
