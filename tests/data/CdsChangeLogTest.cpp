#include "data/CdsChangeLog.h"

#include "data/CdsFormat.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

namespace quillby::cds {
namespace {

std::string outcome(const std::vector<std::uint8_t>& status,
                    const std::vector<std::uint32_t>& changeLog) {
    try {
        std::string rows;
        for (const std::size_t row : visibleRows(status, changeLog, "'t.cds'")) {
            rows += std::to_string(row) + " ";
        }
        return rows;
    } catch (const Error& e) {
        return e.what();
    }
}

TEST(ChangeLog, ShowsTheNewestVersionOfEachRowWhereItsFirstStood) {
    struct Case {
        std::vector<std::uint8_t> status;
        std::vector<std::uint32_t> changeLog;
        const char* shown; // 0-based rows, or the error
    };
    const Case cases[] = {
        // Row 1 changed (row 3 is its new version), row 2 deleted, row 4 inserted.
        {{1, 2, 8, 4}, {3, 1, 8, 2, 0, 2, 4, 0, 4}, "2 3 "},
        // Changed twice: 1 -> 2 -> 3, shown where row 1 stood, before row 4.
        {{1, 1, 8, 0}, {2, 1, 8, 3, 2, 8}, "2 3 "},
        // Two rows whose chains meet each show the newest version of the shared part.
        {{1, 1, 1, 8}, {3, 1, 8, 3, 2, 8, 4, 3, 8}, "3 3 "},
        // Chains that meet and then come back to a row they passed.
        {{0, 0, 0, 0},
         {3, 1, 8, 3, 2, 8, 4, 3, 8, 3, 4, 8},
         "'t.cds' is damaged: its change log goes round in a circle"},
        {{0, 0}, {3, 1, 8}, "'t.cds' is damaged: its change log names a row it does not hold"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(outcome(c.status, c.changeLog), c.shown);
    }
}

// Many rows replaced by one row that then changed many times: each chain is followed to its end
// once, not once per row that leads into it, which took half a minute in a debug build.
TEST(ChangeLog, FollowsChainsThatMeetInTimeLinearInTheLog) {
    constexpr std::uint32_t kRows = 100000;
    std::vector<std::uint8_t> status(2 * kRows, kRowOriginal);
    status.back() = 0;
    std::vector<std::uint32_t> changeLog;
    for (std::uint32_t row = 1; row <= kRows; ++row) {
        changeLog.insert(changeLog.end(), {kRows + 1, row, kChangeModify});
    }
    for (std::uint32_t row = kRows + 1; row < 2 * kRows; ++row) {
        changeLog.insert(changeLog.end(), {row + 1, row, kChangeModify});
    }
    const std::vector<std::size_t> shown = visibleRows(status, changeLog, "'t.cds'");
    EXPECT_EQ(shown, std::vector<std::size_t>(kRows, 2 * kRows - 1));
}

} // namespace
} // namespace quillby::cds
