#include "gui/ProgressBarSink.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace quillby::gui {

namespace {
constexpr qint64 kRepaintEveryMs = 40;
}

ProgressBarSink::ProgressBarSink(QProgressBar& bar) : m_bar(bar) {
    m_sinceRepaint.start();
}

void ProgressBarSink::setPosition(int position) {
    m_bar.setValue(position);
    keepWindowAlive();
}

void ProgressBarSink::setMin(int min) {
    m_bar.setMinimum(min);
}

void ProgressBarSink::setMax(int max) {
    m_bar.setMaximum(max);
}

void ProgressBarSink::keepWindowAlive() {
    if (m_sinceRepaint.elapsed() < kRepaintEveryMs) {
        return;
    }
    m_sinceRepaint.restart();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quillby::gui
