#include "cli/TableOutput.h"

#include <gtest/gtest.h>

namespace quillby::cli {
namespace {

Table board() {
    Table t({{"AIRLINE", 15}, {"DEST_APT", 30}, {"NOTE", 15}});
    RowIndex r = t.appendRow();
    t.setValue(r, 0, "Alitalia");
    t.setValue(r, 1, "Z\xFCrich, \"Kloten\"");
    r = t.appendRow();
    t.setValue(r, 0, "Air One");
    t.setValue(r, 1, "Line\nbreak");
    t.setValue(r, 2, "");
    return t;
}

std::string print(const Table& t, OutputFormat format) {
    std::string out;
    printTable(TableSelection::whole(t), format, [&out](std::string_view s) { out += s; });
    return out;
}

TEST(TableOutput, CsvQuotesAsRfc4180AndDecodesWindows1252) {
    EXPECT_EQ(print(board(), OutputFormat::Csv), "AIRLINE,DEST_APT,NOTE\n"
                                                 "Alitalia,\"Zürich, \"\"Kloten\"\"\",\n"
                                                 "Air One,\"Line\nbreak\",\n");
}

TEST(TableOutput, JsonTellsNoValueFromEmptyText) {
    EXPECT_EQ(print(board(), OutputFormat::Json),
              "{\"fields\": [{\"name\": \"AIRLINE\", \"type\": \"string\", \"size\": 15}, "
              "{\"name\": \"DEST_APT\", \"type\": \"string\", \"size\": 30}, "
              "{\"name\": \"NOTE\", \"type\": \"string\", \"size\": 15}],\n"
              " \"rows\": [\n"
              "  [\"Alitalia\", \"Zürich, \\\"Kloten\\\"\", null],\n"
              "  [\"Air One\", \"Line\\nbreak\", \"\"]]}\n");
}

TEST(TableOutput, TextAlignsColumnsByTheCharactersShown) {
    EXPECT_EQ(print(board(), OutputFormat::Text), "AIRLINE   DEST_APT          NOTE\n"
                                                  "--------  ----------------  ----\n"
                                                  "Alitalia  Zürich, \"Kloten\"\n"
                                                  "Air One   Line break\n");
}

TEST(TableOutput, PrintsChosenRowsAndColumnsUnderTheirTitles) {
    const Table t = board();
    TableSelection s{t, {1, 0}, {1}, {"TO"}};
    std::string out;
    printTable(s, OutputFormat::Csv, [&out](std::string_view piece) { out += piece; });
    EXPECT_EQ(out, "TO\n\"Line\nbreak\"\n\"Zürich, \"\"Kloten\"\"\"\n");
}

} // namespace
} // namespace quillby::cli
