#include "app/SimulatorDiscovery.h"

#include "platform/WineRegistry.h"
#include "support/Samples.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace fs = std::filesystem;

std::string registryWithExePath(std::string_view escapedValue) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n"
           "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] 1796963178\n"
           "#time=1dd8927c443755c\n\"EXE Path\"=\"" +
           std::string(escapedValue) + "\"\n";
}

// A Wine prefix (c: -> ../drive_c) holding the simulator in C:\FS2002, whose aircraft folder is
// written "Aircraft" on disk, as the simulator's installer writes it.
class DiscoveryTest : public testing::Test {
protected:
    DiscoveryTest() {
        fs::create_directories(m_dir / "prefix/dosdevices");
        fs::create_symlink("../drive_c", m_dir / "prefix/dosdevices/c:");
        m_aircraft = m_dir / "prefix/drive_c/FS2002/Aircraft";
        fs::create_directories(m_aircraft);
    }

    struct Listing {
        AircraftFolderList folders;
        std::vector<std::string> counted; // names handed to the gauge, in order
    };

    Listing list(std::string_view FSPath) const {
        Listing listing;
        listing.folders = listAircraftFolders(FSPath, m_search, [&](const DirectoryEntry& entry) {
            listing.counted.push_back(entry.name);
        });
        return listing;
    }

    test::TempDir m_dir;
    fs::path m_aircraft;
    HostDirectorySearch m_search{HostPath(m_dir / "prefix")};
};

TEST_F(DiscoveryTest, ListsPlainFoldersAndCountsTheDotEntriesToo) {
    fs::create_directories(m_aircraft / "c172");
    fs::create_directories(m_aircraft / "b737_400");
    m_dir.write("prefix/drive_c/FS2002/Aircraft/readme.txt", "");
    const WineRegistry registry = WineRegistry::fromText(registryWithExePath("C:\\\\FS2002"));

    const std::string FSPath = readFSPath(registry);
    EXPECT_EQ(FSPath, "C:\\FS2002");
    const Listing listing = list(FSPath);
    EXPECT_EQ(listing.folders, (AircraftFolderList{"b737_400", "c172"}));
    EXPECT_EQ(listing.counted, (std::vector<std::string>{".", "..", "b737_400", "c172"}));

    // The same path with a trailing backslash, as some installers store it, finds the same.
    EXPECT_EQ(list("C:\\FS2002\\").folders, listing.folders);
}

TEST_F(DiscoveryTest, FoldersWithFurtherAttributesFailTheTest) {
    fs::create_directories(m_aircraft / "b737_400");
    fs::create_directories(m_aircraft / "c172");
    fs::create_directories(m_aircraft / ".backup"); // hidden
    fs::permissions(m_aircraft / "c172", fs::perms::owner_read | fs::perms::owner_exec);

    const Listing listing = list("C:\\FS2002");
    EXPECT_EQ(listing.folders, (AircraftFolderList{"b737_400"}));
    EXPECT_EQ(listing.counted, (std::vector<std::string>{".", "..", "b737_400"}));
}

TEST_F(DiscoveryTest, AFolderOfFilesOnlyCountsItsDotEntries) {
    m_dir.write("prefix/drive_c/FS2002/Aircraft/readme.txt", "");
    m_dir.write("prefix/drive_c/FS2002/Aircraft/aircraft.cfg", "");
    const Listing listing = list("C:\\FS2002");
    EXPECT_TRUE(listing.folders.empty());
    EXPECT_EQ(listing.counted, (std::vector<std::string>{".", ".."}));
}

TEST_F(DiscoveryTest, NoInstallationGivesNothingAndCountsNothing) {
    const WineRegistry noKey = WineRegistry::fromText("WINE REGISTRY Version 2\n");
    EXPECT_EQ(readFSPath(noKey), "");
    for (const char* FSPath : {"", "C:\\Nowhere", "Q:\\FS2002", "C:\\FS2002\\Aircraft\\x"}) {
        SCOPED_TRACE(FSPath);
        const Listing listing = list(FSPath);
        EXPECT_TRUE(listing.folders.empty());
        EXPECT_TRUE(listing.counted.empty());
    }
}

TEST_F(DiscoveryTest, ReadsTheRegistriesOfRealPrefixesInPlace) {
    const auto win64 = test::sample("wine/win64-prefix/system.reg");
    const auto wow64 = test::sample("wine/wow64-prefix/system.reg");
    if (!win64 || !wow64) {
        GTEST_SKIP() << "no samples folder";
    }
    fs::create_directories(m_aircraft / "b737_400");
    const std::string FSPath = readFSPath(WineRegistry::load(*win64));
    EXPECT_EQ(FSPath, "C:\\FS2002");
    EXPECT_EQ(list(FSPath).folders, (AircraftFolderList{"b737_400"}));

    // Written through the 32-bit view, with a trailing backslash, on a drive our prefix lacks.
    const std::string onD = readFSPath(WineRegistry::load(*wow64));
    EXPECT_EQ(onD, "D:\\Jeux\\Microsoft Games\\FS2002 \xC9"
                   "dition\\");
    EXPECT_TRUE(list(onD).counted.empty());
}

// A directory search that answers with prepared entries and remembers what it was asked.
class PreparedSearch final : public DirectorySearch {
public:
    explicit PreparedSearch(std::vector<DirectoryEntry> entries) : m_entries(std::move(entries)) {}
    void find(std::string_view pattern, const EntryHandler& onEntry) const override {
        m_patterns.emplace_back(pattern);
        for (const DirectoryEntry& e : m_entries) {
            onEntry(e);
        }
    }
    mutable std::vector<std::string> m_patterns;

private:
    std::vector<DirectoryEntry> m_entries;
};

TEST(AircraftFolderList, SearchesFSPathPlusAircraftByPlainConcatenation) {
    const PreparedSearch search({});
    for (const char* FSPath : {"C:\\FS2002", "C:\\FS2002\\", ""}) {
        (void)listAircraftFolders(FSPath, search);
    }
    EXPECT_EQ(search.m_patterns,
              (std::vector<std::string>{"C:\\FS2002\\aircraft\\*.*", "C:\\FS2002\\\\aircraft\\*.*",
                                        "\\aircraft\\*.*"}));
}

TEST(AircraftFolderList, TakesOnlyEntriesWithNoAttributeButTheDirectoryBit) {
    const PreparedSearch search({{".", 0x10},
                                 {"..", 0x11}, // a read-only parent: not counted
                                 {"plain", 0x10},
                                 {"no bits", 0x00},
                                 {"read-only", 0x11},
                                 {"hidden", 0x12},
                                 {"system", 0x14},
                                 {"archived", 0x30},
                                 {"file", 0x20},
                                 {"odd bit", 0x50}});
    std::vector<std::string> counted;
    const AircraftFolderList folders = listAircraftFolders(
        "C:\\FS2002", search, [&](const DirectoryEntry& e) { counted.push_back(e.name); });
    EXPECT_EQ(folders, (AircraftFolderList{"plain", "no bits"}));
    EXPECT_EQ(counted, (std::vector<std::string>{".", "plain", "no bits"}));
}

} // namespace
} // namespace quillby
