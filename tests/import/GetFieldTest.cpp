#include "import/GetField.h"

#include <gtest/gtest.h>
#include <string>

namespace quillby {
namespace {

struct FieldCase {
    std::string_view line;
    int n;
    bool rest;
    std::string_view expected;
};

TEST(GetField, CutsFieldsAndRestsOutOfALine) {
    const FieldCase cases[] = {
        {"A,B,CDEFG", 1, false, "A"},
        {"A,B,CDEFG", 2, false, "B"},
        {"A,B,CDEFG", 3, false, "CDEF"}, // the last field is cut to four characters
        {"A,B,CDEFG", 5, false, "CDEF"}, // beyond the last field: the last again
        {"A,B,CDEFG", 2, true, "B,CDEFG"},
        {"A,B,CDEFG", 3, true, "CDEFG"},
        {"A,B,CDEFG", 9, true, "CDEFG"},
        {"A,B,CDEFG", 0, false, "A"},
        {"A,B,CDEFG", -3, true, "A,B,CDEFG"},
        {"A,,C", 2, false, ""},
        {" A , B", 2, false, " B"}, // nothing is trimmed
        {"A,B,", 3, false, ""},
        {"LIRFXYZ", 1, false, "LIRF"},
        {"LIRFXYZ", 7, false, "LIRF"},
        {"LIRFXYZ", 7, true, "LIRFXYZ"},
        {"AB", 1, false, "AB"},
        {"", 1, false, ""},
        {"", 4, false, ""},
        {"", 6, true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetField(c.line, c.n, c.rest), c.expected)
            << '"' << c.line << "\" field " << c.n << (c.rest ? " with rest" : "");
    }
}

TEST(GetField, WalksAFlightPlanLineLegByLeg) {
    const std::string line = "AC#41,N10931,41%,12Hr,IFR,12:27:00,13:40:00,296,F,2027,EGLL,"
                             "19:27:00,20:35:00,289,F,2028,LIRF  ";
    EXPECT_EQ(GetField(line, 1), "AC#41");
    EXPECT_EQ(GetField(line, 4), "12Hr");

    std::string_view remaining = GetField(line, 6, true);
    EXPECT_EQ(GetField(remaining, 1), "12:27:00");
    EXPECT_EQ(GetField(remaining, 2), "13:40:00");
    EXPECT_EQ(GetField(remaining, 5), "2027");
    EXPECT_EQ(GetField(remaining, 6), "EGLL");

    remaining = GetField(remaining, 7, true);
    EXPECT_EQ(GetField(remaining, 1), "19:27:00");
    EXPECT_EQ(GetField(remaining, 6), "LIRF") << "the last field loses what follows the code";
    EXPECT_EQ(GetField(remaining, 7, true), "LIRF  ");
}

} // namespace
} // namespace quillby
