// The application icon: the hero's head and shoulders, ready for a match, on
// a tile with the tournament's burst behind him.
#include "art.h"

namespace art {

QImage appIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // A margin keeps the tile clear of the edge, as desktop icons are drawn.
    const double m = s >= 48 ? s / 16 : s / 32;
    const QRectF tile(m, m, s - 2 * m, s - 2 * m);
    QPainterPath tilePath;
    tilePath.addRoundedRect(tile, tile.width() * 0.18, tile.width() * 0.18);
    p.setPen(Qt::NoPen);
    p.setBrush(vgrad(tile, QColor(0x4a, 0x8c, 0xf0), QColor(0x1d, 0x3f, 0x8a)));
    p.drawPath(tilePath);

    p.save();
    p.setClipPath(tilePath);
    // Small sizes get fewer, wider rays, which still read as a burst.
    const int rays = s >= 64 ? 14 : 8;
    burst(p, QPointF(s / 2, s * 0.42), s * 0.75, rays, Qt::transparent,
          QColor(0x8c, 0xc0, 0xff, 150), 0.5);
    Pose pose = standPose();
    pose.turn = 0;
    pose.expr = Expr::Grin;
    pose.hideLegs = true;
    pose.flutter = 0.3;
    // Head and shoulders fill the tile: about 124 character units tall.
    const double scale = tile.height() / 124;
    const QPointF hip(s / 2, tile.top() + tile.height() * 0.47 + 92 * scale);
    drawCharacter(p, heroLook(), pose, hip, scale);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, std::max(1.0, s / 64)));
    p.drawPath(tilePath);
    return img;
}

} // namespace art
