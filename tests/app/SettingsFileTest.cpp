#include "app/SettingsFile.h"
#include "app/WorkingFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(SettingsFile, ReadsTheDefaultAirportOrNothing) {
    test::TempDir dir;
    const SettingsFile settings(dir / "quillby" / "tavro.ini");
    EXPECT_EQ(settings.readDefaultAirport(), "") << "first run, no file";
    dir.write("quillby/tavro.ini", "[Other]\r\ndefault=XXXX\r\n[airport]\r\nDEFAULT=  LIRF  \r\n[Airport]\r\ndefault=EGLL\r\n");
    EXPECT_EQ(settings.readDefaultAirport(), "LIRF");
}

TEST(SettingsFile, WritesTheValueInPlaceAndKeepsTheRestOfTheFile) {
    test::TempDir dir;
    const SettingsFile settings(dir / "quillby" / "tavro.ini");
    settings.writeDefaultAirport("");
    EXPECT_EQ(test::readFile(settings.path()), "[Airport]\r\ndefault=\r\n") << "made with its folder";

    dir.write("quillby/tavro.ini", "; mine\n[Window]\nleft=3\n[Airport]\ndefault=EGLL\nother=1\n");
    settings.writeDefaultAirport("LIRF");
    EXPECT_EQ(test::readFile(settings.path()), "; mine\n[Window]\nleft=3\n[Airport]\ndefault=LIRF\nother=1\n");
    EXPECT_EQ(settings.readDefaultAirport(), "LIRF");
}

TEST(SettingsFile, LivesInTheUsersConfigurationFolder) {
    EXPECT_EQ(SettingsFile::defaultLocation("/x/config", "/home/u"), "/x/config/quillby/tavro.ini");
    EXPECT_EQ(SettingsFile::defaultLocation("", "/home/u"), "/home/u/.config/quillby/tavro.ini");
    EXPECT_EQ(SettingsFile::defaultLocation("", ""), "");
}

TEST(WorkingFolder, IsThePortableFolderOrTheUsersDataFolderWithTheShippedAirportList) {
    test::TempDir dir;
    const auto shipped = dir.write("share/quillby/Airport.cds", "shipped list");

    dir.write("portable/airport.CDS", "own list");
    EXPECT_EQ(chooseWorkingFolder({dir / "portable", "", (dir / "home").string(), {shipped}}), dir / "portable");

    const auto data = chooseWorkingFolder({dir / "elsewhere", "", (dir / "home").string(), {dir / "missing", shipped}});
    EXPECT_EQ(data, dir / "home" / ".local" / "share" / "quillby");
    EXPECT_EQ(test::readFile(data / "Airport.cds"), "shipped list");

}

TEST(WorkingFolder, KeepsAnAirportListTheUserAlreadyHas) {
    test::TempDir dir;
    const auto shipped = dir.write("shipped/Airport.cds", "shipped list");
    dir.write("xdg/quillby/Airport.cds", "edited list");
    EXPECT_EQ(chooseWorkingFolder({dir / "start", (dir / "xdg").string(), "", {shipped}}), dir / "xdg" / "quillby");
    EXPECT_EQ(test::readFile(dir / "xdg" / "quillby" / "Airport.cds"), "edited list");
}

} // namespace
} // namespace quillby
