// Saving a table or the settings when the disk is full, the folder cannot be written, or the
// saving process dies part-way: the earlier file stays whole and readable.
#include "app/SettingsFile.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace quillby {
namespace {

using test::TempDir;

Table tableOf(int rows, const char* name) {
    Table t({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    for (int i = 0; i < rows; ++i) {
        const RowIndex r = t.appendRow();
        t.setValue(r, 0, "K" + std::to_string(100 + i % 900));
        t.setValue(r, 1, name);
    }
    return t;
}

struct Fault {
    WriteStep step;
    int error;
    const char* message; // after 'Cannot '
};

const Fault kFaults[] = {
    {WriteStep::Create, EACCES, "create file \"%s\". Access is denied."},
    {WriteStep::Create, EROFS, "create file \"%s\". The media is write protected."},
    {WriteStep::Write, ENOSPC, "write file \"%s\". There is not enough space on the disk."},
    {WriteStep::Sync, EIO, "write file \"%s\". Input/output error"},
    {WriteStep::Replace, EACCES, "replace file \"%s\". Access is denied."},
};

std::string expectedMessage(const Fault& fault, const std::filesystem::path& file) {
    std::string text = std::string("Cannot ") + fault.message;
    text.replace(text.find("%s"), 2, file.string());
    return text;
}

TEST(SaveFaults, ATableThatCannotBeSavedLeavesTheEarlierOne) {
    for (const Fault& fault : kFaults) {
        TempDir dir;
        const auto file = dir / "flight.cds";
        writeTableFile(tableOf(10, "before"), file);
        const std::string before = test::readFile(file);
        injectWriteFailure(InjectedWriteFailure{fault.step, fault.error});
        std::string message;
        try {
            writeTableFile(tableOf(20, "after"), file);
        } catch (const Error& e) {
            message = e.what();
        }
        injectWriteFailure(std::nullopt);
        EXPECT_EQ(message, expectedMessage(fault, file));
        EXPECT_EQ(test::readFile(file), before);
        EXPECT_EQ(readTableFile(file).text(0, 1), "before");
        EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"flight.cds"}) << "no temporary file is left";
    }
}

TEST(SaveFaults, SettingsThatCannotBeSavedLeaveTheEarlierOnes) {
    for (const Fault& fault : kFaults) {
        TempDir dir;
        const SettingsFile settings(dir / "tavro.ini");
        settings.writeDefaultAirport("LIRF");
        injectWriteFailure(InjectedWriteFailure{fault.step, fault.error});
        std::string message;
        try {
            settings.writeDefaultAirport("EGLL");
        } catch (const Error& e) {
            message = e.what();
        }
        injectWriteFailure(std::nullopt);
        EXPECT_EQ(message, expectedMessage(fault, settings.path()));
        EXPECT_EQ(settings.readDefaultAirport(), "LIRF");
        EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"tavro.ini"});
    }
}

// A real save of a large table, killed at moments spread over its run: the file always reads
// back as a whole table, the earlier or the new one, and the next save clears what the killed
// one left behind.
TEST(SaveFaults, ASaveKilledPartWayLeavesAWholeTable) {
    TempDir dir;
    const auto file = dir / "flight.cds";
    const Table before = tableOf(200000, "before");
    const Table after = tableOf(200000, "after");
    writeTableFile(before, file);
    for (const int delayMs : {1, 5, 20, 60, 150}) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                writeTableFile(after, file);
                writeTableFile(before, file);
            }
        }
        ::usleep(static_cast<useconds_t>(delayMs) * 1000);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        const Table read = readTableFile(file);
        ASSERT_EQ(read.rowCount(), 200000u) << "killed after " << delayMs << " ms";
        const std::string_view name = read.text(0, 1);
        EXPECT_TRUE(name == "before" || name == "after") << name;
    }
    writeTableFile(before, file);
    EXPECT_EQ(test::filesIn(dir.path()), std::vector<std::string>{"flight.cds"});
}

} // namespace
} // namespace quillby
