// The demo installation converted as a user converts it: found through its Wine prefix, its
// aircraft and flight plans imported, and the demo hub's board looked at on every weekday.
#include "app/SimulatorDiscovery.h"
#include "data/TableFile.h"
#include "import/AircraftConfigReader.h"
#include "import/ConvertAircraft.h"
#include "import/ConvertFlightPlans.h"
#include "platform/WineRegistry.h"
#include "shipped/ShippedData.h"
#include "support/TempDir.h"
#include "view/FlightPlansLoad.h"
#include "view/TimetableQuery.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(DemoConversion, ConvertsWithoutErrorsAndRomeHasABoardOnEveryWeekday) {
    test::TempDir work;
    const auto prefix = test::shipped("demo/wine");
    const WineRegistry registry = WineRegistry::load(prefix / "system.reg");
    const HostDirectorySearch search{HostPath(prefix)};
    const std::string FSPath = readFSPath(registry);
    const AircraftFolderList folders = listAircraftFolders(FSPath, search);
    ASSERT_EQ(folders.size(), 12u);

    AircraftConfigReader airlines(FSPath, folders, search, HostPath(prefix));
    NoProgress progress;
    const auto aircraft = convertAircraft(
        [](std::string_view) { return std::optional(test::shipped("demo/FS2002/Aircraft.TXT")); },
        airlines, progress, work / "aircraft.cds");
    ASSERT_TRUE(aircraft);
    EXPECT_EQ(aircraft->titlesWithAirline, aircraft->lines) << "every aircraft has its airline";

    const Table airports = readTableFile(test::shipped("Airport.cds"));
    const auto flights = convertFlightPlans(
        {work / "aircraft.cds", work / "flight.cds"}, &airports, 0,
        [] { return std::optional(test::shipped("demo/FS2002/FlightPlans.TXT")); }, progress);
    ASSERT_TRUE(flights);
    EXPECT_GT(flights->rows, 500u);

    Dataset board;
    loadFlightPlans(board, work / "Flight.cds");
    for (const char weekday : std::string("0123456")) {
        for (const int direction : {0, 1}) {
            applyTimetableQuery(
                buildTimetableQuery({"Rome Fiumicino", "LIRF"}, direction, std::string(1, weekday)),
                board, [](Direction) {});
            EXPECT_GT(board.rowCount(), 20u)
                << "weekday " << weekday << (direction == 0 ? " departures" : " arrivals");
            std::size_t named = 0;
            for (std::size_t i = 0; i < board.rowCount(); ++i) {
                named += board.text(i, board.table().fieldIndex("AIRLINE")).empty() ? 0 : 1;
            }
            EXPECT_EQ(named, board.rowCount()) << "every flight shows its airline";
        }
    }
}

} // namespace
} // namespace quillby
