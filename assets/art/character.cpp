// The hero and the shop clerk, built from capsule limbs on a tiny skeleton
// so every picture can pose the same person without redrawing him.
#include "art.h"

#include <QtMath>

#include <algorithm>

namespace art {

namespace {

constexpr double kThigh = 38;
constexpr double kShin = 34;
constexpr double kUpperArm = 27;
constexpr double kForearm = 24;
constexpr double kSole = 7;
constexpr double kLine = 3; // outline width in character units

QPointF dirOf(double deg, double sign)
{
    const double r = qDegreesToRadians(deg);
    return QPointF(sign * std::sin(r), std::cos(r));
}

struct LimbGeo {
    QPointF root, mid, end;
    double endAngle; // angle of the second segment, same convention as Limb::a1
    double sign;
};

// Seen from the front, "forward" for each limb means away from the body.
double limbSign(const Pose& pose, bool front) { return (pose.turn < 0.5 && !front) ? -1 : 1; }

LimbGeo legGeo(const Pose& pose, bool front)
{
    const double t = pose.turn;
    const double sign = limbSign(pose, front);
    const Limb& l = front ? pose.legFront : pose.legBack;
    LimbGeo g;
    g.sign = sign;
    g.root = QPointF((front ? 1 : -1) * (4 + 8 * (1 - t)), 0);
    g.mid = g.root + dirOf(l.a1, sign) * kThigh;
    g.endAngle = l.a1 - l.a2;
    g.end = g.mid + dirOf(g.endAngle, sign) * kShin;
    return g;
}

LimbGeo armGeo(const Pose& pose, bool front)
{
    const double t = pose.turn;
    const double sign = limbSign(pose, front);
    const Limb& l = front ? pose.armFront : pose.armBack;
    LimbGeo g;
    g.sign = sign;
    g.root = front ? QPointF(20 - 8 * t, -54) : QPointF(-20 + 10 * t, -54);
    g.mid = g.root + dirOf(l.a1, sign) * kUpperArm;
    g.endAngle = l.a1 + l.a2;
    g.end = g.mid + dirOf(g.endAngle, sign) * kForearm;
    return g;
}

void capsule(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& fill)
{
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void outlineCapsule(QPainter& p, const QPolygonF& pts, double width)
{
    QPainterPath path;
    path.addPolygon(pts);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 2 * kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawLeg(QPainter& p, const Look& look, const Pose& pose, bool front)
{
    const LimbGeo g = legGeo(pose, front);
    QPolygonF pts;
    pts << g.root << g.mid << g.end;
    outlineCapsule(p, pts, 18);
    QColor pantsBack = look.pants;
    if (!front && pose.turn >= 0.5)
        pantsBack = look.pants.darker(115);
    capsule(p, g.root, g.mid, 18, pantsBack);
    capsule(p, g.mid, g.end, 16.5, pantsBack);
    // Shoe last so it reads as a shoe over the trouser hem.
    p.save();
    p.translate(g.end);
    p.scale(g.sign, 1);
    if (pose.turn >= 0.5)
        p.rotate(-g.endAngle * 0.6);
    QPainterPath shoe;
    if (pose.turn >= 0.5)
        shoe.addRoundedRect(QRectF(-9, -4, 27, kSole + 4), 5, 5);
    else
        shoe.addRoundedRect(QRectF(-11, -4, 22, kSole + 4), 5, 5);
    inked(p, shoe, look.shoes, kLine);
    p.setPen(QPen(look.shoes.lighter(150), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5, kSole - 1.5), QPointF(pose.turn >= 0.5 ? 14 : 7, kSole - 1.5));
    p.restore();

}

void drawArm(QPainter& p, const Look& look, const Pose& pose, bool front)
{
    const LimbGeo g = armGeo(pose, front);
    QPolygonF pts;
    pts << g.root << g.mid << g.end;
    outlineCapsule(p, pts, 14);
    inkedEllipse(p, g.end, 8, 8, look.skin, kLine);
    QColor sleeve = look.top;
    QColor skin = look.skin;
    if (!front && pose.turn >= 0.5) {
        sleeve = sleeve.darker(110);
        skin = skin.darker(106);
    }
    capsule(p, g.mid, g.end, 12, skin);
    // Sleeve reaches just past the elbow, with a trim line at the cuff.
    const QPointF cuff = g.mid + (g.end - g.mid) * 0.3;
    capsule(p, g.root, cuff, 15, sleeve);
    const QPointF d = g.end - g.mid;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * 7.5, d.x() / len * 7.5);
    p.setPen(QPen(look.trim, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cuff + n, cuff - n);
    inkedEllipse(p, g.end, 8, 8, skin, 0);
    // Knuckle crease keeps the hand from reading as a plain ball.
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(g.end.x() - 4, g.end.y() - 2, 8, 8), 200 * 16, 140 * 16);
}

void drawTorso(QPainter& p, const Look& look, const Pose& pose)
{
    const double t = pose.turn;
    const double xc = 6 * t;
    // Neck
    inkedRect(p, QRectF(-6 + 3 * t, -70, 12, 12), look.skin, 3, kLine);

    QPainterPath torso;
    torso.moveTo(-19, 7);
    torso.lineTo(19, 7);
    torso.quadTo(23, -26, 21, -50);
    torso.quadTo(19, -62, 6, -63);
    torso.lineTo(-6, -63);
    torso.quadTo(-19, -62, -21, -50);
    torso.quadTo(-23, -26, -19, 7);
    QLinearGradient shade(-22, 0, 22, 0);
    shade.setColorAt(0, look.top.darker(112 - int(10 * (1 - t))));
    shade.setColorAt(0.55, look.top);
    shade.setColorAt(1, look.top.lighter(104));
    inked(p, torso, shade, kLine);

    // Open collar: a triangle of chest between the two lapels.
    QPolygonF chest;
    chest << QPointF(xc - 8, -62) << QPointF(xc + 8, -62) << QPointF(xc + 1, -36);
    p.setPen(Qt::NoPen);
    p.setBrush(look.skin);
    p.drawPolygon(chest);
    p.setPen(QPen(look.trim, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(xc + 9, -61), QPointF(xc - 1, -36));
    p.drawLine(QPointF(xc - 9, -61), QPointF(xc + 5, -18));
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(xc - 6.5, -60), QPointF(xc + 7, -20));

    if (look.apron) {
        QPainterPath apron;
        apron.moveTo(xc - 12, -46);
        apron.lineTo(xc + 12, -46);
        apron.lineTo(xc + 17, 12);
        apron.lineTo(xc - 17, 12);
        apron.closeSubpath();
        inked(p, apron, look.apronColor, kLine);
        p.setPen(QPen(look.apronColor, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(xc - 10, -46), QPointF(xc - 7, -62));
        p.drawLine(QPointF(xc + 10, -46), QPointF(xc + 7, -62));
        inkedRect(p, QRectF(xc - 8, -30, 16, 11), look.apronColor.lighter(115), 2, 1.6);
    }

    // Belt with its knot and two hanging ends.
    QPainterPath belt;
    belt.addRect(QRectF(-20.5, -11, 41, 8));
    inked(p, belt.intersected(torso), look.belt, 2);
    p.save();
    p.translate(xc + 3, -7);
    QPainterPath ends;
    ends.moveTo(-2, 0);
    ends.lineTo(-7, 14);
    ends.lineTo(-2, 15);
    ends.lineTo(1, 1);
    ends.lineTo(5, 15);
    ends.lineTo(10, 13);
    ends.lineTo(3, -1);
    ends.closeSubpath();
    inked(p, ends, look.belt, 2);
    inkedRect(p, QRectF(-4, -4.5, 8, 8), look.belt, 2, 2);
    p.restore();
}

QPolygonF lerpPoly(const QPointF* a, const QPointF* b, int n, double t)
{
    QPolygonF out;
    for (int i = 0; i < n; ++i)
        out << a[i] * (1 - t) + b[i] * t;
    return out;
}

void drawEye(QPainter& p, const QPointF& c, double sx, const Pose& pose)
{
    switch (pose.expr) {
    case Expr::Joy: {
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(c + QPointF(-5 * sx, 2));
        arc.quadTo(c + QPointF(0, -7), c + QPointF(5 * sx, 2));
        p.drawPath(arc);
        return;
    }
    default:
        break;
    }
    const double ry = pose.expr == Expr::Surprise ? 6.5 : (pose.sparkleEyes ? 6.5 : 5.5);
    const double rx = (pose.sparkleEyes ? 4.6 : 3.8) * sx;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(1.2 * sx, -2.2), 1.6, 1.9);
    if (pose.sparkleEyes) {
        sparkle(p, c + QPointF(-1.2 * sx, 2), 2.4, QColor(255, 255, 255, 230));
        p.setBrush(QColor(90, 160, 255, 140));
        p.drawEllipse(c + QPointF(0, 3), rx * 0.7, ry * 0.35);
    }
}

void drawHead(QPainter& p, const Look& look, const Pose& pose)
{
    const double t = pose.turn;
    const QPointF fc(3 * t, 3);

    // Headband tails stream behind the head, drawn first so the head covers
    // where they are tied.
    if (look.headband) {
        const double w = pose.flutter * 2 * M_PI;
        for (int k = 0; k < 2; ++k) {
            QPainterPath tail;
            const QPointF start(-20, -10 + k * 3);
            tail.moveTo(start);
            const double dy = 4 + k * 9;
            tail.cubicTo(start + QPointF(-12, -4 + 5 * std::sin(w + k)),
                         start + QPointF(-22, dy - 6 * std::sin(w + 1.3 + k)),
                         start + QPointF(-34 + k * 4, dy + 4 * std::sin(w + 2.2 + k)));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 6.5 + 2 * kLine, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
            p.setPen(QPen(QColor(0xd9, 0x2b, 0x2b), 6.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
        }
    }

    QPainterPath back;
    back.addEllipse(QPointF(-7 * t, -3), 27, 27);
    QPainterPath face;
    face.addEllipse(fc, 25, 25.5);
    inked(p, back, look.hair, kLine);
    inked(p, face, look.skin, kLine);

    // Ears
    auto ear = [&](const QPointF& c) {
        inkedEllipse(p, c, 4.8, 6.5, look.skin, kLine);
        p.setPen(QPen(look.skin.darker(125), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 2, c.y() - 3, 4, 6), 90 * 16, 180 * 16);
    };
    if (t < 0.5) {
        ear(QPointF(-25, 3));
        ear(QPointF(25, 3));
    } else {
        ear(QPointF(-15 * t, 6));
    }

    // Hair cap: spikes that sweep back when he turns, cut off at the hairline.
    static const QPointF spikyFront[] = {{-27, -8}, {-41, -22}, {-26, -30}, {-33, -50}, {-12, -38},
                                         {0, -61},  {12, -38},  {33, -50},  {26, -30},  {41, -22},
                                         {27, -8}};
    static const QPointF spikyTurned[] = {{-29, -4}, {-46, -16}, {-30, -27}, {-40, -46},
                                          {-17, -39}, {-11, -62}, {4, -39},   {23, -55},
                                          {18, -33},  {37, -27},  {28, -8}};
    static const QPointF neatFront[] = {{-27, -2}, {-28, -18}, {-22, -28}, {-14, -33}, {-6, -35},
                                        {0, -35},  {6, -35},   {14, -33},  {22, -28},  {28, -18},
                                        {27, -2}};
    static const QPointF neatTurned[] = {{-31, 0},  {-32, -16}, {-26, -27}, {-18, -33},
                                         {-8, -35}, {0, -35},   {8, -34},   {16, -31},
                                         {23, -25}, {28, -16},  {28, -4}};
    QPolygonF cap = look.spiky ? lerpPoly(spikyFront, spikyTurned, 11, t)
                               : lerpPoly(neatFront, neatTurned, 11, t);
    cap << QPointF(cap.last().x(), 2) << QPointF(cap.first().x(), 2);
    QPainterPath capPath;
    capPath.addPolygon(cap);
    capPath.closeSubpath();
    QPainterPath dome;
    dome.addEllipse(QPointF(-3 * t, -12), 28.5, 22);
    capPath = capPath.united(dome);
    const double hairline = look.headband ? -7 : (look.spiky ? -8 : -9);
    QPainterPath keep;
    keep.addRect(QRectF(-80, -120, 160, 120 + hairline));
    if (!look.headband) {
        // A neat cut hangs lower at the side and back.
        keep.addRect(QRectF(-80, -20, 50 - 8 * t, 30));
    }
    capPath = capPath.intersected(keep.simplified());
    inked(p, capPath, look.hair, kLine);
    // A couple of shine strokes give the black hair some volume.
    p.setPen(QPen(QColor(255, 255, 255, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-14 - 4 * t, -34, 24, 16), 40 * 16, 80 * 16);

    if (look.headband) {
        QPainterPath band;
        band.addRect(QRectF(-40, -16, 80, 10));
        QPainterPath head = back.united(face);
        QPainterPath bandShape = band.intersected(head);
        inked(p, bandShape, QColor(0xd9, 0x2b, 0x2b), kLine);
        p.setPen(QPen(QColor(0xff, 0x80, 0x70), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-12, -13.5), QPointF(16 + 6 * t, -13.5));
        if (t >= 0.5)
            inkedEllipse(p, QPointF(-25, -11), 5, 5.5, QColor(0xd9, 0x2b, 0x2b), kLine);
    }

    // Face
    const QPointF eL(fc.x() - 10 + 9 * t, fc.y() - 1);
    const QPointF eR(fc.x() + 10 + 5 * t, fc.y() - 1);
    const double farScale = 1 - 0.15 * t;
    drawEye(p, eL, farScale, pose);
    drawEye(p, eR, 1, pose);

    // Eyebrows say most of the mood.
    auto brow = [&](const QPointF& e, double side) {
        double inner = 0, outer = 0, lift = 0;
        switch (pose.expr) {
        case Expr::Focus: inner = 3; outer = -1.5; break;
        case Expr::Surprise: lift = -3.5; inner = -1; break;
        case Expr::Joy: lift = -2; inner = -1; outer = 1; break;
        default: break;
        }
        const QPointF a = e + QPointF(-5 * side, -10 + lift + inner);
        const QPointF b = e + QPointF(5 * side, -10 + lift + outer);
        p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    // "side" flips so the inner end is always toward the nose.
    brow(eL, -1);
    brow(eR, 1);
    if (pose.expr == Expr::Wink) {
        // Cover the far eye with a closed lid line.
        inkedEllipse(p, eL, 5, 7, look.skin, 0);
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eL + QPointF(-4, 1), eL + QPointF(4, 0));
    }

    if (look.glasses) {
        p.setBrush(QColor(255, 255, 255, 50));
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(eL, 7.5 * farScale, 6.5);
        p.drawEllipse(eR, 7.5, 6.5);
        p.drawLine(eL + QPointF(7.5 * farScale, -1), eR + QPointF(-7.5, -1));
    }

    // Nose
    p.setPen(QPen(look.skin.darker(135), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (t >= 0.5)
        p.drawArc(QRectF(fc.x() + 17, fc.y() + 2, 6, 6), -60 * 16, 150 * 16);
    else
        p.drawArc(QRectF(fc.x() - 2, fc.y() + 4, 4, 4), 200 * 16, 140 * 16);

    if (pose.blush || pose.expr == Expr::Joy) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 110, 120, 90));
        p.drawEllipse(eL + QPointF(-3, 10), 5 * farScale, 3);
        p.drawEllipse(eR + QPointF(3, 10), 5, 3);
    }

    const QPointF m(fc.x() + 6 * t, fc.y() + 13);
    switch (pose.expr) {
    case Expr::Smile:
    case Expr::Wink: {
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath smile;
        smile.moveTo(m + QPointF(-6, -2));
        smile.quadTo(m + QPointF(0, 5), m + QPointF(7, -3));
        p.drawPath(smile);
        break;
    }
    case Expr::Grin:
    case Expr::Joy: {
        const double open = pose.expr == Expr::Joy ? 11 : 8;
        QPainterPath mouth;
        mouth.moveTo(m + QPointF(-8, -3));
        mouth.lineTo(m + QPointF(9, -4));
        mouth.quadTo(m + QPointF(8, open), m + QPointF(0, open));
        mouth.quadTo(m + QPointF(-8, open), m + QPointF(-8, -3));
        inked(p, mouth, QColor(0x9c, 0x2a, 0x3a), 2);
        p.save();
        p.setClipPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(m.x() - 9, m.y() - 5, 19, 4.5));
        p.setBrush(QColor(0xff, 0x86, 0x8e));
        p.drawEllipse(m + QPointF(1, open), 6, 4);
        p.restore();
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
        break;
    }
    case Expr::Surprise:
        inkedEllipse(p, m + QPointF(0, 1), 4, 5, QColor(0x9c, 0x2a, 0x3a), 2);
        break;
    case Expr::Focus: {
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(m + QPointF(-5, 0), m + QPointF(5, -1));
        // Tongue poking out at the corner: concentration.
        inkedEllipse(p, m + QPointF(6, 2), 2.6, 2.6, QColor(0xff, 0x86, 0x8e), 1.5);
        break;
    }
    }

    if (pose.sweat) {
        QPainterPath drop;
        const QPointF d(-22 + 4 * t, -2);
        drop.moveTo(d + QPointF(0, -8));
        drop.cubicTo(d + QPointF(5, 0), d + QPointF(5, 6), d + QPointF(0, 6));
        drop.cubicTo(d + QPointF(-5, 6), d + QPointF(-5, 0), d + QPointF(0, -8));
        inked(p, drop, QColor(0x9c, 0xd8, 0xff), 1.8);
        p.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(d + QPointF(-1.5, 0), d + QPointF(-1.5, 3));
    }
}

} // namespace

Look heroLook()
{
    Look l;
    l.skin = QColor(0xff, 0xd6, 0xae);
    l.hair = QColor(0x24, 0x1c, 0x2c);
    l.top = QColor(0xfb, 0xf8, 0xf0);
    l.trim = QColor(0x2f, 0x6f, 0xd6);
    l.pants = QColor(0x34, 0x50, 0x8e);
    l.belt = QColor(0x26, 0x22, 0x2a);
    l.shoes = QColor(0xc0, 0x3a, 0x2a);
    l.spiky = true;
    l.headband = true;
    return l;
}

Look clerkLook()
{
    Look l;
    l.skin = QColor(0xf6, 0xcf, 0xa8);
    l.hair = QColor(0x7a, 0x4a, 0x26);
    l.top = QColor(0xff, 0xe0, 0x7a);
    l.trim = QColor(0xe0, 0xa0, 0x20);
    l.pants = QColor(0x5a, 0x5a, 0x66);
    l.belt = QColor(0x4a, 0x3a, 0x30);
    l.shoes = QColor(0x3a, 0x2a, 0x22);
    l.spiky = false;
    l.headband = false;
    l.glasses = true;
    l.apron = true;
    l.apronColor = QColor(0x3c, 0xa6, 0x5a);
    return l;
}

Pose standPose()
{
    Pose p;
    p.armBack = {8, 12};
    p.armFront = {8, 12};
    p.legBack = {-3, 0};
    p.legFront = {3, 0};
    return p;
}

Pose walkPose(double phase)
{
    Pose p;
    const double w = phase * 2 * M_PI;
    const double s = std::sin(w);
    const double c = std::cos(w);
    p.legFront = {28 * s, 6 + 34 * std::max(0.0, c)};
    p.legBack = {-28 * s, 6 + 34 * std::max(0.0, -c)};
    p.armFront = {-26 * s, 22};
    p.armBack = {26 * s, 22};
    p.lean = 3;
    p.flutter = phase;
    return p;
}

QPointF handPos(const Pose& pose, bool front) { return armGeo(pose, front).end; }

Limb reachArm(const Pose& pose, bool front, const QPointF& target)
{
    const LimbGeo g = armGeo(pose, front);
    const QPointF d = target - g.root;
    const double dist = std::clamp(std::hypot(d.x(), d.y()), std::abs(kUpperArm - kForearm) + 0.5,
                                   kUpperArm + kForearm - 0.01);
    const double theta = qRadiansToDegrees(std::atan2(g.sign * d.x(), d.y()));
    const double alpha = qRadiansToDegrees(
        std::acos((kUpperArm * kUpperArm + dist * dist - kForearm * kForearm) / (2 * kUpperArm * dist)));
    const double beta = qRadiansToDegrees(
        std::acos((kForearm * kForearm + dist * dist - kUpperArm * kUpperArm) / (2 * kForearm * dist)));
    return Limb{theta - alpha, alpha + beta};
}

QPointF hipOnGround(const Pose& pose, double x, double groundY, double scale)
{
    const double reach = std::max(legGeo(pose, true).end.y(), legGeo(pose, false).end.y()) + kSole;
    return QPointF(x, groundY - reach * scale);
}

void shadowBlob(QPainter& p, const QPointF& c, double rx, double alpha)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, int(255 * alpha)));
    p.drawEllipse(c, rx, rx * 0.22);
    p.restore();
}

void drawCharacter(QPainter& p, const Look& look, const Pose& pose, const QPointF& hip,
                   double scale)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(hip);
    p.scale(pose.faceLeft ? -scale : scale, scale);

    auto upper = [&](auto&& fn) {
        p.save();
        p.rotate(pose.lean);
        fn();
        p.restore();
    };

    upper([&] {
        if (pose.heldBack)
            pose.heldBack(p);
        drawArm(p, look, pose, false);
    });
    if (!pose.hideLegs) {
        drawLeg(p, look, pose, false);
        drawLeg(p, look, pose, true);
    }
    upper([&] {
        drawTorso(p, look, pose);
        p.save();
        p.translate(4 * pose.turn, -92);
        p.rotate(pose.headTilt);
        drawHead(p, look, pose);
        p.restore();
        if (pose.held)
            pose.held(p);
        drawArm(p, look, pose, true);
    });
    p.restore();
}

} // namespace art
