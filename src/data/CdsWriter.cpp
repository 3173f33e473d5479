#include "data/CdsWriter.h"

#include "data/CdsFormat.h"
#include "platform/Error.h"

#include <algorithm>
#include <vector>

namespace quillby {

namespace {

using namespace cds;

constexpr std::size_t kChunk = 1 << 20;

class PacketWriter {
public:
    PacketWriter(const Table& table, const ByteSink& sink) : m_table(table), m_sink(sink) {
        m_out.reserve(kChunk + 4096);
    }

    void write();

private:
    void u8(unsigned v) { m_out += static_cast<char>(v & 0xFF); }
    void u16(unsigned v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void name(std::string_view text, const char* what) {
        if (text.size() > 255) {
            throw Error(std::string("The ") + what + " name '" + std::string(text.substr(0, 40)) +
                        "...' is too long for a table file");
        }
        u8(static_cast<unsigned>(text.size()));
        m_out += text;
    }
    void flushIfFull() {
        if (m_out.size() >= kChunk) {
            m_sink(m_out);
            m_out.clear();
        }
    }

    std::string indexDefsText() const;

    const Table& m_table;
    const ByteSink& m_sink;
    std::string m_out;
};

// The WIDTH a field is written with: its size for text fields, else the longest value it holds.
std::uint32_t widthOf(const Table& table, std::size_t field) {
    const FieldDef& def = table.fields()[field];
    if (def.cutsValues()) {
        return std::max<std::uint32_t>(def.size, 1);
    }
    std::size_t longest = 1;
    const ValuePool& pool = table.pool(field);
    for (ValuePool::Id id = 1; id < pool.idCount(); ++id) {
        longest = std::max(longest, pool.text(id).size());
    }
    return static_cast<std::uint32_t>(longest);
}

std::string PacketWriter::indexDefsText() const {
    std::string text;
    for (const IndexDef& index : m_table.indexes()) {
        const auto bad = [](const std::string& s) {
            return s.find_first_of("\t\n") != std::string::npos;
        };
        if (bad(index.name) || bad(index.fields)) {
            throw Error("The index name '" + index.name + "' cannot be kept in a table file");
        }
        text += index.name + "\t" + index.fields + "\n";
    }
    return text;
}

void PacketWriter::write() {
    const std::size_t columns = m_table.fieldCount();
    if (columns > 0xFFFF) {
        throw Error("A table file cannot hold more than 65535 fields");
    }
    const std::size_t rows = m_table.rowCount();

    // Header; the data offset is filled in when the metadata is written.
    u32(kSignature);
    u16(1);
    u16(0);
    u32(kHeaderSize);
    u16(static_cast<unsigned>(columns));
    u32(static_cast<std::uint32_t>(rows));
    u32(kHasMetadata | kHasDataOffset);
    u16(0);

    std::vector<unsigned> prefixWidth(columns);
    for (std::size_t f = 0; f < columns; ++f) {
        const std::uint32_t width = widthOf(m_table, f);
        if (width > 0xFFFF) {
            throw Error("The field '" + m_table.fields()[f].name +
                        "' is too wide for a table file");
        }
        prefixWidth[f] = width < 255 ? 1 : 2;
        name(m_table.fields()[f].name, "field");
        u32(prefixWidth[f] == 1 ? kShortStringType : kLongStringType);
        u16(0); // attributes
        u16(1); // one parameter
        name("WIDTH", "parameter");
        u32(kUInt16Type);
        u16(width);
    }

    const std::string indexDefs = indexDefsText();
    if (indexDefs.empty()) {
        u16(0);
    } else {
        if (indexDefs.size() + 1 > 0xFFFF) {
            throw Error("The table has too many index definitions for a table file");
        }
        u16(1);
        name(kIndexDefsParam, "parameter");
        u32(kParamStringType);
        u16(static_cast<unsigned>(indexDefs.size() + 1));
        m_out += indexDefs;
        u8(0);
    }

    if (m_out.size() <= 0xFFFF) {
        m_out[22] = static_cast<char>(m_out.size() & 0xFF);
        m_out[23] = static_cast<char>(m_out.size() >> 8);
    } else {
        m_out[18] = static_cast<char>(kHasMetadata); // too large to say where the rows start
    }

    const std::size_t bitmapBytes = (columns + 3) / 4;
    std::string bitmap(bitmapBytes, '\0');
    for (RowIndex row = 0; row < rows; ++row) {
        std::fill(bitmap.begin(), bitmap.end(), '\0');
        for (std::size_t f = 0; f < columns; ++f) {
            if (!m_table.hasValue(row, f)) {
                bitmap[f / 4] = static_cast<char>(bitmap[f / 4] | (kFieldNull << ((f % 4) * 2)));
            }
        }
        u8(0);
        m_out += bitmap;
        for (std::size_t f = 0; f < columns; ++f) {
            if (m_table.hasValue(row, f)) {
                const std::string_view text = m_table.text(row, f);
                if (prefixWidth[f] == 1) {
                    u8(static_cast<unsigned>(text.size()));
                } else {
                    u16(static_cast<unsigned>(text.size()));
                }
                m_out += text;
            }
        }
        flushIfFull();
    }
    if (!m_out.empty()) {
        m_sink(m_out);
    }
}

} // namespace

void writeCdsPacket(const Table& table, const ByteSink& sink) {
    PacketWriter(table, sink).write();
}

std::string encodeCdsPacket(const Table& table) {
    std::string bytes;
    writeCdsPacket(table, [&bytes](std::string_view piece) { bytes += piece; });
    return bytes;
}

} // namespace quillby
