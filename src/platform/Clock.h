#pragma once

namespace quillby {

// A moment in the computer's local time, as the program reads its clock.
struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 6; // 0 Sunday to 6 Saturday
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// Where the program reads the time: the computer's clock, or a fixed moment in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The computer's clock in its local time zone (TZ as the C library reads it).
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// Always the same moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime moment) : m_moment(moment) {}
    LocalDateTime now() const override { return m_moment; }
    void set(LocalDateTime moment) { m_moment = moment; }

private:
    LocalDateTime m_moment;
};

} // namespace quillby
