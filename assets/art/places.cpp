// The places of the ending: a row of town houses with a power pole, the
// tournament hall, and his room.
#include "art.h"

#include <QtMath>

#include <algorithm>

namespace art {

void townRow(QPainter& p, double groundY, double offset, std::uint32_t seed, const QColor& tint,
             double tintAmount) {
    static const QColor walls[] = {QColor(0xf6, 0xd8, 0xa8), QColor(0xd8, 0xe8, 0xf4),
                                   QColor(0xf4, 0xc6, 0xc0), QColor(0xe0, 0xf0, 0xd0),
                                   QColor(0xf0, 0xe6, 0xd6), QColor(0xc8, 0xd4, 0xe8)};
    static const QColor roofs[] = {QColor(0x8a, 0x4a, 0x3a), QColor(0x3f, 0x5f, 0x8a),
                                   QColor(0x5a, 0x7a, 0x4a), QColor(0x6a, 0x5a, 0x7a)};
    auto mix = [&](const QColor& c) {
        return QColor::fromRgbF(float(c.redF() * (1 - tintAmount) + tint.redF() * tintAmount),
                                float(c.greenF() * (1 - tintAmount) + tint.greenF() * tintAmount),
                                float(c.blueF() * (1 - tintAmount) + tint.blueF() * tintAmount));
    };
    Rng rng(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    double x = -200;
    while (x - offset < kSceneW + 50) {
        const double w = rng.range(62, 104);
        const double h = rng.range(70, 130);
        const QColor wall = walls[rng.pick(6)];
        const QColor roof = roofs[rng.pick(4)];
        const bool gable = rng.pick(3) != 0;
        const int floors = h > 100 ? 3 : 2;
        const double sx = x - offset;
        if (sx + w > -20 && sx < kSceneW + 20) {
            const QRectF r(sx, groundY - h, w, h);
            inkedRect(p, r, mix(wall), 0, 2);
            if (gable) {
                QPainterPath rp;
                rp.moveTo(sx - 6, groundY - h + 2);
                rp.lineTo(sx + w / 2, groundY - h - w * 0.32);
                rp.lineTo(sx + w + 6, groundY - h + 2);
                rp.closeSubpath();
                inked(p, rp, mix(roof), 2);
            } else {
                inkedRect(p, QRectF(sx - 3, groundY - h - 6, w + 6, 8), mix(roof), 0, 2);
            }
            const int cols = w > 85 ? 3 : 2;
            for (int fy = 0; fy < floors; ++fy) {
                for (int fx = 0; fx < cols; ++fx) {
                    const double ww = w / (cols * 2.2);
                    const QRectF win(sx + w * (fx + 0.5) / cols - ww / 2,
                                     groundY - h + 12 + fy * (h - 20) / floors, ww,
                                     std::min(20.0, (h - 20) / floors * 0.55));
                    inkedRect(p, win, mix(QColor(0x9c, 0xd4, 0xf4)), 1.5, 1.5);
                    p.setPen(QPen(QColor(255, 255, 255, 120), 1.4));
                    p.drawLine(win.topLeft() + QPointF(2, win.height() - 3),
                               win.topLeft() + QPointF(win.width() - 3, 2));
                }
            }
        }
        x += w + rng.range(2, 14);
    }
    p.restore();
}

void powerPole(QPainter& p, double x, double groundY, const QColor& col) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, QRectF(x - 4, groundY - 190, 8, 190), col, 2, 2);
    inkedRect(p, QRectF(x - 26, groundY - 176, 52, 5), col.darker(120), 1, 1.8);
    inkedRect(p, QRectF(x - 20, groundY - 154, 40, 4), col.darker(120), 1, 1.8);
    p.restore();
}

void tournamentHall(QPainter& p, double flagPhase, bool night) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wall(0xf4, 0xe7, 0xc6);
    const QColor pillar(0xd8, 0x45, 0x2f);
    const QColor tiles(0x3f, 0x5a, 0x8a);

    // Pennant string from the roof to a pole on the right, fluttering.
    auto pennants = [&] {
        const QPointF a(150, 86), b(330, 150);
        p.setPen(QPen(kInk, 1.5));
        QPainterPath line;
        line.moveTo(a);
        line.quadTo(QPointF(240, 140), b);
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        static const QColor cols[] = {QColor(0xff, 0x4f, 0x6d), QColor(0xff, 0xc8, 0x2e),
                                      QColor(0x3d, 0xb8, 0xff), QColor(0x5c, 0xd6, 0x6b)};
        for (int k = 1; k < 10; ++k) {
            const double t = k / 10.0;
            const QPointF pt = line.pointAtPercent(t);
            const double sway = 3 * std::sin(flagPhase * 2 * M_PI + k * 0.9);
            QPolygonF tri;
            tri << pt + QPointF(-5, 0) << pt + QPointF(5, 0) << pt + QPointF(sway, 14);
            QPainterPath tp;
            tp.addPolygon(tri);
            tp.closeSubpath();
            inked(p, tp, cols[k % 4], 1.4);
        }
        inkedRect(p, QRectF(327, 146, 6, 154), QColor(0xb0, 0xb0, 0xb8), 2, 1.8);
    };
    pennants();

    // Main hall body with pillars
    const QRectF body(14, 176, 248, 124);
    inkedRect(p, body, vgrad(body, wall, wall.darker(108)), 0, 2.5);
    const QRectF door(106, 214, 64, 86);
    QLinearGradient dg(door.topLeft(), door.bottomLeft());
    dg.setColorAt(0, QColor(0xff, 0xe0, 0x90));
    dg.setColorAt(1, QColor(0xf0, 0xa8, 0x50));
    inkedRect(p, door, dg, 0, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(door.left() + 6, door.top() + 6, 14, door.height() - 6));
    for (double x : {26.0, 78.0, 178.0, 230.0}) {
        const QRectF pl(x, 182, 18, 118);
        inkedRect(p, pl, vgrad(pl, pillar.lighter(110), pillar.darker(115)), 0, 2.5);
    }
    // Side windows
    for (double x : {50.0, 202.0}) {
        const QRectF w(x, 214, 24, 34);
        inkedRect(p, w, night ? QColor(0xff, 0xd8, 0x7a) : QColor(0x9c, 0xd4, 0xf4), 2, 2);
    }
    // Curved temple-style roof
    QPainterPath roof;
    roof.moveTo(-8, 184);
    roof.quadTo(30, 174, 44, 132);
    roof.lineTo(232, 132);
    roof.quadTo(246, 174, 284, 184);
    roof.quadTo(138, 168, -8, 184);
    roof.closeSubpath();
    inked(p, roof, vgrad(QRectF(0, 130, 10, 56), tiles.lighter(120), tiles.darker(110)), 2.5);
    p.setPen(QPen(tiles.lighter(150), 1.5));
    for (int k = 0; k < 14; ++k) {
        const double x = 52 + k * 13;
        p.drawLine(QPointF(x, 136), QPointF(x + (x - 138) * 0.12, 172));
    }
    QPainterPath upper;
    upper.moveTo(30, 136);
    upper.quadTo(60, 128, 70, 96);
    upper.lineTo(206, 96);
    upper.quadTo(216, 128, 246, 136);
    upper.closeSubpath();
    inked(p, upper, vgrad(QRectF(0, 96, 10, 40), tiles.lighter(130), tiles), 2.5);
    inkedRect(p, QRectF(64, 90, 148, 8), tiles.darker(130), 2, 2);
    // Gold ridge ornaments
    for (double x : {66.0, 210.0}) {
        QPainterPath orn;
        orn.moveTo(x - 4, 92);
        orn.quadTo(x - 6, 82, x, 76);
        orn.quadTo(x + 6, 82, x + 4, 92);
        orn.closeSubpath();
        inked(p, orn, QColor(0xff, 0xcc, 0x3a), 2);
    }
    // Name board under the eaves
    const QRectF board(78, 140, 120, 30);
    inkedRect(p, board, QColor(0x5a, 0x36, 0x22), 3, 2.5);
    p.setPen(QPen(QColor(0xe8, 0xb8, 0x40), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(board.adjusted(3, 3, -3, -3), 2, 2);
    TextStyle st;
    st.top = QColor(0xff, 0xf0, 0xa0);
    st.bottom = QColor(0xff, 0xc0, 0x30);
    st.outlineWidth = 0;
    drawText(p, say(u"格闘大会", u"TOURNAMENT"), font(Face::Mincho, 22, true),
             board.adjusted(6, 3, -6, -3), Qt::AlignCenter, st);
    // Steps
    for (int k = 0; k < 3; ++k) {
        const QRectF step(90 - k * 10, 300 + k * 6, 96 + k * 20, 6);
        inkedRect(p, step, QColor(0xd8, 0xd0, 0xc0).darker(100 + k * 4), 0, 1.8);
    }
    // Paper lanterns either side of the door
    for (double x : {96.0, 180.0}) {
        if (night)
            glow(p, QPointF(x, 228), 26, QColor(0xff, 0xa0, 0x40, 150));
        inkedEllipse(p, QPointF(x, 228), 8, 11,
                     night ? QColor(0xff, 0x90, 0x50) : QColor(0xe8, 0x50, 0x40), 2);
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(x - 7, 224), QPointF(x + 7, 224));
        p.drawLine(QPointF(x - 7, 232), QPointF(x + 7, 232));
    }
    p.restore();
}

void roomInterior(QPainter& p, bool night, double floorY) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wall = night ? QColor(0x6a, 0x6e, 0x9a) : QColor(0xf3, 0xe4, 0xc8);
    p.fillRect(QRectF(0, 0, kSceneW, floorY), wall);
    // Faint vertical wallpaper stripes
    p.setPen(Qt::NoPen);
    p.setBrush(wall.darker(104));
    for (int x = 0; x < kSceneW; x += 32)
        p.drawRect(QRectF(x, 0, 12, floorY));
    // Window
    const QRectF win(34, 52, 140, 112);
    inkedRect(p, win.adjusted(-8, -8, 8, 8), QColor(0xe8, 0xe0, 0xd4), 2, 2.5);
    if (night) {
        sky(p, win, QColor(0x12, 0x18, 0x40), QColor(0x2a, 0x3a, 0x78));
        p.save();
        p.setClipRect(win);
        stars(p, win, 30, 909);
        moon(p, QPointF(win.right() - 34, win.top() + 30), 14);
        p.restore();
    } else {
        sky(p, win, QColor(0xff, 0xa8, 0x70), QColor(0xff, 0xe0, 0xa0));
        p.save();
        p.setClipRect(win);
        cloud(p, QPointF(win.left() + 50, win.top() + 40), 0.6, QColor(255, 240, 230));
        p.restore();
    }
    p.setPen(QPen(QColor(0xe8, 0xe0, 0xd4), 5));
    p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(win);
    // Curtains
    const QColor cur = night ? QColor(0x4a, 0x6a, 0xb0) : QColor(0x6a, 0x9a, 0xe8);
    for (int side = 0; side < 2; ++side) {
        QPainterPath c;
        const double x0 = side ? win.right() + 14 : win.left() - 14;
        const double x1 = side ? win.right() - 14 : win.left() + 14;
        c.moveTo(x0, win.top() - 14);
        c.lineTo(x1, win.top() - 14);
        c.quadTo(x1 + (side ? 6 : -6), win.center().y(), x0 + (side ? -2 : 2), win.bottom() + 16);
        c.lineTo(x0, win.bottom() + 16);
        c.closeSubpath();
        inked(p, c, cur, 2);
    }
    inkedRect(p, QRectF(win.left() - 22, win.top() - 20, win.width() + 44, 6),
              QColor(0xa0, 0x80, 0x60), 2, 2);

    // A calligraphy poster: "guts", the hero's motto.
    const QRectF poster(300, 40, 56, 92);
    inkedRect(p, poster, QColor(0xfa, 0xf6, 0xea), 0, 2);
    p.setPen(QPen(QColor(0xa0, 0x80, 0x60), 3));
    p.drawLine(poster.topLeft() + QPointF(-3, 0), poster.topRight() + QPointF(3, 0));
    p.drawLine(poster.bottomLeft() + QPointF(-3, 0), poster.bottomRight() + QPointF(3, 0));
    TextStyle pt = inkText(QColor(0x20, 0x18, 0x18), 0);
    if (language() == Language::English) {
        // The same motto in English, its letters stacked down the scroll.
        const QString word = QStringLiteral("GUTS");
        for (int i = 0; i < int(word.size()); ++i)
            drawText(p, word.mid(i, 1), font(Face::Mincho, 24, true),
                     QRectF(poster.left(), poster.top() + 4 + i * 21, poster.width(), 21),
                     Qt::AlignCenter, pt);
    } else {
        drawText(p, QStringLiteral("根"), font(Face::Mincho, 34, true),
                 QRectF(poster.left(), poster.top() + 4, poster.width(), 42), Qt::AlignCenter, pt);
        drawText(p, QStringLiteral("性"), font(Face::Mincho, 34, true),
                 QRectF(poster.left(), poster.top() + 44, poster.width(), 42), Qt::AlignCenter, pt);
    }

    // Floor planks
    const QRectF floor(0, floorY, kSceneW, kSceneH - floorY);
    const QColor wood = night ? QColor(0x7a, 0x5a, 0x4a) : QColor(0xd0, 0x9a, 0x62);
    p.fillRect(floor, vgrad(floor, wood.darker(108), wood));
    p.setPen(QPen(wood.darker(125), 1.5));
    for (int k = 1; k < 6; ++k) {
        const double y = floorY + (kSceneH - floorY) * (k * k) / 36.0;
        p.drawLine(QPointF(0, y), QPointF(kSceneW, y));
    }
    inkedRect(p, QRectF(-4, floorY - 8, kSceneW + 8, 10), wall.darker(130), 0, 2);
    p.restore();
}

} // namespace art
