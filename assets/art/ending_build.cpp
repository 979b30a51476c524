// The stills after the flip-book: unpacking the parts, assembling the new
// computer, switching it on, and playing on it.
#include "ending.h"

#include <QtMath>

namespace art {

void unpacking(QPainter& p) {
    roomInterior(p, false, 250);
    brokenPc(p, QPointF(480, 252), 0.75);
    // Open boxes and packing scattered on the floor
    box3d(p, QRectF(318, 262, 74, 50), 14, QColor(0x50, 0x56, 0x66), say(u"ケース", u"CASE"), true);
    box3d(p, QRectF(40, 300, 64, 36), 12, QColor(0xe0, 0x3a, 0x3a), QStringLiteral("M/B"), true);
    box3d(p, QRectF(410, 318, 40, 30), 9, QColor(0x2a, 0x6a, 0xe0), QStringLiteral("CPU"), true);
    Rng rng(19);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(rng.range(20, 500), rng.range(300, 380));
        p.save();
        p.translate(c);
        p.rotate(rng.range(0, 180));
        inkedEllipse(p, QPointF(0, 0), 5, 2.6, QColor(0xff, 0xfa, 0xee), 1.2);
        p.restore();
    }
    ramStick(p, QRectF(120, 352, 56, 12));
    p.save();
    p.translate(330, 356);
    p.rotate(-12);
    ramStick(p, QRectF(-26, -6, 52, 12));
    p.restore();
    cpuChip(p, QRectF(376, 340, 26, 26));

    Pose pose = standPose();
    pose.legFront = {85, 85};
    pose.legBack = {0, 90};
    pose.expr = Expr::Joy;
    pose.blush = true;
    pose.flutter = 0.2;
    const QRectF board(30, -108, 54, 44);
    pose.armFront = reachArm(pose, true, QPointF(68, -66));
    pose.armBack = reachArm(pose, false, QPointF(34, -68));
    pose.held = [board](QPainter& q) { motherboard(q, board); };
    const double scale = 0.92;
    const QPointF hip = hipOnGround(pose, 200, 346, scale);
    shadowBlob(p, QPointF(214, 346), 50);
    drawCharacter(p, heroLook(), pose, hip, scale);
    for (int s = 0; s < 6; ++s) {
        const double a = s * M_PI / 3 + 0.3;
        sparkle(p, QPointF(262 + std::cos(a) * 64, 216 + std::sin(a) * 48), 8 - (s % 2) * 3,
                QColor(0xff, 0xf0, 0x70));
    }
    TextStyle st;
    st.top = QColor(0xff, 0xf4, 0x70);
    st.bottom = QColor(0xff, 0x90, 0x20);
    st.outlineWidth = 3;
    drawText(p, say(u"ピカピカだ…！", u"So shiny…!"), font(Face::Round, 24, true),
             QRectF(240, 150, 200, 36), Qt::AlignCenter, st);
}

namespace {

void deskFront(QPainter& p, double top, double left = -6) {
    const QRectF slab(left, top, kSceneW + 6 - left, 12);
    inkedRect(p, slab, vgrad(slab, QColor(0xe0, 0xb0, 0x78), QColor(0xb8, 0x84, 0x50)), 0, 2.5);
    const QRectF face(left, top + 12, kSceneW + 6 - left, kSceneH - top);
    inkedRect(p, face, vgrad(face, QColor(0xb0, 0x7a, 0x48), QColor(0x8a, 0x5a, 0x34)), 0, 2.5);
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x28), 1.4));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(left + 2, top + 30 + k * 20),
                   QPointF(kSceneW, top + 30 + k * 20 + (k % 2) * 4));
}

} // namespace

void assembling(QPainter& p) {
    roomInterior(p, false, 300);
    // Desk lamp pooling light on the work.
    glow(p, QPointF(330, 180), 200, QColor(255, 240, 190, 120));
    const double deskTop = 272;
    pcTower(p, QRectF(248, 86, 158, 188), true, false);
    // Lamp
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(470, 270), QPointF(450, 150));
    p.drawLine(QPointF(450, 150), QPointF(410, 118));
    QPainterPath shade;
    shade.moveTo(398, 104);
    shade.lineTo(426, 122);
    shade.lineTo(406, 142);
    shade.closeSubpath();
    inked(p, shade, QColor(0x3a, 0xa0, 0xe0), 2.5);
    inkedRect(p, QRectF(452, 262, 40, 10), QColor(0x3a, 0xa0, 0xe0), 3, 2);

    Pose pose = standPose();
    pose.hideLegs = true;
    pose.lean = 10;
    pose.expr = Expr::Focus;
    pose.sweat = true;
    pose.flutter = 0.6;
    const double scale = 0.98;
    const QPointF hip(186, 278);
    // Hand just inside the case, screwdriver angled at a screw on the board.
    const QPointF target = QPointF((262 - hip.x()) / scale, (196 - hip.y()) / scale);
    QTransform unlean;
    unlean.rotate(-pose.lean);
    const QPointF local = unlean.map(target);
    pose.armFront = reachArm(pose, true, local);
    pose.armBack = reachArm(pose, false, local + QPointF(-20, 24));
    pose.held = [local](QPainter& q) { screwdriver(q, local, -22, 1.1); };
    drawCharacter(p, heroLook(), pose, hip, scale);
    deskFront(p, deskTop);

    // Screws, the manual and a spare memory stick on the desk.
    for (int s = 0; s < 5; ++s)
        inkedEllipse(p, QPointF(70 + s * 13, 296 + (s % 2) * 6), 3.5, 2.2, QColor(0xc8, 0xcc, 0xd4),
                     1.2);
    QPolygonF book;
    book << QPointF(330, 290) << QPointF(410, 284) << QPointF(420, 306) << QPointF(338, 314);
    QPainterPath bp;
    bp.addPolygon(book);
    bp.closeSubpath();
    inked(p, bp, Qt::white, 2);
    drawText(p, say(u"説明書", u"MANUAL"), font(Face::Gothic, 13, true), QRectF(344, 288, 66, 20),
             Qt::AlignCenter, inkText(QColor(0x2a, 0x50, 0xa0), 0));
    ramStick(p, QRectF(430, 292, 56, 12));

    TextStyle st;
    st.top = QColor(0xff, 0xf8, 0xc0);
    st.bottom = QColor(0xff, 0xc0, 0x40);
    st.outlineWidth = 2.5;
    p.save();
    p.translate(418, 62);
    p.rotate(-10);
    drawText(p, say(u"キュッ キュッ", u"Squeak squeak"), font(Face::Round, 22, true),
             QRectF(-80, -16, 160, 32), Qt::AlignCenter, st);
    p.restore();
}

void powerOn(QPainter& p) {
    roomInterior(p, true, 300);
    p.fillRect(kFull, QColor(0x08, 0x0c, 0x24, 150));
    const QRectF screen(246, 104, 176, 118);
    // Rays from the screen lighting the dark room
    p.save();
    p.setOpacity(0.35);
    burst(p, screen.center(), 330, 18, QColor(0, 0, 0, 0), QColor(0xa0, 0xe8, 0xff));
    p.restore();
    glow(p, screen.center(), 220, QColor(0x80, 0xd8, 0xff, 140));
    deskFront(p, 268, 226);
    monitor(p, screen, [](QPainter& q, const QRectF& r) {
        q.fillRect(r, vgrad(r, QColor(0xe8, 0xfa, 0xff), QColor(0x80, 0xd0, 0xff)));
        burst(q, r.center(), r.width(), 16, QColor(0, 0, 0, 0), QColor(255, 255, 255, 120));
        TextStyle st;
        st.top = QColor(0x30, 0x80, 0xe0);
        st.bottom = QColor(0x10, 0x40, 0xa0);
        st.outlineWidth = 2.5;
        st.outline = Qt::white;
        drawText(q, QStringLiteral("WELCOME!"), font(Face::Sans, 30, true, true),
                 QRectF(r.left(), r.top() + 18, r.width(), 44), Qt::AlignCenter, st);
        // Boot progress bar, full.
        const QRectF bar(r.left() + 24, r.bottom() - 34, r.width() - 48, 12);
        inkedRect(q, bar, QColor(0x20, 0x40, 0x70), 6, 1.5);
        inkedRect(q, bar.adjusted(2, 2, -2, -2), QColor(0x60, 0xf0, 0x90), 4, 0);
    });
    keyboard(p, QRectF(258, 272, 150, 20));
    pcTower(p, QRectF(444, 146, 56, 124), false, true);

    Pose pose = standPose();
    pose.expr = Expr::Surprise;
    pose.sparkleEyes = true;
    pose.armFront = {40, 100};
    pose.armBack = {30, 110};
    pose.flutter = 0.1;
    pose.lean = -6;
    const QPointF hip(150, 316);
    drawCharacter(p, heroLook(), pose, hip, 0.98);
    // The screen's light on his face
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    glow(p, QPointF(176, 216), 60, QColor(0x20, 0x40, 0x60, 140));
    p.restore();

    TextStyle st;
    st.top = QColor(0xff, 0xff, 0xff);
    st.bottom = QColor(0xa0, 0xf0, 0xff);
    st.outlineWidth = 3;
    st.outline = QColor(0x10, 0x30, 0x70);
    p.save();
    p.translate(350, 60);
    p.rotate(-6);
    drawText(p, say(u"ピコーン！", u"Bing!"), font(Face::Round, 30, true),
             QRectF(-110, -22, 220, 44), Qt::AlignCenter, st);
    p.restore();
    drawText(p, say(u"ポチッ", u"Click"), font(Face::Round, 16, true), QRectF(436, 118, 70, 24),
             Qt::AlignCenter, st);
}

void delighted(QPainter& p) {
    burst(p, QPointF(256, 210), 480, 24, QColor(0xff, 0xd8, 0x4a), QColor(0xff, 0xb0, 0x30), 0.5);
    glow(p, QPointF(256, 210), 200, QColor(255, 255, 230, 200));
    confetti(p, kFull, 90, 33, 40);

    // The new computer, proudly on the side.
    monitor(p, QRectF(378, 226, 84, 56), [](QPainter& q, const QRectF& r) { screenGame(q, r, 2); });
    pcTower(p, QRectF(470, 218, 34, 80), false, true);
    inkedRect(p, QRectF(360, 306, 160, 10), QColor(0xc0, 0x8a, 0x58), 2, 2);

    Pose pose = standPose();
    pose.turn = 0;
    pose.armBack = {155, 20};
    pose.armFront = {155, 20};
    pose.legBack = {30, 70};
    pose.legFront = {30, 70};
    pose.expr = Expr::Joy;
    pose.flutter = 0.35;
    shadowBlob(p, QPointF(236, 356), 40, 0.18);
    drawCharacter(p, heroLook(), pose, QPointF(236, 262), 0.98);
    for (int s = 0; s < 8; ++s) {
        const double a = s * M_PI / 4;
        sparkle(p, QPointF(236 + std::cos(a) * 150, 210 + std::sin(a) * 120), 10 - (s % 2) * 4,
                Qt::white);
    }
    TextStyle st;
    st.top = QColor(0xff, 0x6a, 0x5a);
    st.bottom = QColor(0xd0, 0x10, 0x30);
    st.outlineWidth = 4;
    st.rim = Qt::white;
    st.rimWidth = 3;
    st.shadow = QColor(0x80, 0x30, 0x00, 120);
    st.shadowOffset = QPointF(3, 4);
    st.gloss = true;
    drawText(p, say(u"やったー！", u"Hooray!"), font(Face::Round, 64, true), QRectF(40, 8, 432, 86),
             Qt::AlignCenter, st);
}

void playing(QPainter& p) {
    roomInterior(p, true, 300);
    p.fillRect(kFull, QColor(0x10, 0x10, 0x30, 60));
    // Desk in side view on the right
    const QRectF top(236, 244, 300, 10);
    glow(p, QPointF(390, 170), 170, QColor(0x80, 0xd0, 0xff, 110));
    inkedRect(p, QRectF(496, 254, 12, 60), QColor(0x9a, 0x6a, 0x40), 0, 2);
    inkedRect(p, QRectF(252, 254, 12, 60), QColor(0x9a, 0x6a, 0x40), 0, 2);
    monitor(p, QRectF(318, 112, 150, 98),
            [](QPainter& q, const QRectF& r) { screenGame(q, r, 3); });
    pcTower(p, QRectF(478, 150, 44, 96), false, true);
    // Mug
    inkedRect(p, QRectF(286, 222, 18, 22), QColor(0xff, 0x8a, 0x5a), 3, 2);
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(300, 226, 10, 12), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 140), 2));
    p.drawArc(QRectF(290, 206, 8, 14), 90 * 16, 180 * 16);

    // Office chair
    inkedRect(p, QRectF(150, 270, 70, 12), QColor(0x3a, 0x4a, 0x7a), 5, 2.5);
    inkedRect(p, QRectF(120, 176, 16, 100), QColor(0x3a, 0x4a, 0x7a), 6, 2.5);
    inkedRect(p, QRectF(180, 282, 8, 28), QColor(0x5a, 0x5a, 0x66), 1, 2);
    inkedRect(p, QRectF(152, 306, 64, 6), QColor(0x5a, 0x5a, 0x66), 2, 2);

    Pose pose = standPose();
    pose.legFront = {90, 90};
    pose.legBack = {86, 92};
    pose.expr = Expr::Grin;
    pose.blush = true;
    pose.lean = 6;
    pose.flutter = 0.8;
    const double scale = 0.84;
    const QPointF hip(170, 266);
    QTransform unlean;
    unlean.rotate(-pose.lean);
    const QPointF key = unlean.map(QPointF((262 - hip.x()) / scale, (238 - hip.y()) / scale));
    pose.armFront = reachArm(pose, true, key + QPointF(8, 0));
    pose.armBack = reachArm(pose, false, key + QPointF(-4, 2));
    drawCharacter(p, heroLook(), pose, hip, scale);
    inkedRect(p, top, vgrad(top, QColor(0xe0, 0xb0, 0x78), QColor(0xb8, 0x84, 0x50)), 1, 2.5);
    keyboard(p, QRectF(244, 236, 70, 9));

    TextStyle st;
    st.top = QColor(0xff, 0xf4, 0x70);
    st.bottom = QColor(0xff, 0x9a, 0x30);
    st.outlineWidth = 2.5;
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 30, true), QRectF(196, 108, 36, 36),
             Qt::AlignCenter, st);
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 22, true), QRectF(236, 86, 30, 30),
             Qt::AlignCenter, st);
    drawText(p, say(u"楽しい！", u"So fun!"), font(Face::Round, 22, true), QRectF(30, 206, 110, 32),
             Qt::AlignCenter, st);
}

} // namespace art
