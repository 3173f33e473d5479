#include "cli/TerminalProgress.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace quillby::cli {

namespace {

TerminalProgress::Writer standardErrorIfTerminal() {
    if (::isatty(STDERR_FILENO) != 1) {
        return {};
    }
    return [](std::string_view bytes) {
        std::fwrite(bytes.data(), 1, bytes.size(), stderr);
        std::fflush(stderr);
    };
}

} // namespace

TerminalProgress::TerminalProgress(std::string label)
    : TerminalProgress(std::move(label), standardErrorIfTerminal(), &Clock::now) {}

TerminalProgress::TerminalProgress(std::string label, Writer write, Now now)
    : m_label(std::move(label)), m_write(std::move(write)), m_now(std::move(now)) {
    if (m_write) {
        m_nextUpdate = m_now() + kInterval;
    }
}

TerminalProgress::~TerminalProgress() {
    finish();
}

void TerminalProgress::setPosition(int position) {
    if (!m_write || m_max <= m_min) {
        return;
    }
    const Clock::time_point now = m_now();
    if (now < m_nextUpdate) {
        return;
    }
    m_nextUpdate = now + kInterval;
    const long long done = static_cast<long long>(position) - m_min;
    const long long span = static_cast<long long>(m_max) - m_min;
    const int percent = static_cast<int>(std::clamp(done * 100 / span, 0LL, 100LL));
    if (percent == m_shownPercent) {
        return;
    }
    m_shownPercent = percent;
    std::string line = "\r";
    line += m_label;
    line += ": ";
    line += std::to_string(percent);
    line += '%';
    // A shorter text than the one before must also cover its last characters.
    const std::size_t width = line.size() - 1;
    if (width < m_shownWidth) {
        line.append(m_shownWidth - width, ' ');
    }
    m_shownWidth = std::max(m_shownWidth, width);
    m_write(line);
}

void TerminalProgress::finish() {
    if (m_shownWidth == 0) {
        return;
    }
    std::string blank = "\r";
    blank.append(m_shownWidth, ' ');
    blank += '\r';
    m_write(blank);
    m_shownWidth = 0;
    m_shownPercent = -1;
}

} // namespace quillby::cli
