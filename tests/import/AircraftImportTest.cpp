#include "import/AircraftImport.h"

#include "data/Schemas.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace quillby {
namespace {

TEST(AircraftLine, GivesTheNumberAndTheUnquotedTitle) {
    struct Case {
        std::string line;
        std::string number;
        std::string title;
    };
    const Case cases[] = {
        {R"(AC#1,450,"Boeing 737-400 KLM")", "AC#1", "Boeing 737-400 KLM"},
        {R"(AC#2,450,"Airbus A320, Lufthansa, D-AIPA")", "AC#2", "Airbus A320, Lufthansa, D-AIPA"},
        {R"(AC#3,450,"The ""Classic"" 737","ignored",12)", "AC#3", R"(The "Classic" 737)"},
        {R"(AC#4,450, "Blank Before")", "AC#4", ""},
        {R"(AC#5,450,Bare Title)", "AC#5", ""},
        {R"(AC#6,"Only One Comma")", "AC#6", "Only One Comma"},
        {R"("No Comma")", "\"No ", "No Comma"},
        {"", "", ""},
        {R"(AC#7,450,"")", "AC#7", ""},
        {R"(AC#8,450,"Lost Closing Quote)", "AC#8", "Lost Closing Quote"},
        {R"(AC#9,450,"Ends In Doubled"")", "AC#9", R"(Ends In Doubled")"},
        {std::string("AC#10,450,\"Nul\0Inside\"", 22), "AC#10", std::string("Nul\0Inside", 10)},
        {"AC#11,450,\"Caf\xE9 \x80\"", "AC#11", "Caf\xE9 \x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(aircraftNumberOf(c.line), c.number);
        EXPECT_EQ(aircraftTitleOf(c.line), c.title);
    }
}

// Answers from a prepared map and remembers the titles it was asked for.
class PreparedAirlines final : public AirlineSource {
public:
    explicit PreparedAirlines(std::map<std::string, std::string, std::less<>> airlines)
        : m_airlines(std::move(airlines)) {}
    std::string_view GetAirline(std::string_view title) override {
        m_asked.emplace_back(title);
        const auto found = m_airlines.find(title);
        return found == m_airlines.end() ? std::string_view() : std::string_view(found->second);
    }
    std::vector<std::string> m_asked;

private:
    std::map<std::string, std::string, std::less<>> m_airlines;
};

class ProgressRecord final : public ProgressSink {
public:
    void setPosition(int position) override {
        steps.push_back("position " + std::to_string(position));
    }
    void setMin(int min) override { steps.push_back("min " + std::to_string(min)); }
    void setMax(int max) override { steps.push_back("max " + std::to_string(max)); }
    std::vector<std::string> steps;
};

std::vector<std::pair<std::string, std::string>> rowsOf(const Table& table) {
    std::vector<std::pair<std::string, std::string>> rows;
    const std::size_t acn = table.fieldIndex(aircraftTable::kAcn);
    const std::size_t airline = table.fieldIndex(aircraftTable::kAirline);
    for (RowIndex r = 0; r < table.rowCount(); ++r) {
        rows.emplace_back(table.text(r, acn), table.text(r, airline));
    }
    return rows;
}

TEST(AircraftImport, WritesOneRowPerLineInFileOrder) {
    const TextLines lines("AC#1,450,\"Boeing 737 KLM\"\r\n"
                          "AC#1234567,450,\"Boeing 737 KLM\"\r\n"
                          "\r\n"
                          "AC#3,450,\"Long Airline\"\r\n"
                          "AC#4,450,\"No Airline Key\"\r\n"
                          "AC#5,450,\"Unknown\"\r\n"
                          "AC#1,450, \"Boeing 737 KLM\"\r\n");
    PreparedAirlines airlines({{"Boeing 737 KLM", "KLM"},
                               {"Long Airline", "Koninklijke Luchtvaart Maatschappij N.V."},
                               {"No Airline Key", "0"}});
    ProgressRecord progress;

    const AircraftImport result = importAircraft(lines, airlines, progress);

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"AC#1", "KLM"},
        {"AC#123", "KLM"}, // cut to the field's 6 characters
        {"", ""},          // a blank line still gives a row
        {"AC#3", "Koninklijke Luchtvaart Maatsch"},
        {"AC#4", "0"},
        {"AC#5", ""},
        {"AC#1", ""}, // a duplicate number is a row of its own; a blank before the quote: no title
    };
    EXPECT_EQ(rowsOf(result.table), expected);
    EXPECT_EQ(airlines.m_asked,
              (std::vector<std::string>{"Boeing 737 KLM", "Boeing 737 KLM", "", "Long Airline",
                                        "No Airline Key", "Unknown", ""}));
    EXPECT_EQ(result.titlesWithAirline, 4u);
    EXPECT_EQ(progress.steps,
              (std::vector<std::string>{"position 0", "min 0", "max 7", "position 0", "position 1",
                                        "position 2", "position 3", "position 4", "position 5",
                                        "position 6"}));
    EXPECT_EQ(result.table.fields().size(), 2u);
    EXPECT_EQ(result.table.fields()[0].size, 6u);
    EXPECT_EQ(result.table.fields()[1].size, 30u);
    ASSERT_EQ(result.table.indexes().size(), 1u);
    EXPECT_EQ(result.table.indexes()[0].name, "ACN");
}

TEST(AircraftImport, AnEmptyListGivesAnEmptyTableAndAsksNothing) {
    const TextLines lines("");
    PreparedAirlines airlines({});
    ProgressRecord progress;
    const AircraftImport result = importAircraft(lines, airlines, progress);
    EXPECT_EQ(result.table.rowCount(), 0u);
    EXPECT_TRUE(airlines.m_asked.empty());
    EXPECT_EQ(progress.steps, (std::vector<std::string>{"position 0", "min 0", "max 0"}));
}

} // namespace
} // namespace quillby
