#include "data/CdsXmlReader.h"

#include "data/CdsChangeLog.h"
#include "data/CdsFormat.h"
#include "data/CdsValueText.h"
#include "platform/AsciiCase.h"
#include "platform/Error.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

namespace quillby {

namespace {

struct Attribute {
    std::string_view name;
    std::string_view rawValue; // entities not yet replaced
};

struct Tag {
    std::string_view name;
    std::vector<Attribute> attributes;
    bool closing = false;     // </name>
    bool selfClosing = false; // <name ... />
    std::size_t position = 0;
};

// The few pieces of XML a data packet uses: elements with attributes, a declaration, comments.
class XmlScanner {
public:
    XmlScanner(std::string_view text, std::string quotedName)
        : m_text(text), m_name(std::move(quotedName)) {}

    // The next tag, or nothing at the end of the text. Text between tags is passed over.
    std::optional<Tag> next() {
        while (true) {
            const std::size_t open = m_text.find('<', m_pos);
            if (open == std::string_view::npos) {
                return std::nullopt;
            }
            m_pos = open;
            if (startsWith("<?")) {
                skipPast("?>");
                continue;
            }
            if (startsWith("<!--")) {
                skipPast("-->");
                continue;
            }
            if (startsWith("<!")) {
                skipPast(">");
                continue;
            }
            return tag();
        }
    }

    [[noreturn]] void fail(std::size_t position, const std::string& what) const {
        std::size_t line = 1;
        for (std::size_t i = 0; i < position && i < m_text.size(); ++i) {
            line += m_text[i] == '\n' ? 1 : 0;
        }
        throw Error(m_name + " is damaged: " + what + " (line " + std::to_string(line) + ")");
    }

private:
    bool startsWith(std::string_view s) const { return m_text.substr(m_pos, s.size()) == s; }
    void skipPast(std::string_view end) {
        const std::size_t at = m_text.find(end, m_pos);
        if (at == std::string_view::npos) {
            fail(m_pos, "it ends inside a markup declaration");
        }
        m_pos = at + end.size();
    }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool isNameChar(char c) {
        return !isSpace(c) && c != '=' && c != '>' && c != '/' && c != '<' && c != '"' && c != '\'';
    }
    void skipSpace() {
        while (m_pos < m_text.size() && isSpace(m_text[m_pos])) {
            ++m_pos;
        }
    }
    std::string_view name() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isNameChar(m_text[m_pos])) {
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

    Tag tag() {
        Tag t;
        t.position = m_pos;
        ++m_pos; // '<'
        if (startsWith("/")) {
            t.closing = true;
            ++m_pos;
        }
        t.name = name();
        if (t.name.empty()) {
            fail(t.position, "a tag has no name");
        }
        while (true) {
            skipSpace();
            if (m_pos >= m_text.size()) {
                fail(t.position, "it ends inside the tag <" + std::string(t.name) + ">");
            }
            if (startsWith("/>")) {
                t.selfClosing = true;
                m_pos += 2;
                return t;
            }
            if (startsWith(">")) {
                ++m_pos;
                return t;
            }
            Attribute a;
            a.name = name();
            skipSpace();
            if (a.name.empty() || !startsWith("=")) {
                fail(m_pos, "the tag <" + std::string(t.name) + "> has a broken attribute");
            }
            ++m_pos;
            skipSpace();
            const char quote = m_pos < m_text.size() ? m_text[m_pos] : '\0';
            if (quote != '"' && quote != '\'') {
                fail(m_pos, "the attribute '" + std::string(a.name) + "' has no quoted value");
            }
            const std::size_t end = m_text.find(quote, m_pos + 1);
            if (end == std::string_view::npos) {
                fail(m_pos, "it ends inside the value of '" + std::string(a.name) + "'");
            }
            a.rawValue = m_text.substr(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            t.attributes.push_back(a);
        }
    }

    std::string_view m_text;
    std::string m_name;
    std::size_t m_pos = 0;
};

// One field of the packet: how its values read.
struct XmlField {
    std::string fieldType;
    bool plainText = true; // bin.hex memos are text; other bin.hex values are base64
};

// A row may name its values in any order and leave any out, so the memory its rows take
// is not bound to the bytes they take in the file, as in the binary form. A packet may hold as
// many cells (rows times fields) as a binary file of its size could hold, 4 a byte, and any
// packet at least this many.
constexpr std::uint64_t kCellsOfAnyPacket = std::uint64_t{1} << 22;

class XmlPacketReader {
public:
    XmlPacketReader(std::string_view bytes, std::string_view name)
        : m_quoted("'" + std::string(name) + "'"), m_scanner(skipBom(bytes), m_quoted),
          m_bytes(bytes.size()),
          m_cellLimit(std::max<std::uint64_t>(kCellsOfAnyPacket, std::uint64_t{4} * bytes.size())) {
        m_utf8 = decidesUtf8(skipBom(bytes));
    }

    Table read();

private:
    static std::string_view skipBom(std::string_view bytes) {
        return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
    }
    bool decidesUtf8(std::string_view bytes) const;
    // An attribute value with its entities replaced, as Windows-1252.
    std::string decode(std::string_view raw, std::size_t position) const;
    void addField(const Tag& tag);
    void readParams(const Tag& tag);
    void addRow(const Tag& tag);
    std::string valueText(std::size_t field, const std::string& text, std::size_t position) const;
    void checkCells(std::uint64_t rows, std::uint64_t fields) const;

    std::string m_quoted;
    XmlScanner m_scanner;
    std::uint64_t m_bytes;
    std::uint64_t m_cellLimit;
    bool m_utf8 = false;
    Table m_table;
    std::vector<XmlField> m_fields;
    // The field whose values a ROW attribute of this name holds: the first field of the name.
    // An ordered map, whose look-ups stay short whatever names a file chooses.
    std::map<std::string, std::size_t, std::less<>> m_fieldOfAttribute;
    std::vector<std::uint8_t> m_status;
    std::vector<std::uint32_t> m_changeLog;
};

bool XmlPacketReader::decidesUtf8(std::string_view bytes) const {
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t at =
        bytes.substr(0, 5) == "<?xml" ? declaration.find("encoding") : std::string_view::npos;
    if (at != std::string_view::npos) {
        const std::string_view rest = declaration.substr(at);
        const std::size_t quote = rest.find_first_of("\"'");
        if (quote != std::string_view::npos) {
            const std::string_view value =
                rest.substr(quote + 1, rest.find(rest[quote], quote + 1) - quote - 1);
            return equalsIgnoringAsciiCase(value, "UTF-8") ||
                   equalsIgnoringAsciiCase(value, "UTF8");
        }
    }
    // Without a declared encoding, XML is UTF-8; a writer that put 8-bit text there shows
    // itself by bytes that are not UTF-8.
    return isValidUtf8(bytes);
}

std::string XmlPacketReader::decode(std::string_view raw, std::size_t position) const {
    std::string utf8;
    utf8.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '&') {
            if (m_utf8 || static_cast<unsigned char>(c) < 0x80) {
                utf8 += c;
            } else {
                appendUtf8(utf8, windows1252ToCodePoint(static_cast<unsigned char>(c)));
            }
            continue;
        }
        const std::size_t end = raw.find(';', i);
        if (end == std::string_view::npos) {
            m_scanner.fail(position, "an attribute value holds a '&' that starts no entity");
        }
        const std::string_view entity = raw.substr(i + 1, end - i - 1);
        if (entity == "lt") {
            utf8 += '<';
        } else if (entity == "gt") {
            utf8 += '>';
        } else if (entity == "amp") {
            utf8 += '&';
        } else if (entity == "quot") {
            utf8 += '"';
        } else if (entity == "apos") {
            utf8 += '\'';
        } else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x' || entity[1] == 'X';
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            std::uint32_t codePoint = 0;
            const auto result = std::from_chars(digits.data(), digits.data() + digits.size(),
                                                codePoint, hex ? 16 : 10);
            if (digits.empty() || result.ec != std::errc() ||
                result.ptr != digits.data() + digits.size() || codePoint > 0x10FFFF) {
                m_scanner.fail(position, "an attribute value holds the unknown character '&" +
                                             std::string(entity) + ";'");
            }
            appendUtf8(utf8, codePoint);
        } else {
            m_scanner.fail(position, "an attribute value holds the unknown entity '&" +
                                         std::string(entity) + ";'");
        }
        i = end;
    }
    return utf8ToWindows1252(utf8);
}

const Attribute* findAttribute(const Tag& tag, std::string_view name) {
    for (const Attribute& a : tag.attributes) {
        if (a.name == name) {
            return &a;
        }
    }
    return nullptr;
}

// The width the binary form gives a value of a fixed-size type, so that both forms agree.
std::uint64_t byteWidthOf(std::string_view fieldType) {
    static constexpr std::pair<std::string_view, std::uint64_t> kWidths[] = {
        {"i1", 1},   {"ui1", 1},     {"i2", 2},   {"ui2", 2},  {"i4", 4},
        {"ui4", 4},  {"i8", 8},      {"ui8", 8},  {"r4", 4},   {"r8", 8},
        {"r10", 10}, {"boolean", 2}, {"date", 4}, {"time", 4}, {"dateTime", 8}};
    for (const auto& [name, width] : kWidths) {
        if (name == fieldType) {
            return width;
        }
    }
    return 0;
}

FieldType fieldTypeOf(std::string_view fieldType, bool memo) {
    if (fieldType == "string")
        return FieldType::String;
    if (fieldType == "string.uni")
        return FieldType::WideString;
    if (fieldType == "boolean")
        return FieldType::Boolean;
    if (fieldType == "date")
        return FieldType::Date;
    if (fieldType == "time")
        return FieldType::Time;
    if (fieldType == "dateTime")
        return FieldType::DateTime;
    if (fieldType == "bin.hex")
        return memo ? FieldType::Memo : FieldType::Blob;
    if (fieldType == "r4" || fieldType == "r8" || fieldType == "r10")
        return FieldType::Float;
    if (fieldType.size() >= 2 && (fieldType[0] == 'i' || fieldType.substr(0, 2) == "ui"))
        return FieldType::Integer;
    return FieldType::Other;
}

void XmlPacketReader::addField(const Tag& tag) {
    const Attribute* attrName = findAttribute(tag, "attrname");
    const Attribute* fieldName = findAttribute(tag, "fieldname");
    const Attribute* fieldType = findAttribute(tag, "fieldtype");
    if (attrName == nullptr || fieldType == nullptr) {
        m_scanner.fail(tag.position, "a field has no name or no type");
    }
    XmlField field;
    field.fieldType = decode(fieldType->rawValue, tag.position);
    if (field.fieldType == "nested") {
        throw Error(m_quoted + " holds the nested field '" + std::string(attrName->rawValue) +
                    "', which this program cannot read");
    }
    checkCells(m_table.rowCount(), m_fields.size() + 1);
    std::string subtype;
    if (const Attribute* a = findAttribute(tag, "SUBTYPE")) {
        subtype = decode(a->rawValue, tag.position);
    }
    const bool memo =
        equalsIgnoringAsciiCase(subtype, "Text") || equalsIgnoringAsciiCase(subtype, "WideText") ||
        equalsIgnoringAsciiCase(subtype, "HMemo") || equalsIgnoringAsciiCase(subtype, "Formatted");
    field.plainText = field.fieldType != "bin.hex" || memo;

    FieldDef def;
    def.name =
        decode(fieldName != nullptr ? fieldName->rawValue : attrName->rawValue, tag.position);
    def.type = fieldTypeOf(field.fieldType, memo);
    std::uint64_t width = 0;
    if (const Attribute* a = findAttribute(tag, "WIDTH")) {
        std::from_chars(a->rawValue.data(), a->rawValue.data() + a->rawValue.size(), width);
    }
    if (def.type == FieldType::WideString) {
        width /= 2;
    }
    if ((def.type == FieldType::String || def.type == FieldType::WideString) && width == 0) {
        width = 0xFFFF;
    }
    if (width == 0) {
        width = byteWidthOf(field.fieldType);
    }
    def.size = static_cast<std::uint32_t>(std::min<std::uint64_t>(width, 0xFFFFFFFFu));
    m_fieldOfAttribute.try_emplace(std::string(attrName->rawValue), m_fields.size());
    m_table.addField(std::move(def));
    m_fields.push_back(std::move(field));
}

void XmlPacketReader::checkCells(std::uint64_t rows, std::uint64_t fields) const {
    if (rows * fields > m_cellLimit) {
        throw Error(m_quoted + " holds more rows and fields than its size allows: " +
                    std::to_string(rows) + " rows of " + std::to_string(fields) + " fields in " +
                    std::to_string(m_bytes) + " bytes");
    }
}

void XmlPacketReader::readParams(const Tag& tag) {
    if (const Attribute* log = findAttribute(tag, "CHANGE_LOG")) {
        const std::string text = decode(log->rawValue, tag.position);
        const char* p = text.data();
        const char* end = p + text.size();
        while (p < end) {
            while (p < end && *p == ' ') {
                ++p;
            }
            if (p == end) {
                break;
            }
            std::uint32_t v = 0;
            const auto result = std::from_chars(p, end, v);
            if (result.ec != std::errc()) {
                m_scanner.fail(tag.position, "its change log is not a list of numbers");
            }
            m_changeLog.push_back(v);
            p = result.ptr;
        }
        if (m_changeLog.size() % 3 != 0) {
            m_scanner.fail(tag.position, "its change log is not a list of number triples");
        }
    }
}

std::string base64Decode(std::string_view text, bool& ok) {
    std::string out;
    std::uint32_t buffer = 0;
    int bits = 0;
    ok = true;
    for (const char c : text) {
        int v;
        if (c >= 'A' && c <= 'Z')
            v = c - 'A';
        else if (c >= 'a' && c <= 'z')
            v = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            v = c - '0' + 52;
        else if (c == '+')
            v = 62;
        else if (c == '/')
            v = 63;
        else if (c == '=' || c == '\r' || c == '\n' || c == ' ')
            continue;
        else {
            ok = false;
            return {};
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(v);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

// Reads the digits text[from, from+count) as a number; nothing when they are not all digits.
std::optional<unsigned> digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    if (from + count > text.size()) {
        return std::nullopt;
    }
    unsigned v = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        v = v * 10 + static_cast<unsigned>(text[i] - '0');
    }
    return v;
}

// "HH:MM:SSmmm" to milliseconds.
std::optional<std::int64_t> clockOf(std::string_view text) {
    const auto h = digitsAt(text, 0, 2), m = digitsAt(text, 3, 2), s = digitsAt(text, 6, 2);
    if (!h || !m || !s || text[2] != ':' || text[5] != ':') {
        return std::nullopt;
    }
    const auto ms =
        text.size() > 8 ? digitsAt(text, 8, text.size() - 8) : std::optional<unsigned>(0);
    if (!ms || text.size() > 11) {
        return std::nullopt;
    }
    return ((*h * 60 + *m) * 60 + *s) * std::int64_t{1000} + *ms;
}

std::optional<std::int64_t> dayOf(std::string_view text) {
    const auto y = digitsAt(text, 0, 4), m = digitsAt(text, 4, 2), d = digitsAt(text, 6, 2);
    if (!y || !m || !d || *m < 1 || *m > 12 || *d < 1 || *d > 31) {
        return std::nullopt;
    }
    return cds::dayNumberOf(static_cast<int>(*y), *m, *d);
}

std::string XmlPacketReader::valueText(std::size_t field, const std::string& text,
                                       std::size_t position) const {
    const XmlField& f = m_fields[field];
    const std::string& type = f.fieldType;
    const auto bad = [&]() -> std::string {
        m_scanner.fail(position, "'" + windows1252ToUtf8(text) +
                                     "' is not a valid value of the field '" +
                                     windows1252ToUtf8(m_table.fields()[field].name) + "'");
    };
    switch (m_table.fields()[field].type) {
    case FieldType::Integer: {
        std::int64_t v = 0;
        const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
        if (r.ec == std::errc() && r.ptr == text.data() + text.size()) {
            return cds::formatInteger(v);
        }
        std::uint64_t u = 0;
        const auto ru = std::from_chars(text.data(), text.data() + text.size(), u);
        if (ru.ec == std::errc() && ru.ptr == text.data() + text.size()) {
            return cds::formatUnsigned(u);
        }
        return bad();
    }
    case FieldType::Float: {
        char* end = nullptr;
        const double v = std::strtod(text.c_str(), &end);
        if (text.empty() || end != text.c_str() + text.size()) {
            return bad();
        }
        return cds::formatFloat(type == "r4" ? static_cast<double>(static_cast<float>(v)) : v);
    }
    case FieldType::Boolean:
        if (equalsIgnoringAsciiCase(text, "TRUE") || equalsIgnoringAsciiCase(text, "FALSE")) {
            return cds::formatBoolean(equalsIgnoringAsciiCase(text, "TRUE"));
        }
        return bad();
    case FieldType::Date:
        if (const auto day = dayOf(text); day && text.size() == 8) {
            return cds::formatDate(*day);
        }
        return bad();
    case FieldType::Time:
        if (const auto ms = clockOf(text)) {
            return cds::formatTime(*ms);
        }
        return bad();
    case FieldType::DateTime: {
        const auto day = dayOf(text);
        const auto ms =
            text.size() == 8
                ? std::optional<std::int64_t>(0)
                : (text.size() > 9 && text[8] == 'T' ? clockOf(text.substr(9)) : std::nullopt);
        if (!day || !ms) {
            return bad();
        }
        return cds::formatTimestamp(static_cast<double>(*day) * 86400000.0 +
                                    static_cast<double>(*ms));
    }
    case FieldType::Blob: {
        bool ok = true;
        const std::string bytes = base64Decode(text, ok);
        if (!ok) {
            return bad();
        }
        return cds::formatHex(bytes);
    }
    default:
        return text;
    }
}

void XmlPacketReader::addRow(const Tag& tag) {
    checkCells(m_table.rowCount() + 1, m_fields.size());
    const RowIndex row = m_table.appendRow();
    std::uint8_t status = 0;
    for (const Attribute& a : tag.attributes) {
        if (a.name == "RowState") {
            unsigned v = 0;
            std::from_chars(a.rawValue.data(), a.rawValue.data() + a.rawValue.size(), v);
            status = static_cast<std::uint8_t>(v);
            continue;
        }
        if (const auto field = m_fieldOfAttribute.find(a.name); field != m_fieldOfAttribute.end()) {
            const std::size_t f = field->second;
            m_table.setValue(row, f, valueText(f, decode(a.rawValue, tag.position), tag.position));
        }
    }
    m_status.push_back(status);
}

Table XmlPacketReader::read() {
    std::vector<std::string_view> open; // element names from the root down
    bool sawPacket = false;
    while (const auto tag = m_scanner.next()) {
        if (tag->closing) {
            if (open.empty() || open.back() != tag->name) {
                m_scanner.fail(tag->position, "the closing tag </" + std::string(tag->name) +
                                                  "> matches no open one");
            }
            open.pop_back();
            continue;
        }
        const std::string_view parent = open.empty() ? std::string_view() : open.back();
        if (open.empty()) {
            if (tag->name != "DATAPACKET") {
                throw Error(m_quoted + " is not a table file");
            }
            sawPacket = true;
        } else if (tag->name == "FIELD" && parent == "FIELDS") {
            addField(*tag);
        } else if (tag->name == "PARAMS" && parent == "METADATA") {
            readParams(*tag);
        } else if (tag->name == "ROW" && parent == "ROWDATA") {
            addRow(*tag);
        }
        if (!tag->selfClosing) {
            open.push_back(tag->name);
        }
    }
    if (!sawPacket) {
        throw Error(m_quoted + " is not a table file");
    }
    if (!open.empty()) {
        m_scanner.fail(std::string_view::npos,
                       "it ends before </" + std::string(open.back()) + ">");
    }

    const bool allShown = m_changeLog.empty() &&
                          std::all_of(m_status.begin(), m_status.end(),
                                      [](std::uint8_t s) { return (s & cds::kRowHidden) == 0; });
    if (allShown) {
        return std::move(m_table);
    }
    Table shown;
    for (const FieldDef& def : m_table.fields()) {
        shown.addField(def);
    }
    for (const std::size_t row : cds::visibleRows(m_status, m_changeLog, m_quoted)) {
        const RowIndex to = shown.appendRow();
        for (std::size_t f = 0; f < m_table.fieldCount(); ++f) {
            if (const auto v = m_table.value(static_cast<RowIndex>(row), f)) {
                shown.setValue(to, f, *v);
            }
        }
    }
    return shown;
}

} // namespace

Table readCdsXml(std::string_view bytes, std::string_view name) {
    return XmlPacketReader(bytes, name).read();
}

} // namespace quillby
