#include "platform/RowFilter.h"

namespace quillby {

FieldCondition fieldEquals(std::string field, std::string value) {
    std::string expression = field + " = '" + value + "'";
    return {std::move(field),
            [value = std::move(value)](std::string_view text) { return text == value; },
            std::move(expression)};
}

FieldCondition fieldContains(std::string field, std::string part) {
    std::string expression = field + " LIKE '%" + part + "%'";
    return {std::move(field),
            [part = std::move(part)](std::string_view text) {
                return text.find(part) != std::string_view::npos;
            },
            std::move(expression)};
}

std::string RowFilter::expression() const {
    std::string out;
    for (const FieldCondition& condition : m_conditions) {
        if (!out.empty()) {
            out += " AND ";
        }
        out += condition.expression;
    }
    return out;
}

} // namespace quillby
