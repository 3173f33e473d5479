// Fuzz target of the table file readers: the input is the content of a table file, read in the
// binary or the XML form as readTableFile decides (the first byte that is not a blank, after a
// UTF-8 byte order mark, is '<' for XML). A table or an Error are the outcomes. A table that was
// read must also survive being written and read again with the same fields and values.
#include "FuzzInput.h"
#include "data/CdsReader.h"
#include "data/CdsWriter.h"
#include "data/CdsXmlReader.h"
#include "platform/Error.h"

namespace quillby::fuzz {
namespace {

bool looksLikeXml(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '<';
}

// Our own writer must keep what a reader gave: the field names, the index definitions, the rows
// and every value (all of them as text now).
void checkRoundTrip(const Table& table) {
    std::string bytes;
    try {
        bytes = encodeCdsPacket(table);
    } catch (const Error&) {
        return; // a table the format cannot hold (a name or a value too long) is refused
    }
    const Table again = readCdsPacket(bytes, "again.cds");
    check(again.fieldCount() == table.fieldCount(), "the fields come back");
    check(again.rowCount() == table.rowCount(), "the rows come back");
    check(again.indexes().size() == table.indexes().size(), "the indexes come back");
    for (std::size_t i = 0; i < table.indexes().size(); ++i) {
        check(again.indexes()[i] == table.indexes()[i], "an index definition comes back");
    }
    for (std::size_t f = 0; f < table.fieldCount(); ++f) {
        check(again.fields()[f].name == table.fields()[f].name, "a field name comes back");
        for (RowIndex row = 0; row < table.rowCount(); ++row) {
            check(again.value(row, f) == table.value(row, f), "a value comes back");
        }
    }
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const std::string_view bytes = fuzz::asText(data, size);
    Table table;
    try {
        table = fuzz::looksLikeXml(bytes) ? readCdsXml(bytes, "fuzz.cds")
                                          : readCdsPacket(bytes, "fuzz.cds");
    } catch (const Error&) {
        return 0;
    }
    fuzz::checkRoundTrip(table);
    return 0;
}
