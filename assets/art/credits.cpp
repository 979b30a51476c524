// Staff roll cards. Each card puts one role over a place from the story,
// on a dark glass panel so the lettering stays readable on any background.
#include "art.h"

#include <QtMath>

namespace art {

namespace {

const QRectF kFull(0, 0, kSceneW, kSceneH);

void creditPanel(QPainter& p, const QRectF& r, const QString& role, const QString& roleEn, const QString& name)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    panel.addRoundedRect(r, 18, 18);
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.setBrush(QColor(8, 12, 36, 160));
    p.drawPath(panel);

    TextStyle roleSt;
    roleSt.top = QColor(0xff, 0xf2, 0x9a);
    roleSt.bottom = QColor(0xff, 0xb8, 0x30);
    roleSt.outlineWidth = 2.5;
    roleSt.outline = QColor(0x3a, 0x20, 0x10);
    const double h = r.height();
    drawText(p, role, font(Face::Round, 30, true), QRectF(r.left() + 12, r.top() + h * 0.08, r.width() - 24, h * 0.3),
             Qt::AlignCenter, roleSt);
    TextStyle enSt = inkText(QColor(0xb8, 0xd8, 0xff), 0);
    QFont en = font(Face::Sans, 13, true);
    en.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    drawText(p, roleEn, en, QRectF(r.left() + 12, r.top() + h * 0.37, r.width() - 24, h * 0.14), Qt::AlignCenter, enSt);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.drawLine(QPointF(r.left() + r.width() * 0.2, r.top() + h * 0.55), QPointF(r.right() - r.width() * 0.2, r.top() + h * 0.55));
    TextStyle nameSt;
    nameSt.top = Qt::white;
    nameSt.bottom = QColor(0xd8, 0xec, 0xff);
    nameSt.outlineWidth = 3;
    nameSt.outline = QColor(0x10, 0x18, 0x40);
    nameSt.shadow = QColor(0, 0, 0, 110);
    drawText(p, name, font(Face::Round, 30, true), QRectF(r.left() + 10, r.top() + h * 0.6, r.width() - 20, h * 0.32),
             Qt::AlignCenter, nameSt);
    p.restore();
}

const QString kTeam = QStringLiteral("Kobusato チーム");

void nightSky(QPainter& p, std::uint32_t seed)
{
    sky(p, kFull, QColor(0x0a, 0x10, 0x34), QColor(0x34, 0x3c, 0x80));
    stars(p, QRectF(0, 0, kSceneW, 260), 90, seed);
}

void spotBeam(QPainter& p, const QPointF& base, double angle, double len, double spread, const QColor& col)
{
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

void hallAtNight(QPainter& p)
{
    nightSky(p, 501);
    spotBeam(p, QPointF(300, 300), -28, 380, 40, QColor(255, 250, 210, 90));
    spotBeam(p, QPointF(420, 300), 24, 380, 40, QColor(200, 230, 255, 80));
    spotBeam(p, QPointF(150, 290), 8, 320, 34, QColor(255, 220, 240, 70));
    const QRectF ground(0, 298, kSceneW, kSceneH - 298);
    p.fillRect(ground, vgrad(ground, QColor(0x3a, 0x36, 0x5a), QColor(0x22, 0x20, 0x3a)));
    // Paint the hall on its own layer so the night tint darkens only the
    // building, not the sky around it.
    QImage layer(kSceneW, kSceneH, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
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

void computerDesk(QPainter& p)
{
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

void townAtNight(QPainter& p)
{
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

void ringArena(QPainter& p)
{
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
    const QPolygonF mat = QPolygonF() << QPointF(96, 268) << QPointF(416, 268) << QPointF(492, 330) << QPointF(20, 330);
    QPainterPath mp;
    mp.addPolygon(mat);
    mp.closeSubpath();
    inkedRect(p, QRectF(20, 330, 472, 40), vgrad(QRectF(20, 330, 472, 40), QColor(0x2f, 0x5f, 0xc0), QColor(0x1a, 0x3a, 0x8a)), 0, 2.5);
    inked(p, mp, vgrad(QRectF(0, 268, 10, 62), QColor(0xe8, 0xe4, 0xf0), QColor(0xc8, 0xc4, 0xd8)), 2.5);
    drawText(p, QStringLiteral("格闘大会"), font(Face::Mincho, 22, true), QRectF(180, 334, 152, 32), Qt::AlignCenter,
             inkText(Qt::white, 2));
    const QPointF posts[] = {{96, 268}, {416, 268}, {492, 330}, {20, 330}};
    static const QColor ropes[] = {QColor(0xe8, 0x3a, 0x3a), QColor(0xf4, 0xf4, 0xf4), QColor(0x3a, 0x6a, 0xe8)};
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
        inkedRect(p, QRectF(posts[s].x() - 5, posts[s].y() - h, 10, h), QColor(0xd0, 0xd4, 0xdc), 2, 2.5);
        inkedRect(p, QRectF(posts[s].x() - 7, posts[s].y() - h - 4, 14, 8), s % 2 ? QColor(0x3a, 0x6a, 0xe8) : QColor(0xe8, 0x3a, 0x3a), 2, 2);
    }
}

QImage canvas()
{
    QImage img(kSceneW, kSceneH, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

} // namespace

QImage creditCard(int n)
{
    QImage img = canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 5:
        hallAtNight(p);
        creditPanel(p, QRectF(224, 110, 272, 150), QStringLiteral("企画"), QStringLiteral("PLANNING"), kTeam);
        break;
    case 6:
        computerDesk(p);
        creditPanel(p, QRectF(16, 110, 250, 150), QStringLiteral("プログラム"), QStringLiteral("PROGRAM"), kTeam);
        break;
    case 7:
        townAtNight(p);
        creditPanel(p, QRectF(106, 118, 300, 150), QStringLiteral("グラフィック"), QStringLiteral("GRAPHICS"), kTeam);
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
            drawText(p, i % 2 ? QStringLiteral("♫") : QStringLiteral("♪"), font(Face::Gothic, 30 - i * 2, true),
                     QRectF(notes[i].x() - 20, notes[i].y() - 20, 40, 40), Qt::AlignCenter, st);
        creditPanel(p, QRectF(126, 96, 260, 150), QStringLiteral("音楽"), QStringLiteral("MUSIC"), kTeam);
        break;
    }
    case 9:
        ringArena(p);
        creditPanel(p, QRectF(106, 30, 300, 146), QStringLiteral("テスト"), QStringLiteral("TEST PLAY"), kTeam);
        break;
    case 10: {
        roomInterior(p, true, 300);
        p.fillRect(kFull, QColor(0x08, 0x0c, 0x24, 60));
        monitor(p, QRectF(60, 190, 90, 60), [](QPainter& q, const QRectF& r) { screenGame(q, r, 4); });
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
        creditPanel(p, QRectF(238, 96, 264, 160), QStringLiteral("スペシャルサンクス"),
                    QStringLiteral("WITH THANKS TO"), QStringLiteral("プレイしてくれたあなた"));
        break;
    }
    default: {
        // The last card: おしまい, with him cheering beside his new PC.
        QRadialGradient g(QPointF(256, 230), 380);
        g.setColorAt(0, QColor(0xff, 0xf0, 0xc0));
        g.setColorAt(0.6, QColor(0xff, 0xb0, 0x80));
        g.setColorAt(1, QColor(0xc0, 0x60, 0x90));
        p.fillRect(kFull, g);
        p.save();
        p.setOpacity(0.25);
        burst(p, QPointF(256, 230), 460, 20, QColor(0, 0, 0, 0), Qt::white);
        p.restore();
        confetti(p, kFull, 50, 111, 10);
        const QRectF floor(0, 330, kSceneW, 55);
        p.fillRect(floor, vgrad(floor, QColor(0xd0, 0x8a, 0x60), QColor(0xa8, 0x68, 0x48)));
        monitor(p, QRectF(352, 232, 96, 62), [](QPainter& q, const QRectF& r) { screenGame(q, r, 5); });
        pcTower(p, QRectF(458, 232, 38, 88), false, true);
        inkedRect(p, QRectF(330, 318, 180, 10), QColor(0xc0, 0x8a, 0x58), 2, 2);
        Pose pose = standPose();
        pose.turn = 0;
        pose.armFront = {150, 30};
        pose.armBack = {150, 30};
        pose.expr = Expr::Joy;
        pose.flutter = 0.5;
        const double scale = 0.86;
        const QPointF hip = hipOnGround(pose, 200, 360, scale);
        shadowBlob(p, QPointF(200, 360), 40);
        drawCharacter(p, heroLook(), pose, hip, scale);

        TextStyle big;
        big.top = QColor(0xff, 0x7a, 0x6a);
        big.bottom = QColor(0xd0, 0x20, 0x50);
        big.outlineWidth = 4;
        big.rim = Qt::white;
        big.rimWidth = 3.5;
        big.shadow = QColor(0x60, 0x10, 0x30, 110);
        big.shadowOffset = QPointF(3, 4);
        big.gloss = true;
        drawText(p, QStringLiteral("おしまい"), font(Face::Round, 72, true), QRectF(40, 18, 432, 96), Qt::AlignCenter, big);
        TextStyle en;
        en.top = QColor(0xff, 0xff, 0xff);
        en.bottom = QColor(0xff, 0xe8, 0xa0);
        en.outlineWidth = 3;
        en.outline = QColor(0x80, 0x30, 0x40);
        drawText(p, QStringLiteral("Thank you for playing!"), font(Face::Sans, 28, true, true), QRectF(40, 112, 432, 40),
                 Qt::AlignCenter, en);
        break;
    }
    }
    return img;
}

} // namespace art
