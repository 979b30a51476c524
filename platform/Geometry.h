#pragma once
// Window designs are measured in twips, 15 to a pixel at 96 dots per inch; Qt
// scales pixels for high-DPI screens.

#include <QWidget>
#include <cmath>

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPx(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline void setGeometryTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

} // namespace platform
