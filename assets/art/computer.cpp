// The computer, old and new: the broken one, the new one's case, monitor,
// keyboard and parts, the screwdriver that puts them together, and what its
// screen shows.
#include "art.h"

#include <QtMath>

#include <algorithm>

namespace art {

void monitor(QPainter& p, const QRectF& screen,
             const std::function<void(QPainter&, const QRectF&)>& content) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double b = std::max(5.0, screen.width() * 0.05);
    const QRectF bezel = screen.adjusted(-b, -b, b, b * 1.6);
    // Stand
    const double cx = screen.center().x();
    QPainterPath neck;
    neck.addRect(QRectF(cx - screen.width() * 0.06, bezel.bottom() - 2, screen.width() * 0.12,
                        screen.height() * 0.22));
    inked(p, neck, QColor(0x4a, 0x4e, 0x5a), 2);
    QPainterPath foot;
    foot.addRoundedRect(QRectF(cx - screen.width() * 0.25, bezel.bottom() + screen.height() * 0.2,
                               screen.width() * 0.5, screen.height() * 0.07),
                        3, 3);
    inked(p, foot, QColor(0x3a, 0x3e, 0x48), 2);
    inkedRect(p, bezel, vgrad(bezel, QColor(0x44, 0x48, 0x56), QColor(0x24, 0x26, 0x30)), b * 0.6,
              2.5);
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

void pcTower(QPainter& p, const QRectF& r, bool open, bool lit) {
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
        const QRectF mb(in.left() + in.width() * 0.08, in.top() + in.height() * 0.05,
                        in.width() * 0.84, in.height() * 0.62);
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
        inkedRect(p,
                  QRectF(mb.left() + mb.width() * 0.05, mb.bottom() - mb.height() * 0.28,
                         mb.width() * 0.85, mb.height() * 0.16),
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
        p.drawRoundedRect(QRectF(r.left() + w * 0.08, r.top() + h * 0.22, w * 0.05, h * 0.7), 1.5,
                          1.5);
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

void keyboard(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF body;
    const double slant = r.height() * 0.25;
    body << QPointF(r.left() + slant, r.top()) << QPointF(r.right() - slant, r.top())
         << r.bottomRight() << r.bottomLeft();
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
            p.drawRoundedRect(QRectF(left + x * kw + 0.8, r.top() + r.height() * (y + 0.15) / rows,
                                     kw - 1.6, r.height() / rows * 0.7),
                              1, 1);
    }
    p.restore();
}

void motherboard(QPainter& p, const QRectF& r) {
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
        const QRectF slot(r.left() + w * (0.68 + k * 0.065), r.top() + h * 0.08, w * 0.04,
                          h * 0.62);
        inkedRect(p, slot, k % 2 ? QColor(0x2a, 0x2a, 0x30) : QColor(0x3c, 0x6c, 0xd8), 1, 1);
    }
    // Chipset and capacitors
    inkedRect(p, QRectF(r.left() + w * 0.12, r.top() + h * 0.62, w * 0.16, w * 0.14),
              QColor(0x33, 0x36, 0x3e), 1.5, 1.2);
    p.setPen(QPen(kInk, 0.8));
    for (int k = 0; k < 5; ++k) {
        const QPointF c(r.left() + w * (0.1 + k * 0.045), r.top() + h * 0.12);
        p.setBrush(QColor(0x30, 0x50, 0xa0));
        p.drawEllipse(c, w * 0.018, w * 0.018);
    }
    p.restore();
}

void cpuChip(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inkedRect(p, r, QColor(0x2f, 0x7a, 0x3e), 1, 1.4);
    p.setPen(QPen(QColor(0xe8, 0xc0, 0x40), std::max(0.6, r.width() * 0.03)));
    const int pins = 7;
    for (int k = 0; k < pins; ++k) {
        const double f = (k + 0.5) / pins;
        p.drawLine(QPointF(r.left() + r.width() * f, r.top() + 1),
                   QPointF(r.left() + r.width() * f, r.top() + r.height() * 0.12));
        p.drawLine(QPointF(r.left() + r.width() * f, r.bottom() - 1),
                   QPointF(r.left() + r.width() * f, r.bottom() - r.height() * 0.12));
    }
    const QRectF lid =
        r.adjusted(r.width() * 0.18, r.height() * 0.18, -r.width() * 0.18, -r.height() * 0.18);
    QLinearGradient g(lid.topLeft(), lid.bottomRight());
    g.setColorAt(0, QColor(0xf4, 0xf6, 0xfa));
    g.setColorAt(0.5, QColor(0xb8, 0xbe, 0xc8));
    g.setColorAt(1, QColor(0xe0, 0xe4, 0xea));
    inkedRect(p, lid, g, r.width() * 0.04, 1.2);
    p.restore();
}

void ramStick(QPainter& p, const QRectF& r) {
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

void brokenPc(QPainter& p, const QPointF& base, double s) {
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
    const QPointF crack[][3] = {{{-20, -10}, {-8, -4}, {0, 0}},
                                {{22, -14}, {10, -6}, {0, 0}},
                                {{-14, 16}, {-6, 6}, {0, 0}},
                                {{18, 14}, {6, 8}, {0, 0}},
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

void screwdriver(QPainter& p, const QPointF& grip, double angle, double s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(grip);
    p.rotate(angle);
    p.scale(s, s);
    // Shaft points along +x from the grip.
    inkedRect(p, QRectF(6, -2, 30, 4),
              vgrad(QRectF(6, -2, 30, 4), QColor(0xf0, 0xf2, 0xf6), QColor(0x90, 0x96, 0xa0)), 1,
              1.5);
    QPainterPath tip;
    tip.moveTo(36, -2);
    tip.lineTo(42, -1);
    tip.lineTo(42, 1);
    tip.lineTo(36, 2);
    tip.closeSubpath();
    inked(p, tip, QColor(0xb0, 0xb6, 0xc0), 1.2);
    inkedRect(p, QRectF(-16, -5, 24, 10),
              vgrad(QRectF(-16, -5, 24, 10), QColor(0xff, 0xd0, 0x40), QColor(0xe0, 0x80, 0x10)), 4,
              2);
    p.setPen(QPen(QColor(0xa0, 0x50, 0x00), 1));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(-12 + k * 6, -3), QPointF(-12 + k * 6, 3));
    p.restore();
}

void screenGame(QPainter& p, const QRectF& r, int frame) {
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
    p.drawRect(QRectF(r.left() + w * 0.58 + w * 0.02 * frame, r.top() + h * 0.075,
                      w * 0.22 - w * 0.02 * frame, h * 0.04));
    // Two little fighters
    auto fighter = [&](double fx, const QColor& c, bool left) {
        const QPointF base(r.left() + w * fx, r.top() + h * 0.75);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(base.x() - w * 0.04, base.y() - h * 0.3, w * 0.08, h * 0.22), 2,
                          2);
        p.setBrush(QColor(0xff, 0xd6, 0xae));
        p.drawEllipse(QPointF(base.x(), base.y() - h * 0.36), w * 0.045, w * 0.045);
        p.setBrush(c.darker(130));
        p.drawRect(QRectF(base.x() - w * 0.035, base.y() - h * 0.1, w * 0.025, h * 0.1));
        p.drawRect(QRectF(base.x() + w * 0.01, base.y() - h * 0.1, w * 0.025, h * 0.1));
        p.setBrush(c);
        p.drawRect(
            QRectF(left ? base.x() : base.x() - w * 0.1, base.y() - h * 0.26, w * 0.1, h * 0.045));
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

void screenCode(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, QColor(0x14, 0x1a, 0x2c));
    static const QColor cols[] = {QColor(0x7a, 0xd0, 0xff), QColor(0xff, 0xc8, 0x6a),
                                  QColor(0xa0, 0xf0, 0x90), QColor(0xff, 0x8a, 0xb0),
                                  QColor(0xd0, 0xd4, 0xe0)};
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
