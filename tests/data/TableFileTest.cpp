#include "data/TableFile.h"

#include "platform/Error.h"
#include "support/TempDir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace quillby {
namespace {

using test::TempDir;

Table tableOf(int rows) {
    Table t({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    for (int i = 0; i < rows; ++i) {
        const RowIndex r = t.appendRow();
        t.setValue(r, 0, "K" + std::to_string(100 + i % 900));
        t.setValue(r, 1, "Airport number " + std::to_string(i));
    }
    return t;
}

TEST(TableFile, FindsAndReplacesAFileWhateverTheCaseOfItsName) {
    TempDir dir;
    writeTableFile(tableOf(3), dir / "Flight.cds");
    EXPECT_EQ(readTableFile(dir / "flight.cds").rowCount(), 3u);

    writeTableFile(tableOf(5), dir / "flight.cds");
    EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"Flight.cds"});
    EXPECT_EQ(readTableFile(dir / "FLIGHT.CDS").rowCount(), 5u);
}

TEST(TableFile, ReadsTheXmlFormToo) {
    TempDir dir;
    dir.write("Airport.cds",
              "\xEF\xBB\xBF\n<?xml version=\"1.0\"?><DATAPACKET><METADATA><FIELDS>"
              "<FIELD attrname=\"ICAO_CODE\" fieldtype=\"string\" WIDTH=\"4\"/></FIELDS>"
              "</METADATA><ROWDATA><ROW ICAO_CODE=\"LIRF\"/></ROWDATA></DATAPACKET>");
    EXPECT_EQ(readTableFile(dir / "airport.cds").text(0, 0), "LIRF");
}

TEST(TableFile, AMissingFileIsNamedInTheMessage) {
    TempDir dir;
    const auto missing = dir / "Flight.cds";
    try {
        readTableFile(missing);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing.string() +
                                             "\". The system cannot find the file specified.");
    }
}

// A write that fails part-way (here: the file size limit, as a full disk would) leaves the
// earlier file whole and no temporary file behind.
TEST(TableFile, AFailedWriteLeavesTheEarlierFileAsItWas) {
    TempDir dir;
    const auto file = dir / "flight.cds";
    writeTableFile(tableOf(10), file);
    const std::string before = test::readFile(file);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        writeTableFile(tableOf(20000), file);
    } catch (const Error& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(message, "Cannot write file \"" + file.string() +
                           "\". The file size exceeds the limit allowed and cannot be saved.");
    EXPECT_EQ(test::readFile(file), before);
    EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"flight.cds"});
}

TEST(TableFile, AFolderThatCannotBeWrittenGivesAClearMessage) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    TempDir dir;
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_THROW(writeTableFile(tableOf(1), dir / "flight.cds"), Error);
}

} // namespace
} // namespace quillby
