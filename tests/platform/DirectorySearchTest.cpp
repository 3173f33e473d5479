#include "platform/DirectorySearch.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace quillby {

// How a failed expectation shows an entry.
void PrintTo(const DirectoryEntry& e, std::ostream* out) {
    *out << "{" << e.name << ", 0x" << std::hex << e.attributes << std::dec << "}";
}

namespace {

namespace fs = std::filesystem;

// An aircraft folder in a Wine prefix (c: -> ../drive_c) with entries of every kind.
class DirectorySearchTest : public testing::Test {
protected:
    DirectorySearchTest() {
        fs::create_directories(m_dir / "prefix/dosdevices");
        fs::create_symlink("../drive_c", m_dir / "prefix/dosdevices/c:");
        m_aircraft = m_dir / "prefix/drive_c/FS2002/Aircraft";
        m_dir.write("prefix/drive_c/FS2002/Aircraft/b737_400/Aircraft.cfg", "");
        fs::create_directories(m_aircraft / "B737A");
        fs::create_directories(m_aircraft / "c172");
        fs::create_directories(m_aircraft / ".hidden");
        fs::create_directories(m_dir / "elsewhere/Plane");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/readme.txt", "");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/.cfg", "");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/Zulu", "");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/\xC3\xA9t\xC3\xA9", ""); // été
        m_dir.write("prefix/drive_c/FS2002/Aircraft/\xC5\x81\xC3\xB3"
                    "d\xC5\xBA",
                    ""); // Łódź
        m_dir.write("prefix/drive_c/FS2002/Aircraft/locked.txt", "");
        fs::permissions(m_aircraft / "locked.txt", fs::perms::owner_read | fs::perms::group_read);
        fs::permissions(m_aircraft / "c172", fs::perms::owner_read | fs::perms::owner_exec);
        fs::create_directory_symlink(m_dir / "elsewhere/Plane", m_aircraft / "linked");
        fs::create_symlink(m_dir / "nowhere", m_aircraft / "dangling");
    }

    std::vector<DirectoryEntry> find(std::string_view pattern) const {
        std::vector<DirectoryEntry> entries;
        m_search.find(pattern, [&](const DirectoryEntry& e) { entries.push_back(e); });
        return entries;
    }

    test::TempDir m_dir;
    fs::path m_aircraft;
    HostDirectorySearch m_search{HostPath(m_dir / "prefix")};
};

TEST_F(DirectorySearchTest, ListsAFolderAsWineDoesDotsFirstThenByCapitals) {
    // B737A before b737_400 ('A' < '_'); É after Z; Ł (not in the code page, listed as '?')
    // after É by its own code point.
    const std::vector<DirectoryEntry> sorted = {
        {".", 0x10},
        {"..", 0x10},
        {".cfg", 0x22},
        {".hidden", 0x12},
        {"B737A", 0x10},
        {"b737_400", 0x10},
        {"c172", 0x11},
        {"dangling", 0x20},
        {"linked", 0x10},
        {"locked.txt", 0x21},
        {"readme.txt", 0x20},
        {"Zulu", 0x20},
        {"\xE9t\xE9", 0x20},
        {"?\xF3"
         "d?",
         0x20},
    };
    EXPECT_EQ(find("C:\\FS2002\\aircraft\\*.*"), sorted);
    EXPECT_EQ(find("c:\\fs2002\\\\AIRCRAFT\\*"), sorted);
}

TEST_F(DirectorySearchTest, AReadOnlyFolderShowsItInItsDotEntry) {
    const std::vector<DirectoryEntry> expected = {{".", 0x11}, {"..", 0x10}};
    EXPECT_EQ(find("C:\\FS2002\\Aircraft\\C172\\*.*"), expected);
}

TEST_F(DirectorySearchTest, MatchesWildcardsWithoutRegardToCase) {
    const std::vector<DirectoryEntry> txt = {{"locked.txt", 0x21}, {"readme.txt", 0x20}};
    EXPECT_EQ(find("C:\\FS2002\\Aircraft\\*.TXT"), txt);
    const std::vector<DirectoryEntry> b737 = {{"B737A", 0x10}, {"b737_400", 0x10}};
    EXPECT_EQ(find("C:\\FS2002\\Aircraft\\B737?*"), b737);
}

TEST_F(DirectorySearchTest, FindsOneExactPathAsItIsNamedOnDisk) {
    const std::vector<DirectoryEntry> cfg = {{"Aircraft.cfg", 0x20}};
    EXPECT_EQ(find("C:\\FS2002\\aircraft\\B737_400\\aircraft.cfg"), cfg);
    const std::vector<DirectoryEntry> folder = {{"c172", 0x11}};
    EXPECT_EQ(find("C:\\FS2002\\aircraft\\C172"), folder);
    EXPECT_TRUE(m_search.exists("C:\\FS2002\\aircraft\\B737_400\\AIRCRAFT.CFG"));
    EXPECT_FALSE(m_search.exists("C:\\FS2002\\aircraft\\B737A\\aircraft.cfg"));
}

TEST_F(DirectorySearchTest, FindsNothingWhereNoFolderIs) {
    for (const char* pattern :
         {"C:\\FS2002\\Missing\\*.*", "C:\\FS2002\\aircraft\\readme.txt\\*.*",
          "C:\\FS2002\\aircraft\\", "D:\\FS2002\\aircraft\\*.*", "\\aircraft\\*.*"}) {
        EXPECT_TRUE(find(pattern).empty()) << pattern;
    }
}

TEST_F(DirectorySearchTest, UsesAHostPathAsItIs) {
    const std::vector<DirectoryEntry> expected = {{".", 0x10}, {"..", 0x10}, {"Plane", 0x10}};
    EXPECT_EQ(find((m_dir / "ELSEWHERE").string() + "\\*.*"), expected);
}

} // namespace
} // namespace quillby
