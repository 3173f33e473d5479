#pragma once

namespace quillby {

// The C runtime's time-zone values that the program's times and status bar rely on (_timezone
// and _daylight on Windows).
struct TimeZoneValues {
    long timezone = 0; // seconds by which the zone's standard time lies behind UTC, positive west
    int daylight = 0;  // 1 when the zone has daylight-saving time in the year, else 0
    friend bool operator==(const TimeZoneValues&, const TimeZoneValues&) = default;
};

// The values of the zone in effect (TZ, as the C library reads it) in `year`; the caller passes
// the year of its clock, so that tests depend on no date.
//
// A zone has daylight-saving time when its UTC offset on 1 January and on 1 July differ; its
// standard time is then the lower of the two offsets. That is the zone's tm_isdst == 0 time
// everywhere but in Ireland, whose zone data marks winter as the exception (tm_isdst set at
// GMT), while Windows gives Dublin a standard time of GMT. glibc's own `daylight` is not used:
// it is 1 for zones that had daylight-saving time in any year.
TimeZoneValues timeZoneValues(int year);

} // namespace quillby
