#include "import/LegTime.h"

#include "data/Schemas.h"
#include "import/ShiftTime.h"

namespace quillby {

LegTime readLegTime(std::string_view field, bool weekly, int zoneOffset) {
    LegTime result;
    if (weekly) {
        result.m_weekdays = field.substr(0, 1);
        result.m_readTime = field.size() > 2 ? field.substr(2, 5) : std::string_view{};
    } else {
        result.m_weekdays = flightTable::kEveryDay;
        result.m_readTime = field;
    }
    if (zoneOffset != 0) {
        result.m_shiftedTime = ShiftTime(zoneOffset, result.m_readTime);
        result.m_shifted = true;
    }
    return result;
}

} // namespace quillby
