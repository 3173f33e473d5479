// quillby-cli convert-aircraft, run as a user runs it.
#include "data/Schemas.h"
#include "data/TableFile.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quillby {
namespace {

namespace fs = std::filesystem;
using test::runProcess;

const fs::path kCli = QUILLBY_CLI_PATH;

// A Wine prefix with the simulator in C:\FS2002 and two aircraft, and a working folder with an
// aircraft list and an earlier aircraft table.
class ConvertAircraftCommandTest : public testing::Test {
protected:
    ConvertAircraftCommandTest() {
        fs::create_directories(m_dir / "prefix/dosdevices");
        fs::create_symlink("../drive_c", m_dir / "prefix/dosdevices/c:");
        m_dir.write("prefix/system.reg",
                    "WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Microsoft Games\\\\"
                    "Flight Simulator\\\\8.0] 1796963178\n\"EXE Path\"=\"C:\\\\FS2002\"\n");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/b737/aircraft.cfg",
                    "[fltsim.0]\r\ntitle=Boeing 737 KLM\r\natc_airline=KLM\r\n");
        m_dir.write("prefix/drive_c/FS2002/Aircraft/a320/Aircraft.cfg",
                    "[fltsim.0]\ntitle=Airbus A320, Lufthansa\natc_airline=LUFTHANSA\n"
                    "[fltsim.1]\ntitle=Airbus A320 House\n");
        m_dir.write("work/Aircraft.TXT", "AC#1,450,\"Boeing 737 KLM\"\r\n"
                                         "AC#2,450,\"Airbus A320, Lufthansa\"\r\n"
                                         "AC#3,450,\"Airbus A320 House\"\r\n"
                                         "AC#4,450,\"Concorde\"\r\n");
        writeTableFile(makeAircraftTable(), m_dir / "work/aircraft.cds");
        m_earlierTable = test::readFile(m_dir / "work/aircraft.cds");
    }

    test::ProcessResult run(const std::vector<std::string>& args,
                            const std::vector<std::string>& environment) const {
        return runProcess(kCli, args, m_dir / "work", environment);
    }

    std::string wineprefix() const { return "WINEPREFIX=" + (m_dir / "prefix").string(); }

    test::TempDir m_dir;
    std::string m_earlierTable;
};

std::vector<std::string> rowsOf(const fs::path& file) {
    const Table table = readTableFile(file);
    std::vector<std::string> rows;
    for (RowIndex r = 0; r < table.rowCount(); ++r) {
        rows.push_back(std::string(table.text(r, 0)) + "|" + std::string(table.text(r, 1)));
    }
    return rows;
}

const std::vector<std::string> kExpectedRows = {"AC#1|KLM", "AC#2|LUFTHANSA", "AC#3|0", "AC#4|"};

TEST_F(ConvertAircraftCommandTest, ConvertsWithTheFolderGiven) {
    const auto result = run({"convert-aircraft", "--fs-path",
                             (m_dir / "prefix/drive_c/FS2002").string(), "Aircraft.TXT"},
                            {"WINEPREFIX", "HOME"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "") << "no progress when standard error is not a terminal";
    // The time taken is the one part that varies: "0.02".
    const std::string before = "Read 4 lines from \"Aircraft.TXT\", wrote 4 rows to "
                               "\"aircraft.cds\" in ";
    const std::string after =
        " s; 3 titles found an airline in 2 aircraft.cfg files of 2 aircraft folders\n";
    ASSERT_TRUE(result.out.starts_with(before) && result.out.ends_with(after)) << result.out;
    const std::string seconds =
        result.out.substr(before.size(), result.out.size() - before.size() - after.size());
    EXPECT_EQ(seconds.find_first_not_of("0123456789."), std::string::npos) << seconds;
    EXPECT_EQ(seconds.size() - seconds.find('.'), 3u) << seconds;
    EXPECT_EQ(rowsOf(m_dir / "work/aircraft.cds"), kExpectedRows);
}

TEST_F(ConvertAircraftCommandTest, FindsTheSimulatorInTheWinePrefixAsAtStartUp) {
    fs::create_directories(m_dir / "work/out");
    const auto result =
        run({"convert-aircraft", "--output=out/Table.cds", "Aircraft.TXT"}, {wineprefix(), "HOME"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("wrote 4 rows to \"out/Table.cds\""), std::string::npos);
    EXPECT_EQ(rowsOf(m_dir / "work/out/Table.cds"), kExpectedRows);
    EXPECT_EQ(test::readFile(m_dir / "work/aircraft.cds"), m_earlierTable);
}

TEST_F(ConvertAircraftCommandTest, WarnsOfAircraftFoldersTheFolderTestLeavesOut) {
    fs::permissions(m_dir / "prefix/drive_c/FS2002/Aircraft/a320",
                    fs::perms::owner_read | fs::perms::owner_exec);
    const auto result = run({"convert-aircraft", "Aircraft.TXT"}, {wineprefix(), "HOME"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "quillby-cli: warning: 1 aircraft folder is left out because it is "
                          "read-only, hidden or marked otherwise\n");
    EXPECT_NE(result.out.find("1 title found an airline in 1 aircraft.cfg file of 1 aircraft "
                              "folder\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(rowsOf(m_dir / "work/aircraft.cds"),
              (std::vector<std::string>{"AC#1|KLM", "AC#2|", "AC#3|", "AC#4|"}));
}

TEST_F(ConvertAircraftCommandTest, ReportsErrorsAndWritesNothing) {
    fs::create_directories(m_dir / "empty-prefix");
    fs::create_directories(m_dir / "no-aircraft");
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> environment;
        int exitCode;
        std::string firstLineOfErrors;
    };
    const std::string prefix = (m_dir / "prefix").string();
    const Case cases[] = {
        {{"convert-aircraft", "Missing.TXT"},
         {wineprefix()},
         1,
         "quillby-cli: Cannot open file \"Missing.TXT\". The system cannot find the file "
         "specified."},
        {{"convert-aircraft", "--fs-path", "/no/such/FS2002", "Aircraft.TXT"},
         {},
         1,
         "quillby-cli: Cannot find the simulator folder \"/no/such/FS2002\". The system cannot "
         "find the path specified."},
        {{"convert-aircraft", "--fs-path", (m_dir / "no-aircraft").string(), "Aircraft.TXT"},
         {},
         1,
         "quillby-cli: The simulator folder \"" + (m_dir / "no-aircraft").string() +
             "\" has no aircraft folder"},
        {{"convert-aircraft", "Aircraft.TXT"},
         {"WINEPREFIX=" + (m_dir / "empty-prefix").string()},
         1,
         "quillby-cli: No simulator installation in the registry of the Wine prefix \"" +
             (m_dir / "empty-prefix").string() +
             "\"; give the simulator's folder with --fs-path DIR"},
        {{"convert-aircraft", "Aircraft.TXT"},
         {"WINEPREFIX", "HOME"},
         1,
         "quillby-cli: Cannot find the Wine prefix: neither WINEPREFIX nor HOME is set; give "
         "the simulator's folder with --fs-path DIR"},
        {{"convert-aircraft"},
         {wineprefix()},
         2,
         "quillby-cli convert-aircraft: no AIRCRAFT_TXT given"},
        {{"convert-aircraft", "--fast", "Aircraft.TXT"},
         {wineprefix()},
         2,
         "quillby-cli convert-aircraft: unknown option '--fast'"},
        {{"convert-aircraft", "--output", "nowhere/aircraft.cds", "Aircraft.TXT"},
         {wineprefix()},
         1,
         "quillby-cli: Cannot create file \"nowhere/aircraft.cds\". The system cannot find the "
         "file specified."},
    };
    for (const Case& c : cases) {
        const auto result = run(c.args, c.environment);
        SCOPED_TRACE(result.err);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.firstLineOfErrors);
        EXPECT_EQ(result.out, "");
        if (c.exitCode == 2) {
            EXPECT_NE(result.err.find("quillby-cli convert-aircraft [--fs-path DIR]"),
                      std::string::npos);
        }
        EXPECT_EQ(test::readFile(m_dir / "work/aircraft.cds"), m_earlierTable);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "work"), fs::directory_iterator()),
                  2)
            << "no file is left behind";
    }
}

} // namespace
} // namespace quillby
