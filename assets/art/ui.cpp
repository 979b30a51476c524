// Pictures compiled into the program: the ending's title card, window
// lettering and the little battle and shop icons. All of them are drawn at
// twice their on-screen size so they stay crisp on high-DPI displays. The
// lettering is drawn once more at its on-screen size: shrunk from the large
// drawing, outline and rim run into the letters ("tt" reads "ii").
#include "art.h"

#include <QFontMetricsF>
#include <QtMath>

#include <cmath>

namespace art {

namespace {

// ------------------------------------------------------------ lettering
TextStyle lettering(const QColor& top, const QColor& bottom, double outline, double rim)
{
    TextStyle s;
    s.top = top;
    s.bottom = bottom;
    s.outline = bottom.darker(260);
    s.outlineWidth = outline;
    s.rim = Qt::white;
    s.rimWidth = rim;
    s.shadow = QColor(0, 0, 0, 90);
    s.shadowOffset = QPointF(2, 3);
    s.capCentre = true;
    s.gloss = true;
    return s;
}

// One size for every status word, so the labels line up as a set.
constexpr int kStatusPx = 48;
constexpr int kAllocPx = 32;

std::function<void(QPainter&, const QRectF&)> statusWord(const char* word, QColor top, QColor bottom)
{
    return [=](QPainter& p, const QRectF& r) {
        drawText(p, QString::fromUtf8(word), font(Face::Sans, kStatusPx, true), r.adjusted(2, 0, 0, 0),
                 Qt::AlignLeft | Qt::AlignVCenter, lettering(top, bottom, 3.5, 2.5));
    };
}

std::function<void(QPainter&, const QRectF&)> allocWord(const char* word, QColor top, QColor bottom)
{
    return [=](QPainter& p, const QRectF& r) {
        // Shrunk to fit the row: room between the letters and a lighter
        // outline keep "tt" from running together.
        QFont f = font(Face::Sans, kAllocPx, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        drawText(p, QString::fromUtf8(word), f, r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 lettering(top, bottom, 2.0, 1.2));
    };
}

// The same words for one screen pixel per pixel: hinted glyphs with a
// one-pixel outline and a soft drop shadow, no rim and no gloss, which at
// this size only blur the strokes.
void smallWord(QPainter& p, const QString& word, const QRectF& r, int pixelSize, QColor top,
               QColor bottom)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setBold(true);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    // A pixel between letters keeps their outlines apart ("tt").
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    // One pixel each side for the outline and one for the shadow.
    for (int px = pixelSize; px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetricsF(f).horizontalAdvance(word) <= r.width() - 4)
            break;
    }
    noteLettering(word);
    const QFontMetricsF fm(f);
    const double x = std::round(r.left() + 1);
    const double base = std::round(r.center().y() + fm.capHeight() / 2);
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(QPointF(x + 2, base + 2), word);
    p.setPen(bottom.darker(260));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawText(QPointF(x + dx, base + dy), word);
    QLinearGradient g(0, base - fm.capHeight(), 0, base);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(QBrush(g), 1));
    p.drawText(QPointF(x, base), word);
    p.restore();
}

std::function<void(QPainter&, const QRectF&)> smallStatusWord(const char* word, QColor top, QColor bottom)
{
    return [=](QPainter& p, const QRectF& r) { smallWord(p, QString::fromUtf8(word), r, 22, top, bottom); };
}

std::function<void(QPainter&, const QRectF&)> smallAllocWord(const char* word, QColor top, QColor bottom)
{
    return [=](QPainter& p, const QRectF& r) { smallWord(p, QString::fromUtf8(word), r, 16, top, bottom); };
}

// ------------------------------------------------------------ icons
struct Palette {
    QColor light, base, dark, accent;
};
const Palette kCool{QColor(0xa8, 0xdc, 0xff), QColor(0x3a, 0x86, 0xf0), QColor(0x16, 0x3a, 0x96), QColor(0xe8, 0xfa, 0xff)};
const Palette kWarm{QColor(0xff, 0xc0, 0x90), QColor(0xf0, 0x50, 0x38), QColor(0x96, 0x1a, 0x16), QColor(0xff, 0xf0, 0xb0)};

constexpr double kIconLine = 1.3; // outline width in the 32-unit icon grid

void speedLines(QPainter& p, const Palette& pal, double x0, double x1, std::initializer_list<double> ys)
{
    p.setPen(QPen(pal.light, 1.8, Qt::SolidLine, Qt::RoundCap));
    double shrink = 0;
    for (double y : ys) {
        p.drawLine(QPointF(x0 + shrink, y), QPointF(x1, y));
        shrink = shrink > 0 ? 0 : 2.5;
    }
}

void fistIcon(QPainter& p, const Palette& pal)
{
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

void shieldIcon(QPainter& p, const Palette& pal)
{
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

void shoeIcon(QPainter& p, const Palette& pal)
{
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

std::function<void(QPainter&, const QRectF&)> icon(void (*fn)(QPainter&, const Palette&), const Palette& pal)
{
    return [fn, pal](QPainter& p, const QRectF& r) {
        p.save();
        p.scale(r.width() / 32.0, r.width() / 32.0);
        fn(p, pal);
        p.restore();
    };
}

// Crossed sword over a small shield, `scale` times its 32-unit grid.
void equipmentIcon(QPainter& p, const QPointF& at, double scale)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    const Palette purple{QColor(0xe0, 0xc0, 0xff), QColor(0x9a, 0x5a, 0xe8), QColor(0x4a, 0x1a, 0x8a), QColor(0xff, 0xf0, 0xb0)};
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

void equipmentLabel(QPainter& p, const QRectF& r)
{
    equipmentIcon(p, r.topLeft() + QPointF(2, 2), 2.4);
    // The word is shrunk to fit the narrow picture: a lighter outline and
    // rim than the other words keep its letters open.
    drawText(p, QStringLiteral("Equipment"), font(Face::Sans, kStatusPx, true), QRectF(r.left() + 2, r.top() + 80, r.width() - 2, 66),
             Qt::AlignLeft | Qt::AlignVCenter, lettering(kEquipTop, kEquipBottom, 2.2, 1.4));
}

void smallEquipmentLabel(QPainter& p, const QRectF& r)
{
    equipmentIcon(p, r.topLeft() + QPointF(1, 1), 1.2);
    smallWord(p, QStringLiteral("Equipment"), QRectF(r.left(), r.top() + 40, r.width(), 33), 16, kEquipTop,
              kEquipBottom);
}

// ------------------------------------------------------------ power-up shop
void capsule(QPainter& p, const QPointF& c, double angle, const QColor& a, const QColor& b)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath whole;
    whole.addRoundedRect(QRectF(-12, -5, 24, 10), 5, 5);
    QPainterPath left;
    left.addRect(QRectF(-13, -6, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    p.drawPath(whole);
    p.setBrush(a);
    p.drawPath(whole.intersected(left));
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(whole);
    p.drawLine(QPointF(0, -5), QPointF(0, 5));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-8, -2.2), QPointF(-3, -2.2));
    p.restore();
}

void flexArm(QPainter& p, const QPointF& shoulder, double side)
{
    // A stubby arm striking a bodybuilder pose.
    const QColor skin(0xff, 0xd6, 0xae);
    const QPointF elbow = shoulder + QPointF(side * 12, 1);
    const QPointF fist = elbow + QPointF(side * 1, -11);
    QPainterPath arm;
    arm.moveTo(shoulder + QPointF(0, -3));
    arm.quadTo(shoulder + QPointF(side * 6, -10), elbow + QPointF(side * 0.5, -4));
    arm.lineTo(fist + QPointF(side * 3, 0));
    arm.lineTo(fist + QPointF(-side * 3, 0));
    arm.lineTo(elbow + QPointF(-side * 4, -2));
    arm.lineTo(shoulder + QPointF(0, 3));
    arm.closeSubpath();
    inked(p, arm, skin, 1.4);
    inkedEllipse(p, fist, 3.6, 3.6, skin, 1.4);
    p.setPen(QPen(QColor(0xd8, 0x9a, 0x70), 1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(shoulder.x() + (side > 0 ? 2 : -9), shoulder.y() - 8, 7, 6), 20 * 16, 140 * 16);
}

void powerPicture(QPainter& p, const QRectF& r)
{
    p.save();
    p.scale(r.width() / 151.0, r.height() / 71.0);
    // Soft burst behind the bottle
    p.save();
    p.setOpacity(0.5);
    burst(p, QPointF(44, 38), 34, 12, QColor(0xff, 0xf0, 0x90, 0), QColor(0xff, 0xd0, 0x40));
    p.restore();

    // Muscle drink bottle, flexing.
    flexArm(p, QPointF(31, 38), -1);
    flexArm(p, QPointF(57, 38), 1);
    QPainterPath bottle;
    bottle.moveTo(38, 12);
    bottle.lineTo(50, 12);
    bottle.lineTo(50, 19);
    bottle.quadTo(58, 22, 58, 30);
    bottle.lineTo(58, 62);
    bottle.quadTo(58, 67, 53, 67);
    bottle.lineTo(35, 67);
    bottle.quadTo(30, 67, 30, 62);
    bottle.lineTo(30, 30);
    bottle.quadTo(30, 22, 38, 19);
    bottle.closeSubpath();
    QLinearGradient glass(QPointF(30, 0), QPointF(58, 0));
    glass.setColorAt(0, QColor(0xff, 0x9a, 0x20));
    glass.setColorAt(0.35, QColor(0xff, 0xd0, 0x50));
    glass.setColorAt(1, QColor(0xe0, 0x6a, 0x10));
    inked(p, bottle, glass, 1.6);
    inkedRect(p, QRectF(36.5, 5, 15, 8), vgrad(QRectF(36, 5, 15, 8), QColor(0xff, 0x5a, 0x4a), QColor(0xc0, 0x20, 0x20)), 2, 1.6);
    p.setPen(QPen(QColor(0x90, 0x10, 0x10), 0.8));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(38.5 + k * 2.6, 6.5), QPointF(38.5 + k * 2.6, 11.5));
    const QRectF label(30.8, 34, 26.4, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(label);
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(label.topLeft(), label.topRight());
    p.drawLine(label.bottomLeft(), label.bottomRight());
    drawText(p, QStringLiteral("MUSCLE"), font(Face::Sans, 8, true), QRectF(label.left(), label.top() + 1, label.width(), 8),
             Qt::AlignCenter, inkText(QColor(0xd0, 0x20, 0x20), 0));
    // Little face on the label: the drink is proud of itself.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(40.5, 47), 1.2, 1.6);
    p.drawEllipse(QPointF(47.5, 47), 1.2, 1.6);
    QPainterPath grin;
    grin.moveTo(40, 50);
    grin.quadTo(44, 54.5, 48, 50);
    grin.closeSubpath();
    inked(p, grin, QColor(0x9c, 0x2a, 0x3a), 0.9);
    p.setPen(QPen(QColor(255, 255, 255, 190), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(33.5, 28), QPointF(33.5, 32));
    p.drawLine(QPointF(33.5, 57), QPointF(33.5, 63));

    // Capsules tumbling beside it
    capsule(p, QPointF(88, 22), -24, QColor(0xf0, 0x40, 0x40), QColor(0xff, 0xfa, 0xf0));
    capsule(p, QPointF(114, 44), 32, QColor(0x3a, 0x86, 0xf0), QColor(0xff, 0xe0, 0x50));
    capsule(p, QPointF(86, 52), 8, QColor(0x40, 0xc0, 0x60), QColor(0xff, 0xfa, 0xf0));
    capsule(p, QPointF(132, 20), -48, QColor(0xc0, 0x60, 0xf0), QColor(0xff, 0xb0, 0xd8));
    capsule(p, QPointF(138, 56), 70, QColor(0xff, 0x9a, 0x20), QColor(0xff, 0xfa, 0xf0));
    sparkle(p, QPointF(104, 12), 4, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(122, 64), 3.5, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(16, 18), 4, QColor(0xff, 0xe0, 0x40));
    sparkle(p, QPointF(70, 64), 3, QColor(0xff, 0xe0, 0x40));

    TextStyle st;
    st.top = QColor(0xff, 0xf4, 0x60);
    st.bottom = QColor(0xff, 0x6a, 0x20);
    st.outlineWidth = 1.8;
    st.rim = Qt::white;
    st.rimWidth = 1;
    p.save();
    p.translate(104, 33);
    p.rotate(-10);
    drawText(p, say(u"ムキッ！", u"FLEX!"), font(Face::Round, 15, true), QRectF(-22, -10, 44, 20), Qt::AlignCenter, st);
    p.restore();
    p.restore();
}

} // namespace

// ------------------------------------------------------------ title card
QImage staffTitleCard()
{
    QImage img(1024, 772, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    const QRectF full(0, 0, 512, 386);
    QRadialGradient bg(QPointF(256, 200), 420);
    bg.setColorAt(0, QColor(0x8a, 0x3a, 0xc0));
    bg.setColorAt(1, QColor(0x1a, 0x0a, 0x40));
    p.fillRect(full, bg);
    p.save();
    p.setOpacity(0.22);
    burst(p, QPointF(256, 230), 500, 22, QColor(0, 0, 0, 0), QColor(0xff, 0xe0, 0x80));
    p.restore();
    // Spotlights meeting on him
    for (int s = -1; s <= 1; s += 2) {
        QPolygonF cone;
        cone << QPointF(256 + s * 230, -10) << QPointF(256 + s * 190, -10) << QPointF(256 - s * 20, 340) << QPointF(256 + s * 90, 340);
        QLinearGradient g(0, 0, 0, 340);
        g.setColorAt(0, QColor(255, 250, 220, 150));
        g.setColorAt(1, QColor(255, 250, 220, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(cone);
    }
    // Stage
    const QRectF stage(0, 318, 512, 68);
    p.fillRect(stage, vgrad(stage, QColor(0xa0, 0x30, 0x40), QColor(0x60, 0x10, 0x28)));
    p.setPen(QPen(QColor(0xff, 0xc8, 0x50), 2.5));
    p.drawLine(QPointF(0, 318), QPointF(512, 318));
    glow(p, QPointF(256, 336), 120, QColor(255, 240, 200, 110));
    confetti(p, full, 120, 2718, 0);

    Pose pose = standPose();
    pose.turn = 0;
    pose.expr = Expr::Joy;
    pose.blush = true;
    pose.flutter = 0.4;
    pose.armBack = {160, 20};
    pose.armFront = {150, 10};
    pose.legBack = {8, 0};
    pose.legFront = {8, 0};
    // The sack hangs from his raised fist by its neck.
    const QPointF bagAt = handPos(pose, true) + QPointF(16, 40);
    pose.held = [bagAt](QPainter& q) { moneyBag(q, bagAt, 80, true); };
    const double scale = 0.94;
    const QPointF hip = hipOnGround(pose, 236, 340, scale);
    shadowBlob(p, QPointF(236, 340), 56);
    drawCharacter(p, heroLook(), pose, hip, scale);
    for (int s = 0; s < 7; ++s) {
        const double a = -M_PI * 0.1 - s * M_PI * 0.8 / 6;
        sparkle(p, QPointF(250 + std::cos(a) * 170, 210 + std::sin(a) * 110), 9 - (s % 2) * 4, Qt::white);
    }

    TextStyle title;
    title.top = QColor(0xff, 0xfa, 0xc0);
    title.bottom = QColor(0xff, 0xa8, 0x10);
    title.outline = QColor(0x8a, 0x10, 0x20);
    title.outlineWidth = 5;
    title.rim = Qt::white;
    title.rimWidth = 3.5;
    title.shadow = QColor(0, 0, 0, 130);
    title.shadowOffset = QPointF(4, 5);
    title.gloss = true;
    drawText(p, say(u"優勝！", u"CHAMPION!"), font(Face::Round, 96, true), QRectF(20, 6, 472, 116), Qt::AlignCenter, title);

    // Ribbon banner with the prize
    QPainterPath ribbon;
    ribbon.moveTo(70, 334);
    ribbon.lineTo(442, 334);
    ribbon.lineTo(426, 354);
    ribbon.lineTo(442, 374);
    ribbon.lineTo(70, 374);
    ribbon.lineTo(86, 354);
    ribbon.closeSubpath();
    inked(p, ribbon, vgrad(QRectF(0, 334, 10, 40), QColor(0xff, 0x5a, 0x5a), QColor(0xc0, 0x18, 0x30)), 3);
    TextStyle prize;
    prize.top = Qt::white;
    prize.bottom = QColor(0xff, 0xf0, 0xa0);
    prize.outlineWidth = 2.5;
    prize.outline = QColor(0x60, 0x08, 0x18);
    drawText(p, say(u"賞金 50000G 獲得！", u"You won 50000 G!"), font(Face::Round, 26, true), QRectF(96, 334, 320, 40), Qt::AlignCenter, prize);
    return img;
}

std::vector<UiPicture> uiPictures()
{
    const QColor nameTop(0x9a, 0xf4, 0xff), nameBot(0x1a, 0x7a, 0xe0);
    const QColor hpTop(0xc8, 0xff, 0x90), hpBot(0x2a, 0xa8, 0x3a);
    const QColor atkTop(0xff, 0xc8, 0x90), atkBot(0xe8, 0x32, 0x28);
    const QColor defTop(0xb8, 0xdc, 0xff), defBot(0x2a, 0x58, 0xd8);
    const QColor gTop(0xff, 0xf8, 0x90), gBot(0xe8, 0x9a, 0x10);
    const QColor spdTop(0xff, 0xc8, 0xea), spdBot(0xe0, 0x40, 0x9a);
    // The allocation rows group by colour: blue for HP and attacks,
    // orange for defences, pink for speed.
    const QColor blueTop(0xb0, 0xe0, 0xff), blueBot(0x1a, 0x62, 0xe0);
    const QColor orangeTop(0xff, 0xe0, 0x90), orangeBot(0xf0, 0x7a, 0x10);
    const QColor pinkTop(0xff, 0xd0, 0xee), pinkBot(0xe8, 0x48, 0xa8);
    return {
        // Lettering: at its on-screen size, and at twice that for high-DPI
        // screens (the toolkit picks the "@2x" file there).
        {"status_name.png", 121, 33, smallStatusWord("NAME", nameTop, nameBot)},
        {"status_hp.png", 73, 33, smallStatusWord("HP", hpTop, hpBot)},
        {"status_attack_a.png", 168, 33, smallStatusWord("Attack A", atkTop, atkBot)},
        {"status_attack_b.png", 168, 33, smallStatusWord("Attack B", atkTop, atkBot)},
        {"status_defence_a.png", 168, 33, smallStatusWord("Defence A", defTop, defBot)},
        {"status_defence_b.png", 168, 33, smallStatusWord("Defence B", defTop, defBot)},
        {"status_g.png", 64, 33, smallStatusWord("G", gTop, gBot)},
        {"status_speed.png", 81, 33, smallStatusWord("Speed", spdTop, spdBot)},
        {"status_equipment.png", 89, 73, smallEquipmentLabel},
        {"alloc_hp.png", 89, 25, smallAllocWord("HP", blueTop, blueBot)},
        {"alloc_attack_a.png", 89, 25, smallAllocWord("Attack A", blueTop, blueBot)},
        {"alloc_attack_b.png", 89, 25, smallAllocWord("Attack B", blueTop, blueBot)},
        {"alloc_defence_a.png", 89, 25, smallAllocWord("Defence A", orangeTop, orangeBot)},
        {"alloc_defence_b.png", 89, 25, smallAllocWord("Defence B", orangeTop, orangeBot)},
        {"alloc_speed.png", 89, 25, smallAllocWord("Speed", pinkTop, pinkBot)},
        {"status_name@2x.png", 242, 66, statusWord("NAME", nameTop, nameBot)},
        {"status_hp@2x.png", 146, 66, statusWord("HP", hpTop, hpBot)},
        {"status_attack_a@2x.png", 336, 66, statusWord("Attack A", atkTop, atkBot)},
        {"status_attack_b@2x.png", 336, 66, statusWord("Attack B", atkTop, atkBot)},
        {"status_defence_a@2x.png", 336, 66, statusWord("Defence A", defTop, defBot)},
        {"status_defence_b@2x.png", 336, 66, statusWord("Defence B", defTop, defBot)},
        {"status_g@2x.png", 128, 66, statusWord("G", gTop, gBot)},
        {"status_speed@2x.png", 162, 66, statusWord("Speed", spdTop, spdBot)},
        {"status_equipment@2x.png", 178, 146, equipmentLabel},
        {"alloc_hp@2x.png", 178, 50, allocWord("HP", blueTop, blueBot)},
        {"alloc_attack_a@2x.png", 178, 50, allocWord("Attack A", blueTop, blueBot)},
        {"alloc_attack_b@2x.png", 178, 50, allocWord("Attack B", blueTop, blueBot)},
        {"alloc_defence_a@2x.png", 178, 50, allocWord("Defence A", orangeTop, orangeBot)},
        {"alloc_defence_b@2x.png", 178, 50, allocWord("Defence B", orangeTop, orangeBot)},
        {"alloc_speed@2x.png", 178, 50, allocWord("Speed", pinkTop, pinkBot)},
        {"battle_attack.png", 64, 64, icon(fistIcon, kCool)},
        {"battle_defence.png", 64, 74, icon(shieldIcon, kCool)},
        {"battle_speed.png", 64, 64, icon(shoeIcon, kCool)},
        {"battle_enemy_attack.png", 64, 64, icon(fistIcon, kWarm)},
        {"battle_enemy_defence.png", 64, 74, icon(shieldIcon, kWarm)},
        {"battle_enemy_speed.png", 64, 64, icon(shoeIcon, kWarm)},
        {"power_image1.png", 302, 142, powerPicture},
    };
}

} // namespace art
