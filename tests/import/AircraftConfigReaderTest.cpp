#include "import/AircraftConfigReader.h"

#include "support/FreshAirlineLookup.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace fs = std::filesystem;

// An installation with a folder for each rule of the look-up; FSPath is its host path.
class AircraftConfigReaderTest : public testing::Test {
protected:
    AircraftConfigReaderTest() {
        cfg("alpha/aircraft.cfg", "[General]\n"
                                  "atc_type=BOEING\n"
                                  "[fltsim.0]\n"
                                  "title=Shared Title\n"
                                  "atc_airline=ALPHA\n"
                                  "[fltsim.1]\n"
                                  "title=Boeing 737 KLM\n"
                                  "atc_airline=KLM\n"
                                  "[fltsim.2]\n"
                                  "title =   Padded Title  \t\n"
                                  "atc_airline =  PADDED  \n"
                                  "[fltsim.3]\n"
                                  "title=\"Quoted Blank \"\n"
                                  "atc_airline=\"QUOTED\"\n"
                                  "[fltsim.4]\n"
                                  "title=Boeing 737 KLM\n"
                                  "atc_airline=KLM LATER\n"
                                  "[fltsim.5]\n"
                                  "title=No Airline\n"
                                  "ui_variation=Nobody\n"
                                  "[fltsim.6]\n"
                                  "title=\n"
                                  "atc_airline=EMPTY TITLE\n"
                                  "[fltsim.7]\n"
                                  "title=\"Commented\" ; livery\n"
                                  "atc_airline=\"AAL\" ; callsign\n"
                                  "[ FLTSIM.8 ]\n"
                                  "TITLE=Upper Case Names\n"
                                  "Atc_Airline=UPPER\n"
                                  "[fltsim.9]\n"
                                  "title=Overridden\n"
                                  "atc_airline=ALPHA\n"
                                  "[fltsim.10]\n"
                                  "title=0\n"
                                  "[fltsim.11]\n"
                                  "title=Behind Zero\n"
                                  "atc_airline=NEVER\n");
        cfg("bravo/Aircraft.cfg", "[fltsim.0]\r\n"
                                  "title=Only In Bravo\r\n"
                                  "atc_airline=BRAVO\r\n"
                                  "[fltsim.1]\r\n"
                                  "title=Shared Title\r\n"
                                  "atc_airline=BRAVO\r\n"
                                  "[fltsim.3]\r\n"
                                  "title=Behind Gap\r\n"
                                  "atc_airline=NEVER\r\n");
        m_dir.write("FS2002/Aircraft/charlie/readme.txt", "no configuration here");
        fs::create_directories(m_dir / "FS2002/Aircraft/delta/aircraft.cfg"); // a folder
        cfg("foxtrot/aircraft.cfg", "[fltsim.0]\n"
                                    "title=Shared Title\n"
                                    "atc_airline=FOXTROT\n"
                                    "[fltsim.1]\n"
                                    "title=Dup Section\n"
                                    "atc_airline=FIRST KEY\n"
                                    "atc_airline=SECOND KEY\n"
                                    "[fltsim.1]\n"
                                    "title=Dup Section\n"
                                    "atc_airline=SECOND SECTION\n"
                                    "[fltsim.2]\n"
                                    "title=Overridden\n");
        cfg("hotel/aircraft.cfg", "[fltsim.1]\ntitle=Hidden\natc_airline=NEVER\n");
    }

    void cfg(std::string_view path, std::string_view text) {
        m_dir.write("FS2002/Aircraft/" + std::string(path), text);
    }

    std::string fresh(std::string_view title) const {
        return test::freshAirlineLookup(title, m_FSPath, m_folders, m_search, m_paths);
    }

    test::TempDir m_dir;
    std::string m_FSPath = (m_dir / "FS2002").string();
    // "echo" is listed but not on disk.
    std::vector<std::string> m_folders = {"alpha", "bravo",   "charlie", "delta",
                                          "echo",  "foxtrot", "hotel"};
    HostPath m_paths{fs::path()};
    HostDirectorySearch m_search{m_paths};
};

TEST_F(AircraftConfigReaderTest, AnswersByTheRulesOfTheLookup) {
    struct Case {
        const char* title;
        const char* airline;
        const char* why;
    };
    const Case cases[] = {
        {"Shared Title", "FOXTROT", "the last folder in list order with the title wins"},
        {"Boeing 737 KLM", "KLM", "the lowest section of a file wins"},
        {"boeing 737 klm", "", "titles compare with case"},
        {"Padded Title", "PADDED", "blanks around values are dropped"},
        {"Padded Title ", "", "so a wanted blank at the end finds no unquoted title"},
        {"Quoted Blank ", "QUOTED", "quotes keep the blank and are dropped themselves"},
        {"No Airline", "0", "a matching section without atc_airline"},
        {"", "EMPTY TITLE", "an empty title matches a present, empty title"},
        {"\"Commented\" ; livery", "\"AAL\" ; callsign", "a comment belongs to the value"},
        {"Commented", "", "so the bare title does not match"},
        {"Upper Case Names", "UPPER", "section and key names compare without case"},
        {"Overridden", "0", "a later folder's match without airline still replaces"},
        {"Behind Zero", "", "a title 0 ends the scan of its file"},
        {"0", "", "and the title 0 itself never matches"},
        {"Only In Bravo", "BRAVO", "aircraft.cfg is found whatever the case of its name"},
        {"Behind Gap", "", "a gap in the numbering ends the scan"},
        {"Dup Section", "FIRST KEY", "the first section and key of a name count"},
        {"Hidden", "", "a file without fltsim.0 has no titles"},
        {"Nowhere", "", "no folder has the title"},
    };
    AircraftConfigReader reader(m_FSPath, m_folders, m_search, m_paths);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(reader.GetAirline(c.title), c.airline) << "title: " << c.title;
        EXPECT_EQ(fresh(c.title), c.airline) << "title: " << c.title;
    }
    EXPECT_EQ(reader.configFilesFound(), 5u) << "alpha, bravo, delta, foxtrot, hotel";
}

// A search that counts how often each path was looked for.
class CountingSearch final : public DirectorySearch {
public:
    explicit CountingSearch(const DirectorySearch& inner) : m_inner(inner) {}
    void find(std::string_view pattern, const EntryHandler& onEntry) const override {
        ++m_asked[std::string(pattern)];
        m_inner.find(pattern, onEntry);
    }
    mutable std::map<std::string, int> m_asked;

private:
    const DirectorySearch& m_inner;
};

TEST_F(AircraftConfigReaderTest, LooksAtEachFileOnceAndOnlyWhenAsked) {
    const CountingSearch counting(m_search);
    AircraftConfigReader reader(m_FSPath, m_folders, counting, m_paths);
    EXPECT_TRUE(counting.m_asked.empty()) << "nothing is read before the first look-up";

    EXPECT_EQ(reader.GetAirline("Shared Title"), "FOXTROT");
    EXPECT_EQ(reader.GetAirline("Only In Bravo"), "BRAVO");
    EXPECT_EQ(reader.GetAirline("Nowhere"), "");
    EXPECT_EQ(counting.m_asked.size(), m_folders.size());
    for (const auto& [path, times] : counting.m_asked) {
        EXPECT_EQ(times, 1) << path;
    }
}

TEST_F(AircraftConfigReaderTest, GivesWhatAFreshReadGivesForEveryTitleItHolds) {
    // Every title of every file, in several folder orders: the index must agree with the plain
    // look-up wherever folders share titles.
    std::set<std::string> titles = {"0",           "Nowhere",    "Shared Title ", "SHARED TITLE",
                                    "Behind Zero", "Behind Gap", "Hidden"};
    for (const auto& entry : fs::recursive_directory_iterator(m_dir / "FS2002")) {
        if (entry.is_regular_file() && entry.path().extension() == ".cfg") {
            for (std::string& t : test::scannedTitles(test::readFile(entry.path()))) {
                titles.insert(std::move(t));
            }
        }
    }
    ASSERT_GT(titles.size(), 15u) << "the titles of the files were collected";
    const std::vector<std::vector<std::string>> orders = {
        m_folders,
        {m_folders.rbegin(), m_folders.rend()},
        {"foxtrot", "alpha"},
        {},
    };
    for (const auto& order : orders) {
        m_folders = order;
        AircraftConfigReader reader(m_FSPath, m_folders, m_search, m_paths);
        for (const std::string& title : titles) {
            EXPECT_EQ(reader.GetAirline(title), fresh(title))
                << "title '" << title << "' with " << order.size() << " folders";
        }
    }
}

} // namespace
} // namespace quillby
