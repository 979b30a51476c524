// The staff roll's title card: the champion on stage, lifting his prize.
#include "art.h"

#include <QRadialGradient>
#include <QtMath>

namespace art {

QImage staffTitleCard() {
    QImage img(1024, 772, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    const QRectF full(0, 0, 512, 386);
    QRadialGradient bg(QPointF(256, 200), 420);
    bg.setColorAt(0, QColor(0x8a, 0x3a, 0xc0));
    bg.setColorAt(1, QColor(0x1a, 0x0a, 0x40));
    p.fillRect(full, bg);
    p.save();
    p.setOpacity(0.22);
    burst(p, QPointF(256, 230), 500, 22, QColor(0, 0, 0, 0), QColor(0xff, 0xe0, 0x80));
    p.restore();
    // Spotlights meeting on him
    for (int s = -1; s <= 1; s += 2) {
        QPolygonF cone;
        cone << QPointF(256 + s * 230, -10) << QPointF(256 + s * 190, -10)
             << QPointF(256 - s * 20, 340) << QPointF(256 + s * 90, 340);
        QLinearGradient g(0, 0, 0, 340);
        g.setColorAt(0, QColor(255, 250, 220, 150));
        g.setColorAt(1, QColor(255, 250, 220, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(cone);
    }
    // Stage
    const QRectF stage(0, 318, 512, 68);
    p.fillRect(stage, vgrad(stage, QColor(0xa0, 0x30, 0x40), QColor(0x60, 0x10, 0x28)));
    p.setPen(QPen(QColor(0xff, 0xc8, 0x50), 2.5));
    p.drawLine(QPointF(0, 318), QPointF(512, 318));
    glow(p, QPointF(256, 336), 120, QColor(255, 240, 200, 110));
    confetti(p, full, 120, 2718, 0);

    Pose pose = standPose();
    pose.turn = 0;
    pose.expr = Expr::Joy;
    pose.blush = true;
    pose.flutter = 0.4;
    pose.armBack = {160, 20};
    pose.armFront = {150, 10};
    pose.legBack = {8, 0};
    pose.legFront = {8, 0};
    // The sack hangs from his raised fist by its neck.
    const QPointF bagAt = handPos(pose, true) + QPointF(16, 40);
    pose.held = [bagAt](QPainter& q) { moneyBag(q, bagAt, 80, true); };
    const double scale = 0.94;
    const QPointF hip = hipOnGround(pose, 236, 340, scale);
    shadowBlob(p, QPointF(236, 340), 56);
    drawCharacter(p, heroLook(), pose, hip, scale);
    for (int s = 0; s < 7; ++s) {
        const double a = -M_PI * 0.1 - s * M_PI * 0.8 / 6;
        sparkle(p, QPointF(250 + std::cos(a) * 170, 210 + std::sin(a) * 110), 9 - (s % 2) * 4,
                Qt::white);
    }

    TextStyle title;
    title.top = QColor(0xff, 0xfa, 0xc0);
    title.bottom = QColor(0xff, 0xa8, 0x10);
    title.outline = QColor(0x8a, 0x10, 0x20);
    title.outlineWidth = 5;
    title.rim = Qt::white;
    title.rimWidth = 3.5;
    title.shadow = QColor(0, 0, 0, 130);
    title.shadowOffset = QPointF(4, 5);
    title.gloss = true;
    drawText(p, say(u"優勝！", u"CHAMPION!"), font(Face::Round, 96, true), QRectF(20, 6, 472, 116),
             Qt::AlignCenter, title);

    // Ribbon banner with the prize
    QPainterPath ribbon;
    ribbon.moveTo(70, 334);
    ribbon.lineTo(442, 334);
    ribbon.lineTo(426, 354);
    ribbon.lineTo(442, 374);
    ribbon.lineTo(70, 374);
    ribbon.lineTo(86, 354);
    ribbon.closeSubpath();
    inked(p, ribbon,
          vgrad(QRectF(0, 334, 10, 40), QColor(0xff, 0x5a, 0x5a), QColor(0xc0, 0x18, 0x30)), 3);
    TextStyle prize;
    prize.top = Qt::white;
    prize.bottom = QColor(0xff, 0xf0, 0xa0);
    prize.outlineWidth = 2.5;
    prize.outline = QColor(0x60, 0x08, 0x18);
    drawText(p, say(u"賞金 50000G 獲得！", u"You won 50000 G!"), font(Face::Round, 26, true),
             QRectF(96, 334, 320, 40), Qt::AlignCenter, prize);
    return img;
}

} // namespace art
