// The ending: a flip-book of him taking the prize money to the parts shop
// and carrying the boxes home, then the stills of building the new machine.
#include "art.h"

#include <QtMath>

#include <algorithm>

namespace art {

const char* const kFlipNames[kFlipCount] = {"2",  "3",  "4-5", "5",  "7",  "9",  "10", "11", "12",
                                            "13", "14", "15",  "16", "17", "18", "20", "21", "22",
                                            "24", "25", "26",  "27", "28", "29", "30"};

namespace {

// The flip-book runs at five frames a second, so each frame advances his
// walk by a quarter cycle: legs together, apart, together, apart.
constexpr double kStep = 0.25;
constexpr double kWalkScale = 0.64;

const QRectF kFull(0, 0, kSceneW, kSceneH);

QImage canvas()
{
    QImage img(kSceneW, kSceneH, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void daySky(QPainter& p, int k)
{
    sky(p, kFull, QColor(0x58, 0xb4, 0xff), QColor(0xd8, 0xf2, 0xff));
    cloud(p, QPointF(392 + 3 * k, 58), 1.0);
    cloud(p, QPointF(478 + 2 * k, 118), 0.7);
    cloud(p, QPointF(246 + 3 * k, 40), 0.55);
    cloud(p, QPointF(40 + 2 * k, 70), 0.6);
}

void paving(QPainter& p, double top, const QColor& col)
{
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
            double wave)
{
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
        drawText(p, text, font(Face::Gothic, int(w * 0.8), true), QRectF(-len / 2, -(w - 2) / 2, len, w - 2),
                 Qt::AlignCenter, st);
        p.restore();
        return;
    }
    const int n = int(text.size());
    const double cell = (h - 36) / std::max(1, n);
    for (int i = 0; i < n; ++i)
        drawText(p, text.mid(i, 1), font(Face::Gothic, int(std::min(cell, w) * 0.8), true),
                 QRectF(x + 3, groundY - h + 4 + i * cell + wave * 0.5, w - 2, cell), Qt::AlignCenter, st);
    p.restore();
}

// The prize sack slung over his back; the rope goes to his front hand.
Pose sackPose(Pose pose)
{
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

void drawHeroAt(QPainter& p, const Pose& pose, double x, double groundY, double scale)
{
    const QPointF hip = hipOnGround(pose, x, groundY, scale);
    shadowBlob(p, QPointF(x + 4, groundY), 30 * scale / 0.64);
    drawCharacter(p, heroLook(), pose, hip, scale);
}

// ------------------------------------------------------------ tournament hall
void hallFrame(QPainter& p, int k)
{
    daySky(p, k);
    // Trees behind the plaza
    p.setPen(Qt::NoPen);
    for (int t = 0; t < 7; ++t) {
        const double x = 300 + t * 36;
        inkedEllipse(p, QPointF(x, 286 - (t % 2) * 10), 30, 34, QColor(0x5c, 0xb8, 0x5a).darker(100 + (t % 3) * 8), 2);
    }
    paving(p, 298, QColor(0xe8, 0xdb, 0xbc));
    tournamentHall(p, k * kStep, false);
    nobori(p, 372, 318, 150, QColor(0xd9, 0x2b, 0x2b), say(u"祝優勝", u"CHAMPION"), 3 * std::sin(k * 1.6));
    nobori(p, 448, 318, 150, QColor(0x2f, 0x6f, 0xd6), say(u"格闘大会", u"TOURNAMENT"), 3 * std::sin(k * 1.6 + 1));

    Pose pose = sackPose(walkPose(k * kStep));
    pose.expr = k % 3 == 2 ? Expr::Joy : Expr::Grin;
    drawHeroAt(p, pose, 140 + 31 * k, 336, kWalkScale);
    confetti(p, kFull, 80, 5, k * 16.0);
}

// ------------------------------------------------------------ shop front
void shopFront(QPainter& p, double doorOpen, double wave)
{
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
    drawText(p, say(u"PCパーツ館", u"PC PARTS"), font(Face::Gothic, 34, true), sign.adjusted(8, 2, -8, -2), Qt::AlignCenter, st);
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
    drawText(p, QStringLiteral("SALE"), font(Face::Sans, 12, true), QRectF(-18, -9, 36, 18), Qt::AlignCenter,
             inkText(QColor(0xe0, 0x20, 0x20), 0));
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
        p.drawLine(panel.topLeft() + QPointF(6, 40), panel.topLeft() + QPointF(std::min(24.0, panel.width() - 4), 12));
    }
    inkedRect(p, QRectF(door.left() - 4, door.top() - 6, door.width() + 8, 6), QColor(0x9a, 0xa4, 0xb8), 0, 2);
    nobori(p, 252, 314, 140, QColor(0xff, 0x8a, 0x1a), say(u"特価", u"SALE"), wave);
}

void shopFrontFrame(QPainter& p, int k)
{
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
        drawText(p, say(u"ウィーン", u"Whoosh"), font(Face::Round, 18, true), QRectF(296, 186, 90, 26), Qt::AlignCenter, st);
    }
}

// ------------------------------------------------------------ inside the shop
void shopShelves(QPainter& p)
{
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
    static const QColor boxCols[] = {QColor(0x3a, 0x7a, 0xe0), QColor(0xe8, 0x4a, 0x4a), QColor(0x40, 0xb0, 0x60),
                                     QColor(0xff, 0xb0, 0x30), QColor(0x8a, 0x5a, 0xd0), QColor(0x40, 0x40, 0x50)};
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
    const QString sections[] = {QStringLiteral("CPU"), say(u"メモリ", u"RAM"), say(u"ケース", u"CASE")};
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
    drawText(p, say(u"新作PC", u"NEW PC"), font(Face::Gothic, 18, true), QRectF(346, 58, 70, 28), Qt::AlignCenter,
             inkText(QColor(0xff, 0xe0, 0x40), 2));
    drawText(p, say(u"最速！", u"FASTEST!"), font(Face::Gothic, 18, true), QRectF(346, 88, 70, 28), Qt::AlignCenter,
             inkText(QColor(0x60, 0xe0, 0xff), 2));
}

void counter(QPainter& p)
{
    const QRectF front(288, 280, 236, 62);
    inkedRect(p, front, vgrad(front, QColor(0x3a, 0x72, 0xd0), QColor(0x2a, 0x52, 0xa0)), 0, 2.5);
    inkedRect(p, QRectF(280, 270, 244, 12), vgrad(QRectF(280, 270, 244, 12), QColor(0xe8, 0xc0, 0x8a), QColor(0xc0, 0x90, 0x5a)), 3, 2.5);
    TextStyle st = inkText(QColor(0xff, 0xe0, 0x50), 2);
    drawText(p, say(u"PCパーツ館", u"PC PARTS"), font(Face::Gothic, 20, true), QRectF(300, 292, 200, 36), Qt::AlignCenter, st);
}

void shopInsideFrame(QPainter& p, int k)
{
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
        speechBubble(p, QRectF(330, 160, 150, 38), QPointF(440, 206), say(u"いらっしゃいませ！", u"Welcome!"), 15);
    if (k >= 2 && k <= 4)
        speechBubble(p, QRectF(120, 118, 128, 38), QPointF(212, 176), say(u"全部ください！", u"I'll take it all!"), 15);
    if (k == 5)
        speechBubble(p, QRectF(110, 128, 132, 38), QPointF(214, 180), say(u"これで！", u"Here you go!"), 16);
    if (k == 6)
        speechBubble(p, QRectF(300, 120, 200, 40), QPointF(450, 172), say(u"毎度ありがとうございます！", u"Thank you, come again!"), 14);
    if (k == 6) {
        for (int s = 0; s < 5; ++s)
            sparkle(p, QPointF(170 + s * 30, 170 + (s % 2) * 22), 7, QColor(0xff, 0xe0, 0x40));
    }
}

// ------------------------------------------------------------ walking home
void sunsetSky(QPainter& p, double sunY)
{
    QLinearGradient g(0, 0, 0, 300);
    g.setColorAt(0, QColor(0x6a, 0x58, 0xb0));
    g.setColorAt(0.55, QColor(0xff, 0x8a, 0x6a));
    g.setColorAt(1, QColor(0xff, 0xd8, 0x80));
    p.fillRect(kFull, g);
    glow(p, QPointF(392, sunY), 110, QColor(255, 240, 180, 160));
    inkedEllipse(p, QPointF(392, sunY), 36, 36, QColor(0xff, 0xf0, 0xb0), 0);
}

void sunsetStreet(QPainter& p, double sunY, int birds)
{
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
void carriedStack(QPainter& p, double wobble)
{
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

Pose carryPose(Pose pose, double wobble)
{
    pose.armFront = reachArm(pose, true, QPointF(26, -6));
    pose.armBack = reachArm(pose, false, QPointF(24, -8));
    pose.lean = -3;
    pose.held = [wobble](QPainter& p) { carriedStack(p, wobble); };
    return pose;
}

void walkHomeFrame(QPainter& p, int k)
{
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
        drawText(p, say(u"よいしょ", u"Heave-ho"), font(Face::Round, 17, true), QRectF(x - 96, 190, 90, 26), Qt::AlignCenter, st);
    }
}

// ------------------------------------------------------------ his apartment
void apartment(QPainter& p, bool night, double doorOpen)
{
    const QColor wall = night ? QColor(0x7a, 0x7a, 0x9a) : QColor(0xe8, 0xc8, 0xb0);
    const QRectF b(150, 120, 380, 190);
    inkedRect(p, b, wall, 0, 2.5);
    inkedRect(p, QRectF(142, 110, 396, 12), night ? QColor(0x4a, 0x4a, 0x6a) : QColor(0x8a, 0x5a, 0x4a), 0, 2.5);
    // Upper corridor rail
    inkedRect(p, QRectF(150, 200, 380, 10), night ? QColor(0x5a, 0x5a, 0x78) : QColor(0xb0, 0x8a, 0x7a), 0, 2);
    p.setPen(QPen(kInk, 1.6));
    for (double x = 156; x < 530; x += 12)
        p.drawLine(QPointF(x, 176), QPointF(x, 200));
    p.drawLine(QPointF(150, 176), QPointF(530, 176));
    // Upstairs doors and windows
    for (double x : {200.0, 330.0, 460.0}) {
        inkedRect(p, QRectF(x, 130, 34, 44), night ? QColor(0x5a, 0x60, 0x80) : QColor(0xc0, 0x8a, 0x6a), 0, 2);
        const bool lit = night && x > 400;
        inkedRect(p, QRectF(x + 48, 136, 44, 30), lit ? QColor(0xff, 0xd8, 0x8a) : (night ? QColor(0x3a, 0x40, 0x60) : QColor(0xb0, 0xd8, 0xf0)), 0, 2);
    }
    // Name plate: "Kobu-so", a cheap wooden apartment.
    inkedRect(p, QRectF(160, 214, 62, 22), QColor(0xf4, 0xe8, 0xc8), 2, 2);
    drawText(p, say(u"コブ荘", u"Kobu Manor"), font(Face::Mincho, 15, true), QRectF(162, 215, 58, 20), Qt::AlignCenter,
             inkText(kInk, 0));
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
        leaf << door.topRight() << door.topRight() + QPointF(16 * doorOpen, 6) << door.bottomRight() + QPointF(16 * doorOpen, 2)
             << door.bottomRight();
        QPainterPath lp;
        lp.addPolygon(leaf);
        lp.closeSubpath();
        inked(p, lp, QColor(0x9a, 0x6a, 0x4a), 2.5);
    } else {
        inkedRect(p, door, QColor(0x9a, 0x6a, 0x4a), 0, 2.5);
        inkedEllipse(p, QPointF(door.right() - 8, door.center().y()), 2.5, 2.5, QColor(0xe0, 0xc0, 0x60), 1.2);
    }
    inkedRect(p, QRectF(door.left() + 12, door.top() - 14, 20, 10), Qt::white, 1, 1.5);
    drawText(p, QStringLiteral("101"), font(Face::Sans, 9, true), QRectF(door.left() + 12, door.top() - 14, 20, 10),
             Qt::AlignCenter, inkText(kInk, 0));

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
        shadow.skin = shadow.hair = shadow.top = shadow.trim = shadow.pants = shadow.belt = shadow.shoes =
            QColor(0x30, 0x3a, 0x60);
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
    inkedRect(p, QRectF(348, 282, 16, 28), night ? QColor(0x8a, 0x4a, 0x4a) : QColor(0xd8, 0x4a, 0x3a), 2, 2);
    inkedEllipse(p, QPointF(486, 292), 14, 14, night ? QColor(0x3a, 0x6a, 0x4a) : QColor(0x5c, 0xb8, 0x5a), 2);
    inkedRect(p, QRectF(478, 298, 16, 14), QColor(0xb0, 0x6a, 0x40), 2, 2);
}

void homeDuskFrame(QPainter& p)
{
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
    drawText(p, say(u"ただいまー！", u"I'm home!"), font(Face::Round, 18, true), QRectF(112, 244, 136, 28), Qt::AlignCenter, st);
}

void homeNightFrame(QPainter& p)
{
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
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 22, true), QRectF(430, 200, 30, 30), Qt::AlignCenter, st);
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 16, true), QRectF(456, 186, 24, 24), Qt::AlignCenter, st);
}

// ------------------------------------------------------------ building the PC
void unpacking(QPainter& p)
{
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
        sparkle(p, QPointF(262 + std::cos(a) * 64, 216 + std::sin(a) * 48), 8 - (s % 2) * 3, QColor(0xff, 0xf0, 0x70));
    }
    TextStyle st;
    st.top = QColor(0xff, 0xf4, 0x70);
    st.bottom = QColor(0xff, 0x90, 0x20);
    st.outlineWidth = 3;
    drawText(p, say(u"ピカピカだ…！", u"So shiny…!"), font(Face::Round, 24, true), QRectF(240, 150, 200, 36), Qt::AlignCenter, st);
}

void deskFront(QPainter& p, double top, double left = -6)
{
    const QRectF slab(left, top, kSceneW + 6 - left, 12);
    inkedRect(p, slab, vgrad(slab, QColor(0xe0, 0xb0, 0x78), QColor(0xb8, 0x84, 0x50)), 0, 2.5);
    const QRectF face(left, top + 12, kSceneW + 6 - left, kSceneH - top);
    inkedRect(p, face, vgrad(face, QColor(0xb0, 0x7a, 0x48), QColor(0x8a, 0x5a, 0x34)), 0, 2.5);
    p.setPen(QPen(QColor(0x7a, 0x4a, 0x28), 1.4));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(left + 2, top + 30 + k * 20), QPointF(kSceneW, top + 30 + k * 20 + (k % 2) * 4));
}

void assembling(QPainter& p)
{
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
        inkedEllipse(p, QPointF(70 + s * 13, 296 + (s % 2) * 6), 3.5, 2.2, QColor(0xc8, 0xcc, 0xd4), 1.2);
    QPolygonF book;
    book << QPointF(330, 290) << QPointF(410, 284) << QPointF(420, 306) << QPointF(338, 314);
    QPainterPath bp;
    bp.addPolygon(book);
    bp.closeSubpath();
    inked(p, bp, Qt::white, 2);
    drawText(p, say(u"説明書", u"MANUAL"), font(Face::Gothic, 13, true), QRectF(344, 288, 66, 20), Qt::AlignCenter,
             inkText(QColor(0x2a, 0x50, 0xa0), 0));
    ramStick(p, QRectF(430, 292, 56, 12));

    TextStyle st;
    st.top = QColor(0xff, 0xf8, 0xc0);
    st.bottom = QColor(0xff, 0xc0, 0x40);
    st.outlineWidth = 2.5;
    p.save();
    p.translate(418, 62);
    p.rotate(-10);
    drawText(p, say(u"キュッ キュッ", u"Squeak squeak"), font(Face::Round, 22, true), QRectF(-80, -16, 160, 32), Qt::AlignCenter, st);
    p.restore();
}

void powerOn(QPainter& p)
{
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
        drawText(q, QStringLiteral("WELCOME!"), font(Face::Sans, 30, true, true), QRectF(r.left(), r.top() + 18, r.width(), 44),
                 Qt::AlignCenter, st);
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
    drawText(p, say(u"ピコーン！", u"Bing!"), font(Face::Round, 30, true), QRectF(-110, -22, 220, 44), Qt::AlignCenter, st);
    p.restore();
    drawText(p, say(u"ポチッ", u"Click"), font(Face::Round, 16, true), QRectF(436, 118, 70, 24), Qt::AlignCenter, st);
}

void delighted(QPainter& p)
{
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
        sparkle(p, QPointF(236 + std::cos(a) * 150, 210 + std::sin(a) * 120), 10 - (s % 2) * 4, Qt::white);
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
    drawText(p, say(u"やったー！", u"Hooray!"), font(Face::Round, 64, true), QRectF(40, 8, 432, 86), Qt::AlignCenter, st);
}

void playing(QPainter& p)
{
    roomInterior(p, true, 300);
    p.fillRect(kFull, QColor(0x10, 0x10, 0x30, 60));
    // Desk in side view on the right
    const QRectF top(236, 244, 300, 10);
    glow(p, QPointF(390, 170), 170, QColor(0x80, 0xd0, 0xff, 110));
    inkedRect(p, QRectF(496, 254, 12, 60), QColor(0x9a, 0x6a, 0x40), 0, 2);
    inkedRect(p, QRectF(252, 254, 12, 60), QColor(0x9a, 0x6a, 0x40), 0, 2);
    monitor(p, QRectF(318, 112, 150, 98), [](QPainter& q, const QRectF& r) { screenGame(q, r, 3); });
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
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 30, true), QRectF(196, 108, 36, 36), Qt::AlignCenter, st);
    drawText(p, QStringLiteral("♪"), font(Face::Gothic, 22, true), QRectF(236, 86, 30, 30), Qt::AlignCenter, st);
    drawText(p, say(u"楽しい！", u"So fun!"), font(Face::Round, 22, true), QRectF(30, 206, 110, 32), Qt::AlignCenter, st);
}

} // namespace

QImage flipFrame(int index)
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (index < 6)
        hallFrame(p, index);
    else if (index < 11)
        shopFrontFrame(p, index - 6);
    else if (index < 18)
        shopInsideFrame(p, index - 11);
    else if (index < 23)
        walkHomeFrame(p, index - 18);
    else if (index == 23)
        homeDuskFrame(p);
    else
        homeNightFrame(p);
    return img;
}

QImage unpackingPicture()
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    unpacking(p);
    return img;
}

QImage backgroundPicture(int n)
{
    if (n >= 5)
        return creditCard(n);
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1: assembling(p); break;
    case 2: powerOn(p); break;
    case 3: delighted(p); break;
    default: playing(p); break;
    }
    return img;
}

} // namespace art
