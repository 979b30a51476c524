// The flip-book's last scenes: carrying the boxes home at sunset, and his
// apartment at dusk and at night.
#include "ending.h"

#include <QtMath>

namespace art {

// ------------------------------------------------------------ walking home
namespace {

void sunsetSky(QPainter& p, double sunY) {
    QLinearGradient g(0, 0, 0, 300);
    g.setColorAt(0, QColor(0x6a, 0x58, 0xb0));
    g.setColorAt(0.55, QColor(0xff, 0x8a, 0x6a));
    g.setColorAt(1, QColor(0xff, 0xd8, 0x80));
    p.fillRect(kFull, g);
    glow(p, QPointF(392, sunY), 110, QColor(255, 240, 180, 160));
    inkedEllipse(p, QPointF(392, sunY), 36, 36, QColor(0xff, 0xf0, 0xb0), 0);
}

void sunsetStreet(QPainter& p, double sunY, int birds) {
    sunsetSky(p, sunY);
    townRow(p, 304, 140, 44, QColor(0xc0, 0x50, 0x60), 0.45);
    // Wires between the poles
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3a, 0x28, 0x38), 1.3));
    p.setBrush(Qt::NoBrush);
    for (int w = 0; w < 2; ++w) {
        const double y = 136 + w * 22;
        QPainterPath wire;
        wire.moveTo(-10, y + 20);
        wire.quadTo(30, y + 34, 82, y);
        wire.quadTo(230, y + 40, 378, y);
        wire.quadTo(460, y + 26, 530, y + 12);
        p.drawPath(wire);
    }
    powerPole(p, 82, 312, QColor(0x9a, 0x86, 0x86));
    powerPole(p, 378, 312, QColor(0x9a, 0x86, 0x86));
    // Road
    const QRectF road(0, 306, kSceneW, kSceneH - 306);
    p.fillRect(road, vgrad(road, QColor(0x8a, 0x70, 0x7a), QColor(0x6a, 0x58, 0x68)));
    p.fillRect(QRectF(0, 304, kSceneW, 6), QColor(0xc8, 0xa8, 0xa0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xe0, 0xd0));
    for (int d = 0; d < 8; ++d)
        p.drawRect(QRectF(d * 72 - 10, 364, 40, 5));
    // Crows heading home, drifting across a little each frame.
    p.setPen(QPen(QColor(0x3a, 0x28, 0x38), 2, Qt::SolidLine, Qt::RoundCap));
    for (int b = 0; b < 3; ++b) {
        const QPointF c(140 + b * 40 + birds * 9, 70 + b * 14 - birds * 2);
        const double flap = ((birds + b) % 2) ? 5 : -2;
        QPainterPath v;
        v.moveTo(c + QPointF(-7, -flap));
        v.quadTo(c + QPointF(-3, -2), c);
        v.quadTo(c + QPointF(3, -2), c + QPointF(7, -flap));
        p.drawPath(v);
    }
}

// The stack he carries, in his own coordinates, wobbling a little.
void carriedStack(QPainter& p, double wobble) {
    p.save();
    p.translate(52, 10);
    p.rotate(wobble);
    p.translate(-52, -10);
    box3d(p, QRectF(16, -40, 74, 50), 12, QColor(0x50, 0x56, 0x66), say(u"ケース", u"CASE"));
    p.translate(wobble * 0.6, 0);
    box3d(p, QRectF(22, -62, 64, 22), 10, QColor(0xe0, 0x3a, 0x3a), QStringLiteral("M/B"));
    p.translate(wobble * 0.8, 0);
    box3d(p, QRectF(32, -90, 34, 28), 8, QColor(0x2a, 0x6a, 0xe0), QStringLiteral("CPU"));
    box3d(p, QRectF(66, -82, 24, 20), 6, QColor(0x2a, 0xa8, 0x5a), say(u"メモリ", u"RAM"));
    p.restore();
}

Pose carryPose(Pose pose, double wobble) {
    pose.armFront = reachArm(pose, true, QPointF(26, -6));
    pose.armBack = reachArm(pose, false, QPointF(24, -8));
    pose.lean = -3;
    pose.held = [wobble](QPainter& p) { carriedStack(p, wobble); };
    return pose;
}

} // namespace

void walkHomeFrame(QPainter& p, int k) {
    sunsetStreet(p, 168 + 8 * k, k);
    const double wobble = (k % 2 ? 3.0 : -2.0);
    Pose pose = carryPose(walkPose((18 + k) * kStep), wobble);
    pose.expr = Expr::Grin;
    pose.sweat = k % 2 == 1;
    const double x = 104 + 40 * k;
    // Long evening shadow stretching behind him.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x18, 0x30, 60));
    p.drawEllipse(QPointF(x - 60, 352), 80, 8);
    p.restore();
    drawHeroAt(p, pose, x, 350, kWalkScale);
    if (k == 2 || k == 3) {
        TextStyle st;
        st.top = Qt::white;
        st.bottom = QColor(0xff, 0xe8, 0xc0);
        st.outlineWidth = 2.5;
        drawText(p, say(u"よいしょ", u"Heave-ho"), font(Face::Round, 17, true),
                 QRectF(x - 96, 190, 90, 26), Qt::AlignCenter, st);
    }
}

// ------------------------------------------------------------ his apartment
namespace {

void apartment(QPainter& p, bool night, double doorOpen) {
    const QColor wall = night ? QColor(0x7a, 0x7a, 0x9a) : QColor(0xe8, 0xc8, 0xb0);
    const QRectF b(150, 120, 380, 190);
    inkedRect(p, b, wall, 0, 2.5);
    inkedRect(p, QRectF(142, 110, 396, 12),
              night ? QColor(0x4a, 0x4a, 0x6a) : QColor(0x8a, 0x5a, 0x4a), 0, 2.5);
    // Upper corridor rail
    inkedRect(p, QRectF(150, 200, 380, 10),
              night ? QColor(0x5a, 0x5a, 0x78) : QColor(0xb0, 0x8a, 0x7a), 0, 2);
    p.setPen(QPen(kInk, 1.6));
    for (double x = 156; x < 530; x += 12)
        p.drawLine(QPointF(x, 176), QPointF(x, 200));
    p.drawLine(QPointF(150, 176), QPointF(530, 176));
    // Upstairs doors and windows
    for (double x : {200.0, 330.0, 460.0}) {
        inkedRect(p, QRectF(x, 130, 34, 44),
                  night ? QColor(0x5a, 0x60, 0x80) : QColor(0xc0, 0x8a, 0x6a), 0, 2);
        const bool lit = night && x > 400;
        inkedRect(p, QRectF(x + 48, 136, 44, 30),
                  lit ? QColor(0xff, 0xd8, 0x8a)
                      : (night ? QColor(0x3a, 0x40, 0x60) : QColor(0xb0, 0xd8, 0xf0)),
                  0, 2);
    }
    // Name plate: "Kobu-so", a cheap wooden apartment.
    inkedRect(p, QRectF(160, 214, 62, 22), QColor(0xf4, 0xe8, 0xc8), 2, 2);
    drawText(p, say(u"コブ荘", u"Kobu Manor"), font(Face::Mincho, 15, true),
             QRectF(162, 215, 58, 20), Qt::AlignCenter, inkText(kInk, 0));
    // External stairs on the left
    p.setPen(QPen(night ? QColor(0x5a, 0x5a, 0x78) : QColor(0x9a, 0x6a, 0x5a), 5));
    p.drawLine(QPointF(150, 206), QPointF(70, 310));
    p.setPen(QPen(kInk, 1.5));
    for (int s = 0; s < 9; ++s) {
        const double t = s / 9.0;
        const QPointF a = QPointF(150, 206) * (1 - t) + QPointF(70, 310) * t;
        p.drawLine(a, a + QPointF(-14, 0));
    }

    // Ground-floor: his door and his window.
    const QRectF door(300, 232, 44, 78);
    if (doorOpen > 0) {
        inkedRect(p, door, QColor(0xff, 0xe0, 0x90), 0, 2.5);
        glow(p, door.center(), 60, QColor(255, 220, 140, 110));
        QPolygonF leaf;
        leaf << door.topRight() << door.topRight() + QPointF(16 * doorOpen, 6)
             << door.bottomRight() + QPointF(16 * doorOpen, 2) << door.bottomRight();
        QPainterPath lp;
        lp.addPolygon(leaf);
        lp.closeSubpath();
        inked(p, lp, QColor(0x9a, 0x6a, 0x4a), 2.5);
    } else {
        inkedRect(p, door, QColor(0x9a, 0x6a, 0x4a), 0, 2.5);
        inkedEllipse(p, QPointF(door.right() - 8, door.center().y()), 2.5, 2.5,
                     QColor(0xe0, 0xc0, 0x60), 1.2);
    }
    inkedRect(p, QRectF(door.left() + 12, door.top() - 14, 20, 10), Qt::white, 1, 1.5);
    drawText(p, QStringLiteral("101"), font(Face::Sans, 9, true),
             QRectF(door.left() + 12, door.top() - 14, 20, 10), Qt::AlignCenter, inkText(kInk, 0));

    const QRectF win(370, 236, 96, 56);
    if (night) {
        // He is inside at the new computer: a glowing window with his
        // silhouette, spiky hair and headband tails included.
        inkedRect(p, win, QColor(0x9c, 0xd8, 0xff), 0, 2.5);
        glow(p, win.center(), 90, QColor(140, 210, 255, 90));
        p.save();
        p.setClipRect(win);
        p.fillRect(win, vgrad(win, QColor(0xc8, 0xf0, 0xff), QColor(0x80, 0xc0, 0xf0)));
        Pose s = standPose();
        s.hideLegs = true;
        s.armFront = {80, 10};
        s.armBack = {80, 10};
        Look shadow = heroLook();
        shadow.skin = shadow.hair = shadow.top = shadow.trim = shadow.pants = shadow.belt =
            shadow.shoes = QColor(0x30, 0x3a, 0x60);
        drawCharacter(p, shadow, s, QPointF(396, 300), 0.46);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x3a, 0x60));
        p.drawRect(QRectF(430, 262, 30, 22));
        p.drawRect(QRectF(442, 284, 6, 10));
        p.restore();
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(win);
        p.setPen(QPen(QColor(0xe0, 0xe0, 0xe8), 3));
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    } else {
        inkedRect(p, win, QColor(0xa8, 0xc8, 0xe0), 0, 2.5);
        p.setPen(QPen(QColor(255, 255, 255, 150), 3));
        p.drawLine(win.topLeft() + QPointF(8, 40), win.topLeft() + QPointF(30, 8));
        p.setPen(QPen(kInk, 2.5));
        p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    }
    // Potted plant and a mailbox by the door.
    inkedRect(p, QRectF(348, 282, 16, 28),
              night ? QColor(0x8a, 0x4a, 0x4a) : QColor(0xd8, 0x4a, 0x3a), 2, 2);
    inkedEllipse(p, QPointF(486, 292), 14, 14,
                 night ? QColor(0x3a, 0x6a, 0x4a) : QColor(0x5c, 0xb8, 0x5a), 2);
    inkedRect(p, QRectF(478, 298, 16, 14), QColor(0xb0, 0x6a, 0x40), 2, 2);
}

} // namespace

void homeDuskFrame(QPainter& p) {
    QLinearGradient g(0, 0, 0, 310);
    g.setColorAt(0, QColor(0x3a, 0x3a, 0x88));
    g.setColorAt(0.6, QColor(0xb0, 0x68, 0x9a));
    g.setColorAt(1, QColor(0xff, 0xa0, 0x70));
    p.fillRect(kFull, g);
    stars(p, QRectF(0, 0, kSceneW, 110), 14, 71);
    apartment(p, false, 1);
    // Evening tint over the building only, not the sky.
    p.fillRect(QRectF(142, 110, 396, 200), QColor(0x60, 0x30, 0x70, 40));
    paving(p, 310, QColor(0x9a, 0x88, 0x98));
    Pose pose = carryPose(walkPose(23 * kStep), 1.5);
    pose.expr = Expr::Smile;
    pose.blush = true;
    drawHeroAt(p, pose, 262, 350, kWalkScale);
    TextStyle st;
    st.top = Qt::white;
    st.bottom = QColor(0xff, 0xe8, 0xc0);
    st.outlineWidth = 2.5;
    drawText(p, say(u"ただいまー！", u"I'm home!"), font(Face::Round, 18, true),
             QRectF(112, 244, 136, 28), Qt::AlignCenter, st);
}

void homeNightFrame(QPainter& p) {
    sky(p, kFull, QColor(0x0e, 0x14, 0x3a), QColor(0x30, 0x3a, 0x7a));
    stars(p, QRectF(0, 0, kSceneW, 130), 60, 72);
    moon(p, QPointF(86, 62), 22);
    apartment(p, true, 0);
    paving(p, 310, QColor(0x4a, 0x4a, 0x6a));
    // Street lamp
    inkedRect(p, QRectF(30, 180, 6, 140), QColor(0x5a, 0x5a, 0x70), 1, 2);
    glow(p, QPointF(44, 184), 70, QColor(255, 230, 160, 120));
    inkedEllipse(p, QPointF(44, 184), 10, 7, QColor(0xff, 0xf0, 0xb0), 2);
    TextStyle st;
    st.top = QColor(0xb8, 0xf0, 0xff);
    st.bottom = QColor(0x60, 0xc0, 0xff);
    st.outlineWidth = 2;
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 22, true), QRectF(430, 200, 30, 30),
             Qt::AlignCenter, st);
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 16, true), QRectF(456, 186, 24, 24),
             Qt::AlignCenter, st);
}

} // namespace art
