// What the flip-book's street scenes share: the day sky, the paving, the
// banner flags and the hero walking with his prize.
#include "ending.h"

#include <algorithm>

namespace art {

void daySky(QPainter& p, int k) {
    sky(p, kFull, QColor(0x58, 0xb4, 0xff), QColor(0xd8, 0xf2, 0xff));
    cloud(p, QPointF(392 + 3 * k, 58), 1.0);
    cloud(p, QPointF(478 + 2 * k, 118), 0.7);
    cloud(p, QPointF(246 + 3 * k, 40), 0.55);
    cloud(p, QPointF(40 + 2 * k, 70), 0.6);
}

void paving(QPainter& p, double top, const QColor& col) {
    const QRectF r(0, top, kSceneW, kSceneH - top);
    p.fillRect(r, vgrad(r, col.darker(104), col));
    p.setPen(QPen(col.darker(118), 1.2));
    for (int k = 1; k < 5; ++k) {
        const double y = top + (kSceneH - top) * (k * k) / 25.0;
        p.drawLine(QPointF(0, y), QPointF(kSceneW, y));
    }
    for (int k = -6; k < 16; ++k) {
        const double x0 = 256 + (k * 40 - 256) * 0.7;
        const double x1 = 256 + (k * 40 - 256) * 1.6;
        p.drawLine(QPointF(x0, top), QPointF(x1, kSceneH));
    }
}

// Nobori: the tall banner flags outside Japanese shops and events.
void nobori(QPainter& p, double x, double groundY, double h, const QColor& col, const QString& text,
            double wave) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, QRectF(x - 2, groundY - h - 10, 4, h + 10), QColor(0xe0, 0xe0, 0xe4), 1, 1.6);
    QPainterPath flag;
    const double w = 26;
    flag.moveTo(x + 2, groundY - h);
    flag.lineTo(x + 2 + w, groundY - h + wave);
    flag.quadTo(x + 2 + w + 2 * wave, groundY - h * 0.55, x + 2 + w, groundY - 28 + wave);
    flag.lineTo(x + 2, groundY - 28);
    flag.closeSubpath();
    inked(p, flag, col, 2);
    TextStyle st = inkText(Qt::white, 0);
    if (language() == Language::English) {
        // Latin letters run down the banner turned on their side, as on a
        // Western banner: stacked, a long word would shrink past reading.
        const double len = h - 36;
        p.translate(x + 2 + w / 2, groundY - h + 4 + len / 2 + wave * 0.5);
        p.rotate(90);
        drawText(p, text, font(Face::Gothic, int(w * 0.8), true),
                 QRectF(-len / 2, -(w - 2) / 2, len, w - 2), Qt::AlignCenter, st);
        p.restore();
        return;
    }
    const int n = int(text.size());
    const double cell = (h - 36) / std::max(1, n);
    for (int i = 0; i < n; ++i)
        drawText(p, text.mid(i, 1), font(Face::Gothic, int(std::min(cell, w) * 0.8), true),
                 QRectF(x + 3, groundY - h + 4 + i * cell + wave * 0.5, w - 2, cell),
                 Qt::AlignCenter, st);
    p.restore();
}

// The prize sack slung over his back; the rope goes to his front hand.
Pose sackPose(Pose pose) {
    pose.armFront = {35, 150};
    pose.heldBack = [](QPainter& p) { moneyBag(p, QPointF(-26, -50), 72, true); };
    const QPointF hand = handPos(pose, true);
    pose.held = [hand](QPainter& p) {
        p.setPen(QPen(QColor(0xb0, 0x78, 0x3e), 3, Qt::SolidLine, Qt::RoundCap));
        QPainterPath rope;
        rope.moveTo(-26, -76);
        rope.quadTo(QPointF(0, -72), hand);
        p.setBrush(Qt::NoBrush);
        p.drawPath(rope);
    };
    return pose;
}

void drawHeroAt(QPainter& p, const Pose& pose, double x, double groundY, double scale) {
    const QPointF hip = hipOnGround(pose, x, groundY, scale);
    shadowBlob(p, QPointF(x + 4, groundY), 30 * scale / 0.64);
    drawCharacter(p, heroLook(), pose, hip, scale);
}

} // namespace art
