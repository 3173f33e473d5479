#include "import/TextLines.h"

#include "platform/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

using Lines = std::vector<std::string_view>;

TEST(TextLines, EndsLinesAtCrLfLoneCrAndLoneLf) {
    const std::pair<std::string_view, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR is two breaks, not one
        {"a\n\n", {"a", ""}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(splitLines(text), expected) << testing::PrintToString(std::string(text));
    }
}

TEST(TextLines, KeepsBlanksAndEightBitBytes) {
    using namespace std::string_view_literals;
    const Lines lines = splitLines(" AC#1 ,\t\r\n\xE9t\xE9\0x\n"sv);
    EXPECT_EQ(lines, (Lines{" AC#1 ,\t", "\xE9t\xE9\0x"sv}));
}

TEST(TextLines, LoadsAFileWhole) {
    const test::TempDir dir;
    const auto path = dir.write("FlightPlans.TXT", "AC#1,x\r\nAC#2,y\r\n\r\nAC#3\r\n");
    TextLines loaded = TextLines::loadFromFile(path);
    const TextLines lines = std::move(loaded);
    ASSERT_EQ(lines.count(), 4u);
    EXPECT_EQ(lines[0], "AC#1,x");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "AC#3");

    // A text short enough for a string's inner buffer must survive a move too.
    TextLines small("ab\ncd");
    const TextLines moved = std::move(small);
    EXPECT_EQ(Lines(moved.begin(), moved.end()), (Lines{"ab", "cd"}));
}

TEST(TextLines, ReportsAFileThatCannotBeOpened) {
    const test::TempDir dir;
    const auto missing = dir / "FlightPlans.TXT";
    try {
        TextLines::loadFromFile(missing);
        FAIL() << "no error for a missing file";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing.string() +
                                             "\". The system cannot find the file specified.");
    }
    EXPECT_THROW(TextLines::loadFromFile(dir.path()), Error);
}

} // namespace
} // namespace quillby
