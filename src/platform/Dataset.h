#pragma once

#include "platform/RowFilter.h"
#include "platform/Table.h"

#include <functional>
#include <string>
#include <vector>

namespace quillby {

// A table as a window holds it: the content, whether it is open, and the view that a grid or a
// chooser shows of it. The view settings (the filter, the filtered flag and the ordering fields)
// belong to this object, not to the content: they may be set while it is closed, keep their
// values across close and every new content, and take effect whenever it is open.
//
// The view is a list of row numbers, worked out when first asked for after a change; rows are
// never copied. With ordering fields set, rows are in ascending order of those fields' text
// (see compareText), and rows with equal keys keep their insertion order.
class Dataset {
public:
    // Takes new content and opens. The view settings stay as they are; if they name a field the
    // content lacks, an Error is raised and the dataset stays closed.
    void open(Table table);
    // Closes and lets go of the content.
    void close();
    bool isOpen() const { return m_open; }
    // The content; an empty table while closed.
    const Table& table() const { return m_table; }

    void setFilter(RowFilter filter);
    const RowFilter& filter() const { return m_filter; }
    void setFiltered(bool filtered);
    bool filtered() const { return m_filtered; }
    // Field names separated by ';', the first the main key; empty for insertion order.
    void setIndexFieldNames(std::string names);
    const std::string& indexFieldNames() const { return m_indexFieldNames; }

    // The rows of the view: none while closed.
    std::size_t rowCount() const;
    RowIndex rowAt(std::size_t position) const;
    std::string_view text(std::size_t position, std::size_t field) const {
        return m_table.text(rowAt(position), field);
    }

    // Called after every change of what the view shows (open, close, a new setting); a grid and
    // each chooser that shows the table add one.
    void addViewChangedHandler(std::function<void()> handler) {
        m_onViewChanged.push_back(std::move(handler));
    }

private:
    void checkFields(const Table& table) const;
    void viewChanged();
    const std::vector<RowIndex>& view() const;

    Table m_table;
    bool m_open = false;
    RowFilter m_filter;
    bool m_filtered = false;
    std::string m_indexFieldNames;
    std::vector<std::function<void()>> m_onViewChanged;

    mutable std::vector<RowIndex> m_view;
    mutable bool m_viewValid = false;
};

} // namespace quillby
