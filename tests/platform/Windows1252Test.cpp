#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(Windows1252, RoundTripsEveryByteThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = windows1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToWindows1252(utf8), all);
}

TEST(Windows1252, ConvertsTheLettersOfTheCodePage) {
    EXPECT_EQ(windows1252ToUtf8("\xC9" "dition \x80 \x8A"), "Édition € Š");
    EXPECT_EQ(utf8ToWindows1252("Zürich – Ørland"), "Z\xFCrich \x96 \xD8rland");
}

TEST(Windows1252, ReplacesWhatItCannotHoldAndMalformedUtf8) {
    EXPECT_EQ(utf8ToWindows1252("Kraków"), "Krak\xF3w");
    EXPECT_EQ(utf8ToWindows1252("Łódź"), "?\xF3" "d?");
    EXPECT_EQ(utf8ToWindows1252("a\xFF" "b\xC3"), "a?b?");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")) << "a surrogate is not UTF-8";
}

} // namespace
} // namespace quillby
