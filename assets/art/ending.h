// What the ending's picture files share: the scene canvas, the pieces of
// the flip-book's street scenes, and each scene that ending.cpp puts in the
// order the game shows them.
#pragma once

#include "art.h"

namespace art {

// The flip-book runs at five frames a second, so each frame advances his
// walk by a quarter cycle: legs together, apart, together, apart.
inline constexpr double kStep = 0.25;
inline constexpr double kWalkScale = 0.64;

inline constexpr QRectF kFull(0, 0, kSceneW, kSceneH);
// A blank scene picture: white under the flip-book, black under the staff
// roll's cards.
QImage canvas(const QColor& background);
// A transparent layer over the whole scene, at the scene's scale.
QImage sceneLayer();

// ------------------------------------------------------------ street pieces
void daySky(QPainter& p, int k);
void paving(QPainter& p, double top, const QColor& col);
// Nobori: the tall banner flags outside Japanese shops and events.
void nobori(QPainter& p, double x, double groundY, double h, const QColor& col, const QString& text,
            double wave);
// The prize sack slung over his back; the rope goes to his front hand.
Pose sackPose(Pose pose);
void drawHeroAt(QPainter& p, const Pose& pose, double x, double groundY, double scale);

// ------------------------------------------------------------ the flip-book
// Frame k of each scene.
void hallFrame(QPainter& p, int k);
void shopFrontFrame(QPainter& p, int k);
void shopInsideFrame(QPainter& p, int k);
void walkHomeFrame(QPainter& p, int k);
void homeDuskFrame(QPainter& p);
void homeNightFrame(QPainter& p);

// ------------------------------------------------------------ building the PC
void unpacking(QPainter& p);
void assembling(QPainter& p);
void powerOn(QPainter& p);
void delighted(QPainter& p);
void playing(QPainter& p);

} // namespace art
