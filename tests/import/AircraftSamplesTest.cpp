// The aircraft import on real aircraft.cfg files of other makers, read where they lie.
#include "data/Schemas.h"
#include "import/AircraftConfigReader.h"
#include "import/AircraftImport.h"
#include "support/FreshAirlineLookup.h"
#include "support/Samples.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace fs = std::filesystem;

// The sample folders are read-only on disk, which the folder test of the start-up refuses; the
// aircraft list names them here as the start-up would list plain folders.
const std::vector<std::string> kFolders = {"bae146_200", "hp_hampden", "pmdg_777_300er",
                                           "surair_e190", "utl_a320"};

std::string quotedForAircraftList(std::string_view title) {
    std::string quoted = "\"";
    for (const char c : title) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

class AircraftSamplesTest : public testing::Test {
protected:
    void SetUp() override {
        const auto root = test::sample("fs/FS2002");
        if (!root) {
            GTEST_SKIP() << "no samples folder";
        }
        m_FSPath = root->string();
    }

    std::string m_FSPath;
    HostPath m_paths{fs::path()};
    HostDirectorySearch m_search{m_paths};
};

TEST_F(AircraftSamplesTest, FindsTheAirlineOfEveryTitleTheFilesHold) {
    // An aircraft list of every title the scan of each file reaches, in folder order.
    std::string list;
    std::vector<std::string> titles;
    std::size_t utlTitles = 0;
    for (const std::string& folder : kFolders) {
        for (const auto& entry : fs::directory_iterator(fs::path(m_FSPath) / "aircraft" / folder)) {
            for (std::string& title : test::scannedTitles(test::readFile(entry.path()))) {
                list += "AC#" + std::to_string(titles.size() + 1) + ",450," +
                        quotedForAircraftList(title) + "\r\n";
                utlTitles += folder == "utl_a320" ? 1 : 0;
                titles.push_back(std::move(title));
            }
        }
    }
    EXPECT_EQ(utlTitles, 115u);
    EXPECT_EQ(titles.size(), 115u + 11u + 3u + 1u + 1u);

    AircraftConfigReader reader(m_FSPath, kFolders, m_search, m_paths);
    NoProgress progress;
    const AircraftImport result = importAircraft(TextLines(list), reader, progress);

    ASSERT_EQ(result.table.rowCount(), titles.size());
    EXPECT_EQ(result.titlesWithAirline, titles.size());
    EXPECT_EQ(reader.configFilesFound(), kFolders.size());
    const std::size_t airline = result.table.fieldIndex(aircraftTable::kAirline);
    for (RowIndex r = 0; r < titles.size(); ++r) {
        const std::string expected =
            test::freshAirlineLookup(titles[r], m_FSPath, kFolders, m_search, m_paths);
        EXPECT_EQ(result.table.text(r, airline), expected.substr(0, 30)) << titles[r];
    }
}

TEST_F(AircraftSamplesTest, AnswersTitlesCheckedByHandInTheFiles) {
    struct Case {
        const char* title;
        const char* airline;
    };
    const Case cases[] = {
        {"UTLive_320_Daedalus", "NONE"},   // [Fltsim.0], far from [fltsim.1]
        {"UTLive_320.CSC.CSC", "SICHUAN"}, // [fltsim.1] at line 400
        {"UTLive_320.VRD.VRD", "REDWOOD"}, // the last section
        {"utlive_320.csc.csc", ""},
        {"Hampden", "Air Force"}, // "atc_airline= Air Force", CR LF
        {"Embraer 190 house", "Embraer"},
        {"PMDG 777-300ER Garuda Indonesia (PK-GIC | 2013)", "Garuda"},
        {"\"Just Flight 146-200 DCX\" ; Variation name", "\"DCX\" ; airline name"},
        {"Just Flight 146-200 DCX", ""}, // the comment keeps the quotes on the value
        {"Right Side Window", ""},       // a "Title" outside the fltsim sections
    };
    AircraftConfigReader reader(m_FSPath, kFolders, m_search, m_paths);
    for (const Case& c : cases) {
        EXPECT_EQ(reader.GetAirline(c.title), c.airline) << c.title;
    }
}

} // namespace
} // namespace quillby
