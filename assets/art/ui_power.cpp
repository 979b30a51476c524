// The power-up shop's picture: a muscle drink flexing among tumbling
// capsules.
#include "ui.h"

namespace art {

namespace {

void capsule(QPainter& p, const QPointF& c, double angle, const QColor& a, const QColor& b) {
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath whole;
    whole.addRoundedRect(QRectF(-12, -5, 24, 10), 5, 5);
    QPainterPath left;
    left.addRect(QRectF(-13, -6, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    p.drawPath(whole);
    p.setBrush(a);
    p.drawPath(whole.intersected(left));
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    p.drawLine(QPointF(0, -5), QPointF(0, 5));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, -2.2), QPointF(-3, -2.2));
    p.restore();
}

void flexArm(QPainter& p, const QPointF& shoulder, double side) {
    // A stubby arm striking a bodybuilder pose.
    const QColor skin(0xff, 0xd6, 0xae);
    const QPointF elbow = shoulder + QPointF(side * 12, 1);
    const QPointF fist = elbow + QPointF(side * 1, -11);
    QPainterPath arm;
    arm.moveTo(shoulder + QPointF(0, -3));
    arm.quadTo(shoulder + QPointF(side * 6, -10), elbow + QPointF(side * 0.5, -4));
    arm.lineTo(fist + QPointF(side * 3, 0));
    arm.lineTo(fist + QPointF(-side * 3, 0));
    arm.lineTo(elbow + QPointF(-side * 4, -2));
    arm.lineTo(shoulder + QPointF(0, 3));
    arm.closeSubpath();
    inked(p, arm, skin, 1.4);
    inkedEllipse(p, fist, 3.6, 3.6, skin, 1.4);
    p.setPen(QPen(QColor(0xd8, 0x9a, 0x70), 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(shoulder.x() + (side > 0 ? 2 : -9), shoulder.y() - 8, 7, 6), 20 * 16,
              140 * 16);
}

} // namespace

void powerPicture(QPainter& p, const QRectF& r) {
    p.save();
    p.scale(r.width() / 151.0, r.height() / 71.0);
    // Soft burst behind the bottle
    p.save();
    p.setOpacity(0.5);
    burst(p, QPointF(44, 38), 34, 12, QColor(0xff, 0xf0, 0x90, 0), QColor(0xff, 0xd0, 0x40));
    p.restore();

    // Muscle drink bottle, flexing.
    flexArm(p, QPointF(31, 38), -1);
    flexArm(p, QPointF(57, 38), 1);
    QPainterPath bottle;
    bottle.moveTo(38, 12);
    bottle.lineTo(50, 12);
    bottle.lineTo(50, 19);
    bottle.quadTo(58, 22, 58, 30);
    bottle.lineTo(58, 62);
    bottle.quadTo(58, 67, 53, 67);
    bottle.lineTo(35, 67);
    bottle.quadTo(30, 67, 30, 62);
    bottle.lineTo(30, 30);
    bottle.quadTo(30, 22, 38, 19);
    bottle.closeSubpath();
    QLinearGradient glass(QPointF(30, 0), QPointF(58, 0));
    glass.setColorAt(0, QColor(0xff, 0x9a, 0x20));
    glass.setColorAt(0.35, QColor(0xff, 0xd0, 0x50));
    glass.setColorAt(1, QColor(0xe0, 0x6a, 0x10));
    inked(p, bottle, glass, 1.6);
    inkedRect(p, QRectF(36.5, 5, 15, 8),
              vgrad(QRectF(36, 5, 15, 8), QColor(0xff, 0x5a, 0x4a), QColor(0xc0, 0x20, 0x20)), 2,
              1.6);
    p.setPen(QPen(QColor(0x90, 0x10, 0x10), 0.8));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(38.5 + k * 2.6, 6.5), QPointF(38.5 + k * 2.6, 11.5));
    const QRectF label(30.8, 34, 26.4, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(label);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(label.topLeft(), label.topRight());
    p.drawLine(label.bottomLeft(), label.bottomRight());
    drawText(p, QStringLiteral("MUSCLE"), font(Face::Sans, 8, true),
             QRectF(label.left(), label.top() + 1, label.width(), 8), Qt::AlignCenter,
             inkText(QColor(0xd0, 0x20, 0x20), 0));
    // Little face on the label: the drink is proud of itself.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(40.5, 47), 1.2, 1.6);
    p.drawEllipse(QPointF(47.5, 47), 1.2, 1.6);
    QPainterPath grin;
    grin.moveTo(40, 50);
    grin.quadTo(44, 54.5, 48, 50);
    grin.closeSubpath();
    inked(p, grin, QColor(0x9c, 0x2a, 0x3a), 0.9);
    p.setPen(QPen(QColor(255, 255, 255, 190), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33.5, 28), QPointF(33.5, 32));
    p.drawLine(QPointF(33.5, 57), QPointF(33.5, 63));

    // Capsules tumbling beside it
    capsule(p, QPointF(88, 22), -24, QColor(0xf0, 0x40, 0x40), QColor(0xff, 0xfa, 0xf0));
    capsule(p, QPointF(114, 44), 32, QColor(0x3a, 0x86, 0xf0), QColor(0xff, 0xe0, 0x50));
    capsule(p, QPointF(86, 52), 8, QColor(0x40, 0xc0, 0x60), QColor(0xff, 0xfa, 0xf0));
    capsule(p, QPointF(132, 20), -48, QColor(0xc0, 0x60, 0xf0), QColor(0xff, 0xb0, 0xd8));
    capsule(p, QPointF(138, 56), 70, QColor(0xff, 0x9a, 0x20), QColor(0xff, 0xfa, 0xf0));
    sparkle(p, QPointF(104, 12), 4, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(122, 64), 3.5, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(16, 18), 4, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(70, 64), 3, QColor(0xff, 0xe0, 0x40));

    TextStyle st;
    st.top = QColor(0xff, 0xf4, 0x60);
    st.bottom = QColor(0xff, 0x6a, 0x20);
    st.outlineWidth = 1.8;
    st.rim = Qt::white;
    st.rimWidth = 1;
    p.save();
    p.translate(104, 33);
    p.rotate(-10);
    drawText(p, say(u"ムキッ！", u"FLEX!"), font(Face::Round, 15, true), QRectF(-22, -10, 44, 20),
             Qt::AlignCenter, st);
    p.restore();
    p.restore();
}

} // namespace art
