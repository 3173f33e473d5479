#include "cli/TerminalProgress.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillby::cli {
namespace {

using namespace std::chrono_literals;

// A progress line on a terminal we can read back, with a clock that moves only when told.
class ProgressLine : public testing::Test {
protected:
    TerminalProgress make() {
        return TerminalProgress(
            "Converting FlightPlans.TXT", [this](std::string_view s) { m_written.emplace_back(s); },
            [this] { return m_now; });
    }

    TerminalProgress::Clock::time_point m_now{};
    std::vector<std::string> m_written;
};

TEST_F(ProgressLine, ShowsThePercentageAtMostTenTimesASecond) {
    {
        TerminalProgress progress = make();
        progress.setPosition(0);
        progress.setMin(0);
        progress.setMax(200);
        for (int line = 0; line < 200; ++line) {
            if (line == 50) {
                m_now += 100ms; // a tenth of a second after the start: the first update
            }
            if (line == 60) {
                m_now += 99ms; // not yet the next one
            }
            if (line == 70) {
                m_now += 1ms;
            }
            progress.setPosition(line);
        }
        EXPECT_EQ(m_written, (std::vector<std::string>{"\rConverting FlightPlans.TXT: 25%",
                                                       "\rConverting FlightPlans.TXT: 35%"}));
        m_now += 100ms;
        progress.setPosition(199);
        EXPECT_EQ(m_written.back(), "\rConverting FlightPlans.TXT: 99%");
        m_now += 100ms;
        progress.setPosition(198); // the same percentage is not written again
        EXPECT_EQ(m_written.size(), 3u);
        m_now += 100ms;
        progress.setPosition(10); // a shorter text covers the end of the longer one
        EXPECT_EQ(m_written.back(), "\rConverting FlightPlans.TXT: 5% ");
    }
    // Going away, it blanks the line and returns to its start.
    EXPECT_EQ(m_written.back(), "\r" + std::string(31, ' ') + "\r");
}

TEST_F(ProgressLine, AQuickCommandOrAnEmptyFileShowsNothing) {
    {
        TerminalProgress progress = make();
        progress.setPosition(0);
        progress.setMin(0);
        progress.setMax(3);
        progress.setPosition(0);
        progress.setPosition(1);
        progress.setPosition(2);
    }
    {
        TerminalProgress progress = make();
        m_now += 1s;
        progress.setMax(0);
        progress.setPosition(0);
    }
    EXPECT_EQ(m_written, std::vector<std::string>{});
}

} // namespace
} // namespace quillby::cli
