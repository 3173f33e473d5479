#include "data/CdsReader.h"
#include "data/CdsWriter.h"
#include "data/ChunkedInput.h"
#include "platform/Error.h"
#include "platform/FileIo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

Table sampleTable() {
    Table t({{"ICAO_CODE_DEP", 4}, {"DEP_APT", 30}, {"NOTE", 15}, {"LONG", 300}},
            {{"TimeIndexArr", "TIME_ARR"}, {"TimeIndexDep", "TIME_DEP"}});
    RowIndex r = t.appendRow();
    t.setValue(r, 0, "LIRF");
    t.setValue(r, 1, "Roma Fiumicino \xE8 \"bello\", s\xEC");
    t.setValue(r, 3, std::string(300, 'x'));
    r = t.appendRow();
    t.setValue(r, 0, "");
    t.setValue(r, 2, "note");
    t.appendRow();
    return t;
}

void expectSameTable(const Table& a, const Table& b) {
    ASSERT_EQ(a.fieldCount(), b.fieldCount());
    for (std::size_t f = 0; f < a.fieldCount(); ++f) {
        EXPECT_EQ(a.fields()[f], b.fields()[f]);
    }
    ASSERT_EQ(a.indexes().size(), b.indexes().size());
    for (std::size_t i = 0; i < a.indexes().size(); ++i) {
        EXPECT_EQ(a.indexes()[i], b.indexes()[i]);
    }
    ASSERT_EQ(a.rowCount(), b.rowCount());
    for (RowIndex r = 0; r < a.rowCount(); ++r) {
        for (std::size_t f = 0; f < a.fieldCount(); ++f) {
            EXPECT_EQ(a.value(r, f), b.value(r, f)) << "row " << r << " field " << f;
        }
    }
}

TEST(CdsPacket, WrittenTablesReadBackWithFieldsIndexesAndValues) {
    const Table original = sampleTable();
    const Table read = readCdsPacket(encodeCdsPacket(original), "t.cds");
    expectSameTable(original, read);
    EXPECT_FALSE(read.value(2, 0)) << "no value stays no value";
    EXPECT_EQ(read.value(1, 0), "") << "empty text stays a value";
}

// A table of one text field of size 4 and one row "LIRF", byte for byte as the platform writes
// such a table: header, field with WIDTH, no table parameters, one plain row.
TEST(CdsPacket, WritesTheBytesThePlatformWrites) {
    Table t({{"CODE", 4}});
    t.setValue(t.appendRow(), 0, "LIRF");
    const std::string expected("\x96\x19\xE0\xBD"
                               "\x01\x00"
                               "\x00\x00"
                               "\x18\x00\x00\x00"
                               "\x01\x00"
                               "\x01\x00\x00\x00"
                               "\x03\x00\x00\x00"
                               "\x33\x00"
                               "\x04"
                               "CODE"
                               "\x01\x00\x49\x00"
                               "\x00\x00"
                               "\x01\x00"
                               "\x05"
                               "WIDTH"
                               "\x02\x00\x02\x00"
                               "\x04\x00"
                               "\x00\x00"
                               "\x00"
                               "\x00"
                               "\x04"
                               "LIRF",
                               0x33 + 7);
    EXPECT_EQ(encodeCdsPacket(t), expected);
}

TEST(CdsPacket, WritesFieldsOf255BytesAndMoreWithTwoByteLengths) {
    Table t({{"LONG", 255}});
    t.setValue(t.appendRow(), 0, std::string(255, 'y'));
    const std::string bytes = encodeCdsPacket(t);
    EXPECT_EQ(bytes.substr(29, 4), std::string("\x02\x00\x49\x00", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 257, 2), std::string("\xFF\x00", 2));
    EXPECT_EQ(readCdsPacket(bytes, "t.cds").text(0, 0), std::string(255, 'y'));
}

std::string messageOf(std::string_view bytes) {
    try {
        readCdsPacket(bytes, "flight.cds");
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(CdsPacket, RefusesWhatIsNotAPacketWithAClearMessage) {
    const std::string good = encodeCdsPacket(sampleTable());
    auto withU32 = [&good](std::size_t at, std::uint32_t v) {
        std::string b = good;
        for (int i = 0; i < 4; ++i) {
            b[at + i] = static_cast<char>(v >> (8 * i));
        }
        return b;
    };
    struct Case {
        std::string bytes;
        const char* message;
    };
    const Case cases[] = {
        {"", "'flight.cds' is not a table file"},
        {"AC#1,N123,100%,24Hr,IFR", "'flight.cds' is not a table file"},
        {withU32(4, 7),
         "'flight.cds' is a table file of version 7, which this program cannot read"},
        {withU32(8, 99), "'flight.cds' is damaged: its header has an unknown size"},
        {withU32(14, 0xFFFFFFFF),
         "'flight.cds' is damaged: it claims 4294967295 rows but holds only 348 bytes of rows"},
        {withU32(18, 0), "'flight.cds' holds no field definitions"},
        {good.substr(0, 30), "'flight.cds' is damaged: it ends inside the definition of field 1"},
        {good.substr(0, good.size() - 1), "'flight.cds' is damaged: it ends inside row 3 of 3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(messageOf(c.bytes), c.message);
    }
}

// Whatever prefix of a good file is read, and whatever single byte is changed, the reader ends
// with a table or an Error, never a crash or a hang (the sanitizer builds check the rest).
TEST(CdsPacket, SurvivesEveryTruncationAndEveryChangedByte) {
    const std::string good = encodeCdsPacket(sampleTable());
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_THROW(readCdsPacket(good.substr(0, length), "t.cds"), Error) << length;
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const unsigned char b : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(b);
            try {
                readCdsPacket(bytes, "t.cds");
            } catch (const Error&) {
            }
        }
    }
}

// A file is read a window at a time; a step cut off by the window's end runs again with more of
// the file. Read through windows of a few bytes, a whole file and a cut-off one read as they do
// at once: the same table, the same message.
TEST(CdsPacket, ReadsAFileAWindowAtATimeAsItReadsItWhole) {
    const std::string good = encodeCdsPacket(sampleTable());
    test::TempDir dir;
    for (const std::size_t length : {good.size(), good.size() - 5, std::size_t{30}}) {
        const std::string bytes = good.substr(0, length);
        const auto path = dir.write("flight.cds", bytes);
        for (const std::size_t buffer : {1, 7, 64}) {
            SCOPED_TRACE(std::to_string(length) + " bytes, buffer " + std::to_string(buffer));
            InputFile file(path);
            ChunkedInput input(file, buffer);
            try {
                expectSameTable(readCdsPacket(input, "flight.cds"), sampleTable());
                EXPECT_EQ(length, good.size());
            } catch (const Error& e) {
                EXPECT_EQ(e.what(), messageOf(bytes));
            }
        }
    }
}

TEST(CdsPacket, ReadsARowStateThatTheFormatDoesNotKnowAsDamage) {
    Table t({{"A", 1}});
    t.setValue(t.appendRow(), 0, "x");
    std::string bytes = encodeCdsPacket(t);
    bytes[bytes.size() - 3] = '\x03'; // field 1 in state 3
    EXPECT_EQ(messageOf(bytes),
              "'flight.cds' is damaged: row 1 has a field state the format does not know");
}

} // namespace
} // namespace quillby
