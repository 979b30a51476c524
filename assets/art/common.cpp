// Shared brushes and small decorations: inked outlines, gradients, sky and
// clouds, stars, confetti, sparkles, bursts, speech bubbles, the moon and
// glows.
#include "art.h"

#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

namespace art {

const QColor kInk(0x2a, 0x20, 0x30);

void inked(QPainter& p, const QPainterPath& path, const QBrush& fill, double width) {
    p.setBrush(fill);
    if (width > 0)
        p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void inkedEllipse(QPainter& p, const QPointF& c, double rx, double ry, const QBrush& fill,
                  double width) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    inked(p, path, fill, width);
}

void inkedRect(QPainter& p, const QRectF& r, const QBrush& fill, double radius, double width) {
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    inked(p, path, fill, width);
}

QLinearGradient vgrad(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    p.fillRect(r, vgrad(r, top, bottom));
}

void cloud(QPainter& p, const QPointF& c, double s, const QColor& col) {
    QPainterPath path;
    path.addEllipse(c + QPointF(-28, 4) * s, 22 * s, 15 * s);
    path.addEllipse(c + QPointF(0, -8) * s, 26 * s, 22 * s);
    path.addEllipse(c + QPointF(26, 2) * s, 22 * s, 17 * s);
    path.addRoundedRect(QRectF(c.x() - 44 * s, c.y(), 88 * s, 18 * s), 9 * s, 9 * s);
    path.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 18));
    p.drawPath(path.translated(2 * s, 4 * s));
    p.setBrush(col);
    p.drawPath(path);
}

void stars(QPainter& p, const QRectF& r, int count, std::uint32_t seed, double twinkle) {
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(r.left() + rng.range(0, r.width()), r.top() + rng.range(0, r.height()));
        const double phase = rng.range(0, 6.283);
        double size = rng.range(0.6, 1.8) * (0.8 + 0.3 * std::sin(phase + twinkle));
        const int alpha = int(150 + 100 * rng.unit());
        if (rng.pick(9) == 0) {
            sparkle(p, c, size * 3.2, QColor(255, 250, 210, alpha));
        } else {
            p.setBrush(QColor(255, 255, 235, alpha));
            p.drawEllipse(c, size, size);
        }
    }
}

void confetti(QPainter& p, const QRectF& r, int count, std::uint32_t seed, double fall) {
    static const QColor palette[] = {QColor(0xff, 0x4f, 0x6d), QColor(0xff, 0xc8, 0x2e),
                                     QColor(0x3d, 0xb8, 0xff), QColor(0x5c, 0xd6, 0x6b),
                                     QColor(0xb9, 0x7c, 0xff), QColor(0xff, 0x8a, 0x3d)};
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x0 = rng.range(0, r.width());
        const double y0 = rng.range(0, r.height());
        const double speed = rng.range(0.7, 1.3);
        const double spin = rng.range(-60, 60);
        const double a0 = rng.range(0, 360);
        const QColor c = palette[rng.pick(6)];
        const double y = std::fmod(y0 + fall * speed, r.height());
        const double x = x0 + 6 * std::sin(fall * 0.05 + a0);
        p.save();
        p.translate(r.left() + x, r.top() + y);
        p.rotate(a0 + spin * fall * 0.1);
        // The flip of a falling paper shows as its width shrinking.
        const double flip = std::abs(std::cos((a0 + fall * 4) * M_PI / 180));
        p.setBrush(c);
        p.drawRect(QRectF(-3 * (0.3 + flip), -2, 6 * (0.3 + flip), 4));
        p.restore();
    }
    p.restore();
}

void sparkle(QPainter& p, const QPointF& c, double r, const QColor& col) {
    QPainterPath path;
    const double k = r * 0.22;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    path.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    path.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    path.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(path);
    p.restore();
}

void burst(QPainter& p, const QPointF& c, double r, int rays, const QColor& a, const QColor& b,
           double turn) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(a);
    p.drawEllipse(c, r, r);
    p.setBrush(b);
    for (int i = 0; i < rays; ++i) {
        const double a0 = (i * 2 + turn) * M_PI / rays;
        const double a1 = a0 + M_PI / rays;
        QPolygonF tri;
        tri << c << c + QPointF(std::cos(a0), std::sin(a0)) * r
            << c + QPointF(std::cos(a1), std::sin(a1)) * r;
        p.drawPolygon(tri);
    }
    p.restore();
}

void speechBubble(QPainter& p, const QRectF& r, const QPointF& tail, const QString& text,
                  int pixelSize) {
    QPainterPath body;
    body.addRoundedRect(r, r.height() * 0.45, r.height() * 0.45);
    // The tail starts inside the bubble so the union hides its base.
    const QPointF base = r.center();
    const QPointF dir = tail - base;
    const QPointF n(-dir.y(), dir.x());
    const double len = std::hypot(n.x(), n.y());
    const QPointF off = n / len * std::min(r.height(), r.width()) * 0.18;
    QPolygonF tri;
    tri << base + off << tail << base - off;
    QPainterPath tp;
    tp.addPolygon(tri);
    tp.closeSubpath();
    body = body.united(tp);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    inked(p, body, Qt::white, 2.2);
    drawText(p, text, font(Face::Round, pixelSize), r.adjusted(6, 2, -6, -2), Qt::AlignCenter,
             inkText(kInk, 0));
    p.restore();
}

void moon(QPainter& p, const QPointF& c, double r) {
    glow(p, c, r * 3, QColor(255, 248, 200, 60));
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.45, -r * 0.3), r * 0.85, r * 0.85);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf3, 0xb0));
    p.drawPath(disc.subtracted(bite));
    p.restore();
}

void glow(QPainter& p, const QPointF& c, double r, const QColor& col) {
    QRadialGradient g(c, r);
    g.setColorAt(0, col);
    QColor edge = col;
    edge.setAlpha(0);
    g.setColorAt(1, edge);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

} // namespace art
