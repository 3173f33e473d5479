#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// A test on the text of one field. A field without a value is tested as empty text.
struct FieldCondition {
    std::string field;
    std::function<bool(std::string_view)> test;
    // How the condition reads in a filter expression, for people and tests.
    std::string expression;
};

// `field` = `value`, comparing bytes exactly (case counts).
FieldCondition fieldEquals(std::string field, std::string value);
// `part` stands anywhere in `field`.
FieldCondition fieldContains(std::string field, std::string part);

// The rows a filtered table shows: those that pass every condition. An empty filter passes
// every row.
class RowFilter {
public:
    RowFilter() = default;
    RowFilter(std::initializer_list<FieldCondition> conditions) : m_conditions(conditions) {}

    const std::vector<FieldCondition>& conditions() const { return m_conditions; }
    bool empty() const { return m_conditions.empty(); }
    // The conditions joined by " AND ".
    std::string expression() const;

private:
    std::vector<FieldCondition> m_conditions;
};

} // namespace quillby
