// The words on the status and allocation windows: drawn large, with rim and
// gloss, for screens of twice the density, and once more pixel for pixel at
// their on-screen size.
#include "ui.h"

#include <QFontMetricsF>

#include <cmath>

namespace art {

TextStyle lettering(const QColor& top, const QColor& bottom, double outline, double rim) {
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

constexpr int kAllocPx = 32;

std::function<void(QPainter&, const QRectF&)> statusWord(const char* word, QColor top,
                                                         QColor bottom) {
    return [=](QPainter& p, const QRectF& r) {
        drawText(p, QString::fromUtf8(word), font(Face::Sans, kStatusPx, true),
                 r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                 lettering(top, bottom, 3.5, 2.5));
    };
}

std::function<void(QPainter&, const QRectF&)> allocWord(const char* word, QColor top,
                                                        QColor bottom) {
    return [=](QPainter& p, const QRectF& r) {
        // Shrunk to fit the row: room between the letters and a lighter
        // outline keep "tt" from running together.
        QFont f = font(Face::Sans, kAllocPx, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        drawText(p, QString::fromUtf8(word), f, r.adjusted(1, 0, 0, 0),
                 Qt::AlignLeft | Qt::AlignVCenter, lettering(top, bottom, 2.0, 1.2));
    };
}

// The same words for one screen pixel per pixel: hinted glyphs with a
// one-pixel outline and a soft drop shadow, no rim and no gloss, which at
// this size only blur the strokes.
void smallWord(QPainter& p, const QString& word, const QRectF& r, int pixelSize, QColor top,
               QColor bottom) {
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

std::function<void(QPainter&, const QRectF&)> smallStatusWord(const char* word, QColor top,
                                                              QColor bottom) {
    return [=](QPainter& p, const QRectF& r) {
        smallWord(p, QString::fromUtf8(word), r, 22, top, bottom);
    };
}

std::function<void(QPainter&, const QRectF&)> smallAllocWord(const char* word, QColor top,
                                                             QColor bottom) {
    return [=](QPainter& p, const QRectF& r) {
        smallWord(p, QString::fromUtf8(word), r, 16, top, bottom);
    };
}

} // namespace art
