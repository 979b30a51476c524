// The ending's last pictures. The six cards before the last flash by at a
// fifth of a second each, too short to read a line: each is one scene and
// one bold word. The last card stays on screen under the final question and
// carries the whole staff roll, in the bottom band that the question's box
// never covers (the box sits over the upper middle of the picture).
#include "ending.h"

#include <QtMath>

namespace art {

namespace {

// One word, big and bold, readable at a glance.
void flashWord(QPainter& p, const QString& word, const QRectF& r, const QColor& top,
               const QColor& bottom) {
    TextStyle st;
    st.top = top;
    st.bottom = bottom;
    st.outline = bottom.darker(300);
    st.outlineWidth = 6;
    st.rim = Qt::white;
    st.rimWidth = 4;
    st.shadow = QColor(0, 0, 0, 140);
    st.shadowOffset = QPointF(4, 5);
    st.gloss = true;
    drawText(p, word, font(Face::Round, 110, true), r, Qt::AlignCenter, st);
}

void nightSky(QPainter& p, std::uint32_t seed) {
    sky(p, kFull, QColor(0x0a, 0x10, 0x34), QColor(0x34, 0x3c, 0x80));
    stars(p, QRectF(0, 0, kSceneW, 260), 90, seed);
}

void spotBeam(QPainter& p, const QPointF& base, double angle, double len, double spread,
              const QColor& col) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPolygonF beam;
    beam << QPointF(-4, 0) << QPointF(4, 0) << QPointF(spread, -len) << QPointF(-spread, -len);
    QLinearGradient g(0, 0, 0, -len);
    g.setColorAt(0, col);
    QColor end = col;
    end.setAlpha(0);
    g.setColorAt(1, end);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(beam);
    p.restore();
}

void hallAtNight(QPainter& p) {
    nightSky(p, 501);
    spotBeam(p, QPointF(300, 300), -28, 380, 40, QColor(255, 250, 210, 90));
    spotBeam(p, QPointF(420, 300), 24, 380, 40, QColor(200, 230, 255, 80));
    spotBeam(p, QPointF(150, 290), 8, 320, 34, QColor(255, 220, 240, 70));
    const QRectF ground(0, 298, kSceneW, kSceneH - 298);
    p.fillRect(ground, vgrad(ground, QColor(0x3a, 0x36, 0x5a), QColor(0x22, 0x20, 0x3a)));
    // Paint the hall on its own layer so the night tint darkens only the
    // building, not the sky around it.
    QImage layer = sceneLayer();
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        tournamentHall(lp, 0.3, true);
        lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        lp.fillRect(QRectF(0, 0, kSceneW, kSceneH), QColor(0x10, 0x14, 0x50, 110));
    }
    p.drawImage(0, 0, layer);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (double x : {96.0, 180.0})
        glow(p, QPointF(x, 228), 30, QColor(0x90, 0x50, 0x10, 160));
    glow(p, QPointF(138, 258), 60, QColor(0x60, 0x40, 0x10, 130));
    p.restore();
}

void computerDesk(QPainter& p) {
    roomInterior(p, true, 300);
    p.fillRect(kFull, QColor(0x08, 0x0c, 0x24, 110));
    glow(p, QPointF(370, 150), 220, QColor(0x60, 0xb0, 0xff, 90));
    const QRectF top(200, 262, 330, 12);
    inkedRect(p, top, vgrad(top, QColor(0xd0, 0xa0, 0x70), QColor(0xa8, 0x74, 0x48)), 1, 2.5);
    inkedRect(p, QRectF(210, 274, 310, 120), QColor(0x8a, 0x5a, 0x38), 0, 2.5);
    monitor(p, QRectF(282, 84, 190, 126), [](QPainter& q, const QRectF& r) { screenCode(q, r); });
    keyboard(p, QRectF(300, 252, 150, 12));
    pcTower(p, QRectF(214, 150, 50, 112), false, true);
    inkedRect(p, QRectF(480, 238, 18, 24), QColor(0xff, 0x8a, 0x5a), 3, 2);
}

void townAtNight(QPainter& p) {
    nightSky(p, 777);
    moon(p, QPointF(404, 78), 34);
    // A shooting star
    p.save();
    QLinearGradient g(QPointF(90, 40), QPointF(190, 96));
    g.setColorAt(0, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(255, 255, 240, 230));
    p.setPen(QPen(QBrush(g), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(90, 40), QPointF(190, 96));
    p.restore();
    sparkle(p, QPointF(192, 97), 7, Qt::white);
    townRow(p, 330, 60, 808, QColor(0x20, 0x26, 0x58), 0.72);
    // Lit windows scattered over the dark houses
    Rng rng(4);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        p.setBrush(QColor(0xff, 0xd8, 0x80, 200));
        p.drawRect(QRectF(rng.range(10, 500), rng.range(250, 316), 8, 10));
    }
    p.fillRect(QRectF(0, 330, kSceneW, 55), QColor(0x18, 0x1a, 0x38));
}

void ringArena(QPainter& p) {
    sky(p, kFull, QColor(0x12, 0x0c, 0x2a), QColor(0x3a, 0x18, 0x40));
    spotBeam(p, QPointF(256, 300), -18, 340, 50, QColor(255, 250, 220, 70));
    spotBeam(p, QPointF(256, 300), 18, 340, 50, QColor(255, 250, 220, 70));
    // Crowd silhouettes in rows
    Rng rng(909);
    for (int row = 0; row < 3; ++row) {
        const double y = 196 + row * 26;
        const QColor c = QColor(0x4a, 0x30, 0x5e).lighter(100 + row * 22);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        for (double x = -10 + row * 9; x < kSceneW + 10; x += 18) {
            const double bob = rng.range(-3, 3);
            p.drawEllipse(QPointF(x, y + bob), 8, 9);
            p.drawRoundedRect(QRectF(x - 10, y + bob + 6, 20, 30), 8, 8);
            if (rng.pick(6) == 0) {
                // A raised arm or a glow stick here and there.
                p.setPen(QPen(QColor(0xff, 0x70, 0xc0), 3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(x + 8, y + bob + 4), QPointF(x + 14, y + bob - 14));
                p.setPen(Qt::NoPen);
            }
        }
    }
    // Ring: apron, mat and three ropes, seen a little from above.
    const QPolygonF mat = QPolygonF() << QPointF(96, 268) << QPointF(416, 268) << QPointF(492, 330)
                                      << QPointF(20, 330);
    QPainterPath mp;
    mp.addPolygon(mat);
    mp.closeSubpath();
    inkedRect(p, QRectF(20, 330, 472, 40),
              vgrad(QRectF(20, 330, 472, 40), QColor(0x2f, 0x5f, 0xc0), QColor(0x1a, 0x3a, 0x8a)),
              0, 2.5);
    inked(p, mp, vgrad(QRectF(0, 268, 10, 62), QColor(0xe8, 0xe4, 0xf0), QColor(0xc8, 0xc4, 0xd8)),
          2.5);
    drawText(p, say(u"格闘大会", u"TOURNAMENT"), font(Face::Mincho, 22, true),
             QRectF(180, 334, 152, 32), Qt::AlignCenter, inkText(Qt::white, 2));
    const QPointF posts[] = {{96, 268}, {416, 268}, {492, 330}, {20, 330}};
    static const QColor ropes[] = {QColor(0xe8, 0x3a, 0x3a), QColor(0xf4, 0xf4, 0xf4),
                                   QColor(0x3a, 0x6a, 0xe8)};
    for (int r = 0; r < 3; ++r) {
        const double up = 22 + r * 20;
        p.setPen(QPen(kInk, 5.5, Qt::SolidLine, Qt::RoundCap));
        for (int s = 0; s < 4; ++s) {
            if (s == 3)
                continue; // leave the near side open so we look into the ring
            const QPointF a = posts[s] - QPointF(0, up * (s >= 2 ? 1.2 : 1));
            const QPointF b = posts[(s + 1) % 4] - QPointF(0, up * ((s + 1) % 4 >= 2 ? 1.2 : 1));
            p.drawLine(a, b);
        }
        p.setPen(QPen(ropes[r], 3.5, Qt::SolidLine, Qt::RoundCap));
        for (int s = 0; s < 3; ++s) {
            const QPointF a = posts[s] - QPointF(0, up * (s >= 2 ? 1.2 : 1));
            const QPointF b = posts[(s + 1) % 4] - QPointF(0, up * ((s + 1) % 4 >= 2 ? 1.2 : 1));
            p.drawLine(a, b);
        }
    }
    for (int s = 0; s < 4; ++s) {
        const double h = s >= 2 ? 96 : 80;
        inkedRect(p, QRectF(posts[s].x() - 5, posts[s].y() - h, 10, h), QColor(0xd0, 0xd4, 0xdc), 2,
                  2.5);
        inkedRect(p, QRectF(posts[s].x() - 7, posts[s].y() - h - 4, 14, 8),
                  s % 2 ? QColor(0x3a, 0x6a, 0xe8) : QColor(0xe8, 0x3a, 0x3a), 2, 2);
    }
}

} // namespace

QImage creditCard(int n) {
    QImage img = canvas(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 5:
        hallAtNight(p);
        flashWord(p, say(u"優勝！", u"CHAMPION!"), QRectF(16, 90, 480, 170),
                  QColor(0xff, 0xf6, 0xb0), QColor(0xff, 0x9a, 0x10));
        break;
    case 6:
        computerDesk(p);
        flashWord(p, say(u"新PC！", u"NEW PC!"), QRectF(8, 70, 300, 150), QColor(0xb8, 0xf0, 0xff),
                  QColor(0x20, 0x8a, 0xf0));
        break;
    case 7:
        townAtNight(p);
        flashWord(p, say(u"おつかれ！", u"GOOD JOB!"), QRectF(16, 120, 480, 130),
                  QColor(0xff, 0xf0, 0xc0), QColor(0xf0, 0x80, 0x40));
        break;
    case 8: {
        // The road home at sunset, with the tune drifting over it.
        QImage street = flipFrame(18);
        p.drawImage(0, 0, street);
        p.fillRect(kFull, QColor(0x30, 0x10, 0x40, 70));
        TextStyle st;
        st.top = Qt::white;
        st.bottom = QColor(0xff, 0xe0, 0xf0);
        st.outlineWidth = 2.5;
        st.outline = QColor(0x50, 0x20, 0x50);
        const QPointF notes[] = {{60, 70}, {120, 40}, {420, 60}, {470, 110}, {40, 150}};
        for (int i = 0; i < 5; ++i)
            drawText(p, i % 2 ? QStringLiteral("♫") : QStringLiteral("♪"),
                     font(Face::Gothic, 30 - i * 2, true),
                     QRectF(notes[i].x() - 20, notes[i].y() - 20, 40, 40), Qt::AlignCenter, st);
        // The picture is the tune itself: one big note over the road home.
        flashWord(p, QStringLiteral("♪"), QRectF(136, 40, 240, 240), QColor(0xff, 0xe0, 0xf4),
                  QColor(0xe0, 0x40, 0xa0));
        break;
    }
    case 9:
        ringArena(p);
        flashWord(p, say(u"最強！", u"STRONGEST!"), QRectF(16, 30, 480, 160),
                  QColor(0xff, 0xc8, 0xc0), QColor(0xe0, 0x20, 0x30));
        break;
    case 10: {
        roomInterior(p, true, 300);
        p.fillRect(kFull, QColor(0x08, 0x0c, 0x24, 60));
        monitor(p, QRectF(60, 190, 90, 60),
                [](QPainter& q, const QRectF& r) { screenGame(q, r, 4); });
        inkedRect(p, QRectF(30, 270, 150, 10), QColor(0xc0, 0x8a, 0x58), 2, 2);
        inkedRect(p, QRectF(40, 280, 10, 40), QColor(0x9a, 0x6a, 0x40), 0, 2);
        inkedRect(p, QRectF(160, 280, 10, 40), QColor(0x9a, 0x6a, 0x40), 0, 2);
        Pose pose = standPose();
        pose.turn = 0;
        pose.armFront = {150, 30};
        pose.armBack = {10, 14};
        pose.expr = Expr::Wink;
        pose.blush = true;
        const double scale = 0.9;
        const QPointF hip = hipOnGround(pose, 186, 372, scale);
        shadowBlob(p, QPointF(186, 372), 40);
        drawCharacter(p, heroLook(), pose, hip, scale);
        flashWord(p, say(u"感謝！", u"THANKS!"), QRectF(230, 80, 272, 170),
                  QColor(0xff, 0xe0, 0xf0), QColor(0xf0, 0x50, 0x90));
        break;
    }
    default: {
        // The last card: おしまい, him cheering at the left and his new PC at
        // the right of the upper band, the staff roll in the bottom band.
        QRadialGradient g(QPointF(256, 200), 380);
        g.setColorAt(0, QColor(0xff, 0xf0, 0xc0));
        g.setColorAt(0.6, QColor(0xff, 0xb0, 0x80));
        g.setColorAt(1, QColor(0xc0, 0x60, 0x90));
        p.fillRect(kFull, g);
        p.save();
        p.setOpacity(0.25);
        burst(p, QPointF(256, 150), 460, 20, QColor(0, 0, 0, 0), Qt::white);
        p.restore();
        confetti(p, QRectF(0, 0, kSceneW, 230), 40, 111, 10);
        const QRectF floor(0, 206, kSceneW, 30);
        p.fillRect(floor, vgrad(floor, QColor(0xd0, 0x8a, 0x60), QColor(0xa8, 0x68, 0x48)));
        monitor(p, QRectF(370, 118, 82, 54),
                [](QPainter& q, const QRectF& r) { screenGame(q, r, 5); });
        pcTower(p, QRectF(462, 112, 34, 80), false, true);
        inkedRect(p, QRectF(354, 192, 150, 9), QColor(0xc0, 0x8a, 0x58), 2, 2);
        Pose pose = standPose();
        pose.turn = 0;
        pose.armFront = {150, 30};
        pose.armBack = {150, 30};
        pose.expr = Expr::Joy;
        pose.flutter = 0.5;
        const double scale = 0.5;
        const QPointF hip = hipOnGround(pose, 80, 222, scale);
        shadowBlob(p, QPointF(80, 222), 24);
        drawCharacter(p, heroLook(), pose, hip, scale);

        TextStyle big;
        big.top = QColor(0xff, 0x7a, 0x6a);
        big.bottom = QColor(0xd0, 0x20, 0x50);
        big.outlineWidth = 3;
        big.rim = Qt::white;
        big.rimWidth = 2.5;
        big.shadow = QColor(0x60, 0x10, 0x30, 110);
        big.shadowOffset = QPointF(2, 3);
        big.gloss = true;
        drawText(p, say(u"おしまい", u"THE END"), font(Face::Round, 44, true),
                 QRectF(140, 2, 232, 56), Qt::AlignCenter, big);

        // The staff roll on a dark glass panel, readable on any colour.
        const QRectF panel(10, 236, kSceneW - 20, kSceneH - 244);
        QPainterPath glass;
        glass.addRoundedRect(panel, 14, 14);
        p.setPen(QPen(QColor(255, 255, 255, 170), 2));
        p.setBrush(QColor(20, 10, 40, 190));
        p.drawPath(glass);
        TextStyle role = inkText(QColor(0xff, 0xd8, 0x60), 0);
        TextStyle name = inkText(Qt::white, 0);
        const QFont roleFont = font(Face::PGothic, 15, true);
        const QFont nameFont = font(Face::PGothic, 16, true);
        const QString team = say(u"Kobusato チーム", u"Team Kobusato");
        const QString roles[] = {
            say(u"企画", u"Concept"), say(u"音楽", u"Music"), say(u"プログラム", u"Programming"),
            say(u"テストプレイ", u"Playtesting"), say(u"グラフィック", u"Graphics")};
        for (int i = 0; i < 5; ++i) {
            const double x = panel.left() + 14 + (i % 2) * (panel.width() / 2);
            const double y = panel.top() + 8 + (i / 2) * 23;
            drawText(p, roles[i], roleFont, QRectF(x, y, 100, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     role);
            drawText(p, team, nameFont, QRectF(x + 96, y, panel.width() / 2 - 110, 22),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
        }
        const double thanksY = panel.top() + 8 + 3 * 23 + 2;
        drawText(p, say(u"スペシャルサンクス", u"Special Thanks"), roleFont,
                 QRectF(panel.left() + 14, thanksY, 160, 22), Qt::AlignLeft | Qt::AlignVCenter,
                 role);
        drawText(p, say(u"プレイしてくれたあなた", u"You, the player"), nameFont,
                 QRectF(panel.left() + 14 + 150, thanksY, panel.width() - 180, 22),
                 Qt::AlignLeft | Qt::AlignVCenter, name);
        TextStyle en;
        en.top = QColor(0xff, 0xff, 0xff);
        en.bottom = QColor(0xff, 0xe8, 0xa0);
        en.outlineWidth = 2.5;
        en.outline = QColor(0x80, 0x30, 0x40);
        drawText(p, QStringLiteral("Thank you for playing!"), font(Face::Sans, 22, true, true),
                 QRectF(panel.left(), panel.bottom() - 36, panel.width(), 32), Qt::AlignCenter, en);
        break;
    }
    }
    return img;
}

} // namespace art
