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
    EXPECT_EQ(windows1252ToUtf8("\xC9"
                                "dition \x80 \x8A"),
              "Édition € Š");
    EXPECT_EQ(utf8ToWindows1252("Zürich – Ørland"), "Z\xFCrich \x96 \xD8rland");
}

TEST(Windows1252, ReplacesWhatItCannotHoldAndMalformedUtf8) {
    EXPECT_EQ(utf8ToWindows1252("Kraków"), "Krak\xF3w");
    EXPECT_EQ(utf8ToWindows1252("Łódź"), "?\xF3"
                                         "d?");
    EXPECT_EQ(utf8ToWindows1252("a\xFF"
                                "b\xC3"),
              "a?b?");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")) << "a surrogate is not UTF-8";
}

TEST(Windows1252, ConvertsUtf16WithOneReplacementPerCharacter) {
    EXPECT_EQ(utf16ToWindows1252(u"FS2002 \u00C9dition \u20AC"), "FS2002 \xC9"
                                                                 "dition \x80");
    EXPECT_EQ(utf16ToWindows1252(u"\u0141\U0001F600-\xD800"), "?"
                                                              "?-?")
        << "a letter outside the code page, a surrogate pair, a lone surrogate";
}

TEST(Windows1252, UpperCasesTheLettersOfTheCodePage) {
    const std::string lower = "az\xE0\xE9\xFE\x9A\x9C\x9E\xFF";
    const std::string upper = "AZ\xC0\xC9\xDE\x8A\x8C\x8E\x9F";
    for (std::size_t i = 0; i < lower.size(); ++i) {
        EXPECT_EQ(windows1252Upper(lower[i]), upper[i]) << i;
        EXPECT_EQ(windows1252Upper(upper[i]), upper[i]) << i;
    }
    for (const char same : std::string("_0@[\xF7\xDF\xB5")) {
        EXPECT_EQ(windows1252Upper(same), same);
    }
}

} // namespace
} // namespace quillby
