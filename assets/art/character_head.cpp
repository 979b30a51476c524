// The characters' heads: hair, headband and face, and the expressions of
// eyes, brows and mouth.
#include "character.h"

#include <QtMath>

namespace art {

namespace {

QPolygonF lerpPoly(const QPointF* a, const QPointF* b, int n, double t) {
    QPolygonF out;
    for (int i = 0; i < n; ++i)
        out << a[i] * (1 - t) + b[i] * t;
    return out;
}

void drawEye(QPainter& p, const QPointF& c, double sx, const Pose& pose) {
    switch (pose.expr) {
    case Expr::Joy: {
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(c + QPointF(-5 * sx, 2));
        arc.quadTo(c + QPointF(0, -7), c + QPointF(5 * sx, 2));
        p.drawPath(arc);
        return;
    }
    default:
        break;
    }
    const double ry = pose.expr == Expr::Surprise ? 6.5 : (pose.sparkleEyes ? 6.5 : 5.5);
    const double rx = (pose.sparkleEyes ? 4.6 : 3.8) * sx;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(1.2 * sx, -2.2), 1.6, 1.9);
    if (pose.sparkleEyes) {
        sparkle(p, c + QPointF(-1.2 * sx, 2), 2.4, QColor(255, 255, 255, 230));
        p.setBrush(QColor(90, 160, 255, 140));
        p.drawEllipse(c + QPointF(0, 3), rx * 0.7, ry * 0.35);
    }
}

} // namespace

void drawHead(QPainter& p, const Look& look, const Pose& pose) {
    const double t = pose.turn;
    const QPointF fc(3 * t, 3);

    // Headband tails stream behind the head, drawn first so the head covers
    // where they are tied.
    if (look.headband) {
        const double w = pose.flutter * 2 * M_PI;
        for (int k = 0; k < 2; ++k) {
            QPainterPath tail;
            const QPointF start(-20, -10 + k * 3);
            tail.moveTo(start);
            const double dy = 4 + k * 9;
            tail.cubicTo(start + QPointF(-12, -4 + 5 * std::sin(w + k)),
                         start + QPointF(-22, dy - 6 * std::sin(w + 1.3 + k)),
                         start + QPointF(-34 + k * 4, dy + 4 * std::sin(w + 2.2 + k)));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 6.5 + 2 * kLine, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
            p.setPen(QPen(QColor(0xd9, 0x2b, 0x2b), 6.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
        }
    }

    QPainterPath back;
    back.addEllipse(QPointF(-7 * t, -3), 27, 27);
    QPainterPath face;
    face.addEllipse(fc, 25, 25.5);
    inked(p, back, look.hair, kLine);
    inked(p, face, look.skin, kLine);

    // Ears
    auto ear = [&](const QPointF& c) {
        inkedEllipse(p, c, 4.8, 6.5, look.skin, kLine);
        p.setPen(QPen(look.skin.darker(125), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 2, c.y() - 3, 4, 6), 90 * 16, 180 * 16);
    };
    if (t < 0.5) {
        ear(QPointF(-25, 3));
        ear(QPointF(25, 3));
    } else {
        ear(QPointF(-15 * t, 6));
    }

    // Hair cap: spikes that sweep back when he turns, cut off at the hairline.
    static const QPointF spikyFront[] = {{-27, -8},  {-41, -22}, {-26, -30}, {-33, -50},
                                         {-12, -38}, {0, -61},   {12, -38},  {33, -50},
                                         {26, -30},  {41, -22},  {27, -8}};
    static const QPointF spikyTurned[] = {{-29, -4},  {-46, -16}, {-30, -27}, {-40, -46},
                                          {-17, -39}, {-11, -62}, {4, -39},   {23, -55},
                                          {18, -33},  {37, -27},  {28, -8}};
    static const QPointF neatFront[] = {{-27, -2}, {-28, -18}, {-22, -28}, {-14, -33},
                                        {-6, -35}, {0, -35},   {6, -35},   {14, -33},
                                        {22, -28}, {28, -18},  {27, -2}};
    static const QPointF neatTurned[] = {{-31, 0},  {-32, -16}, {-26, -27}, {-18, -33},
                                         {-8, -35}, {0, -35},   {8, -34},   {16, -31},
                                         {23, -25}, {28, -16},  {28, -4}};
    QPolygonF cap = look.spiky ? lerpPoly(spikyFront, spikyTurned, 11, t)
                               : lerpPoly(neatFront, neatTurned, 11, t);
    cap << QPointF(cap.last().x(), 2) << QPointF(cap.first().x(), 2);
    QPainterPath capPath;
    capPath.addPolygon(cap);
    capPath.closeSubpath();
    QPainterPath dome;
    dome.addEllipse(QPointF(-3 * t, -12), 28.5, 22);
    capPath = capPath.united(dome);
    const double hairline = look.headband ? -7 : (look.spiky ? -8 : -9);
    QPainterPath keep;
    keep.addRect(QRectF(-80, -120, 160, 120 + hairline));
    if (!look.headband) {
        // A neat cut hangs lower at the side and back.
        keep.addRect(QRectF(-80, -20, 50 - 8 * t, 30));
    }
    capPath = capPath.intersected(keep.simplified());
    inked(p, capPath, look.hair, kLine);
    // A couple of shine strokes give the black hair some volume.
    p.setPen(QPen(QColor(255, 255, 255, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-14 - 4 * t, -34, 24, 16), 40 * 16, 80 * 16);

    if (look.headband) {
        QPainterPath band;
        band.addRect(QRectF(-40, -16, 80, 10));
        QPainterPath head = back.united(face);
        QPainterPath bandShape = band.intersected(head);
        inked(p, bandShape, QColor(0xd9, 0x2b, 0x2b), kLine);
        p.setPen(QPen(QColor(0xff, 0x80, 0x70), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-12, -13.5), QPointF(16 + 6 * t, -13.5));
        if (t >= 0.5)
            inkedEllipse(p, QPointF(-25, -11), 5, 5.5, QColor(0xd9, 0x2b, 0x2b), kLine);
    }

    // Face
    const QPointF eL(fc.x() - 10 + 9 * t, fc.y() - 1);
    const QPointF eR(fc.x() + 10 + 5 * t, fc.y() - 1);
    const double farScale = 1 - 0.15 * t;
    drawEye(p, eL, farScale, pose);
    drawEye(p, eR, 1, pose);

    // Eyebrows say most of the mood.
    auto brow = [&](const QPointF& e, double side) {
        double inner = 0, outer = 0, lift = 0;
        switch (pose.expr) {
        case Expr::Focus:
            inner = 3;
            outer = -1.5;
            break;
        case Expr::Surprise:
            lift = -3.5;
            inner = -1;
            break;
        case Expr::Joy:
            lift = -2;
            inner = -1;
            outer = 1;
            break;
        default:
            break;
        }
        const QPointF a = e + QPointF(-5 * side, -10 + lift + inner);
        const QPointF b = e + QPointF(5 * side, -10 + lift + outer);
        p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    // "side" flips so the inner end is always toward the nose.
    brow(eL, -1);
    brow(eR, 1);
    if (pose.expr == Expr::Wink) {
        // Cover the far eye with a closed lid line.
        inkedEllipse(p, eL, 5, 7, look.skin, 0);
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eL + QPointF(-4, 1), eL + QPointF(4, 0));
    }

    if (look.glasses) {
        p.setBrush(QColor(255, 255, 255, 50));
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(eL, 7.5 * farScale, 6.5);
        p.drawEllipse(eR, 7.5, 6.5);
        p.drawLine(eL + QPointF(7.5 * farScale, -1), eR + QPointF(-7.5, -1));
    }

    // Nose
    p.setPen(QPen(look.skin.darker(135), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (t >= 0.5)
        p.drawArc(QRectF(fc.x() + 17, fc.y() + 2, 6, 6), -60 * 16, 150 * 16);
    else
        p.drawArc(QRectF(fc.x() - 2, fc.y() + 4, 4, 4), 200 * 16, 140 * 16);

    if (pose.blush || pose.expr == Expr::Joy) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 110, 120, 90));
        p.drawEllipse(eL + QPointF(-3, 10), 5 * farScale, 3);
        p.drawEllipse(eR + QPointF(3, 10), 5, 3);
    }

    const QPointF m(fc.x() + 6 * t, fc.y() + 13);
    switch (pose.expr) {
    case Expr::Smile:
    case Expr::Wink: {
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath smile;
        smile.moveTo(m + QPointF(-6, -2));
        smile.quadTo(m + QPointF(0, 5), m + QPointF(7, -3));
        p.drawPath(smile);
        break;
    }
    case Expr::Grin:
    case Expr::Joy: {
        const double open = pose.expr == Expr::Joy ? 11 : 8;
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-8, -3));
        mouth.lineTo(m + QPointF(9, -4));
        mouth.quadTo(m + QPointF(8, open), m + QPointF(0, open));
        mouth.quadTo(m + QPointF(-8, open), m + QPointF(-8, -3));
        inked(p, mouth, QColor(0x9c, 0x2a, 0x3a), 2);
        p.save();
        p.setClipPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(m.x() - 9, m.y() - 5, 19, 4.5));
        p.setBrush(QColor(0xff, 0x86, 0x8e));
        p.drawEllipse(m + QPointF(1, open), 6, 4);
        p.restore();
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
        break;
    }
    case Expr::Surprise:
        inkedEllipse(p, m + QPointF(0, 1), 4, 5, QColor(0x9c, 0x2a, 0x3a), 2);
        break;
    case Expr::Focus: {
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(m + QPointF(-5, 0), m + QPointF(5, -1));
        // Tongue poking out at the corner: concentration.
        inkedEllipse(p, m + QPointF(6, 2), 2.6, 2.6, QColor(0xff, 0x86, 0x8e), 1.5);
        break;
    }
    }

    if (pose.sweat) {
        QPainterPath drop;
        const QPointF d(-22 + 4 * t, -2);
        drop.moveTo(d + QPointF(0, -8));
        drop.cubicTo(d + QPointF(5, 0), d + QPointF(5, 6), d + QPointF(0, 6));
        drop.cubicTo(d + QPointF(-5, 6), d + QPointF(-5, 0), d + QPointF(0, -8));
        inked(p, drop, QColor(0x9c, 0xd8, 0xff), 1.8);
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(d + QPointF(-1.5, 0), d + QPointF(-1.5, 3));
    }
}

} // namespace art
