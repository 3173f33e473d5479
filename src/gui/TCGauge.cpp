#include "gui/TCGauge.h"

#include <QPainter>

namespace quillby::gui {

TCGauge::TCGauge(QWidget* parent) : QWidget(parent) {}

void TCGauge::repaintIfChanged(int shownBefore) {
    if (m_gauge.percent() != shownBefore) {
        repaint();
    }
}

void TCGauge::setProgress(int value) {
    const int before = m_gauge.percent();
    m_gauge.setValue(value);
    repaintIfChanged(before);
}

void TCGauge::setMaxValue(int value) {
    const int before = m_gauge.percent();
    m_gauge.setMaximum(value);
    repaintIfChanged(before);
}

void TCGauge::setMinValue(int value) {
    const int before = m_gauge.percent();
    m_gauge.setMinimum(value);
    repaintIfChanged(before);
}

void TCGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    p.fillRect(inner, Qt::white);
    p.fillRect(
        QRect(inner.topLeft(), QSize(inner.width() * m_gauge.percent() / 100, inner.height())),
        QColor(0, 0, 128));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quillby::gui
