#include "gui/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillby::gui {

namespace {

const QColor kBoard(24, 28, 36);
const QColor kFlap(42, 47, 58);
const QColor kAmber(255, 190, 40);
const QColor kSky1(40, 92, 160);
const QColor kSky2(140, 190, 235);

// An airliner seen from above, nose to the right, in a box of `length`.
QPainterPath airliner(qreal length) {
    const qreal w = length;
    QPainterPath p;
    // Fuselage.
    p.addRoundedRect(QRectF(0, -w * 0.045, w, w * 0.09), w * 0.045, w * 0.045);
    // Wings and tail.
    QPolygonF wing;
    wing << QPointF(w * 0.55, 0) << QPointF(w * 0.30, -w * 0.48) << QPointF(w * 0.40, -w * 0.48)
         << QPointF(w * 0.68, 0) << QPointF(w * 0.40, w * 0.48) << QPointF(w * 0.30, w * 0.48);
    p.addPolygon(wing);
    QPolygonF tail;
    tail << QPointF(w * 0.12, 0) << QPointF(w * 0.02, -w * 0.18) << QPointF(w * 0.08, -w * 0.18)
         << QPointF(w * 0.2, 0) << QPointF(w * 0.08, w * 0.18) << QPointF(w * 0.02, w * 0.18);
    p.addPolygon(tail);
    return p.simplified();
}

// One row of split-flap letters.
void drawFlaps(QPainter& p, const QString& text, QPointF at, qreal cellWidth, qreal cellHeight) {
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::Monospace);
    font.setBold(true);
    font.setPixelSize(static_cast<int>(cellHeight * 0.78));
    p.setFont(font);
    for (int i = 0; i < text.size(); ++i) {
        const QRectF cell(at.x() + i * (cellWidth + 2), at.y(), cellWidth, cellHeight);
        p.fillRect(cell, kFlap);
        p.setPen(QPen(kBoard, 1));
        p.drawLine(QPointF(cell.left(), cell.center().y()),
                   QPointF(cell.right(), cell.center().y()));
        p.setPen(kAmber);
        p.drawText(cell, Qt::AlignCenter, text.mid(i, 1));
    }
}

void drawBoard(QPainter& p, const QRect& area, const QStringList& rows, qreal cellWidth,
               qreal cellHeight) {
    p.fillRect(area, kBoard);
    qreal y = area.top() + 6;
    for (const QString& row : rows) {
        drawFlaps(p, row, QPointF(area.left() + 6, y), cellWidth, cellHeight);
        y += cellHeight + 4;
    }
}

} // namespace

QPixmap splashPicture() {
    QPixmap pixmap(203, 120);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 60);
    sky.setColorAt(0, kSky1);
    sky.setColorAt(1, kSky2);
    p.fillRect(QRect(0, 0, 203, 60), sky);
    p.save();
    p.translate(118, 30);
    p.rotate(-12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 250));
    p.drawPath(airliner(70));
    p.restore();
    drawBoard(p, QRect(0, 60, 203, 60), {"QUILLBY", "DEP 0645"}, 20, 22);
    return pixmap;
}

QPixmap aboutPicture() {
    QPixmap pixmap(299, 103);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawBoard(p, QRect(0, 0, 299, 103), {"QUILLBY", "LIRF  0645", "EGLL  0710"}, 17, 27);
    p.save();
    p.translate(206, 22);
    p.rotate(-20);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawPath(airliner(56));
    p.restore();
    return pixmap;
}

QPixmap programIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kBoard);
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    p.translate(size * 0.5, size * 0.5);
    p.rotate(-45);
    p.translate(-size * 0.4, 0);
    p.setBrush(kAmber);
    p.drawPath(airliner(size * 0.8));
    return pixmap;
}

} // namespace quillby::gui
