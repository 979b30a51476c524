// What he carries home in the ending: the boxed parts and the bag of prize
// money.
#include "art.h"

#include <algorithm>

namespace art {

void box3d(QPainter& p, const QRectF& f, double depth, const QColor& col, const QString& label,
           bool open) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF off(depth * 0.75, -depth * 0.6);
    QPolygonF top;
    top << f.topLeft() << f.topRight() << f.topRight() + off << f.topLeft() + off;
    QPolygonF side;
    side << f.topRight() << f.topRight() + off << f.bottomRight() + off << f.bottomRight();
    QPainterPath tp, sp, fp;
    tp.addPolygon(top);
    tp.closeSubpath();
    sp.addPolygon(side);
    sp.closeSubpath();
    fp.addRect(f);
    inked(p, sp, col.darker(135), 2);
    if (open) {
        // Inside of the box, then the four flaps folded outward.
        inked(p, tp, col.darker(220), 2);
        QPolygonF flapL, flapR;
        flapL << f.topLeft() << f.topLeft() + off
              << f.topLeft() + off + QPointF(-depth * 0.9, -depth * 0.2)
              << f.topLeft() + QPointF(-depth * 0.9, -depth * 0.35);
        flapR << f.topRight() << f.topRight() + off
              << f.topRight() + off + QPointF(depth * 0.8, -depth * 0.5)
              << f.topRight() + QPointF(depth * 0.8, -depth * 0.4);
        QPainterPath lp, rp;
        lp.addPolygon(flapL);
        lp.closeSubpath();
        rp.addPolygon(flapR);
        rp.closeSubpath();
        inked(p, lp, col.lighter(112), 2);
        inked(p, rp, col.lighter(106), 2);
    } else {
        inked(p, tp, col.lighter(125), 2);
    }
    inked(p, fp, vgrad(f, col.lighter(108), col.darker(108)), 2);
    // A white band across the front, like the product stripe on retail boxes.
    const QRectF band(f.left() + 1, f.top() + f.height() * 0.32, f.width() - 2, f.height() * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRect(band);
    if (!label.isEmpty()) {
        TextStyle st;
        st.top = col.darker(150);
        st.bottom = col.darker(190);
        st.outlineWidth = 0;
        const int px = int(std::max(8.0, band.height() * 0.95));
        drawText(p, label, font(Face::Sans, px, true), band.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                 st);
    }
    p.restore();
}

void moneyBag(QPainter& p, const QPointF& c, double s, bool label) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(c);
    p.scale(s / 100.0, s / 100.0);
    QPainterPath body;
    body.moveTo(-14, -34);
    body.cubicTo(-60, -20, -56, 46, -28, 48);
    body.lineTo(28, 48);
    body.cubicTo(56, 46, 60, -20, 14, -34);
    body.closeSubpath();
    QRadialGradient g(QPointF(-14, 0), 70);
    g.setColorAt(0, QColor(0xe8, 0xbd, 0x7c));
    g.setColorAt(1, QColor(0xb0, 0x78, 0x3e));
    inked(p, body, g, 3);
    QPainterPath frill;
    frill.moveTo(-14, -34);
    frill.lineTo(-24, -50);
    frill.lineTo(-10, -44);
    frill.lineTo(0, -54);
    frill.lineTo(10, -44);
    frill.lineTo(24, -50);
    frill.lineTo(14, -34);
    frill.closeSubpath();
    inked(p, frill, QColor(0xd8, 0xa4, 0x62), 3);
    inkedRect(p, QRectF(-17, -38, 34, 8), QColor(0xd9, 0x2b, 0x2b), 3, 3);
    // Coin emblem
    inkedEllipse(p, QPointF(0, 10), 19, 19, QColor(0xff, 0xd2, 0x3a), 3);
    p.setPen(QPen(QColor(0xc8, 0x8a, 0x10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 10), 14, 14);
    TextStyle st = inkText(QColor(0xb0, 0x6a, 0x00), 0);
    drawText(p, QStringLiteral("G"), font(Face::Sans, 24, true), QRectF(-14, -4, 28, 28),
             Qt::AlignCenter, st);
    if (label) {
        TextStyle lt;
        lt.top = QColor(0xff, 0xf4, 0x9a);
        lt.bottom = QColor(0xff, 0xb0, 0x20);
        lt.outlineWidth = 3;
        drawText(p, QStringLiteral("50000G"), font(Face::Sans, 22, true), QRectF(-50, 30, 100, 26),
                 Qt::AlignCenter, lt);
    }
    p.restore();
}

} // namespace art
