#include "import/ConvertAircraft.h"

#include "data/Schemas.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby {
namespace {

namespace fs = std::filesystem;

// Every title flies for "KLM"; counts the questions.
class KlmForAll final : public AirlineSource {
public:
    std::string_view GetAirline(std::string_view) override {
        ++asked;
        return "KLM";
    }
    int asked = 0;
};

// A working folder holding an earlier aircraft table, saved as "Aircraft.cds".
class ConvertAircraftTest : public testing::Test {
protected:
    ConvertAircraftTest() {
        Table earlier = makeAircraftTable();
        const RowIndex r = earlier.appendRow();
        earlier.setValue(r, 0, "AC#99");
        earlier.setValue(r, 1, "EARLIER");
        writeTableFile(earlier, m_dir / "Aircraft.cds");
        m_earlierBytes = test::readFile(m_dir / "Aircraft.cds");
    }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir.path())) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir m_dir;
    std::string m_earlierBytes;
    KlmForAll m_airlines;
    NoProgress m_progress;
};

TEST_F(ConvertAircraftTest, ReplacesTheTableWithOneRowPerLine) {
    const fs::path list = m_dir.write("Aircraft.TXT", "AC#1,450,\"A\"\r\nAC#2,450,\"B\"\r\n");
    std::vector<std::string> filters;
    const auto choose = [&](std::string_view filter) {
        filters.emplace_back(filter);
        return std::optional<fs::path>(list);
    };

    const auto done = convertAircraft(choose, m_airlines, m_progress, m_dir / "aircraft.cds");

    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->source, list);
    EXPECT_EQ(done->lines, 2u);
    EXPECT_EQ(done->titlesWithAirline, 2u);
    EXPECT_EQ(filters, (std::vector<std::string>{"Aircraft files (*.txt)|Aircraft.TXT"}));
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Aircraft.TXT", "Aircraft.cds"}))
        << "the table of the other spelling is replaced, not joined by a second file";
    const Table saved = readTableFile(m_dir / "aircraft.cds");
    ASSERT_EQ(saved.rowCount(), 2u);
    EXPECT_EQ(saved.text(0, 0), "AC#1");
    EXPECT_EQ(saved.text(1, 0), "AC#2");
    EXPECT_EQ(saved.text(1, 1), "KLM");
}

TEST_F(ConvertAircraftTest, ACancelledChoiceKeepsTheEarlierTable) {
    const auto cancel = [](std::string_view) { return std::optional<fs::path>(); };
    EXPECT_EQ(convertAircraft(cancel, m_airlines, m_progress, m_dir / "aircraft.cds"),
              std::nullopt);
    EXPECT_EQ(m_airlines.asked, 0);
    EXPECT_EQ(test::readFile(m_dir / "Aircraft.cds"), m_earlierBytes);

    // Nor does it make a table where there was none.
    EXPECT_EQ(convertAircraft(cancel, m_airlines, m_progress, m_dir / "sub.cds"), std::nullopt);
    EXPECT_FALSE(fs::exists(m_dir / "sub.cds"));
}

TEST_F(ConvertAircraftTest, AListThatCannotBeReadLeavesTheTableAsItWas) {
    const fs::path missing = m_dir / "Missing.TXT";
    const auto choose = [&](std::string_view) { return std::optional<fs::path>(missing); };
    try {
        (void)convertAircraft(choose, m_airlines, m_progress, m_dir / "aircraft.cds");
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + missing.string() +
                                             "\". The system cannot find the file specified.");
    }
    EXPECT_EQ(test::readFile(m_dir / "Aircraft.cds"), m_earlierBytes);
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"Aircraft.cds"}));
}

} // namespace
} // namespace quillby
