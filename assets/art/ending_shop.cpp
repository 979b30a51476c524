// The flip-book's first scenes: leaving the tournament hall with the prize,
// the parts shop's front, and buying the parts inside.
#include "ending.h"

#include <QtMath>

#include <algorithm>

namespace art {

// ------------------------------------------------------------ tournament hall
void hallFrame(QPainter& p, int k) {
    daySky(p, k);
    // Trees behind the plaza
    p.setPen(Qt::NoPen);
    for (int t = 0; t < 7; ++t) {
        const double x = 300 + t * 36;
        inkedEllipse(p, QPointF(x, 286 - (t % 2) * 10), 30, 34,
                     QColor(0x5c, 0xb8, 0x5a).darker(100 + (t % 3) * 8), 2);
    }
    paving(p, 298, QColor(0xe8, 0xdb, 0xbc));
    tournamentHall(p, k * kStep, false);
    nobori(p, 372, 318, 150, QColor(0xd9, 0x2b, 0x2b), say(u"祝優勝", u"CHAMPION"),
           3 * std::sin(k * 1.6));
    nobori(p, 448, 318, 150, QColor(0x2f, 0x6f, 0xd6), say(u"格闘大会", u"TOURNAMENT"),
           3 * std::sin(k * 1.6 + 1));

    Pose pose = sackPose(walkPose(k * kStep));
    pose.expr = k % 3 == 2 ? Expr::Joy : Expr::Grin;
    drawHeroAt(p, pose, 140 + 31 * k, 336, kWalkScale);
    confetti(p, kFull, 80, 5, k * 16.0);
}

// ------------------------------------------------------------ shop front
namespace {

void shopFront(QPainter& p, double doorOpen, double wave) {
    const QColor facade(0x2b, 0x62, 0xc0);
    const QRectF b(262, 112, 262, 192);
    inkedRect(p, b, vgrad(b, facade.lighter(112), facade.darker(105)), 0, 2.5);
    // Sign board
    const QRectF sign(272, 122, 236, 46);
    inkedRect(p, sign, vgrad(sign, QColor(0xff, 0xe8, 0x5a), QColor(0xff, 0xc0, 0x20)), 6, 2.5);
    TextStyle st;
    st.top = QColor(0xff, 0x50, 0x40);
    st.bottom = QColor(0xc0, 0x10, 0x20);
    st.outlineWidth = 2.5;
    st.outline = Qt::white;
    st.shadow = QColor(0, 0, 0, 70);
    drawText(p, say(u"PCパーツ館", u"PC PARTS"), font(Face::Gothic, 34, true),
             sign.adjusted(8, 2, -8, -2), Qt::AlignCenter, st);
    // Striped awning with a scalloped edge
    QPainterPath awn;
    awn.moveTo(266, 178);
    awn.lineTo(520, 178);
    awn.lineTo(528, 198);
    for (int s = 0; s < 12; ++s) {
        const double x1 = 528 - (s + 1) * 22;
        awn.quadTo(x1 + 11, 210, x1, 198);
    }
    awn.lineTo(266, 178);
    awn.closeSubpath();
    inked(p, awn, Qt::white, 2.5);
    p.save();
    p.setClipPath(awn);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x3a, 0x3a));
    for (int s = 0; s < 12; ++s)
        p.drawRect(QRectF(262 + s * 22, 170, 11, 44));
    p.restore();
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(awn);

    // Display window with a PC and a monitor in it.
    const QRectF win(382, 218, 122, 82);
    inkedRect(p, win, QColor(0xd8, 0xf0, 0xff), 0, 2.5);
    pcTower(p, QRectF(392, 240, 30, 56), false, true);
    monitor(p, QRectF(436, 236, 54, 36), [](QPainter& q, const QRectF& r) { screenGame(q, r, 1); });
    p.setPen(QPen(QColor(255, 255, 255, 170), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(388, 292), QPointF(412, 224));
    p.drawLine(QPointF(400, 294), QPointF(420, 238));
    // "Sale" sticker
    p.save();
    p.translate(486, 226);
    p.rotate(14);
    inkedEllipse(p, QPointF(0, 0), 20, 13, QColor(0xff, 0xe0, 0x30), 2);
    drawText(p, QStringLiteral("SALE"), font(Face::Sans, 12, true), QRectF(-18, -9, 36, 18),
             Qt::AlignCenter, inkText(QColor(0xe0, 0x20, 0x20), 0));
    p.restore();

    // Automatic glass door: two panels sliding apart.
    const QRectF door(288, 214, 80, 88);
    inkedRect(p, door, QColor(0xff, 0xf2, 0xc8), 0, 2.5);
    const double slide = 38 * doorOpen;
    for (int side = 0; side < 2; ++side) {
        const double x = side ? door.center().x() + slide : door.left() - slide;
        QRectF panel(x, door.top(), door.width() / 2, door.height());
        panel = panel.intersected(door);
        if (panel.width() <= 0.5)
            continue;
        inkedRect(p, panel, QColor(0xb8, 0xe4, 0xff, 210), 0, 2);
        p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(panel.topLeft() + QPointF(6, 40),
                   panel.topLeft() + QPointF(std::min(24.0, panel.width() - 4), 12));
    }
    inkedRect(p, QRectF(door.left() - 4, door.top() - 6, door.width() + 8, 6),
              QColor(0x9a, 0xa4, 0xb8), 0, 2);
    nobori(p, 252, 314, 140, QColor(0xff, 0x8a, 0x1a), say(u"特価", u"SALE"), wave);
}

} // namespace

void shopFrontFrame(QPainter& p, int k) {
    daySky(p, k + 6);
    townRow(p, 302, 20, 12, QColor(0xc0, 0xe0, 0xff), 0.25);
    powerPole(p, 60, 308, QColor(0xb8, 0xb4, 0xae));
    paving(p, 300, QColor(0xd6, 0xd6, 0xdc));
    p.fillRect(QRectF(0, 300, kSceneW, 6), QColor(0xa8, 0xa8, 0xb4));
    const double open = std::clamp((k - 2) / 2.0, 0.0, 1.0);
    shopFront(p, open, 3 * std::sin(k * 1.6));
    Pose pose = sackPose(walkPose((k + 6) * kStep));
    pose.expr = Expr::Grin;
    pose.blush = k >= 3;
    drawHeroAt(p, pose, 96 + 44 * k, 340, kWalkScale);
    if (k >= 3) {
        TextStyle st;
        st.top = QColor(0xff, 0xf0, 0x60);
        st.bottom = QColor(0xff, 0x90, 0x20);
        st.outlineWidth = 2.5;
        drawText(p, say(u"ウィーン", u"Whoosh"), font(Face::Round, 18, true),
                 QRectF(296, 186, 90, 26), Qt::AlignCenter, st);
    }
}

// ------------------------------------------------------------ inside the shop
namespace {

void shopShelves(QPainter& p) {
    const QRectF wall(0, 0, kSceneW, 292);
    p.fillRect(wall, vgrad(wall, QColor(0xfa, 0xf4, 0xe6), QColor(0xf0, 0xe4, 0xcc)));
    // Ceiling lights
    for (double x : {90.0, 256.0, 420.0}) {
        inkedRect(p, QRectF(x - 40, 0, 80, 10), QColor(0xff, 0xff, 0xf0), 2, 2);
        glow(p, QPointF(x, 10), 60, QColor(255, 255, 220, 90));
    }
    // Floor tiles in a checker
    const double top = 292;
    for (int row = 0; row < 5; ++row) {
        const double y0 = top + (kSceneH - top) * (row * row) / 25.0;
        const double y1 = top + (kSceneH - top) * ((row + 1) * (row + 1)) / 25.0;
        for (int col = -4; col < 14; ++col) {
            const double fx0 = col * 48.0;
            const double fx1 = fx0 + 48;
            auto sx = [&](double fx, double y) {
                const double t = (y - top) / (kSceneH - top);
                return 256 + (fx - 256) * (0.8 + 0.6 * t);
            };
            QPolygonF q;
            q << QPointF(sx(fx0, y0), y0) << QPointF(sx(fx1, y0), y0) << QPointF(sx(fx1, y1), y1)
              << QPointF(sx(fx0, y1), y1);
            p.setPen(Qt::NoPen);
            p.setBrush((row + col) % 2 ? QColor(0xe4, 0xe8, 0xf0) : QColor(0xc8, 0xd0, 0xdc));
            p.drawPolygon(q);
        }
    }
    inkedRect(p, QRectF(-4, 284, kSceneW + 8, 9), QColor(0x8a, 0x9a, 0xb8), 0, 2);

    // Shelves of boxed parts along the back wall
    static const QColor boxCols[] = {QColor(0x3a, 0x7a, 0xe0), QColor(0xe8, 0x4a, 0x4a),
                                     QColor(0x40, 0xb0, 0x60), QColor(0xff, 0xb0, 0x30),
                                     QColor(0x8a, 0x5a, 0xd0), QColor(0x40, 0x40, 0x50)};
    const QRectF unit(16, 56, 250, 228);
    inkedRect(p, unit, QColor(0xc8, 0x9a, 0x66), 0, 2.5);
    inkedRect(p, unit.adjusted(8, 8, -8, 0), QColor(0x9a, 0x6e, 0x44), 0, 2);
    Rng rng(2024);
    for (int s = 0; s < 3; ++s) {
        const double shelfY = 122 + s * 76;
        double x = 28;
        while (x < 246) {
            const double w = rng.range(18, 34);
            const double h = rng.range(24, 54);
            if (x + w > 252)
                break;
            box3d(p, QRectF(x, shelfY - h, w, h), 0, boxCols[rng.pick(6)], QString());
            x += w + 2;
        }
        inkedRect(p, QRectF(20, shelfY, 242, 7), QColor(0xe0, 0xb8, 0x80), 0, 2);
        // Price tags on the shelf edge
        for (int t = 0; t < 4; ++t)
            inkedRect(p, QRectF(40 + t * 56, shelfY + 1, 14, 5), QColor(0xff, 0xe0, 0x40), 0, 1);
    }
    // Section signs hanging from the ceiling
    const QString sections[] = {QStringLiteral("CPU"), say(u"メモリ", u"RAM"),
                                say(u"ケース", u"CASE")};
    for (int s = 0; s < 3; ++s) {
        const QRectF tag(30 + s * 78, 24, 64, 24);
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(tag.left() + 8, 10), QPointF(tag.left() + 8, tag.top()));
        p.drawLine(QPointF(tag.right() - 8, 10), QPointF(tag.right() - 8, tag.top()));
        inkedRect(p, tag, boxCols[s], 4, 2);
        drawText(p, sections[s], font(Face::Gothic, 15, true), tag.adjusted(3, 2, -3, -2),
                 Qt::AlignCenter, inkText(Qt::white, 0));
    }
    // A poster of a shiny new build on the right wall
    const QRectF poster(300, 46, 120, 84);
    inkedRect(p, poster, QColor(0x20, 0x28, 0x48), 3, 2.5);
    pcTower(p, QRectF(312, 58, 30, 62), false, true);
    drawText(p, say(u"新作PC", u"NEW PC"), font(Face::Gothic, 18, true), QRectF(346, 58, 70, 28),
             Qt::AlignCenter, inkText(QColor(0xff, 0xe0, 0x40), 2));
    drawText(p, say(u"最速！", u"FASTEST!"), font(Face::Gothic, 18, true), QRectF(346, 88, 70, 28),
             Qt::AlignCenter, inkText(QColor(0x60, 0xe0, 0xff), 2));
}

void counter(QPainter& p) {
    const QRectF front(288, 280, 236, 62);
    inkedRect(p, front, vgrad(front, QColor(0x3a, 0x72, 0xd0), QColor(0x2a, 0x52, 0xa0)), 0, 2.5);
    inkedRect(p, QRectF(280, 270, 244, 12),
              vgrad(QRectF(280, 270, 244, 12), QColor(0xe8, 0xc0, 0x8a), QColor(0xc0, 0x90, 0x5a)),
              3, 2.5);
    TextStyle st = inkText(QColor(0xff, 0xe0, 0x50), 2);
    drawText(p, say(u"PCパーツ館", u"PC PARTS"), font(Face::Gothic, 20, true),
             QRectF(300, 292, 200, 36), Qt::AlignCenter, st);
}

} // namespace

void shopInsideFrame(QPainter& p, int k) {
    shopShelves(p);

    // The clerk stands behind the counter, so only his upper half shows.
    Pose clerk = standPose();
    clerk.faceLeft = true;
    clerk.hideLegs = true;
    clerk.expr = Expr::Smile;
    if (k >= 1 && k <= 4) {
        // Setting each new part down on the counter.
        clerk.armFront = reachArm(clerk, true, QPointF(38 + (k % 2) * 6, -16));
        clerk.expr = Expr::Grin;
    }
    if (k == 5) {
        clerk.armFront = reachArm(clerk, true, QPointF(40, -20));
        clerk.armBack = reachArm(clerk, false, QPointF(34, -16));
        clerk.expr = Expr::Surprise;
    }
    if (k == 6) {
        clerk.lean = 28;
        clerk.expr = Expr::Joy;
        clerk.armFront = {4, 30};
        clerk.armBack = {4, 30};
    }
    drawCharacter(p, clerkLook(), clerk, QPointF(472, 276), 0.7);
    counter(p);

    // Parts piling up on the counter, one more each frame.
    const QColor caseCol(0x50, 0x56, 0x66);
    if (k >= 4)
        box3d(p, QRectF(300, 188, 52, 84), 12, caseCol, say(u"ケース", u"CASE"));
    if (k >= 1)
        box3d(p, QRectF(360, 244, 70, 28), 10, QColor(0xe0, 0x3a, 0x3a), QStringLiteral("M/B"));
    if (k >= 2)
        box3d(p, QRectF(366, 218, 32, 26), 8, QColor(0x2a, 0x6a, 0xe0), QStringLiteral("CPU"));
    if (k >= 3)
        box3d(p, QRectF(402, 226, 26, 18), 6, QColor(0x2a, 0xa8, 0x5a), say(u"メモリ", u"RAM"));

    Pose hero;
    double x = 228;
    if (k == 0) {
        hero = sackPose(walkPose(11 * kStep));
        x = 176;
    } else if (k == 1) {
        hero = sackPose(walkPose(12 * kStep));
        x = 204;
    } else {
        hero = standPose();
        hero.flutter = k * 0.3;
        // Bag hangs from his back hand while the front hand points at parts.
        hero.armBack = {-6, 8};
        if (k <= 4) {
            const QPointF h = handPos(hero, false);
            hero.heldBack = [h](QPainter& q) { moneyBag(q, h + QPointF(-4, 26), 62, true); };
        }
        if (k == 2)
            hero.armFront = {96, 4};
        if (k == 3)
            hero.armFront = {150, 36};
        if (k == 4)
            hero.armFront = {118, 6};
        if (k == 5) {
            hero.armFront = reachArm(hero, true, QPointF(62, -40));
            hero.armBack = {10, 14};
            const QPointF h = handPos(hero, true);
            hero.held = [h](QPainter& q) { moneyBag(q, h + QPointF(14, -8), 62, true); };
        }
        if (k == 6) {
            hero.armFront = {160, 20};
            hero.armBack = {20, 20};
        }
        hero.expr = k == 6 ? Expr::Joy : (k == 3 ? Expr::Joy : Expr::Grin);
        hero.blush = true;
    }
    drawHeroAt(p, hero, x, 352, kWalkScale);

    if (k == 0)
        speechBubble(p, QRectF(330, 160, 150, 38), QPointF(440, 206),
                     say(u"いらっしゃいませ！", u"Welcome!"), 15);
    if (k >= 2 && k <= 4)
        speechBubble(p, QRectF(120, 118, 128, 38), QPointF(212, 176),
                     say(u"全部ください！", u"I'll take it all!"), 15);
    if (k == 5)
        speechBubble(p, QRectF(110, 128, 132, 38), QPointF(214, 180),
                     say(u"これで！", u"Here you go!"), 16);
    if (k == 6)
        speechBubble(p, QRectF(300, 120, 200, 40), QPointF(450, 172),
                     say(u"毎度ありがとうございます！", u"Thank you, come again!"), 14);
    if (k == 6) {
        for (int s = 0; s < 5; ++s)
            sparkle(p, QPointF(170 + s * 30, 170 + (s % 2) * 22), 7, QColor(0xff, 0xe0, 0x40));
    }
}

} // namespace art
