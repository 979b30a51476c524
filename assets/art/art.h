// Drawing code for every picture the game ships. Each picture is painted
// from scratch with QPainter so the whole art set can be rebuilt by the
// artgen tool and stays byte-for-byte identical from run to run.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

// Every scene picture of the ending uses this canvas.
inline constexpr int kSceneW = 512;
inline constexpr int kSceneH = 385;
// Screen pixels a scene pixel is painted with: 1 for the files the game has
// always read, 2 for dense screens. The drawing stays in scene pixels.
void setSceneScale(int scale);
int sceneScale();

// The outline colour shared by everything: a warm near-black reads softer
// than pure black against the bright flat colours.
extern const QColor kInk;

// Small xorshift generator. The standard distributions are allowed to differ
// between library versions, so the pictures never use them.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : s_(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    double unit() { return (next() >> 8) / double(1u << 24); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int pick(int n) { return int(next() % std::uint32_t(n)); }

  private:
    std::uint32_t s_;
};

// ---------------------------------------------------------------- languages
// Every picture with lettering is painted twice: in Japanese, the game's own
// pictures, and in English for the translated game. Lettering is written as
// say(Japanese, English); the painting's language picks one.
enum class Language { Japanese, English };
void setLanguage(Language language);
Language language();
QString say(const char16_t* japanese, const char16_t* english);

// What the lettering of the pictures painted since the last reset held:
// whether any Japanese was drawn in Japanese (the picture needs an English
// one), and each Japanese text drawn in English (left untranslated).
// drawText notes its lettering itself; lettering drawn otherwise is noted
// with noteLettering.
void noteLettering(const QString& text);
void resetLetteringRecord();
bool drewJapanese();
QStringList untranslatedLettering();

// ---------------------------------------------------------------- fonts/text
enum class Face { Gothic, PGothic, Mincho, Round, Sans, Serif };
QFont font(Face face, int pixelSize, bool bold = false, bool italic = false);

struct TextStyle {
    QColor top = Qt::white;    // fill gradient, top of the glyphs
    QColor bottom = Qt::white; // fill gradient, bottom
    QColor outline = QColor(0x2a, 0x20, 0x30);
    double outlineWidth = 3;      // width of the dark rim outside the glyph
    QColor rim = Qt::transparent; // optional light rim between fill and outline
    double rimWidth = 0;
    QColor shadow = Qt::transparent;
    QPointF shadowOffset = QPointF(2, 2);
    bool capCentre = false; // centre on cap height, so labels share a baseline
    bool gloss = false;     // lighter band on the upper half
};

// Draws one line of lettering inside box, shrinking it if it does not fit.
// Returns the rectangle the glyphs ended up in.
QRectF drawText(QPainter& p, const QString& text, const QFont& f, const QRectF& box,
                Qt::Alignment align, const TextStyle& style);

// Plain readable text styles used on signs and credit cards.
TextStyle inkText(const QColor& fill, double outline = 2.5);

// ---------------------------------------------------------------- shapes
void inked(QPainter& p, const QPainterPath& path, const QBrush& fill, double width = 2.5);
void inkedEllipse(QPainter& p, const QPointF& c, double rx, double ry, const QBrush& fill,
                  double width = 2.5);
void inkedRect(QPainter& p, const QRectF& r, const QBrush& fill, double radius = 0,
               double width = 2.5);
QLinearGradient vgrad(const QRectF& r, const QColor& top, const QColor& bottom);
void sky(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
void cloud(QPainter& p, const QPointF& c, double s, const QColor& col = Qt::white);
void stars(QPainter& p, const QRectF& r, int count, std::uint32_t seed, double twinkle = 0);
void confetti(QPainter& p, const QRectF& r, int count, std::uint32_t seed, double fall);
void sparkle(QPainter& p, const QPointF& c, double r, const QColor& col);
void burst(QPainter& p, const QPointF& c, double r, int rays, const QColor& a, const QColor& b,
           double turn = 0);
void speechBubble(QPainter& p, const QRectF& r, const QPointF& tail, const QString& text,
                  int pixelSize = 15);
void moon(QPainter& p, const QPointF& c, double r);
void glow(QPainter& p, const QPointF& c, double r, const QColor& col);

// ---------------------------------------------------------------- characters
enum class Expr { Smile, Grin, Joy, Focus, Surprise, Wink };

struct Look {
    QColor skin, hair, top, trim, pants, belt, shoes;
    bool spiky = true; // hero's spikes versus a neat bowl cut
    bool headband = true;
    bool glasses = false;
    bool apron = false;
    QColor apronColor;
};
Look heroLook();
Look clerkLook();

// Joint angles in degrees. a1: first segment from straight down, positive is
// toward the way the character faces. a2: bend of the second segment
// (elbows bend forward, knees bend back).
struct Limb {
    double a1 = 0;
    double a2 = 0;
};

struct Pose {
    double turn = 1; // 1: three-quarter view toward the facing side, 0: straight at us
    bool faceLeft = false;
    Limb armBack, armFront, legBack, legFront;
    double lean = 0; // whole upper body tilt around the hip, degrees
    double headTilt = 0;
    Expr expr = Expr::Smile;
    bool sweat = false;
    bool blush = false;
    bool sparkleEyes = false;
    double flutter = 0; // phase of the headband tails
    bool hideLegs = false;
    // Extra drawing in the character's own coordinates (hip at origin,
    // facing right, unscaled). heldBack goes behind the body, held between
    // the body and the front arm, so hands close over what they carry.
    std::function<void(QPainter&)> heldBack;
    std::function<void(QPainter&)> held;
};

Pose walkPose(double phase);
Pose standPose();
// Hand position of an arm in character units, for placing held things.
QPointF handPos(const Pose& pose, bool front);
// Bends an arm so its hand lands on target (character units, elbow down).
Limb reachArm(const Pose& pose, bool front, const QPointF& target);
void drawCharacter(QPainter& p, const Look& look, const Pose& pose, const QPointF& hip,
                   double scale);
// Hip position that puts the lower foot of this pose on groundY.
QPointF hipOnGround(const Pose& pose, double x, double groundY, double scale);
void shadowBlob(QPainter& p, const QPointF& c, double rx, double alpha = 0.22);

// ---------------------------------------------------------------- props
void box3d(QPainter& p, const QRectF& front, double depth, const QColor& col, const QString& label,
           bool open = false);
void moneyBag(QPainter& p, const QPointF& c, double size, bool label = true);
void monitor(QPainter& p, const QRectF& screen,
             const std::function<void(QPainter&, const QRectF&)>& content);
void pcTower(QPainter& p, const QRectF& r, bool open, bool lit);
void keyboard(QPainter& p, const QRectF& r);
void motherboard(QPainter& p, const QRectF& r);
void cpuChip(QPainter& p, const QRectF& r);
void ramStick(QPainter& p, const QRectF& r);
void brokenPc(QPainter& p, const QPointF& base, double s);
void screwdriver(QPainter& p, const QPointF& grip, double angle, double s);
void townRow(QPainter& p, double groundY, double offset, std::uint32_t seed, const QColor& tint,
             double tintAmount);
void powerPole(QPainter& p, double x, double groundY, const QColor& col);
void tournamentHall(QPainter& p, double flagPhase, bool night);
void roomInterior(QPainter& p, bool night, double floorY);
void screenGame(QPainter& p, const QRectF& r, int frame);
void screenCode(QPainter& p, const QRectF& r);

// ---------------------------------------------------------------- pictures
// Order in which the ending flip-book plays, as the suffixes of 初期絵N.bmp.
inline constexpr int kFlipCount = 25;
extern const char* const kFlipNames[kFlipCount];

QImage flipFrame(int index);     // 0 .. kFlipCount-1
QImage unpackingPicture();       // 初期絵19
QImage backgroundPicture(int n); // 背景画01 .. 背景画11
QImage creditCard(int n);        // 背景画05 .. 背景画11, the staff roll
QImage staffTitleCard();         // staff_image1.png
QImage appIcon(int size);        // the desktop's icon, size by size pixels

// Lettering and icons for the status, battle, shop and allocation windows.
struct UiPicture {
    const char* file;
    int w, h;
    std::function<void(QPainter&, const QRectF&)> draw;
};
std::vector<UiPicture> uiPictures();

} // namespace art
