#include "data/AirportCsv.h"

#include "data/Schemas.h"
#include "platform/Error.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillby {

namespace {

// What is wrong with one line; the reader adds the file's name and the line's number.
class CsvLineError {
public:
    explicit CsvLineError(std::string message) : m_message(std::move(message)) {}
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

// The fields of one CSV line; a CsvLineError says what is wrong with it.
std::vector<std::string> splitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) {
                    throw CsvLineError("a quoted field is not closed");
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < line.size() && line[i] != ',') {
                throw CsvLineError("text follows the closing quote of a field");
            }
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field.assign(line.substr(i, end - i));
            if (field.find('"') != std::string::npos) {
                throw CsvLineError("a quote stands inside a field that is not quoted");
            }
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) {
            return fields;
        }
        ++i; // the comma
    }
}

bool isAirportCode(std::string_view code) {
    if (code.size() != airportTable::kIcaoCodeSize) {
        return false;
    }
    for (const char c : code) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

bool isHeader(const std::vector<std::string>& fields) {
    const auto lower = [](std::string text) {
        for (char& c : text) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return text;
    };
    return fields.size() == 2 && lower(fields[0]) == "icao" && lower(fields[1]) == "name";
}

} // namespace

Table airportTableFromCsv(std::string_view text, std::string_view fileName) {
    using namespace airportTable;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    Table table = makeAirportTable();
    const std::size_t codeField = table.fieldIndex(kIcaoCode);
    const std::size_t nameField = table.fieldIndex(kDescription);
    std::unordered_map<std::string, std::size_t> lineOfCode;

    std::size_t lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const auto fail = [&](const std::string& what) {
            std::string message = "'";
            message += fileName;
            message += "', line ";
            message += std::to_string(lineNumber);
            message += ": ";
            message += what;
            return Error(message);
        };
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        if (!isValidUtf8(line)) {
            throw fail("the line is not UTF-8 text");
        }
        std::vector<std::string> fields;
        try {
            fields = splitCsvLine(line);
        } catch (const CsvLineError& e) {
            throw fail(e.message());
        }
        if (lineNumber == 1 && isHeader(fields)) {
            continue;
        }
        if (fields.size() != 2) {
            throw fail("expected 2 fields (code,name), found " + std::to_string(fields.size()));
        }
        const std::string& code = fields[0];
        if (!isAirportCode(code)) {
            throw fail("'" + code + "' is not an airport code (four capital letters or digits)");
        }
        const auto [first, added] = lineOfCode.emplace(code, lineNumber);
        if (!added) {
            throw fail("'" + code + "' is listed twice (first on line " +
                       std::to_string(first->second) + ")");
        }
        const std::string name = utf8ToWindows1252Nearest(fields[1]);
        if (name.find_first_not_of(' ') == std::string::npos) {
            throw fail("the airport '" + code + "' has no name");
        }
        if (name.size() > kDescriptionSize) {
            throw fail("the name of '" + code + "' is longer than " +
                       std::to_string(kDescriptionSize) + " characters");
        }
        const RowIndex row = table.appendRow();
        table.setValue(row, codeField, code);
        table.setValue(row, nameField, name);
    }
    if (table.rowCount() == 0) {
        std::string message = "'";
        message += fileName;
        message += "' lists no airport";
        throw Error(message);
    }
    return table;
}

} // namespace quillby
