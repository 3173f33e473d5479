#pragma once

#include "import/Conversion.h"

#include <string_view>

namespace quillby {

// One end of a leg as the timetable stores it: the local time for TIME_DEP or TIME_ARR and the
// weekday digits for SCHEDULING_DEP or SCHEDULING_ARR. Views point into the
// flight plan line the time field came from, or into the object itself for a computed time.
class LegTime {
public:
    // The time to store: as read from the file when the zone offset is 0, else hh:mm:ss. The
    // table keeps its first five characters.
    std::string_view time() const { return m_shifted ? m_shiftedTime.view() : m_readTime; }
    // The weekday digits to store: on a weekly line the digit the file gives (the field's first
    // character, "" for an empty field), kept also when the move to local time crosses midnight;
    // "0123456" on a daily line.
    std::string_view weekdays() const { return m_weekdays; }

private:
    friend LegTime readLegTime(std::string_view field, bool weekly, int zoneOffset);
    std::string_view m_readTime;
    std::string_view m_weekdays;
    TimeText m_shiftedTime;
    bool m_shifted = false;
};

// Reads a departure or arrival time field of a leg. Weekly line: the weekday digit is the first
// character; the time is the five characters from the third on ("3/06:45:10" gives "3" and
// "06:45"); the second character and anything after the seventh are ignored. Daily line: the
// time is the whole field. With a zone offset other than 0 the time is moved to local time by
// ShiftTime (a ConversionError when it is not a time of day); with 0 it is not read at all, so
// any text is kept as written ("6:05:00" stays "6:05:00" and is stored as "6:05:").
LegTime readLegTime(std::string_view field, bool weekly, int zoneOffset);

} // namespace quillby
