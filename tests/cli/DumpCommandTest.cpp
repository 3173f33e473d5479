// quillby-cli dump, run as a user runs it.
#include "data/TableFile.h"
#include "support/Process.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

using test::runProcess;
using test::TempDir;

const std::filesystem::path kCli = QUILLBY_CLI_PATH;

TEST(DumpCommand, PrintsATableFileFoundWhateverTheCaseOfItsName) {
    TempDir dir;
    Table t({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    const RowIndex r = t.appendRow();
    t.setValue(r, 0, "LIRF");
    t.setValue(r, 1, "Roma Fiumicino");
    writeTableFile(t, dir / "Airport.cds");

    const auto result = runProcess(kCli, {"dump", "--format=csv", "airport.cds"}, dir.path());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "ICAO_CODE,DESCRIPTION\nLIRF,Roma Fiumicino\n");
    EXPECT_EQ(result.err, "");
}

TEST(DumpCommand, ReportsErrorsAndWrongUseWithTheirExitStatus) {
    TempDir dir;
    dir.write("broken.cds", std::string("\x96\x19\xE0\xBD\x01\x00", 6));
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string firstLineOfErrors;
    };
    const Case cases[] = {
        {{"dump", "missing.cds"},
         1,
         "quillby-cli: Cannot open file \"missing.cds\". The system cannot find the file "
         "specified."},
        {{"dump", "broken.cds"},
         1,
         "quillby-cli: 'broken.cds' is damaged: it ends inside its header"},
        {{"dump"}, 2, "quillby-cli dump: no FILE given"},
        {{"dump", "--format", "xml", "a.cds"},
         2,
         "quillby-cli dump: unknown format 'xml' (text, csv or json)"},
        {{"dump", "--colour", "a.cds"}, 2, "quillby-cli dump: unknown option '--colour'"},
        {{"fly"}, 2, "quillby-cli: unknown command 'fly'"},
        {{}, 2, "quillby-cli: no command given"},
    };
    for (const Case& c : cases) {
        const auto result = runProcess(kCli, c.args, dir.path());
        SCOPED_TRACE(result.err);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.firstLineOfErrors);
        EXPECT_EQ(result.out, "");
        if (c.exitCode == 2) {
            EXPECT_NE(result.err.find("\nusage: quillby-cli dump"), std::string::npos);
        }
    }
}

} // namespace
} // namespace quillby
