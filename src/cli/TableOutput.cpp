#include "cli/TableOutput.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <numeric>

namespace quillby::cli {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::size_t kTextColumnLimit = 48;

// Buffers output and hands it on in large pieces.
class Writer {
public:
    explicit Writer(const std::function<void(std::string_view)>& out) : m_out(out) {}
    ~Writer() { flush(); }
    Writer& operator<<(std::string_view s) {
        m_buffer += s;
        if (m_buffer.size() >= kFlushSize) {
            flush();
        }
        return *this;
    }
    Writer& operator<<(char c) {
        m_buffer += c;
        return *this;
    }
    void flush() {
        if (!m_buffer.empty()) {
            m_out(m_buffer);
            m_buffer.clear();
        }
    }

private:
    const std::function<void(std::string_view)>& m_out;
    std::string m_buffer;
};

std::string csvField(std::string_view text) {
    const std::string utf8 = windows1252ToUtf8(text);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) {
        return utf8;
    }
    std::string quoted = "\"";
    for (const char c : utf8) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : windows1252ToUtf8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

// The text of a cell as one line of at most kTextColumnLimit characters, in characters shown.
std::u32string shownText(std::string_view text) {
    std::u32string out;
    for (const char c : text) {
        const char32_t cp = windows1252ToCodePoint(static_cast<unsigned char>(c));
        out += cp < 0x20 ? U' ' : cp;
    }
    if (out.size() > kTextColumnLimit) {
        out.resize(kTextColumnLimit - 1);
        out += U'\u2026';
    }
    return out;
}

void appendPadded(std::string& line, const std::u32string& text, std::size_t width) {
    for (const char32_t cp : text) {
        appendUtf8(line, cp);
    }
    line.append(width > text.size() ? width - text.size() : 0, ' ');
}

void printText(const TableSelection& s, const std::vector<std::string>& titles, Writer& w) {
    const std::size_t columns = s.fields.size();
    std::vector<std::size_t> width(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        width[c] = shownText(titles[c]).size();
        for (const RowIndex row : s.rows) {
            width[c] = std::max(width[c], shownText(s.table.text(row, s.fields[c])).size());
        }
    }
    // Lines carry no trailing blanks, whatever the last columns hold.
    const auto line = [&](const auto& cellText) {
        std::string text;
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) {
                text += "  ";
            }
            appendPadded(text, shownText(cellText(c)), width[c]);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        w << text << '\n';
    };
    line([&](std::size_t c) -> std::string_view { return titles[c]; });
    for (std::size_t c = 0; c < columns; ++c) {
        if (c > 0) {
            w << "  ";
        }
        w << std::string(width[c], '-');
    }
    w << '\n';
    for (const RowIndex row : s.rows) {
        line([&](std::size_t c) { return s.table.text(row, s.fields[c]); });
    }
}

void printCsv(const TableSelection& s, const std::vector<std::string>& titles, Writer& w) {
    for (std::size_t c = 0; c < s.fields.size(); ++c) {
        w << (c > 0 ? "," : "") << csvField(titles[c]);
    }
    w << '\n';
    for (const RowIndex row : s.rows) {
        for (std::size_t c = 0; c < s.fields.size(); ++c) {
            w << (c > 0 ? "," : "") << csvField(s.table.text(row, s.fields[c]));
        }
        w << '\n';
    }
}

void printJson(const TableSelection& s, const std::vector<std::string>& titles, Writer& w) {
    w << "{\"fields\": [";
    for (std::size_t c = 0; c < s.fields.size(); ++c) {
        const FieldDef& def = s.table.fields()[s.fields[c]];
        w << (c > 0 ? ", " : "") << "{\"name\": " << jsonString(titles[c]) << ", \"type\": \""
          << fieldTypeName(def.type) << "\", \"size\": " << std::to_string(def.size) << "}";
    }
    w << "],\n \"rows\": [";
    bool firstRow = true;
    for (const RowIndex row : s.rows) {
        w << (firstRow ? "\n  [" : ",\n  [");
        firstRow = false;
        for (std::size_t c = 0; c < s.fields.size(); ++c) {
            w << (c > 0 ? ", " : "");
            if (const auto v = s.table.value(row, s.fields[c])) {
                w << jsonString(*v);
            } else {
                w << "null";
            }
        }
        w << ']';
    }
    w << "]}\n";
}

} // namespace

std::optional<OutputFormat> parseOutputFormat(std::string_view name) {
    if (name == "text")
        return OutputFormat::Text;
    if (name == "csv")
        return OutputFormat::Csv;
    if (name == "json")
        return OutputFormat::Json;
    return std::nullopt;
}

TableSelection TableSelection::whole(const Table& table) {
    TableSelection s{table,
                     std::vector<RowIndex>(table.rowCount()),
                     std::vector<std::size_t>(table.fieldCount()),
                     {}};
    std::iota(s.rows.begin(), s.rows.end(), RowIndex{0});
    std::iota(s.fields.begin(), s.fields.end(), std::size_t{0});
    return s;
}

void printTable(const TableSelection& selection, OutputFormat format,
                const std::function<void(std::string_view)>& out) {
    std::vector<std::string> titles = selection.titles;
    if (titles.empty()) {
        for (const std::size_t f : selection.fields) {
            titles.push_back(selection.table.fields()[f].name);
        }
    }
    Writer w(out);
    switch (format) {
    case OutputFormat::Text:
        printText(selection, titles, w);
        break;
    case OutputFormat::Csv:
        printCsv(selection, titles, w);
        break;
    case OutputFormat::Json:
        printJson(selection, titles, w);
        break;
    }
}

} // namespace quillby::cli
