#pragma once

#include "platform/Table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby::cli {

enum class OutputFormat { Text, Csv, Json };

// Parses "text", "csv" or "json".
std::optional<OutputFormat> parseOutputFormat(std::string_view name);

// Rows and columns of a table to print: rows in the given order, columns by field number.
struct TableSelection {
    const Table& table;
    std::vector<RowIndex> rows;
    std::vector<std::size_t> fields;
    std::vector<std::string> titles; // column titles; field names when empty

    static TableSelection whole(const Table& table);
};

// Writes the selection in UTF-8 to `out` piece by piece. csv: a line of titles, then a line per
// row, quoted as RFC 4180; no value and empty text both print as nothing. text: an aligned table
// for people. json: {"fields": [{name, type, size}], "rows": [[...]]} with no value as null.
void printTable(const TableSelection& selection, OutputFormat format,
                const std::function<void(std::string_view)>& out);

} // namespace quillby::cli
