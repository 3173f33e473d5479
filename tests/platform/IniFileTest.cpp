#include "platform/IniFile.h"

#include "support/Samples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace quillby {
namespace {

// Lines joined with `lineEnd` after each line but the last.
std::string lines(std::initializer_list<const char*> parts, const std::string& lineEnd) {
    std::string text;
    for (const char* part : parts) {
        if (!text.empty()) {
            text += lineEnd;
        }
        text += part;
    }
    return text;
}

const std::initializer_list<const char*> kProfile = {
    "title=before any section",
    "  [ Airport ]  ; the settings",
    "Default  =  LIRF  ",
    "\tquoted\t=\t\"  LIML \"\t",
    "comment = \"abc\" ; comment",
    "lone = \"",
    "empty quotes = \"\"",
    "empty =",
    "two=a=b",
    "  spaced name  =x",
    "default = second key of the name",
    "a line without equals sign",
    "",
    "[fltsim.0]",
    "title=first",
    "[FLTSIM.0]",
    "title=repeated section",
    "atc_airline=only in the repeated section",
    "[[odd]]",
    "k=v",
    "[open",
    "after open=still in [odd",
    "[]",
    "k=nameless section",
};

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

class IniFileRead : public testing::TestWithParam<std::string> {};

TEST_P(IniFileRead, FollowsTheProfileRulesWhateverTheLineEnds) {
    const IniFile ini = IniFile::fromText(lines(kProfile, GetParam()));
    const ReadCase cases[] = {
        {"airport", "DEFAULT", "LIRF"},
        {"Airport", "quoted", "  LIML "},
        {"Airport", "comment", "\"abc\" ; comment"},
        {"Airport", "lone", "\""},
        {"Airport", "empty quotes", ""},
        {"Airport", "empty", ""},
        {"Airport", "two", "a=b"},
        {"Airport", "spaced name", "x"},
        {"Airport", "title", "?"},
        {"Airport", "a line without equals sign", "?"},
        {"fltsim.0", "title", "first"},
        {"fltsim.0", "atc_airline", "?"},
        {"[odd", "k", "v"},
        {"[odd", "after open", "still in [odd"},
        {"", "k", "nameless section"},
        {"missing", "k", "?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.readString(c.section, c.key, "?"), c.expected)
            << "[" << c.section << "] " << c.key;
    }
}

INSTANTIATE_TEST_SUITE_P(LineEnds, IniFileRead, testing::Values("\r\n", "\n", "\r"),
                         [](const auto& param) {
                             return param.param == "\r\n" ? "CrLf"
                                    : param.param == "\n" ? "Lf"
                                                          : "Cr";
                         });

TEST(IniFile, ReadsEightBitTextAsBytes) {
    const IniFile ini = IniFile::fromText("[fltsim.0]\r\ntitle=Caf\xE9 \x80\r\n");
    EXPECT_EQ(ini.readString("FLTSIM.0", "Title", "0"), "Caf\xE9 \x80");
    EXPECT_EQ(IniFile().readString("Airport", "default", ""), "");
}

TEST(IniFile, ReplacesTheTextAfterTheEqualsSignKeepingEveryOtherLine) {
    IniFile ini = IniFile::fromText("; settings\r\n[Airport]\r\n  Default  =  \"LIRF\" ; x  \r\n"
                                    "other=1\n[airport]\r\ndefault=second\r\n");
    ini.writeString("AIRPORT", "default", "EGLL");
    EXPECT_EQ(ini.text(), "; settings\r\n[Airport]\r\n  Default  =EGLL\r\n"
                          "other=1\n[airport]\r\ndefault=second\r\n");
    EXPECT_EQ(ini.readString("Airport", "default", ""), "EGLL");

    ini.writeString("airport", "DEFAULT", "");
    EXPECT_EQ(ini.text(), "; settings\r\n[Airport]\r\n  Default  =\r\n"
                          "other=1\n[airport]\r\ndefault=second\r\n");
    EXPECT_EQ(ini.readString("Airport", "default", "?"), "");
}

TEST(IniFile, AddsAMissingKeyAfterTheLastLineOfItsFirstSection) {
    IniFile ini = IniFile::fromText("[Airport]\nother=1\n; note\n\n\n[Next]\nk=v\n[AIRPORT]\n");
    ini.writeString("airport", "default", "LIRF");
    EXPECT_EQ(ini.text(), "[Airport]\nother=1\n; note\ndefault=LIRF\n\n\n[Next]\nk=v\n[AIRPORT]\n");

    IniFile atEnd = IniFile::fromText("[Next]\r\nk=v\r\n[Airport]");
    atEnd.writeString("Airport", "default", "LIRF");
    EXPECT_EQ(atEnd.text(), "[Next]\r\nk=v\r\n[Airport]\r\ndefault=LIRF\r\n");
    atEnd.writeString("Airport", "default", "EGLL");
    EXPECT_EQ(atEnd.readString("Airport", "default", ""), "EGLL");
}

TEST(IniFile, AddsAMissingSectionAtTheEndWithTheLineEndsOfTheText) {
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"", "[Airport]\r\ndefault=\r\n"},
        {"; only a comment", "; only a comment\r\n[Airport]\r\ndefault=\r\n"},
        {"[Other]\nk=v", "[Other]\nk=v\n[Airport]\ndefault=\n"},
        {"[Other]\r\nk=v\r\n\r\n", "[Other]\r\nk=v\r\n\r\n[Airport]\r\ndefault=\r\n"},
        {"[Other]\rk=v\r", "[Other]\rk=v\r[Airport]\rdefault=\r"},
        {"k=before any section\n", "k=before any section\n[Airport]\ndefault=\n"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::fromText(c.before);
        ini.writeString("Airport", "default", "");
        EXPECT_EQ(ini.text(), c.after) << c.before;
        EXPECT_EQ(ini.readString("airport", "DEFAULT", "?"), "") << c.before;
    }
}

// The aircraft configuration reader's walk over fltsim.0, fltsim.1, ... until a title reads "0".
int countFltsimSections(const IniFile& ini) {
    int n = 0;
    while (ini.readString("fltsim." + std::to_string(n), "title", "0") != "0") {
        ++n;
    }
    return n;
}

TEST(IniFile, ReadsRealAircraftConfigurations) {
    const auto folder = test::sample("fs/FS2002/aircraft");
    if (!folder) {
        GTEST_SKIP() << "no samples folder";
    }
    const auto load = [&](const char* name) {
        return IniFile::fromText(test::readFile(*folder / name));
    };

    const IniFile a320 = load("utl_a320/Aircraft.cfg");
    EXPECT_EQ(countFltsimSections(a320), 115) << "[Fltsim.0] and [fltsim.1] are one numbering";
    EXPECT_EQ(a320.readString("fltsim.0", "title", "0"), "UTLive_320_Daedalus");
    EXPECT_EQ(a320.readString("fltsim.1", "atc_airline", "0"), "SICHUAN");
    EXPECT_EQ(a320.readString("fltsim.114", "title", "0"), "UTLive_320.VRD.VRD");

    const IniFile hampden = load("hp_hampden/aircraft.cfg");
    EXPECT_EQ(countFltsimSections(hampden), 1);
    EXPECT_EQ(hampden.readString("fltsim.0", "title", "0"), "Hampden");
    EXPECT_EQ(hampden.readString("fltsim.0", "atc_airline", "0"), "Air Force");
    EXPECT_EQ(hampden.readString("fltsim.0", "atc_flight_number", "0"), "");

    const IniFile bae = load("bae146_200/aircraft.cfg");
    EXPECT_EQ(countFltsimSections(bae), 11);
    EXPECT_EQ(bae.readString("fltsim.0", "title", "0"),
              "\"Just Flight 146-200 DCX\" ; Variation name");
    EXPECT_EQ(bae.readString("fltsim.0", "panel", "0"), "\\..\\..\\JF_146_100\\panel");

    const IniFile e190 = load("surair_e190/aircraft.cfg");
    EXPECT_EQ(e190.readString("FltSim.0", "title", "0"), "Embraer 190 house");
    EXPECT_EQ(e190.readString("fltsim.0", "atc_airline", "0"), "Embraer");

    const IniFile pmdg = load("pmdg_777_300er/aircraft.cfg");
    EXPECT_EQ(countFltsimSections(pmdg), 3);
    EXPECT_EQ(pmdg.readString("fltsim.2", "atc_airline", "0"), "Garuda");
}

} // namespace
} // namespace quillby
