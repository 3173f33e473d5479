#include "data/CdsReader.h"

#include "data/ByteCursor.h"
#include "data/CdsChangeLog.h"
#include "data/CdsFormat.h"
#include "data/CdsValueText.h"
#include "data/ChunkedInput.h"
#include "platform/AsciiCase.h"
#include "platform/Error.h"

#include <cstring>
#include <vector>

namespace quillby {

namespace {

using namespace cds;

struct Param {
    std::string_view name;
    std::uint32_t type = 0;
    std::string_view value;  // the value's bytes, without length prefix or element count
    std::uint32_t count = 1; // elements of an array
};

// How the values of one field are laid out in a row and how they read as text.
struct FieldLayout {
    std::uint32_t base = 0;
    std::size_t size = 0; // fixed values: their width; varying ones: the width of the length
    bool varying = false;
    bool wideText = false; // varying UTF-16 text
};

class PacketReader {
public:
    PacketReader(ChunkedInput& input, std::string_view name)
        : m_input(input), m_name("'" + std::string(name) + "'") {}

    Table read();

private:
    [[noreturn]] void damaged(const std::string& detail) const {
        throw Error(m_name + " is damaged: " + detail);
    }
    // Runs a step of reading on the input's window. When the window ends before the step does,
    // more of the file is read and the step runs again; at the end of the file that is damage:
    // "it ends inside `where`".
    template <typename Step> void reading(const std::string& where, Step step) {
        while (true) {
            ByteCursor in(m_input.window());
            try {
                step(in);
                m_input.consume(in.position());
                return;
            } catch (const ByteCursor::Truncated&) {
                if (!m_input.readMore()) {
                    damaged("it ends inside " + where);
                }
            }
        }
    }

    void readHeader(ByteCursor& in);
    Param readParam(ByteCursor& in);
    void readField(ByteCursor& in);
    void readDatasetParams(ByteCursor& in);
    void readRowsInOrder();
    void readRowsOfChangeLog();
    // Reads one row at the cursor; with `row` given, stores its values there.
    std::uint8_t readRow(ByteCursor& in, std::size_t number, const RowIndex* row);
    void storeValue(ByteCursor& in, RowIndex row, std::size_t field);
    void skipValue(ByteCursor& in, std::size_t field);

    ChunkedInput& m_input;
    std::string m_name;
    Table m_table;
    std::vector<FieldLayout> m_layouts;
    std::uint16_t m_columns = 0;
    std::uint32_t m_rows = 0;
    std::uint32_t m_flags = 0;
    std::uint16_t m_dataOffset = 0;
    std::vector<std::uint32_t> m_changeLog;
};

Table PacketReader::read() {
    reading("its header", [this](ByteCursor& in) { readHeader(in); });
    if ((m_flags & kHasMetadata) == 0) {
        throw Error(m_name + " holds no field definitions");
    }
    for (std::size_t f = 0; f < m_columns; ++f) {
        reading("the definition of field " + std::to_string(f + 1),
                [this](ByteCursor& in) { readField(in); });
    }
    reading("its table parameters", [this](ByteCursor& in) { readDatasetParams(in); });
    if ((m_flags & kHasDataOffset) != 0 && m_input.position() != m_dataOffset) {
        damaged("its rows do not start where its header says");
    }
    // Every row takes at least its status byte and its field bitmap: a count the file cannot
    // hold is refused before anything is reserved for it.
    const std::size_t minimumRow = 1 + (m_columns + 3u) / 4u;
    if (m_rows > m_input.unconsumed() / minimumRow) {
        damaged("it claims " + std::to_string(m_rows) + " rows but holds only " +
                std::to_string(m_input.unconsumed()) + " bytes of rows");
    }
    if (m_changeLog.empty()) {
        readRowsInOrder();
    } else {
        readRowsOfChangeLog();
    }
    return std::move(m_table);
}

// Rows as stored, read a window at a time; rows the saving program did not show are dropped.
void PacketReader::readRowsInOrder() {
    m_table.resizeRows(m_rows);
    RowIndex shown = 0;
    std::size_t n = 0;
    while (n < m_rows) {
        ByteCursor in(m_input.window());
        std::size_t used = 0;
        try {
            for (; n < m_rows; ++n) {
                if ((readRow(in, n, &shown) & kRowHidden) == 0) {
                    ++shown;
                } else {
                    for (std::size_t f = 0; f < m_columns; ++f) {
                        m_table.clearValue(shown, f);
                    }
                }
                used = in.position();
            }
            m_input.consume(used);
        } catch (const ByteCursor::Truncated&) {
            // Row n goes on past the window: read it again with more of the file.
            m_input.consume(used);
            if (!m_input.readMore()) {
                damaged("it ends inside row " + std::to_string(n + 1) + " of " +
                        std::to_string(m_rows));
            }
        }
    }
    m_table.resizeRows(shown);
}

// With a change log the rows are shown in another order than stored: the whole file is read,
// the rows' places are found, then the shown rows are read in their order.
void PacketReader::readRowsOfChangeLog() {
    while (m_input.readMore()) {
    }
    ByteCursor in(m_input.window());
    std::vector<std::size_t> offsets(m_rows);
    std::vector<std::uint8_t> status(m_rows);
    for (std::size_t n = 0; n < m_rows; ++n) {
        offsets[n] = in.position();
        try {
            status[n] = readRow(in, n, nullptr);
        } catch (const ByteCursor::Truncated&) {
            damaged("it ends inside row " + std::to_string(n + 1) + " of " +
                    std::to_string(m_rows));
        }
    }
    const std::vector<std::size_t> order = visibleRows(status, m_changeLog, m_name);
    m_table.reserveRows(order.size());
    for (const std::size_t n : order) {
        in.seek(offsets[n]);
        const RowIndex row = m_table.appendRow();
        readRow(in, n, &row);
    }
}

void PacketReader::readHeader(ByteCursor& in) {
    if (m_input.unconsumed() < 4) {
        throw Error(m_name + " is not a table file");
    }
    if (in.u32() != kSignature) {
        throw Error(m_name + " is not a table file");
    }
    const std::uint16_t major = in.u16();
    in.u16(); // minor version
    if (major == 0 || major > kHighestVersion) {
        throw Error(m_name + " is a table file of version " + std::to_string(major) +
                    ", which this program cannot read");
    }
    if (in.u32() != kHeaderSize) {
        damaged("its header has an unknown size");
    }
    m_columns = in.u16();
    m_rows = in.u32();
    m_flags = in.u32();
    m_dataOffset = in.u16();
}

Param PacketReader::readParam(ByteCursor& in) {
    Param p;
    p.name = in.take(in.u8());
    p.type = in.u32();
    const std::size_t size = p.type & kSizeMask;
    if ((p.type & kArray) != 0) {
        p.count = in.u32();
        if (size == 0 || size > 8) {
            damaged("the parameter '" + std::string(p.name) + "' has elements of unknown width");
        }
        p.value = in.take(static_cast<std::uint64_t>(p.count) * size);
    } else if ((p.type & kVarying) != 0) {
        if (size != 1 && size != 2 && size != 4) {
            damaged("the parameter '" + std::string(p.name) + "' has a length of unknown width");
        }
        p.value = in.take(in.unsignedOf(size));
    } else {
        p.value = in.take(size);
    }
    return p;
}

// A parameter's unsigned value, such as WIDTH.
std::uint64_t unsignedValue(const Param& p) {
    std::uint64_t v = 0;
    for (std::size_t i = std::min<std::size_t>(p.value.size(), 8); i-- > 0;) {
        v = (v << 8) | static_cast<unsigned char>(p.value[i]);
    }
    return v;
}

// A parameter's text, without the terminating NUL that writers store.
std::string_view textValue(const Param& p) {
    std::string_view v = p.value;
    if (const auto nul = v.find('\0'); nul != std::string_view::npos) {
        v = v.substr(0, nul);
    }
    return v;
}

void PacketReader::readField(ByteCursor& in) {
    FieldDef def;
    def.name = std::string(in.take(in.u8()));
    const std::uint32_t typeWord = in.u32();
    in.u16(); // attributes: read-only, required, hidden; nothing the program needs
    const std::uint16_t paramCount = in.u16();
    std::uint64_t width = 0;
    std::string subtype;
    for (std::uint16_t i = 0; i < paramCount; ++i) {
        const Param p = readParam(in);
        if (equalsIgnoringAsciiCase(p.name, "WIDTH")) {
            width = unsignedValue(p);
        } else if (equalsIgnoringAsciiCase(p.name, "SUBTYPE")) {
            subtype = std::string(textValue(p));
        }
    }
    if ((typeWord & (kComposite | kArray)) != 0) {
        throw Error(m_name + " holds the nested or composite field '" + def.name +
                    "', which this program cannot read");
    }
    FieldLayout layout;
    layout.base = (typeWord & kTypeMask) >> kTypeShift;
    layout.size = typeWord & kSizeMask;
    layout.varying = (typeWord & kVarying) != 0;
    if (layout.varying && layout.size != 1 && layout.size != 2 && layout.size != 4) {
        damaged("field '" + def.name + "' has a length of unknown width");
    }
    const auto fixedSizeIn = [&](std::initializer_list<std::size_t> sizes) {
        for (const std::size_t s : sizes) {
            if (!layout.varying && layout.size == s) {
                return;
            }
        }
        damaged("field '" + def.name + "' has a size its type cannot have");
    };
    const auto limit = [](std::uint64_t v) {
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(v, 0xFFFFFFFFu));
    };
    switch (layout.base) {
    case kZString:
        def.type = FieldType::String;
        def.size = limit(width != 0 ? width : (layout.varying ? 0xFFFF : layout.size));
        break;
    case kUnicode:
        def.type = FieldType::WideString;
        layout.wideText = true;
        def.size = limit((width != 0 ? width : (layout.varying ? 0xFFFF : layout.size)) / 2);
        break;
    case kBytes:
        layout.wideText = equalsIgnoringAsciiCase(subtype, "WideText");
        def.type = layout.wideText || equalsIgnoringAsciiCase(subtype, "Text") ||
                           equalsIgnoringAsciiCase(subtype, "HMemo") ||
                           equalsIgnoringAsciiCase(subtype, "Formatted")
                       ? FieldType::Memo
                       : FieldType::Blob;
        def.size = limit(width);
        break;
    case kInt:
    case kUInt:
        fixedSizeIn({1, 2, 4, 8});
        def.type = FieldType::Integer;
        def.size = limit(layout.size);
        break;
    case kBool:
        fixedSizeIn({1, 2, 4});
        def.type = FieldType::Boolean;
        def.size = limit(layout.size);
        break;
    case kFloat:
        fixedSizeIn({4, 8, 10});
        def.type = FieldType::Float;
        def.size = limit(layout.size);
        break;
    case kSingle:
        fixedSizeIn({4});
        def.type = FieldType::Float;
        def.size = 4;
        break;
    case kDate:
        fixedSizeIn({4});
        def.type = FieldType::Date;
        def.size = 4;
        break;
    case kTime:
        fixedSizeIn({4});
        def.type = FieldType::Time;
        def.size = 4;
        break;
    case kTimestamp:
        fixedSizeIn({8});
        def.type = FieldType::DateTime;
        def.size = 8;
        break;
    default:
        // Decimal numbers and other rarities: shown as the bytes they are.
        def.type = FieldType::Other;
        def.size = limit(layout.size);
        break;
    }
    m_table.addField(std::move(def));
    m_layouts.push_back(layout);
}

void PacketReader::readDatasetParams(ByteCursor& in) {
    std::vector<std::uint32_t> changeLog;
    std::vector<IndexDef> indexes;
    const std::uint16_t count = in.u16();
    for (std::uint16_t i = 0; i < count; ++i) {
        const Param p = readParam(in);
        if (p.name == "CHANGE_LOG" && (p.type & kArray) != 0) {
            const std::size_t size = p.type & kSizeMask;
            if (size != 4 || p.count % 3 != 0) {
                damaged("its change log is not a list of number triples");
            }
            changeLog.resize(p.count);
            ByteCursor values(p.value);
            for (std::uint32_t& entry : changeLog) {
                entry = values.u32();
            }
        } else if (p.name == kIndexDefsParam) {
            std::string_view text = textValue(p);
            while (!text.empty()) {
                const std::string_view line = text.substr(0, text.find('\n'));
                text.remove_prefix(std::min(text.size(), line.size() + 1));
                const std::size_t tab = line.find('\t');
                if (tab != std::string_view::npos) {
                    indexes.push_back(
                        {std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))});
                }
            }
        }
    }
    // Kept only once the whole block is read, as a step may run again with more of the file.
    m_changeLog = std::move(changeLog);
    for (IndexDef& index : indexes) {
        m_table.addIndex(std::move(index));
    }
}

std::uint8_t PacketReader::readRow(ByteCursor& in, std::size_t number, const RowIndex* row) {
    const std::uint8_t status = in.u8();
    const std::string_view bitmap = in.take((m_columns + 3u) / 4u);
    for (std::size_t f = 0; f < m_columns; ++f) {
        const unsigned fieldStatus =
            (static_cast<unsigned char>(bitmap[f / 4]) >> ((f % 4) * 2)) & 3u;
        if (fieldStatus == kFieldPresent) {
            if (row != nullptr) {
                storeValue(in, *row, f);
            } else {
                skipValue(in, f);
            }
        } else if (fieldStatus != kFieldNull && fieldStatus != kFieldNotChanged) {
            damaged("row " + std::to_string(number + 1) +
                    " has a field state the format does not know");
        }
    }
    return status;
}

void PacketReader::skipValue(ByteCursor& in, std::size_t field) {
    const FieldLayout& layout = m_layouts[field];
    if (layout.varying) {
        std::uint64_t length = in.unsignedOf(layout.size);
        if (layout.size == 4) {
            length &= 0x7FFFFFFF; // the top bit marks a value not fetched
        }
        in.take(length);
    } else {
        in.take(layout.size);
    }
}

void PacketReader::storeValue(ByteCursor& in, RowIndex row, std::size_t field) {
    const FieldLayout& layout = m_layouts[field];
    if (layout.varying) {
        std::uint64_t length = in.unsignedOf(layout.size);
        if (layout.size == 4 && (length & 0x80000000u) != 0) {
            return; // a large value the saving program did not fetch: no value
        }
        const std::string_view bytes = in.take(length);
        if (layout.wideText) {
            m_table.setValue(row, field, utf16leToWindows1252(bytes));
        } else if (m_table.fields()[field].type == FieldType::Blob) {
            m_table.setValue(row, field, formatHex(bytes));
        } else {
            m_table.setValue(row, field, bytes);
        }
        return;
    }
    const std::string_view bytes = in.take(layout.size);
    const auto number = [&bytes] {
        std::uint64_t v = 0;
        for (std::size_t i = bytes.size(); i-- > 0;) {
            v = (v << 8) | static_cast<unsigned char>(bytes[i]);
        }
        return v;
    };
    const auto signedNumber = [&] {
        const std::uint64_t v = number();
        const unsigned bits = static_cast<unsigned>(bytes.size() * 8);
        if (bits < 64 && (v >> (bits - 1)) != 0) {
            return static_cast<std::int64_t>(v | (~std::uint64_t{0} << bits));
        }
        return static_cast<std::int64_t>(v);
    };
    const auto real = [&] {
        if (bytes.size() == 10) {
            return extendedToDouble(bytes);
        }
        if (bytes.size() == 4) {
            float f;
            std::memcpy(&f, bytes.data(), 4);
            return static_cast<double>(f);
        }
        double d;
        std::memcpy(&d, bytes.data(), 8);
        return d;
    };
    std::string text;
    switch (layout.base) {
    case kZString:
        text = std::string(bytes.substr(0, bytes.find('\0')));
        break;
    case kUnicode:
        text = utf16leToWindows1252(bytes);
        break;
    case kInt:
        text = formatInteger(signedNumber());
        break;
    case kUInt:
        text = formatUnsigned(number());
        break;
    case kBool:
        text = formatBoolean(number() != 0);
        break;
    case kFloat:
    case kSingle:
        text = formatFloat(real());
        break;
    case kDate:
        text = formatDate(signedNumber());
        break;
    case kTime:
        text = formatTime(signedNumber());
        break;
    case kTimestamp:
        text = formatTimestamp(real());
        break;
    default:
        text = formatHex(bytes);
        break;
    }
    m_table.setValue(row, field, text);
}

} // namespace

Table readCdsPacket(std::string_view bytes, std::string_view name) {
    ChunkedInput input(bytes);
    return PacketReader(input, name).read();
}

Table readCdsPacket(ChunkedInput& input, std::string_view name) {
    return PacketReader(input, name).read();
}

} // namespace quillby
