#include "platform/Table.h"

#include "platform/AsciiCase.h"
#include "platform/Error.h"

#include <limits>

namespace quillby {

std::string_view fieldTypeName(FieldType type) {
    switch (type) {
    case FieldType::String:
        return "string";
    case FieldType::WideString:
        return "widestring";
    case FieldType::Integer:
        return "integer";
    case FieldType::Float:
        return "float";
    case FieldType::Boolean:
        return "boolean";
    case FieldType::Date:
        return "date";
    case FieldType::Time:
        return "time";
    case FieldType::DateTime:
        return "datetime";
    case FieldType::Memo:
        return "memo";
    case FieldType::Blob:
        return "blob";
    case FieldType::Other:
        break;
    }
    return "other";
}

Table::Table(std::vector<FieldDef> fields, std::vector<IndexDef> indexes) {
    for (auto& field : fields) {
        addField(std::move(field));
    }
    for (auto& index : indexes) {
        addIndex(std::move(index));
    }
}

void Table::addField(FieldDef field) {
    m_fields.push_back(std::move(field));
    Column column;
    column.cells.assign(m_rowCount, ValuePool::kNoValue);
    m_columns.push_back(std::move(column));
}

void Table::addIndex(IndexDef index) {
    m_indexes.push_back(std::move(index));
}

std::optional<std::size_t> Table::findField(std::string_view name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (equalsIgnoringAsciiCase(m_fields[i].name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t Table::fieldIndex(std::string_view name) const {
    if (const auto index = findField(name)) {
        return *index;
    }
    throw Error("Field '" + std::string(name) + "' not found");
}

void Table::reserveRows(std::size_t rows) {
    for (Column& column : m_columns) {
        column.cells.reserve(rows);
    }
}

RowIndex Table::appendRow() {
    if (m_rowCount >= std::numeric_limits<RowIndex>::max()) {
        throw Error("The table is too large: it cannot hold more than 4294967294 rows");
    }
    for (Column& column : m_columns) {
        column.cells.push_back(ValuePool::kNoValue);
    }
    return static_cast<RowIndex>(m_rowCount++);
}

void Table::resizeRows(std::size_t rows) {
    if (rows >= std::numeric_limits<RowIndex>::max()) {
        throw Error("The table is too large: it cannot hold more than 4294967294 rows");
    }
    for (Column& column : m_columns) {
        column.cells.resize(rows, ValuePool::kNoValue);
    }
    m_rowCount = rows;
}

void Table::setValue(RowIndex row, std::size_t field, std::string_view text) {
    const FieldDef& def = m_fields[field];
    if (def.cutsValues() && text.size() > def.size) {
        text = text.substr(0, def.size);
    }
    Column& column = m_columns[field];
    column.cells[row] = column.pool.intern(text);
}

void Table::clearValue(RowIndex row, std::size_t field) {
    m_columns[field].cells[row] = ValuePool::kNoValue;
}

std::optional<std::string_view> Table::value(RowIndex row, std::size_t field) const {
    if (!hasValue(row, field)) {
        return std::nullopt;
    }
    return text(row, field);
}

std::optional<std::string_view> Table::lookup(std::string_view keyField, std::string_view key,
                                              std::string_view resultField) const {
    const std::size_t keyIndex = fieldIndex(keyField);
    const std::size_t resultIndex = fieldIndex(resultField);
    const auto id = m_columns[keyIndex].pool.find(key);
    if (!id) {
        return std::nullopt;
    }
    const auto& cells = m_columns[keyIndex].cells;
    for (RowIndex row = 0; row < m_rowCount; ++row) {
        if (cells[row] == *id) {
            return value(row, resultIndex);
        }
    }
    return std::nullopt;
}

std::size_t Table::memoryUsage() const {
    std::size_t bytes = sizeof(*this);
    for (const Column& column : m_columns) {
        bytes += column.cells.capacity() * sizeof(ValuePool::Id) + column.pool.memoryUsage();
    }
    return bytes;
}

KeyLookup::KeyLookup(const Table& table, std::string_view keyField, std::string_view resultField)
    : m_table(table), m_keyField(table.fieldIndex(keyField)),
      m_resultField(table.fieldIndex(resultField)),
      m_firstRowOfKey(table.pool(m_keyField).idCount(), kNoRow) {
    const auto cells = table.cells(m_keyField);
    // Walk backwards, so that the first row of every key is the one that stays.
    for (std::size_t row = cells.size(); row-- > 0;) {
        m_firstRowOfKey[cells[row]] = static_cast<RowIndex>(row);
    }
}

std::optional<std::string_view> KeyLookup::find(std::string_view key) const {
    const auto id = m_table.pool(m_keyField).find(key);
    if (!id || *id >= m_firstRowOfKey.size() || m_firstRowOfKey[*id] == kNoRow) {
        return std::nullopt;
    }
    return m_table.value(m_firstRowOfKey[*id], m_resultField);
}

} // namespace quillby
