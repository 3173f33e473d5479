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

TEST(Windows1252, GivesNamesTheNearestLettersOfTheCodePage) {
    struct Case {
        const char* utf8;
        std::string expected;
    };
    const Case cases[] = {
        // Letters the code page holds stay, the others lose what it cannot show.
        {"Łódź Władysław Reymont", "L\xF3"
                                   "dz Wladyslaw Reymont"},
        {"Debrecen Nemzetközi Repülőtér", "Debrecen Nemzetk\xF6zi Rep\xFClot\xE9r"},
        {"Timișoara Traian Vuia", "Timisoara Traian Vuia"},
        {"Iğdır Şehit Bülent Aydın", "Igdir Sehit B\xFClent Aydin"},
        {"Đà Nẵng, Huế, Phú Quốc, Nước Mặn", "D\xE0 Nang, Hu\xEA, Ph\xFA Qu\xF4"
                                             "c, Nuoc Man"},
        {"Bakı Heydər Əliyev", "Baki Heyder Eliyev"},
        {"Ĳmuiden ǅ", "IJmuiden D\x9E"},
        // Decomposed text: a mark joins its letter where the code page has the pair.
        {"Cafe\u0301 Zu\u0308rich s\u0326", "Caf\xE9 Z\xFCrich s"},
        // Other spaces and dashes read as ours; zero-width characters go.
        {"Saint\u2011Denis\u00A0Nord\u2009Sud\u200B", "Saint-Denis\xA0Nord Sud"},
        // What has no Latin letter, and malformed UTF-8, become the replacement.
        {"Αθήνα Москва 東京 \xFF", "????? ?????? ?? ?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8ToWindows1252Nearest(c.utf8), c.expected) << c.utf8;
    }
    EXPECT_EQ(utf8ToWindows1252Nearest("Łódź Αθήνα", '_'), "L\xF3"
                                                           "dz _____");
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
