// What the files of the window pictures share: the lettering styles, the
// battle icons and the power-up picture, which ui.cpp lists by file name.
#pragma once

#include "art.h"

#include <functional>

namespace art {

// ------------------------------------------------------------ lettering
// One size for every status word, so the labels line up as a set.
inline constexpr int kStatusPx = 48;

TextStyle lettering(const QColor& top, const QColor& bottom, double outline, double rim);
std::function<void(QPainter&, const QRectF&)> statusWord(const char* word, QColor top,
                                                         QColor bottom);
std::function<void(QPainter&, const QRectF&)> allocWord(const char* word, QColor top,
                                                        QColor bottom);
// The same words for one screen pixel per pixel.
void smallWord(QPainter& p, const QString& word, const QRectF& r, int pixelSize, QColor top,
               QColor bottom);
std::function<void(QPainter&, const QRectF&)> smallStatusWord(const char* word, QColor top,
                                                              QColor bottom);
std::function<void(QPainter&, const QRectF&)> smallAllocWord(const char* word, QColor top,
                                                             QColor bottom);

// ------------------------------------------------------------ icons
struct Palette {
    QColor light, base, dark, accent;
};
// The player's side and the opponent's.
extern const Palette kCool;
extern const Palette kWarm;

// Each draws in a 32-unit grid; icon() scales one to its picture.
void fistIcon(QPainter& p, const Palette& pal);
void shieldIcon(QPainter& p, const Palette& pal);
void shoeIcon(QPainter& p, const Palette& pal);
std::function<void(QPainter&, const QRectF&)> icon(void (*fn)(QPainter&, const Palette&),
                                                   const Palette& pal);
void equipmentLabel(QPainter& p, const QRectF& r);
void smallEquipmentLabel(QPainter& p, const QRectF& r);

// ------------------------------------------------------------ power-up shop
void powerPicture(QPainter& p, const QRectF& r);

} // namespace art
