// The battle window's attack, defence and speed icons, in the player's cool
// colours and the opponent's warm ones, and the status window's equipment
// label.
#include "ui.h"

namespace art {

const Palette kCool{QColor(0xa8, 0xdc, 0xff), QColor(0x3a, 0x86, 0xf0), QColor(0x16, 0x3a, 0x96),
                    QColor(0xe8, 0xfa, 0xff)};
const Palette kWarm{QColor(0xff, 0xc0, 0x90), QColor(0xf0, 0x50, 0x38), QColor(0x96, 0x1a, 0x16),
                    QColor(0xff, 0xf0, 0xb0)};

namespace {

constexpr double kIconLine = 1.3; // outline width in the 32-unit icon grid

void speedLines(QPainter& p, const Palette& pal, double x0, double x1,
                std::initializer_list<double> ys) {
    p.setPen(QPen(pal.light, 1.8, Qt::SolidLine, Qt::RoundCap));
    double shrink = 0;
    for (double y : ys) {
        p.drawLine(QPointF(x0 + shrink, y), QPointF(x1, y));
        shrink = shrink > 0 ? 0 : 2.5;
    }
}

} // namespace

void fistIcon(QPainter& p, const Palette& pal) {
    speedLines(p, pal, 1.5, 7, {11, 17, 23});
    const QRectF back(8.5, 9, 20, 16);
    inkedRect(p, back, vgrad(back, pal.base, pal.dark), 5, kIconLine);
    // Four curled fingers facing us
    for (int k = 0; k < 4; ++k) {
        const QRectF f(9 + k * 4.8, 5.5, 4.8, 11);
        inkedRect(p, f, vgrad(f, pal.light, pal.base), 2.4, kIconLine);
    }
    // Thumb folded across them
    const QRectF thumb(7.5, 15.5, 15, 5.8);
    inkedRect(p, thumb, vgrad(thumb, pal.light, pal.base), 2.9, kIconLine);
    // Cuff
    const QRectF cuff(12, 25, 13, 5);
    inkedRect(p, cuff, pal.dark, 1.2, kIconLine);
    p.setPen(QPen(pal.accent, 1.1));
    p.drawLine(QPointF(13, 27.5), QPointF(24, 27.5));
    // Shine on the knuckles
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(10.6 + k * 4.8, 7.8), QPointF(10.6 + k * 4.8, 10));
    sparkle(p, QPointF(28.5, 5), 3, pal.accent);
}

void shieldIcon(QPainter& p, const Palette& pal) {
    auto shape = [](double inset) {
        QPainterPath s;
        s.moveTo(3 + inset, 5 + inset * 0.6);
        s.quadTo(16, 1 + inset, 29 - inset, 5 + inset * 0.6);
        s.lineTo(29 - inset, 16);
        s.cubicTo(29 - inset, 26 - inset * 0.2, 22, 32 - inset * 0.6, 16, 35.5 - inset * 1.2);
        s.cubicTo(10, 32 - inset * 0.6, 3 + inset, 26 - inset * 0.2, 3 + inset, 16);
        s.closeSubpath();
        return s;
    };
    QLinearGradient rim(QPointF(3, 2), QPointF(29, 35));
    rim.setColorAt(0, QColor(0xff, 0xff, 0xff));
    rim.setColorAt(0.5, QColor(0xc0, 0xc8, 0xd4));
    rim.setColorAt(1, QColor(0x80, 0x88, 0x98));
    inked(p, shape(0), rim, kIconLine);
    QLinearGradient field(QPointF(6, 4), QPointF(24, 34));
    field.setColorAt(0, pal.light);
    field.setColorAt(0.45, pal.base);
    field.setColorAt(1, pal.dark);
    inked(p, shape(3), field, kIconLine * 0.8);
    // Star emblem
    QPainterPath star;
    const QPointF c(16, 17);
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 ? 3 : 7;
        const double a = -M_PI / 2 + k * M_PI / 5;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    inked(p, star, pal.accent, 1);
    // Gloss band across the upper left
    p.save();
    p.setClipPath(shape(3));
    p.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 14), QPointF(13, 5));
    p.restore();
}

void shoeIcon(QPainter& p, const Palette& pal) {
    speedLines(p, pal, 0.5, 6, {16, 21, 26});
    // Wing on the heel
    // Wing on the heel, three scalloped feathers sweeping back.
    QPainterPath wing;
    wing.moveTo(13, 12);
    wing.quadTo(8, 3, 2, 3);
    wing.quadTo(4, 7, 7.5, 7.5);
    wing.quadTo(2.5, 8, 1.5, 9.5);
    wing.quadTo(4, 12.5, 8, 12.5);
    wing.quadTo(4, 13.5, 3, 15);
    wing.quadTo(7, 18.5, 13, 18);
    wing.closeSubpath();
    inked(p, wing, vgrad(QRectF(2, 3, 10, 16), Qt::white, pal.accent), 1.1);
    p.setPen(QPen(pal.light, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 10.5), QPointF(8.5, 8.5));
    p.drawLine(QPointF(11.5, 14.5), QPointF(8.5, 13.5));
    QPainterPath upper;
    upper.moveTo(8, 25);
    upper.lineTo(8.5, 13.5);
    upper.quadTo(9, 10.5, 12, 10.5);
    upper.lineTo(16, 10.5);
    upper.quadTo(17.5, 15, 20, 16);
    upper.quadTo(28, 17, 30, 22);
    upper.lineTo(30, 25);
    upper.closeSubpath();
    inked(p, upper, vgrad(QRectF(8, 10, 22, 15), pal.light, pal.base), kIconLine);
    const QRectF sole(7, 24, 24, 4.5);
    inkedRect(p, sole, Qt::white, 2.2, kIconLine);
    p.setPen(QPen(pal.dark, 0.9));
    p.drawLine(QPointF(9, 26.2), QPointF(29, 26.2));
    // Laces and a stripe
    p.setPen(QPen(Qt::white, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16.5, 13.5), QPointF(19, 12.5));
    p.drawLine(QPointF(18, 15.5), QPointF(20.5, 14.5));
    p.setPen(QPen(pal.dark, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 21.5), QPointF(21, 19));
}

std::function<void(QPainter&, const QRectF&)> icon(void (*fn)(QPainter&, const Palette&),
                                                   const Palette& pal) {
    return [fn, pal](QPainter& p, const QRectF& r) {
        p.save();
        p.scale(r.width() / 32.0, r.width() / 32.0);
        fn(p, pal);
        p.restore();
    };
}

namespace {

// Crossed sword over a small shield, `scale` times its 32-unit grid.
void equipmentIcon(QPainter& p, const QPointF& at, double scale) {
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    const Palette purple{QColor(0xe0, 0xc0, 0xff), QColor(0x9a, 0x5a, 0xe8),
                         QColor(0x4a, 0x1a, 0x8a), QColor(0xff, 0xf0, 0xb0)};
    p.save();
    p.translate(6, 2);
    p.scale(0.8, 0.8);
    shieldIcon(p, purple);
    p.restore();
    p.save();
    p.translate(20, 17);
    p.rotate(-45);
    QPainterPath blade;
    blade.moveTo(-1.8, -2);
    blade.lineTo(-1.8, -17);
    blade.lineTo(0, -20);
    blade.lineTo(1.8, -17);
    blade.lineTo(1.8, -2);
    blade.closeSubpath();
    inked(p, blade, vgrad(QRectF(-2, -20, 4, 18), Qt::white, QColor(0xa0, 0xa8, 0xb8)), 1.1);
    inkedRect(p, QRectF(-5.5, -2.5, 11, 2.8), QColor(0xff, 0xc8, 0x3a), 1, 1.1);
    inkedRect(p, QRectF(-1.4, 0.3, 2.8, 6), QColor(0x7a, 0x4a, 0x2a), 1, 1.1);
    inkedEllipse(p, QPointF(0, 7.5), 1.8, 1.8, QColor(0xff, 0xc8, 0x3a), 1);
    p.restore();
    p.restore();
}

const QColor kEquipTop(0xe8, 0xc8, 0xff), kEquipBottom(0x7a, 0x3a, 0xd0);

} // namespace

void equipmentLabel(QPainter& p, const QRectF& r) {
    equipmentIcon(p, r.topLeft() + QPointF(2, 2), 2.4);
    // The word is shrunk to fit the narrow picture: a lighter outline and
    // rim than the other words keep its letters open.
    drawText(p, QStringLiteral("Equipment"), font(Face::Sans, kStatusPx, true),
             QRectF(r.left() + 2, r.top() + 80, r.width() - 2, 66),
             Qt::AlignLeft | Qt::AlignVCenter, lettering(kEquipTop, kEquipBottom, 2.2, 1.4));
}

void smallEquipmentLabel(QPainter& p, const QRectF& r) {
    equipmentIcon(p, r.topLeft() + QPointF(1, 1), 1.2);
    smallWord(p, QStringLiteral("Equipment"), QRectF(r.left(), r.top() + 40, r.width(), 33), 16,
              kEquipTop, kEquipBottom);
}

} // namespace art
