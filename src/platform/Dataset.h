#pragma once

#include "platform/RowFilter.h"
#include "platform/Table.h"

#include <functional>
#include <span>
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
    std::span<const RowIndex> rows() const;
    std::string_view text(std::size_t position, std::size_t field) const {
        return m_table.text(rowAt(position), field);
    }

    // `changed` is called after every change of what the view shows (open, close, a new
    // setting), or once after a group of them (changeAtOnce); `aboutToChange`, when given, before
    // it, while the view still shows what it showed. A grid and each chooser that shows the table
    // add one pair: a Qt model begins its reset in the first and ends it in the second.
    void addViewChangedHandler(std::function<void()> changed,
                               std::function<void()> aboutToChange = {}) {
        m_handlers.push_back({std::move(aboutToChange), std::move(changed)});
    }

    // Runs `changes`, calls of the setters above, as one change of the view: the handlers hear
    // of it once, before the first change and after the last, and a grid works out its view once
    // instead of once per setting. When a call throws, the changes before it stand and are told
    // as one, and the error goes on.
    template <typename Changes> void changeAtOnce(Changes&& changes) {
        ++m_groupDepth;
        try {
            changes();
        } catch (...) {
            endGroup();
            throw;
        }
        endGroup();
    }

private:
    struct Handlers {
        std::function<void()> aboutToChange;
        std::function<void()> changed;
    };

    void viewAboutToChange();
    void viewChanged();
    void endGroup();
    const std::vector<RowIndex>& view() const;

    Table m_table;
    bool m_open = false;
    RowFilter m_filter;
    bool m_filtered = false;
    std::string m_indexFieldNames;
    std::vector<Handlers> m_handlers;
    int m_groupDepth = 0;        // changeAtOnce calls under way
    bool m_groupChanged = false; // the handlers were told that the group's changes begin

    mutable std::vector<RowIndex> m_view;
    mutable bool m_viewValid = false;
};

} // namespace quillby
