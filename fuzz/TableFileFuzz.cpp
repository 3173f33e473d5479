// Fuzz target of the table file readers: the input is the content of a table file, read in the
// binary or the XML form as readTableFile decides (the first byte that is not a blank, after a
// UTF-8 byte order mark, is '<' for XML). A table or an Error are the outcomes. A table that was
// read must also survive being written and read again with the same fields and values. The
// binary form is read once more from a file, through a window of a few bytes that the reader
// must move and widen again and again, and must give the same table or the same message.
#include "FuzzInput.h"
#include "data/CdsReader.h"
#include "data/CdsWriter.h"
#include "data/CdsXmlReader.h"
#include "data/ChunkedInput.h"
#include "data/TableFile.h"
#include "platform/Error.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace quillby::fuzz {
namespace {

// A file of this process, removed when it ends.
class ScratchFile {
public:
    ScratchFile()
        : m_path(scratchFolder() / ("quillby-fuzz-table-" + std::to_string(::getpid()) + ".cds")) {}
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& write(std::string_view bytes) const {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        check(out.good(), "the fuzz target can write its scratch file");
        return m_path;
    }

private:
    std::filesystem::path m_path;
};

struct Outcome {
    std::optional<Table> table;
    std::string error;
};

Outcome readPacketFromFile(std::string_view bytes) {
    static const ScratchFile scratch;
    InputFile file(scratch.write(bytes));
    ChunkedInput input(file, 16 + bytes.size() % 113);
    try {
        return {readCdsPacket(input, "fuzz.cds"), {}};
    } catch (const Error& e) {
        return {std::nullopt, e.what()};
    }
}

void checkSameTable(const Table& a, const Table& b, const char* promise) {
    check(a.fieldCount() == b.fieldCount() && a.rowCount() == b.rowCount() &&
              a.indexes().size() == b.indexes().size(),
          promise);
    for (std::size_t i = 0; i < a.indexes().size(); ++i) {
        check(a.indexes()[i] == b.indexes()[i], promise);
    }
    for (std::size_t f = 0; f < a.fieldCount(); ++f) {
        check(a.fields()[f].name == b.fields()[f].name, promise);
        for (RowIndex row = 0; row < a.rowCount(); ++row) {
            check(a.value(row, f) == b.value(row, f), promise);
        }
    }
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
    checkSameTable(readCdsPacket(bytes, "again.cds"), table,
                   "a table written reads back with its fields, indexes and values");
}

} // namespace
} // namespace quillby::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillby;
    const std::string_view bytes = fuzz::asText(data, size);
    const bool xml = looksLikeXml(bytes);
    Table table;
    std::string error;
    try {
        table = xml ? readCdsXml(bytes, "fuzz.cds") : readCdsPacket(bytes, "fuzz.cds");
    } catch (const Error& e) {
        error = e.what();
    }
    if (!xml) {
        const fuzz::Outcome fromFile = fuzz::readPacketFromFile(bytes);
        fuzz::check(fromFile.error == error, "a file read a window at a time fails alike");
        if (fromFile.table) {
            fuzz::checkSameTable(*fromFile.table, table,
                                 "a file read a window at a time gives the same table");
        }
    }
    if (error.empty()) {
        fuzz::checkRoundTrip(table);
    }
    return 0;
}
