#pragma once

#include "app/Gauge.h"

#include <QWidget>

namespace quillby::gui {

// The splash window's progress gauge: a horizontal bar filled in navy on white, with a
// single-line border and no text. It repaints itself at once when the part it shows changes.
class TCGauge final : public QWidget {
    Q_OBJECT
public:
    explicit TCGauge(QWidget* parent = nullptr);

    Gauge& gauge() { return m_gauge; }
    int Progress() const { return m_gauge.value(); }
    void setProgress(int value);
    void setMaxValue(int value);
    void setMinValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintIfChanged(int shownBefore);

    Gauge m_gauge;
};

} // namespace quillby::gui
