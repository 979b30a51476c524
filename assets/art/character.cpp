// The hero and the shop clerk, built from capsule limbs on a tiny skeleton
// so every picture can pose the same person without redrawing him.
#include "character.h"

#include <QtMath>

#include <algorithm>

namespace art {

namespace {

constexpr double kThigh = 38;
constexpr double kShin = 34;
constexpr double kUpperArm = 27;
constexpr double kForearm = 24;
constexpr double kSole = 7;

QPointF dirOf(double deg, double sign) {
    const double r = qDegreesToRadians(deg);
    return QPointF(sign * std::sin(r), std::cos(r));
}

struct LimbGeo {
    QPointF root, mid, end;
    double endAngle; // angle of the second segment, same convention as Limb::a1
    double sign;
};

// Seen from the front, "forward" for each limb means away from the body.
double limbSign(const Pose& pose, bool front) {
    return (pose.turn < 0.5 && !front) ? -1 : 1;
}

LimbGeo legGeo(const Pose& pose, bool front) {
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

LimbGeo armGeo(const Pose& pose, bool front) {
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

void capsule(QPainter& p, const QPointF& a, const QPointF& b, double width, const QColor& fill) {
    p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void outlineCapsule(QPainter& p, const QPolygonF& pts, double width) {
    QPainterPath path;
    path.addPolygon(pts);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, width + 2 * kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawLeg(QPainter& p, const Look& look, const Pose& pose, bool front) {
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

void drawArm(QPainter& p, const Look& look, const Pose& pose, bool front) {
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

void drawTorso(QPainter& p, const Look& look, const Pose& pose) {
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

} // namespace

Look heroLook() {
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

Look clerkLook() {
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

Pose standPose() {
    Pose p;
    p.armBack = {8, 12};
    p.armFront = {8, 12};
    p.legBack = {-3, 0};
    p.legFront = {3, 0};
    return p;
}

Pose walkPose(double phase) {
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

QPointF handPos(const Pose& pose, bool front) {
    return armGeo(pose, front).end;
}

Limb reachArm(const Pose& pose, bool front, const QPointF& target) {
    const LimbGeo g = armGeo(pose, front);
    const QPointF d = target - g.root;
    const double dist = std::clamp(std::hypot(d.x(), d.y()), std::abs(kUpperArm - kForearm) + 0.5,
                                   kUpperArm + kForearm - 0.01);
    const double theta = qRadiansToDegrees(std::atan2(g.sign * d.x(), d.y()));
    const double alpha = qRadiansToDegrees(std::acos(
        (kUpperArm * kUpperArm + dist * dist - kForearm * kForearm) / (2 * kUpperArm * dist)));
    const double beta = qRadiansToDegrees(std::acos(
        (kForearm * kForearm + dist * dist - kUpperArm * kUpperArm) / (2 * kForearm * dist)));
    return Limb{theta - alpha, alpha + beta};
}

QPointF hipOnGround(const Pose& pose, double x, double groundY, double scale) {
    const double reach = std::max(legGeo(pose, true).end.y(), legGeo(pose, false).end.y()) + kSole;
    return QPointF(x, groundY - reach * scale);
}

void shadowBlob(QPainter& p, const QPointF& c, double rx, double alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, int(255 * alpha)));
    p.drawEllipse(c, rx, rx * 0.22);
    p.restore();
}

void drawCharacter(QPainter& p, const Look& look, const Pose& pose, const QPointF& hip,
                   double scale) {
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
