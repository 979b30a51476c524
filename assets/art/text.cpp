// Lettering: the language a picture is painted in and the record of what
// it wrote, the fonts, and outlined gradient text that shrinks to fit.
#include "art.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

bool hasFamily(const QString& name) {
    static const QStringList families = QFontDatabase::families();
    return families.contains(name, Qt::CaseInsensitive);
}

QString firstFamily(std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (hasFamily(QString::fromUtf8(n)))
            return QString::fromUtf8(n);
    return QStringLiteral("IPAPGothic");
}

Language gLanguage = Language::Japanese;
bool gDrewJapanese = false;
QStringList gUntranslated;

// Kana, kanji, Japanese punctuation and full-width forms: lettering only a
// Japanese reader reads. Latin letters, digits and symbols such as ♪ serve
// both pictures.
bool isJapaneseScript(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30ff) || (u >= 0x31f0 && u <= 0x31ff) ||
           (u >= 0x3400 && u <= 0x4dbf) || (u >= 0x4e00 && u <= 0x9fff) ||
           (u >= 0xf900 && u <= 0xfaff) || (u >= 0xff00 && u <= 0xffef);
}

} // namespace

void noteLettering(const QString& text) {
    if (!std::any_of(text.begin(), text.end(), isJapaneseScript))
        return;
    if (gLanguage == Language::Japanese)
        gDrewJapanese = true;
    else if (!gUntranslated.contains(text))
        gUntranslated << text;
}

void setLanguage(Language language) {
    gLanguage = language;
}
Language language() {
    return gLanguage;
}

QString say(const char16_t* japanese, const char16_t* english) {
    return QString::fromUtf16(gLanguage == Language::English ? english : japanese);
}

void resetLetteringRecord() {
    gDrewJapanese = false;
    gUntranslated.clear();
}
bool drewJapanese() {
    return gDrewJapanese;
}
QStringList untranslatedLettering() {
    return gUntranslated;
}

QFont font(Face face, int pixelSize, bool bold, bool italic) {
    // The Japanese faces set Latin letters at a fixed pitch, which leaves
    // English words gappy: English lettering takes the proportional sibling
    // of each, and a rounded Latin face for the round one.
    const bool english = gLanguage == Language::English;
    QString family;
    switch (face) {
    case Face::Gothic:
        family = english ? firstFamily({"IPAPGothic", "IPAGothic"})
                         : firstFamily({"IPAGothic", "IPAPGothic"});
        break;
    case Face::PGothic:
        family = firstFamily({"IPAPGothic", "IPAGothic"});
        break;
    case Face::Mincho:
        family = english ? firstFamily({"IPAPMincho", "IPAMincho", "IPAPGothic"})
                         : firstFamily({"IPAMincho", "IPAPMincho", "IPAPGothic"});
        break;
    case Face::Round:
        family = english ? firstFamily({"Quicksand", "IPAPGothic"})
                         : firstFamily({"MotoyaLMaru", "IPAPGothic"});
        break;
    case Face::Sans:
        family = firstFamily({"Liberation Sans", "IPAPGothic"});
        break;
    case Face::Serif:
        family = firstFamily({"Liberation Serif", "IPAPMincho", "IPAMincho"});
        break;
    }
    QFont f(family);
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setKerning(true);
    return f;
}

TextStyle inkText(const QColor& fill, double outline) {
    TextStyle s;
    s.top = fill;
    s.bottom = fill;
    s.outline = kInk;
    s.outlineWidth = outline;
    return s;
}

QRectF drawText(QPainter& p, const QString& text, const QFont& f, const QRectF& box,
                Qt::Alignment align, const TextStyle& st) {
    noteLettering(text);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty())
        return {};

    // Fonts without a bold face get thickened by stroking the glyphs in
    // their own colour; the path outline carries no synthetic bold.
    const bool fakeBold =
        f.bold() && !QFontDatabase::styles(f.family()).contains(QStringLiteral("Bold"));

    double top = b.top();
    double bottom = b.bottom();
    if (st.capCentre) {
        const QFontMetricsF fm(f);
        top = -fm.capHeight();
        bottom = 0;
    }
    const double margin = st.outlineWidth + st.rimWidth + 1;
    const double shadowX = st.shadow.alpha() ? std::abs(st.shadowOffset.x()) : 0;
    const double shadowY = st.shadow.alpha() ? std::abs(st.shadowOffset.y()) : 0;
    const double availW = box.width() - 2 * margin - shadowX;
    const double availH = box.height() - 2 * margin - shadowY;
    const double scale = std::min({1.0, availW / b.width(), availH / (bottom - top)});

    const double w = b.width() * scale;
    const double h = (bottom - top) * scale;
    double x = box.left() + margin;
    if (align & Qt::AlignHCenter)
        x = box.center().x() - w / 2 - shadowX / 2;
    else if (align & Qt::AlignRight)
        x = box.right() - margin - shadowX - w;
    double y = box.top() + margin;
    if (align & Qt::AlignVCenter)
        y = box.center().y() - h / 2 - shadowY / 2;
    else if (align & Qt::AlignBottom)
        y = box.bottom() - margin - shadowY - h;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(x - b.left() * scale, y - top * scale);
    p.scale(scale, scale);
    const double inv = 1.0 / scale;
    const double boldW = fakeBold ? f.pixelSize() * 0.022 : 0;

    auto strokeAll = [&](const QColor& c, double halfWidth) {
        p.setBrush(c);
        p.setPen(QPen(c, 2 * halfWidth * inv, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    };

    if (st.shadow.alpha()) {
        p.save();
        p.translate(st.shadowOffset * inv);
        strokeAll(st.shadow, st.outlineWidth + st.rimWidth + boldW * scale);
        p.restore();
    }
    if (st.outlineWidth > 0)
        strokeAll(st.outline, st.outlineWidth + st.rimWidth + boldW * scale);
    if (st.rim.alpha() && st.rimWidth > 0)
        strokeAll(st.rim, st.rimWidth + boldW * scale);

    QLinearGradient g(0, b.top(), 0, b.bottom());
    g.setColorAt(0, st.top);
    if (st.gloss) {
        g.setColorAt(0.45, st.top.lighter(112));
        g.setColorAt(0.5, st.bottom.lighter(104));
    }
    g.setColorAt(1, st.bottom);
    p.setBrush(g);
    if (boldW > 0)
        p.setPen(QPen(QBrush(g), 2 * boldW, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
    p.restore();
    return QRectF(x, y, w, h);
}

} // namespace art
