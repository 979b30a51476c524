// The ending: a flip-book of him taking the prize money to the parts shop
// and carrying the boxes home, then the stills of building the new machine.
#include "ending.h"

namespace art {

const char* const kFlipNames[kFlipCount] = {"2",  "3",  "4-5", "5",  "7",  "9",  "10", "11", "12",
                                            "13", "14", "15",  "16", "17", "18", "20", "21", "22",
                                            "24", "25", "26",  "27", "28", "29", "30"};

namespace {
int scale = 1;
}

void setSceneScale(int s) {
    scale = s;
}

int sceneScale() {
    return scale;
}

QImage canvas(const QColor& background) {
    // The painter then draws in scene pixels on every denser canvas.
    QImage img(kSceneW * scale, kSceneH * scale, QImage::Format_RGB32);
    img.setDevicePixelRatio(scale);
    img.fill(background);
    return img;
}

QImage sceneLayer() {
    QImage img(kSceneW * scale, kSceneH * scale, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    return img;
}

QImage flipFrame(int index) {
    QImage img = canvas(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (index < 6)
        hallFrame(p, index);
    else if (index < 11)
        shopFrontFrame(p, index - 6);
    else if (index < 18)
        shopInsideFrame(p, index - 11);
    else if (index < 23)
        walkHomeFrame(p, index - 18);
    else if (index == 23)
        homeDuskFrame(p);
    else
        homeNightFrame(p);
    return img;
}

QImage unpackingPicture() {
    QImage img = canvas(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    unpacking(p);
    return img;
}

QImage backgroundPicture(int n) {
    if (n >= 5)
        return creditCard(n);
    QImage img = canvas(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1:
        assembling(p);
        break;
    case 2:
        powerOn(p);
        break;
    case 3:
        delighted(p);
        break;
    default:
        playing(p);
        break;
    }
    return img;
}

} // namespace art
