#include "platform/Table.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

Table airports() {
    Table t({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    const std::pair<const char*, const char*> rows[] = {{"LIRF", "Rome Fiumicino"},
                                                        {"EGLL", "London Heathrow"},
                                                        {"LIRF", "Second Rome"},
                                                        {"lirf", "Lower-case code"},
                                                        {"KJFK", nullptr}};
    for (const auto& [code, name] : rows) {
        const RowIndex r = t.appendRow();
        t.setValue(r, 0, code);
        if (name != nullptr) {
            t.setValue(r, 1, name);
        }
    }
    return t;
}

TEST(Table, KeepsFieldsInOrderAndFindsThemWithoutRegardToCase) {
    const Table t = airports();
    ASSERT_EQ(t.fieldCount(), 2u);
    EXPECT_EQ(t.fields()[0].name, "ICAO_CODE");
    EXPECT_EQ(t.fields()[1].size, 30u);
    EXPECT_EQ(t.fieldIndex("Description"), 1u);
    EXPECT_EQ(t.fieldIndex("icao_code"), 0u);
    EXPECT_FALSE(t.findField("AIRLINE"));
    try {
        t.fieldIndex("Airline");
        FAIL() << "no error for a missing field";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Field 'Airline' not found");
    }
}

TEST(Table, CutsTextToTheFieldSizeAndTellsNoValueFromEmptyText) {
    Table t({{"TIME_DEP", 5}, {"NOTE", 15}});
    const RowIndex r = t.appendRow();
    t.setValue(r, "time_dep", "06:45:10");
    EXPECT_EQ(t.text(r, 0), "06:45");
    EXPECT_FALSE(t.value(r, 1)) << "a field never assigned holds no value";
    EXPECT_EQ(t.text(r, 1), "");
    t.setValue(r, 1, "");
    ASSERT_TRUE(t.value(r, 1));
    EXPECT_EQ(*t.value(r, 1), "");
    t.clearValue(r, 1);
    EXPECT_FALSE(t.hasValue(r, 1));
}

TEST(Table, KeepsRowsInInsertionOrderWithDuplicates) {
    Table t({{"ACN", 6}});
    for (const char* acn : {"AC#2", "AC#1", "AC#2"}) {
        t.setValue(t.appendRow(), 0, acn);
    }
    ASSERT_EQ(t.rowCount(), 3u);
    EXPECT_EQ(t.text(0, 0), "AC#2");
    EXPECT_EQ(t.text(1, 0), "AC#1");
    EXPECT_EQ(t.text(2, 0), "AC#2");
}

TEST(Table, AddingAFieldLaterGivesExistingRowsNoValue) {
    Table t({{"A", 1}});
    t.setValue(t.appendRow(), 0, "x");
    t.addField({"B", 3});
    EXPECT_FALSE(t.value(0, 1));
    t.setValue(0, 1, "yes");
    EXPECT_EQ(t.text(0, 1), "yes");
}

// Table::lookup and KeyLookup answer alike: the first row whose key equals exactly.
TEST(Table, LookUpFindsTheFirstExactMatchOrNoValue) {
    const Table t = airports();
    const KeyLookup index(t, "Icao_Code", "Description");
    struct Case {
        const char* key;
        std::optional<std::string_view> expected;
    };
    const Case cases[] = {
        {"LIRF", "Rome Fiumicino"},  // the first of two rows with this key
        {"lirf", "Lower-case code"}, // case counts
        {"EGLL", "London Heathrow"},
        {"KJFK", std::nullopt},  // row found, result field holds no value
        {"LFPG", std::nullopt},  // no row
        {"LIRFX", std::nullopt}, // longer than the field: no stored key can equal it
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(t.lookup("ICAO_CODE", c.key, "DESCRIPTION"), c.expected);
        EXPECT_EQ(index.find(c.key), c.expected);
    }
}

TEST(Table, LookUpOfAKeyStoredCutFindsOnlyTheCutText) {
    Table t({{"ACN", 6}, {"AIRLINE", 30}});
    const RowIndex r = t.appendRow();
    t.setValue(r, 0, "AC#12345");
    t.setValue(r, 1, "Alitalia");
    EXPECT_FALSE(t.lookup("ACN", "AC#12345", "AIRLINE"));
    EXPECT_EQ(t.lookup("ACN", "AC#123", "AIRLINE"), "Alitalia");
}

} // namespace
} // namespace quillby
