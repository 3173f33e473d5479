#include "platform/HostPath.h"

#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace quillby {
namespace {

namespace fs = std::filesystem;

// A Wine prefix as Wine makes it (c: -> ../drive_c), with z: pointing at a host folder of the
// test instead of "/", and a simulator installation in it.
class HostPathTest : public testing::Test {
protected:
    HostPathTest() {
        fs::create_directories(m_dir / "prefix/dosdevices");
        fs::create_symlink("../drive_c", m_dir / "prefix/dosdevices/c:");
        fs::create_symlink(m_dir / "host", m_dir / "prefix/dosdevices/z:");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/B737_400/Aircraft.cfg", "");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/c172/aircraft.cfg", "");
        m_dir.write("prefix/drive_c/FS2002 \xC3\x89"
                    "dition/x",
                    "");
        m_dir.write("host/data/Flight.cds", "");
    }

    fs::path driveC() const { return m_dir / "prefix/drive_c"; }
    HostPath paths() const { return HostPath(m_dir / "prefix"); }

    test::TempDir m_dir;
};

TEST_F(HostPathTest, MapsDrivesAndMatchesEachComponentWithoutRegardToCase) {
    const fs::path fs2002 = driveC() / "FS2002";
    const std::pair<const char*, fs::path> cases[] = {
        {"C:\\FS2002\\aircraft\\b737_400\\aircraft.cfg", fs2002 / "Aircraft/B737_400/Aircraft.cfg"},
        {"c:\\fs2002\\\\AIRCRAFT\\", fs2002 / "Aircraft"},
        {"C:/FS2002/aircraft/C172", fs2002 / "Aircraft/c172"},
        {"C:\\FS2002\\aircraft\\..\\.\\Aircraft\\..\\..\\..\\FS2002", fs2002},
        {"C:", driveC()},
        {"C:\\FS2002\\aircraft\\New Folder\\new.cfg", fs2002 / "Aircraft/New Folder/new.cfg"},
        {"C:\\fs2002 \xE9"
         "DITION\\X",
         driveC() / "FS2002 \xC3\x89"
                    "dition/x"},
        {"C:\\Caf\xE9\\x", driveC() / "Caf\xC3\xA9/x"},
        {"Z:\\DATA\\flight.cds", m_dir / "host/data/Flight.cds"},
    };
    for (const auto& [windowsPath, expected] : cases) {
        EXPECT_EQ(paths().map(windowsPath), expected) << windowsPath;
    }
}

TEST_F(HostPathTest, UsesAHostPathAsItIsWithTheSameMatching) {
    const std::string host = (m_dir / "HOST").string();
    EXPECT_EQ(paths().map(host + "/Data\\FLIGHT.CDS"), m_dir / "host/data/Flight.cds");
    EXPECT_EQ(paths().map(host + "/data/aircraft.cds"), m_dir / "host/data/aircraft.cds");
}

TEST_F(HostPathTest, PrefersTheExactNameThenTheFirstInByteOrder) {
    fs::create_directory(driveC() / "FS2002/aircraft");
    fs::create_directory(driveC() / "FS2002/AIRCRAFT");
    EXPECT_EQ(paths().map("C:\\FS2002\\aircraft"), driveC() / "FS2002/aircraft");
    EXPECT_EQ(paths().map("C:\\FS2002\\AIRCRAFT"), driveC() / "FS2002/AIRCRAFT");
    EXPECT_EQ(paths().map("C:\\FS2002\\aIrCrAfT"), driveC() / "FS2002/AIRCRAFT");
}

TEST_F(HostPathTest, DoesNotMapWhatThePrefixDoesNotHave) {
    for (const char* path : {"D:\\FS2002", "\\aircraft\\", "\\\\server\\share\\FS2002"}) {
        EXPECT_EQ(paths().map(path), std::nullopt) << path;
    }
    EXPECT_EQ(HostPath(m_dir / "no prefix").map("C:\\FS2002"), std::nullopt);
}

} // namespace
} // namespace quillby
