#pragma once

#include "platform/ValuePool.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

using RowIndex = std::uint32_t;

// What a field held in the file it came from. The program's own tables hold only String fields;
// the others appear in table files written by other programs and are kept as text.
enum class FieldType : std::uint8_t {
    String,     // 8-bit text of at most `size` bytes
    WideString, // Unicode text of at most `size` characters, kept as Windows-1252
    Integer,
    Float,
    Boolean,
    Date,
    Time,
    DateTime,
    Memo, // text of any length
    Blob, // bytes of any length
    Other,
};

std::string_view fieldTypeName(FieldType type);

struct FieldDef {
    std::string name;
    // Text fields: the most bytes a value keeps (longer values are cut on store). Other types:
    // the width the file gave them, for information only.
    std::uint32_t size = 0;
    FieldType type = FieldType::String;

    bool cutsValues() const { return type == FieldType::String || type == FieldType::WideString; }
    friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

// A named ordering kept with the table; `fields` lists field names separated by ';'.
struct IndexDef {
    std::string name;
    std::string fields;
    friend bool operator==(const IndexDef&, const IndexDef&) = default;
};

// An in-memory table: field definitions in order, index definitions, and rows in insertion
// order. Every value is text; a cell holds either a text or no value at all, and the two differ
// (an empty text is a value). Values longer than their text field are cut to its size without
// notice. Field names are matched without regard to case. Rows have no key: duplicates are
// allowed.
//
// Cells are stored column by column as ids into a pool of the column's distinct texts, so a
// million-row table costs four bytes a cell plus its distinct texts.
class Table {
public:
    Table() = default;
    explicit Table(std::vector<FieldDef> fields, std::vector<IndexDef> indexes = {});

    void addField(FieldDef field);
    void addIndex(IndexDef index);
    std::span<const FieldDef> fields() const { return m_fields; }
    std::span<const IndexDef> indexes() const { return m_indexes; }
    std::size_t fieldCount() const { return m_fields.size(); }

    std::optional<std::size_t> findField(std::string_view name) const;
    // The number of the named field; an Error "Field 'NAME' not found" when there is none.
    std::size_t fieldIndex(std::string_view name) const;

    std::size_t rowCount() const { return m_rowCount; }
    void reserveRows(std::size_t rows);
    // Adds a row at the end whose fields hold no value, and returns its number.
    RowIndex appendRow();
    // Adds or removes rows at the end; added rows hold no value. Loading a file makes its rows
    // in one step with this.
    void resizeRows(std::size_t rows);

    void setValue(RowIndex row, std::size_t field, std::string_view text);
    void setValue(RowIndex row, std::string_view fieldName, std::string_view text) {
        setValue(row, fieldIndex(fieldName), text);
    }
    void clearValue(RowIndex row, std::size_t field);

    std::optional<std::string_view> value(RowIndex row, std::size_t field) const;
    // The text of a cell; no value reads as empty text.
    std::string_view text(RowIndex row, std::size_t field) const {
        const Column& c = m_columns[field];
        return c.pool.text(c.cells[row]);
    }
    bool hasValue(RowIndex row, std::size_t field) const {
        return m_columns[field].cells[row] != ValuePool::kNoValue;
    }

    // The result field of the first row whose key field equals `key` exactly (bytes and case),
    // or no value when there is no such row or that row's result field holds none. This scans
    // the rows; use KeyLookup for many look-ups in a table that does not change.
    std::optional<std::string_view> lookup(std::string_view keyField, std::string_view key,
                                           std::string_view resultField) const;

    // Column access for views and look-ups that work per distinct value.
    const ValuePool& pool(std::size_t field) const { return m_columns[field].pool; }
    std::span<const ValuePool::Id> cells(std::size_t field) const { return m_columns[field].cells; }

    // Bytes held by the table, for the memory figures of the benchmarks.
    std::size_t memoryUsage() const;

private:
    struct Column {
        std::vector<ValuePool::Id> cells;
        ValuePool pool;
    };

    std::vector<FieldDef> m_fields;
    std::vector<IndexDef> m_indexes;
    std::vector<Column> m_columns;
    std::size_t m_rowCount = 0;
};

// Many look-ups of one key field in a table that does not change while they run (the airport
// names and airlines of an import): built in one pass, each look-up then costs one hash probe.
class KeyLookup {
public:
    KeyLookup(const Table& table, std::string_view keyField, std::string_view resultField);
    std::optional<std::string_view> find(std::string_view key) const;

private:
    static constexpr RowIndex kNoRow = ~RowIndex{0};
    const Table& m_table;
    std::size_t m_keyField;
    std::size_t m_resultField;
    std::vector<RowIndex> m_firstRowOfKey; // by id of the key column's pool
};

} // namespace quillby
