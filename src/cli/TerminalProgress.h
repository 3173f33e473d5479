#pragma once

#include "import/ProgressSink.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace quillby::cli {

// The progress of a long command as one line on the terminal, "Converting FlightPlans.TXT: 42%",
// rewritten in place. An import reports every line it reads; the line on the screen changes at
// most ten times a second, and only once the command has run for a tenth of a second, so a quick
// command shows nothing. When standard error is not a terminal (a pipe, a log file) nothing is
// written at all, so that scripts and logs get no carriage returns.
class TerminalProgress final : public ProgressSink {
public:
    using Clock = std::chrono::steady_clock;
    using Writer = std::function<void(std::string_view)>;
    using Now = std::function<Clock::time_point()>;

    static constexpr Clock::duration kInterval = std::chrono::milliseconds(100);

    // On standard error when it is a terminal; silent otherwise.
    explicit TerminalProgress(std::string label);
    // Writes to `write` (silent when it is empty) and reads the time from `now`.
    TerminalProgress(std::string label, Writer write, Now now);
    // Removes the line, also when the command stops with an error: the error message and the
    // summary must start at the beginning of a clean line.
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    void setPosition(int position) override;
    void setMin(int min) override { m_min = min; }
    void setMax(int max) override { m_max = max; }

    // Removes the line from the terminal, if one is shown.
    void finish();

private:
    std::string m_label;
    Writer m_write;
    Now m_now;
    Clock::time_point m_nextUpdate;
    int m_min = 0;
    int m_max = 0;
    int m_shownPercent = -1;
    std::size_t m_shownWidth = 0;
};

} // namespace quillby::cli
