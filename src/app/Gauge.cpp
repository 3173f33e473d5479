#include "app/Gauge.h"

#include "platform/Error.h"

#include <algorithm>
#include <string>

namespace quillby {

void Gauge::setMaximum(int maximum) {
    if (maximum < m_min) {
        throw Error("Value must be between " + std::to_string(m_min) + " and 2147483647");
    }
    m_max = maximum;
    m_value = std::clamp(m_value, m_min, m_max);
}

void Gauge::setMinimum(int minimum) {
    if (minimum > m_max) {
        throw Error("Value must be between -2147483648 and " + std::to_string(m_max));
    }
    m_min = minimum;
    m_value = std::clamp(m_value, m_min, m_max);
}

void Gauge::setValue(int value) {
    m_value = std::clamp(value, m_min, m_max);
}

int Gauge::percent() const {
    if (m_max == m_min) {
        return 0;
    }
    const long long part = static_cast<long long>(m_value - m_min) * 100;
    return static_cast<int>(part / (static_cast<long long>(m_max) - m_min));
}

} // namespace quillby
