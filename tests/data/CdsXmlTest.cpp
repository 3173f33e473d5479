#include "data/CdsXmlReader.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

const char* kHead =
    "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
    "<FIELD attrname=\"ICAO_CODE\" fieldtype=\"string\" WIDTH=\"4\"/>"
    "<FIELD fieldname=\"Airport Name\" attrname=\"Airport_Name\" fieldtype=\"string.uni\" "
    "WIDTH=\"60\"/>"
    "<FIELD attrname=\"Opened\" fieldtype=\"dateTime\"/>"
    "</FIELDS><PARAMS/></METADATA><ROWDATA>";

TEST(CdsXml, ReadsFieldsValuesAndEntitiesAsWindows1252) {
    const std::string xml = std::string(kHead) +
                            "<ROW ICAO_CODE=\"LFPG\" Airport_Name=\"Paris &amp; Roissy "
                            "&#201;&apos;\" Opened=\"19740308T10:30:00500\"/>"
                            "<ROW ICAO_CODE=\"EDDT\" Airport_Name=\"M\xC3\xBCnchen\"/>"
                            "</ROWDATA></DATAPACKET>";
    const Table t = readCdsXml(xml, "a.xml");
    ASSERT_EQ(t.fieldCount(), 3u);
    EXPECT_EQ(t.fields()[1].name, "Airport Name");
    EXPECT_EQ(t.fields()[1].size, 30u);
    EXPECT_EQ(t.fields()[1].type, FieldType::WideString);
    ASSERT_EQ(t.rowCount(), 2u);
    EXPECT_EQ(t.text(0, 1), "Paris & Roissy \xC9'");
    EXPECT_EQ(t.text(0, 2), "1974-03-08 10:30:00.500");
    EXPECT_EQ(t.text(1, 1), "M\xFCnchen");
    EXPECT_FALSE(t.value(1, 2));
}

TEST(CdsXml, TakesUndeclaredEightBitTextAsWindows1252) {
    const std::string xml =
        std::string(kHead) + "<ROW Airport_Name=\"M\xFCnchen\"/></ROWDATA></DATAPACKET>";
    EXPECT_EQ(readCdsXml(xml, "a.xml").text(0, 1), "M\xFCnchen");
}

TEST(CdsXml, ShowsOnlyTheRowsTheSavingProgramShowed) {
    // Row 1 was changed (row 3 is its new version), row 2 deleted, row 4 inserted.
    const std::string xml =
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"N\" "
        "fieldtype=\"i4\"/></FIELDS>"
        "<PARAMS CHANGE_LOG=\"3 1 8 2 0 2 4 0 4\"/></METADATA><ROWDATA>"
        "<ROW RowState=\"1\" N=\"1\"/><ROW RowState=\"2\" N=\"2\"/><ROW RowState=\"8\" N=\"10\"/>"
        "<ROW RowState=\"4\" N=\"4\"/></ROWDATA></DATAPACKET>";
    const Table t = readCdsXml(xml, "a.xml");
    ASSERT_EQ(t.rowCount(), 2u);
    EXPECT_EQ(t.text(0, 0), "10");
    EXPECT_EQ(t.text(1, 0), "4");
}

TEST(CdsXml, GivesEachAttributeOfARowToTheFirstFieldOfItsName) {
    const std::string xml = "<DATAPACKET><METADATA><FIELDS>"
                            "<FIELD attrname=\"A\" fieldtype=\"string\" WIDTH=\"4\"/>"
                            "<FIELD fieldname=\"Again\" attrname=\"A\" fieldtype=\"i4\"/>"
                            "<FIELD attrname=\"B\" fieldtype=\"i4\"/>"
                            "</FIELDS></METADATA><ROWDATA>"
                            "<ROW B=\"2\" Unknown=\"x\" A=\"one\"/>"
                            "</ROWDATA></DATAPACKET>";
    const Table t = readCdsXml(xml, "a.xml");
    ASSERT_EQ(t.rowCount(), 1u);
    EXPECT_EQ(t.value(0, 0), "one");
    EXPECT_FALSE(t.value(0, 1));
    EXPECT_EQ(t.value(0, 2), "2");
}

// Rows that name none of their values take a few bytes in the file but a cell per field in
// memory: 40,000 fields and 1 MB of empty rows would take gigabytes. A file may hold as many
// cells as a binary file of its size could, and any file 4,194,304.
TEST(CdsXml, RefusesMoreRowsOfFieldsThanItsSizeAllows) {
    const auto sparse = [](int fields, int rows) {
        std::string xml = "<DATAPACKET><METADATA><FIELDS>";
        for (int f = 0; f < fields; ++f) {
            xml += "<FIELD attrname=\"F" + std::to_string(f) + "\" fieldtype=\"i4\"/>";
        }
        xml += "</FIELDS></METADATA><ROWDATA>";
        for (int r = 0; r < rows; ++r) {
            xml += "<ROW/>";
        }
        return xml + "</ROWDATA></DATAPACKET>";
    };
    EXPECT_EQ(readCdsXml(sparse(2097, 2000), "a.xml").rowCount(), 2000u);

    const std::string tooMany = sparse(2100, 2000);
    try {
        readCdsXml(tooMany, "a.xml");
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "'a.xml' holds more rows and fields than its size allows: 1998 rows of 2100 "
                  "fields in " +
                      std::to_string(tooMany.size()) + " bytes");
    }
}

TEST(CdsXml, NamesWhatIsWrongInABrokenFile) {
    struct Case {
        std::string xml;
        const char* message;
    };
    const Case cases[] = {
        {"<html></html>", "'a.xml' is not a table file"},
        {std::string(kHead) + "<ROW ICAO_CODE=\"LFPG",
         "'a.xml' is damaged: it ends inside the value of 'ICAO_CODE' (line 1)"},
        {std::string(kHead) + "\n<ROW ICAO_CODE=\"&bad;\"/></ROWDATA></DATAPACKET>",
         "'a.xml' is damaged: an attribute value holds the unknown entity '&bad;' (line 2)"},
        {std::string(kHead) + "<ROW Opened=\"yesterday\"/></ROWDATA></DATAPACKET>",
         "'a.xml' is damaged: 'yesterday' is not a valid value of the field 'Opened' (line 1)"},
        {std::string(kHead) + "</ROWDATA>",
         "'a.xml' is damaged: it ends before </DATAPACKET> (line 1)"},
    };
    for (const Case& c : cases) {
        try {
            readCdsXml(c.xml, "a.xml");
            ADD_FAILURE() << "no error for " << c.xml;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

} // namespace
} // namespace quillby
