// Objects and places that recur across the ending: parts boxes, the prize
// bag, the new computer, the town, the tournament hall and his room.
#include "art.h"

#include <QtMath>

#include <algorithm>

namespace art {

void box3d(QPainter& p, const QRectF& f, double depth, const QColor& col, const QString& label,
           bool open)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF off(depth * 0.75, -depth * 0.6);
    QPolygonF top;
    top << f.topLeft() << f.topRight() << f.topRight() + off << f.topLeft() + off;
    QPolygonF side;
    side << f.topRight() << f.topRight() + off << f.bottomRight() + off << f.bottomRight();
    QPainterPath tp, sp, fp;
    tp.addPolygon(top);
    tp.closeSubpath();
    sp.addPolygon(side);
    sp.closeSubpath();
    fp.addRect(f);
    inked(p, sp, col.darker(135), 2);
    if (open) {
        // Inside of the box, then the four flaps folded outward.
        inked(p, tp, col.darker(220), 2);
        QPolygonF flapL, flapR;
        flapL << f.topLeft() << f.topLeft() + off << f.topLeft() + off + QPointF(-depth * 0.9, -depth * 0.2)
              << f.topLeft() + QPointF(-depth * 0.9, -depth * 0.35);
        flapR << f.topRight() << f.topRight() + off << f.topRight() + off + QPointF(depth * 0.8, -depth * 0.5)
              << f.topRight() + QPointF(depth * 0.8, -depth * 0.4);
        QPainterPath lp, rp;
        lp.addPolygon(flapL);
        lp.closeSubpath();
        rp.addPolygon(flapR);
        rp.closeSubpath();
        inked(p, lp, col.lighter(112), 2);
        inked(p, rp, col.lighter(106), 2);
    } else {
        inked(p, tp, col.lighter(125), 2);
    }
    inked(p, fp, vgrad(f, col.lighter(108), col.darker(108)), 2);
    // A white band across the front, like the product stripe on retail boxes.
    const QRectF band(f.left() + 1, f.top() + f.height() * 0.32, f.width() - 2, f.height() * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRect(band);
    if (!label.isEmpty()) {
        TextStyle st;
        st.top = col.darker(150);
        st.bottom = col.darker(190);
        st.outlineWidth = 0;
        const int px = int(std::max(8.0, band.height() * 0.95));
        drawText(p, label, font(Face::Sans, px, true), band.adjusted(2, 0, -2, 0), Qt::AlignCenter, st);
    }
    p.restore();
}

void moneyBag(QPainter& p, const QPointF& c, double s, bool label)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(c);
    p.scale(s / 100.0, s / 100.0);
    QPainterPath body;
    body.moveTo(-14, -34);
    body.cubicTo(-60, -20, -56, 46, -28, 48);
    body.lineTo(28, 48);
    body.cubicTo(56, 46, 60, -20, 14, -34);
    body.closeSubpath();
    QRadialGradient g(QPointF(-14, 0), 70);
    g.setColorAt(0, QColor(0xe8, 0xbd, 0x7c));
    g.setColorAt(1, QColor(0xb0, 0x78, 0x3e));
    inked(p, body, g, 3);
    QPainterPath frill;
    frill.moveTo(-14, -34);
    frill.lineTo(-24, -50);
    frill.lineTo(-10, -44);
    frill.lineTo(0, -54);
    frill.lineTo(10, -44);
    frill.lineTo(24, -50);
    frill.lineTo(14, -34);
    frill.closeSubpath();
    inked(p, frill, QColor(0xd8, 0xa4, 0x62), 3);
    inkedRect(p, QRectF(-17, -38, 34, 8), QColor(0xd9, 0x2b, 0x2b), 3, 3);
    // Coin emblem
    inkedEllipse(p, QPointF(0, 10), 19, 19, QColor(0xff, 0xd2, 0x3a), 3);
    p.setPen(QPen(QColor(0xc8, 0x8a, 0x10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 10), 14, 14);
    TextStyle st = inkText(QColor(0xb0, 0x6a, 0x00), 0);
    drawText(p, QStringLiteral("G"), font(Face::Sans, 24, true), QRectF(-14, -4, 28, 28), Qt::AlignCenter, st);
    if (label) {
        TextStyle lt;
        lt.top = QColor(0xff, 0xf4, 0x9a);
        lt.bottom = QColor(0xff, 0xb0, 0x20);
        lt.outlineWidth = 3;
        drawText(p, QStringLiteral("50000G"), font(Face::Sans, 22, true), QRectF(-50, 30, 100, 26),
                 Qt::AlignCenter, lt);
    }
    p.restore();
}

void monitor(QPainter& p, const QRectF& screen,
             const std::function<void(QPainter&, const QRectF&)>& content)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double b = std::max(5.0, screen.width() * 0.05);
    const QRectF bezel = screen.adjusted(-b, -b, b, b * 1.6);
    // Stand
    const double cx = screen.center().x();
    QPainterPath neck;
    neck.addRect(QRectF(cx - screen.width() * 0.06, bezel.bottom() - 2, screen.width() * 0.12, screen.height() * 0.22));
    inked(p, neck, QColor(0x4a, 0x4e, 0x5a), 2);
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cx - screen.width() * 0.25, bezel.bottom() + screen.height() * 0.2,
                               screen.width() * 0.5, screen.height() * 0.07),
                        3, 3);
    inked(p, foot, QColor(0x3a, 0x3e, 0x48), 2);
    inkedRect(p, bezel, vgrad(bezel, QColor(0x44, 0x48, 0x56), QColor(0x24, 0x26, 0x30)), b * 0.6, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0xe0, 0xff));
    p.drawEllipse(QPointF(bezel.right() - b * 1.4, bezel.bottom() - b * 0.8), 1.6, 1.6);
    p.setBrush(QColor(0x10, 0x12, 0x1a));
    p.drawRect(screen);
    if (content) {
        p.save();
        p.setClipRect(screen);
        content(p, screen);
        p.restore();
    }
    p.restore();
}

void pcTower(QPainter& p, const QRectF& r, bool open, bool lit)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body(0x3b, 0x40, 0x4e);
    inkedRect(p, r, vgrad(r, body.lighter(125), body.darker(110)), 5, 2.5);
    const double w = r.width();
    const double h = r.height();
    if (open) {
        // Side panel off: the inside, with the board, a fan and the card.
        const QRectF in = r.adjusted(w * 0.08, h * 0.06, -w * 0.08, -h * 0.05);
        inkedRect(p, in, QColor(0x22, 0x25, 0x2e), 3, 1.8);
        const QRectF mb(in.left() + in.width() * 0.08, in.top() + in.height() * 0.05, in.width() * 0.84,
                        in.height() * 0.62);
        motherboard(p, mb);
        const QPointF fan(in.left() + in.width() * 0.5, in.top() + in.height() * 0.82);
        const double fr = std::min(in.width(), in.height()) * 0.14;
        inkedEllipse(p, fan, fr, fr, QColor(0x55, 0x5a, 0x66), 1.8);
        p.setPen(QPen(QColor(0x9a, 0xa0, 0xaa), 1.6));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawLine(fan, fan + QPointF(std::cos(a), std::sin(a)) * fr * 0.85);
        }
        inkedEllipse(p, fan, fr * 0.3, fr * 0.3, QColor(0x80, 0x86, 0x90), 1.2);
        // Graphics card across the lower board.
        inkedRect(p, QRectF(mb.left() + mb.width() * 0.05, mb.bottom() - mb.height() * 0.28, mb.width() * 0.85,
                            mb.height() * 0.16),
                  QColor(0xe0, 0x6a, 0x2a), 1.5, 1.6);
    } else {
        const QRectF bay(r.left() + w * 0.15, r.top() + h * 0.08, w * 0.7, h * 0.1);
        inkedRect(p, bay, body.darker(140), 2, 1.6);
        p.setPen(QPen(body.lighter(160), 1.4));
        for (int k = 0; k < 6; ++k) {
            const double y = r.top() + h * (0.5 + k * 0.07);
            p.drawLine(QPointF(r.left() + w * 0.2, y), QPointF(r.right() - w * 0.2, y));
        }
        // Accent stripe down the front.
        p.setPen(Qt::NoPen);
        p.setBrush(lit ? QColor(0x40, 0xd0, 0xff) : QColor(0x55, 0x6a, 0x80));
        p.drawRoundedRect(QRectF(r.left() + w * 0.08, r.top() + h * 0.22, w * 0.05, h * 0.7), 1.5, 1.5);
    }
    const QPointF led(r.center().x(), r.top() + h * (open ? 0.035 : 0.28));
    const double br = std::max(2.5, w * 0.07);
    if (!open) {
        inkedEllipse(p, led, br, br, body.lighter(150), 1.5);
        if (lit) {
            glow(p, led, br * 4, QColor(0x60, 0xd8, 0xff, 200));
            inkedEllipse(p, led, br * 0.55, br * 0.55, QColor(0xb0, 0xf4, 0xff), 0);
        }
    }
    p.restore();
}

void keyboard(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF body;
    const double slant = r.height() * 0.25;
    body << QPointF(r.left() + slant, r.top()) << QPointF(r.right() - slant, r.top()) << r.bottomRight()
         << r.bottomLeft();
    QPainterPath bp;
    bp.addPolygon(body);
    bp.closeSubpath();
    inked(p, bp, QColor(0xe8, 0xea, 0xf0), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0xbc, 0xc8));
    const int rows = 3;
    const int cols = 12;
    for (int y = 0; y < rows; ++y) {
        const double fy = (y + 0.5) / rows;
        const double inset = slant * (1 - fy) + 3;
        const double left = r.left() + inset;
        const double right = r.right() - inset;
        const double kw = (right - left) / cols;
        for (int x = 0; x < cols; ++x)
            p.drawRoundedRect(QRectF(left + x * kw + 0.8, r.top() + r.height() * (y + 0.15) / rows, kw - 1.6,
                                     r.height() / rows * 0.7),
                              1, 1);
    }
    p.restore();
}

void motherboard(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, r, QColor(0x1f, 0x8a, 0x4c), 2, 1.8);
    const double w = r.width();
    const double h = r.height();
    // Copper traces
    p.setPen(QPen(QColor(0x6a, 0xd6, 0x8a), std::max(0.8, w * 0.008)));
    Rng rng(77);
    for (int k = 0; k < 9; ++k) {
        const double y = r.top() + h * rng.range(0.1, 0.9);
        const double x0 = r.left() + w * rng.range(0.05, 0.4);
        const double x1 = r.left() + w * rng.range(0.55, 0.95);
        p.drawLine(QPointF(x0, y), QPointF(x1, y));
        p.drawLine(QPointF(x1, y), QPointF(x1 + w * 0.04, y + h * 0.05));
    }
    // Socket with the CPU in it
    cpuChip(p, QRectF(r.left() + w * 0.32, r.top() + h * 0.14, w * 0.28, w * 0.28));
    // Memory slots
    for (int k = 0; k < 4; ++k) {
        const QRectF slot(r.left() + w * (0.68 + k * 0.065), r.top() + h * 0.08, w * 0.04, h * 0.62);
        inkedRect(p, slot, k % 2 ? QColor(0x2a, 0x2a, 0x30) : QColor(0x3c, 0x6c, 0xd8), 1, 1);
    }
    // Chipset and capacitors
    inkedRect(p, QRectF(r.left() + w * 0.12, r.top() + h * 0.62, w * 0.16, w * 0.14), QColor(0x33, 0x36, 0x3e), 1.5, 1.2);
    p.setPen(QPen(kInk, 0.8));
    for (int k = 0; k < 5; ++k) {
        const QPointF c(r.left() + w * (0.1 + k * 0.045), r.top() + h * 0.12);
        p.setBrush(QColor(0x30, 0x50, 0xa0));
        p.drawEllipse(c, w * 0.018, w * 0.018);
    }
    p.restore();
}

void cpuChip(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, r, QColor(0x2f, 0x7a, 0x3e), 1, 1.4);
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x40), std::max(0.6, r.width() * 0.03)));
    const int pins = 7;
    for (int k = 0; k < pins; ++k) {
        const double f = (k + 0.5) / pins;
        p.drawLine(QPointF(r.left() + r.width() * f, r.top() + 1), QPointF(r.left() + r.width() * f, r.top() + r.height() * 0.12));
        p.drawLine(QPointF(r.left() + r.width() * f, r.bottom() - 1), QPointF(r.left() + r.width() * f, r.bottom() - r.height() * 0.12));
    }
    const QRectF lid = r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    QLinearGradient g(lid.topLeft(), lid.bottomRight());
    g.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
    g.setColorAt(0.5, QColor(0xb8, 0xbe, 0xc8));
    g.setColorAt(1, QColor(0xe0, 0xe4, 0xea));
    inkedRect(p, lid, g, r.width() * 0.04, 1.2);
    p.restore();
}

void ramStick(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, r, QColor(0x2a, 0x8e, 0x50), 1, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xc0, 0x40));
    const int pins = 14;
    for (int k = 0; k < pins; ++k)
        p.drawRect(QRectF(r.left() + r.width() * (k + 0.2) / pins, r.bottom() - r.height() * 0.22,
                          r.width() / pins * 0.6, r.height() * 0.18));
    p.setBrush(QColor(0x22, 0x24, 0x2a));
    for (int k = 0; k < 4; ++k)
        p.drawRect(QRectF(r.left() + r.width() * (0.06 + k * 0.235), r.top() + r.height() * 0.15,
                          r.width() * 0.18, r.height() * 0.5));
    p.restore();
}

void brokenPc(QPainter& p, const QPointF& base, double s)
{
    // His old machine: the reason for all this. Cracked screen, a dented
    // box and a little smoke, kept comic rather than sad.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(base);
    p.scale(s, s);
    const QRectF tower(-78, -70, 34, 70);
    p.save();
    p.translate(tower.bottomLeft());
    p.rotate(-6);
    p.translate(-tower.bottomLeft());
    inkedRect(p, tower, QColor(0x9a, 0x94, 0x88), 3, 2.5);
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(-70, -52), QPointF(-58, -44));
    p.drawLine(QPointF(-58, -44), QPointF(-64, -36));
    // Sticking plaster
    p.save();
    p.translate(-61, -20);
    p.rotate(30);
    inkedRect(p, QRectF(-12, -4, 24, 8), QColor(0xf0, 0xd0, 0xa8), 3, 1.6);
    p.setPen(QPen(QColor(0xc0, 0x9a, 0x70), 1));
    p.drawLine(QPointF(-4, -2), QPointF(-4, 2));
    p.drawLine(QPointF(4, -2), QPointF(4, 2));
    p.restore();
    p.restore();

    // Boxy old monitor
    const QRectF mon(-36, -72, 76, 60);
    inkedRect(p, QRectF(-14, -14, 32, 14), QColor(0xa8, 0xa2, 0x96), 2, 2.5);
    inkedRect(p, mon, QColor(0xc0, 0xba, 0xac), 6, 2.5);
    const QRectF scr = mon.adjusted(8, 7, -8, -11);
    inkedRect(p, scr, QColor(0x30, 0x36, 0x3a), 3, 2);
    p.setPen(QPen(QColor(0xe8, 0xf0, 0xf4), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF hit(scr.left() + scr.width() * 0.62, scr.top() + scr.height() * 0.42);
    const QPointF crack[][3] = {{{-20, -10}, {-8, -4}, {0, 0}}, {{22, -14}, {10, -6}, {0, 0}},
                                {{-14, 16}, {-6, 6}, {0, 0}},   {{18, 14}, {6, 8}, {0, 0}},
                                {{2, -18}, {3, -8}, {0, 0}}};
    for (const auto& c : crack) {
        QPainterPath cp;
        cp.moveTo(hit + c[0]);
        cp.lineTo(hit + c[1]);
        cp.lineTo(hit + c[2]);
        p.drawPath(cp);
    }
    // Dizzy spiral where the screen would show something.
    p.setPen(QPen(QColor(0xff, 0x70, 0x70), 1.4));
    p.drawArc(QRectF(scr.left() + 5, scr.top() + 8, 12, 12), 0, 300 * 16);
    // Smoke
    p.setPen(Qt::NoPen);
    const double puffs[][3] = {{-62, -86, 9}, {-56, -102, 11}, {-64, -120, 13}};
    for (const auto& pf : puffs) {
        p.setBrush(QColor(0x90, 0x90, 0x98, 150));
        p.drawEllipse(QPointF(pf[0], pf[1]), pf[2], pf[2] * 0.8);
    }
    p.restore();
}

void screwdriver(QPainter& p, const QPointF& grip, double angle, double s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(grip);
    p.rotate(angle);
    p.scale(s, s);
    // Shaft points along +x from the grip.
    inkedRect(p, QRectF(6, -2, 30, 4), vgrad(QRectF(6, -2, 30, 4), QColor(0xf0, 0xf2, 0xf6), QColor(0x90, 0x96, 0xa0)), 1, 1.5);
    QPainterPath tip;
    tip.moveTo(36, -2);
    tip.lineTo(42, -1);
    tip.lineTo(42, 1);
    tip.lineTo(36, 2);
    tip.closeSubpath();
    inked(p, tip, QColor(0xb0, 0xb6, 0xc0), 1.2);
    inkedRect(p, QRectF(-16, -5, 24, 10), vgrad(QRectF(-16, -5, 24, 10), QColor(0xff, 0xd0, 0x40), QColor(0xe0, 0x80, 0x10)), 4, 2);
    p.setPen(QPen(QColor(0xa0, 0x50, 0x00), 1));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(-12 + k * 6, -3), QPointF(-12 + k * 6, 3));
    p.restore();
}

void townRow(QPainter& p, double groundY, double offset, std::uint32_t seed, const QColor& tint,
             double tintAmount)
{
    static const QColor walls[] = {QColor(0xf6, 0xd8, 0xa8), QColor(0xd8, 0xe8, 0xf4), QColor(0xf4, 0xc6, 0xc0),
                                   QColor(0xe0, 0xf0, 0xd0), QColor(0xf0, 0xe6, 0xd6), QColor(0xc8, 0xd4, 0xe8)};
    static const QColor roofs[] = {QColor(0x8a, 0x4a, 0x3a), QColor(0x3f, 0x5f, 0x8a), QColor(0x5a, 0x7a, 0x4a),
                                   QColor(0x6a, 0x5a, 0x7a)};
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
                    const QRectF win(sx + w * (fx + 0.5) / cols - ww / 2, groundY - h + 12 + fy * (h - 20) / floors,
                                     ww, std::min(20.0, (h - 20) / floors * 0.55));
                    inkedRect(p, win, mix(QColor(0x9c, 0xd4, 0xf4)), 1.5, 1.5);
                    p.setPen(QPen(QColor(255, 255, 255, 120), 1.4));
                    p.drawLine(win.topLeft() + QPointF(2, win.height() - 3), win.topLeft() + QPointF(win.width() - 3, 2));
                }
            }
        }
        x += w + rng.range(2, 14);
    }
    p.restore();
}

void powerPole(QPainter& p, double x, double groundY, const QColor& col)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, QRectF(x - 4, groundY - 190, 8, 190), col, 2, 2);
    inkedRect(p, QRectF(x - 26, groundY - 176, 52, 5), col.darker(120), 1, 1.8);
    inkedRect(p, QRectF(x - 20, groundY - 154, 40, 4), col.darker(120), 1, 1.8);
    p.restore();
}

void tournamentHall(QPainter& p, double flagPhase, bool night)
{
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
        static const QColor cols[] = {QColor(0xff, 0x4f, 0x6d), QColor(0xff, 0xc8, 0x2e), QColor(0x3d, 0xb8, 0xff),
                                      QColor(0x5c, 0xd6, 0x6b)};
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
    drawText(p, say(u"格闘大会", u"TOURNAMENT"), font(Face::Mincho, 22, true), board.adjusted(6, 3, -6, -3), Qt::AlignCenter, st);
    // Steps
    for (int k = 0; k < 3; ++k) {
        const QRectF step(90 - k * 10, 300 + k * 6, 96 + k * 20, 6);
        inkedRect(p, step, QColor(0xd8, 0xd0, 0xc0).darker(100 + k * 4), 0, 1.8);
    }
    // Paper lanterns either side of the door
    for (double x : {96.0, 180.0}) {
        if (night)
            glow(p, QPointF(x, 228), 26, QColor(0xff, 0xa0, 0x40, 150));
        inkedEllipse(p, QPointF(x, 228), 8, 11, night ? QColor(0xff, 0x90, 0x50) : QColor(0xe8, 0x50, 0x40), 2);
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(x - 7, 224), QPointF(x + 7, 224));
        p.drawLine(QPointF(x - 7, 232), QPointF(x + 7, 232));
    }
    p.restore();
}

void roomInterior(QPainter& p, bool night, double floorY)
{
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
    inkedRect(p, QRectF(win.left() - 22, win.top() - 20, win.width() + 44, 6), QColor(0xa0, 0x80, 0x60), 2, 2);

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
                     QRectF(poster.left(), poster.top() + 4 + i * 21, poster.width(), 21), Qt::AlignCenter, pt);
    } else {
        drawText(p, QStringLiteral("根"), font(Face::Mincho, 34, true), QRectF(poster.left(), poster.top() + 4, poster.width(), 42), Qt::AlignCenter, pt);
        drawText(p, QStringLiteral("性"), font(Face::Mincho, 34, true), QRectF(poster.left(), poster.top() + 44, poster.width(), 42), Qt::AlignCenter, pt);
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

void screenGame(QPainter& p, const QRectF& r, int frame)
{
    // A tiny fighting game on the new screen, in the spirit of his own tournament.
    p.save();
    p.fillRect(r, vgrad(r, QColor(0x50, 0xa8, 0xff), QColor(0xb8, 0xe8, 0xff)));
    const double w = r.width();
    const double h = r.height();
    p.fillRect(QRectF(r.left(), r.top() + h * 0.75, w, h * 0.25), QColor(0x5a, 0xc0, 0x5a));
    p.setPen(Qt::NoPen);
    // HP bars
    p.setBrush(QColor(0x20, 0x20, 0x30));
    p.drawRect(QRectF(r.left() + w * 0.05, r.top() + h * 0.06, w * 0.38, h * 0.07));
    p.drawRect(QRectF(r.left() + w * 0.57, r.top() + h * 0.06, w * 0.38, h * 0.07));
    p.setBrush(QColor(0x50, 0xe0, 0x60));
    p.drawRect(QRectF(r.left() + w * 0.06, r.top() + h * 0.075, w * 0.36, h * 0.04));
    p.setBrush(QColor(0xff, 0xa0, 0x30));
    p.drawRect(QRectF(r.left() + w * 0.58 + w * 0.02 * frame, r.top() + h * 0.075, w * 0.22 - w * 0.02 * frame, h * 0.04));
    // Two little fighters
    auto fighter = [&](double fx, const QColor& c, bool left) {
        const QPointF base(r.left() + w * fx, r.top() + h * 0.75);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(base.x() - w * 0.04, base.y() - h * 0.3, w * 0.08, h * 0.22), 2, 2);
        p.setBrush(QColor(0xff, 0xd6, 0xae));
        p.drawEllipse(QPointF(base.x(), base.y() - h * 0.36), w * 0.045, w * 0.045);
        p.setBrush(c.darker(130));
        p.drawRect(QRectF(base.x() - w * 0.035, base.y() - h * 0.1, w * 0.025, h * 0.1));
        p.drawRect(QRectF(base.x() + w * 0.01, base.y() - h * 0.1, w * 0.025, h * 0.1));
        p.setBrush(c);
        p.drawRect(QRectF(left ? base.x() : base.x() - w * 0.1, base.y() - h * 0.26, w * 0.1, h * 0.045));
    };
    fighter(0.38, QColor(0xf0, 0xf0, 0xf0), true);
    fighter(0.62, QColor(0xd0, 0x40, 0x40), false);
    sparkle(p, QPointF(r.left() + w * 0.5, r.top() + h * 0.45), h * 0.1, QColor(255, 240, 120));
    TextStyle st;
    st.top = QColor(0xff, 0xf0, 0x60);
    st.bottom = QColor(0xff, 0x80, 0x10);
    st.outlineWidth = 1.5;
    drawText(p, QStringLiteral("FIGHT!"), font(Face::Sans, int(h * 0.16), true, true),
             QRectF(r.left(), r.top() + h * 0.14, w, h * 0.2), Qt::AlignCenter, st);
    p.restore();
}

void screenCode(QPainter& p, const QRectF& r)
{
    p.save();
    p.fillRect(r, QColor(0x14, 0x1a, 0x2c));
    static const QColor cols[] = {QColor(0x7a, 0xd0, 0xff), QColor(0xff, 0xc8, 0x6a), QColor(0xa0, 0xf0, 0x90),
                                  QColor(0xff, 0x8a, 0xb0), QColor(0xd0, 0xd4, 0xe0)};
    Rng rng(31);
    const double lh = r.height() / 14.0;
    p.setPen(Qt::NoPen);
    for (int line = 0; line < 13; ++line) {
        double x = r.left() + r.width() * 0.06 + (rng.pick(3)) * r.width() * 0.05;
        const int words = 1 + rng.pick(4);
        for (int k = 0; k < words; ++k) {
            const double ww = r.width() * rng.range(0.06, 0.2);
            if (x + ww > r.right() - 4)
                break;
            p.setBrush(cols[rng.pick(5)]);
            p.drawRoundedRect(QRectF(x, r.top() + lh * (line + 0.6), ww, lh * 0.45), 1, 1);
            x += ww + r.width() * 0.03;
        }
    }
    p.restore();
}

} // namespace art
