#include "platform/Dataset.h"

#include "platform/Collation.h"

#include <algorithm>
#include <numeric>

namespace quillby {

namespace {

std::vector<std::string_view> splitFieldNames(std::string_view names) {
    std::vector<std::string_view> out;
    while (!names.empty()) {
        const std::size_t end = names.find(';');
        const std::string_view name = names.substr(0, end);
        if (!name.empty()) {
            out.push_back(name);
        }
        if (end == std::string_view::npos) {
            break;
        }
        names.remove_prefix(end + 1);
    }
    return out;
}

// The rank of every id of a column's pool in text order; "no value" comes first.
std::vector<std::uint32_t> ranksOf(const ValuePool& pool) {
    std::vector<ValuePool::Id> ids(pool.idCount());
    std::iota(ids.begin(), ids.end(), 0);
    std::sort(ids.begin() + 1, ids.end(), [&pool](ValuePool::Id a, ValuePool::Id b) {
        return compareText(pool.text(a), pool.text(b)) < 0;
    });
    std::vector<std::uint32_t> rank(ids.size());
    for (std::uint32_t i = 0; i < ids.size(); ++i) {
        rank[ids[i]] = i;
    }
    return rank;
}

// Stable counting sort of `rows` by one field: linear in the rows, whatever their number.
void sortByField(std::vector<RowIndex>& rows, const Table& table, std::size_t field) {
    if (rows.size() < 2) {
        return;
    }
    const auto cells = table.cells(field);
    const std::vector<std::uint32_t> rank = ranksOf(table.pool(field));
    std::vector<std::size_t> start(rank.size() + 1, 0);
    for (const RowIndex row : rows) {
        ++start[rank[cells[row]] + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<RowIndex> sorted(rows.size());
    for (const RowIndex row : rows) {
        sorted[start[rank[cells[row]]]++] = row;
    }
    rows.swap(sorted);
}

// An Error "Field 'NAME' not found" when the view settings name a field the table lacks.
void checkFields(const Table& table, const RowFilter& filter, std::string_view indexFieldNames) {
    for (const FieldCondition& condition : filter.conditions()) {
        table.fieldIndex(condition.field);
    }
    for (const std::string_view name : splitFieldNames(indexFieldNames)) {
        table.fieldIndex(name);
    }
}

} // namespace

// Each change is checked before it is made, so that a refused one tells the handlers nothing.

void Dataset::open(Table table) {
    checkFields(table, m_filter, m_indexFieldNames);
    viewAboutToChange();
    m_table = std::move(table);
    m_open = true;
    viewChanged();
}

void Dataset::close() {
    viewAboutToChange();
    m_table = Table();
    m_open = false;
    viewChanged();
}

void Dataset::setFilter(RowFilter filter) {
    if (m_open) {
        checkFields(m_table, filter, m_indexFieldNames);
    }
    viewAboutToChange();
    m_filter = std::move(filter);
    viewChanged();
}

void Dataset::setFiltered(bool filtered) {
    viewAboutToChange();
    m_filtered = filtered;
    viewChanged();
}

void Dataset::setIndexFieldNames(std::string names) {
    if (m_open) {
        checkFields(m_table, m_filter, names);
    }
    viewAboutToChange();
    m_indexFieldNames = std::move(names);
    viewChanged();
}

// Within a group, only its first change is told.
void Dataset::viewAboutToChange() {
    if (m_groupDepth > 0) {
        if (m_groupChanged) {
            return;
        }
        m_groupChanged = true;
    }
    for (const Handlers& handlers : m_handlers) {
        if (handlers.aboutToChange) {
            handlers.aboutToChange();
        }
    }
}

void Dataset::viewChanged() {
    m_viewValid = false;
    m_view.clear();
    m_view.shrink_to_fit();
    if (m_groupDepth > 0) {
        return; // told when the group ends
    }
    for (const Handlers& handlers : m_handlers) {
        handlers.changed();
    }
}

void Dataset::endGroup() {
    if (--m_groupDepth > 0 || !m_groupChanged) {
        return;
    }
    m_groupChanged = false;
    viewChanged();
}

std::size_t Dataset::rowCount() const {
    return m_open ? view().size() : 0;
}

RowIndex Dataset::rowAt(std::size_t position) const {
    return view()[position];
}

std::span<const RowIndex> Dataset::rows() const {
    if (!m_open) {
        return {};
    }
    return view();
}

const std::vector<RowIndex>& Dataset::view() const {
    if (m_viewValid) {
        return m_view;
    }
    const std::size_t rows = m_table.rowCount();
    m_view.clear();
    if (m_filtered && !m_filter.empty()) {
        // Each condition is worked out once per distinct text of its field, then rows are
        // selected by looking up their cells' ids.
        struct Prepared {
            std::span<const ValuePool::Id> cells;
            std::vector<char> passes;
        };
        std::vector<Prepared> prepared;
        for (const FieldCondition& condition : m_filter.conditions()) {
            const std::size_t field = m_table.fieldIndex(condition.field);
            const ValuePool& pool = m_table.pool(field);
            Prepared p{m_table.cells(field), std::vector<char>(pool.idCount())};
            for (ValuePool::Id id = 0; id < pool.idCount(); ++id) {
                p.passes[id] = condition.test(pool.text(id)) ? 1 : 0;
            }
            prepared.push_back(std::move(p));
        }
        for (RowIndex row = 0; row < rows; ++row) {
            const bool passes =
                std::all_of(prepared.begin(), prepared.end(),
                            [row](const Prepared& p) { return p.passes[p.cells[row]] != 0; });
            if (passes) {
                m_view.push_back(row);
            }
        }
    } else {
        m_view.resize(rows);
        std::iota(m_view.begin(), m_view.end(), RowIndex{0});
    }
    // Sorting by the last key first, each sort stable, orders by all keys.
    const auto keys = splitFieldNames(m_indexFieldNames);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        sortByField(m_view, m_table, m_table.fieldIndex(*key));
    }
    m_viewValid = true;
    return m_view;
}

} // namespace quillby
