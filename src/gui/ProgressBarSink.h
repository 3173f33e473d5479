#pragma once

#include "import/ProgressSink.h"

#include <QElapsedTimer>

class QProgressBar;

namespace quillby::gui {

// An import's progress on the window's progress bar. The window is repainted every few dozen
// milliseconds while the import runs on the window's thread, so it never looks frozen; what the
// user types or clicks meanwhile waits until the import is done.
class ProgressBarSink final : public ProgressSink {
public:
    explicit ProgressBarSink(QProgressBar& bar);

    void setPosition(int position) override;
    void setMin(int min) override;
    void setMax(int max) override;

private:
    void keepWindowAlive();

    QProgressBar& m_bar;
    QElapsedTimer m_sinceRepaint;
};

} // namespace quillby::gui
