#include "media/EndingWindow.h"

#include "app/MainWindow.h"
#include "app/Navigation.h"
#include "character/NameEntryWindow.h"
#include "media/EndingScenes.h"
#include "media/MusicPlayer.h"
#include "platform/Announce.h"
#include "platform/Clock.h"
#include "platform/Geometry.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "platform/Process.h"
#include "platform/Say.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QFileInfo>
#include <QPainter>
#include <chrono>
#include <cmath>
#include <thread>

using namespace platform;

namespace kobu {
namespace {

QString picturePath(const QString& name) {
    const QString& app = game().appPath;
    if (name.startsWith(QStringLiteral("初期絵")))
        return localizedPicture(app + QStringLiteral("/Bmps/") + name + QStringLiteral(".bmp"));
    return localizedPicture(app + QStringLiteral("/Jpegs/") + name + QStringLiteral(".jpg"));
}

int pxOf(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace

// ---- PictureBox ---------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(const QPixmap& pm) {
    pm_ = pm;
    const QSizeF natural = pm.deviceIndependentSize();
    width_ = static_cast<float>(natural.width() * kTwipsPerPixel);
    height_ = static_cast<float>(natural.height() * kTwipsPerPixel);
    place();
    update();
}

void PictureBox::replacePicture(const QPixmap& pm) {
    pm_ = pm;
    update();
}

void PictureBox::setLeftTw(float v) {
    left_ = v;
    place();
}
void PictureBox::setTopTw(float v) {
    top_ = v;
    place();
}
void PictureBox::setWidthTw(float v) {
    width_ = v;
    place();
}
void PictureBox::setHeightTw(float v) {
    height_ = v;
    place();
}

void PictureBox::place() {
    const QRect r(pxOf(left_), pxOf(top_), std::max(0, pxOf(width_)), std::max(0, pxOf(height_)));
    if (r != geometry())
        setGeometry(r);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (pm_.isNull())
        return;
    QPainter p(this);
    // A picture drawn at twice the size, on a screen of 1.5, is shrunk.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(0, 0, pm_);
}

// ---- EndingWindow -------------------------------------------------------------

EndingWindow::EndingWindow() : GameWindow(QStringLiteral("EndingWindow")) {
    setClientSizeTwips(7680, 5775);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    slide = new PictureBox(this);
    slide->setObjectName(QStringLiteral("slide"));
    slide->setPicture(designPicture());
    slide->setWidthTw(7680);
    slide->setHeightTw(5790);
    translateTexts();
}

QPixmap EndingWindow::designPicture() const {
    QPixmap design(localizedPicture(QStringLiteral(":/ui/staff_image1.png")));
    design.setDevicePixelRatio(2.0);
    return design;
}

void EndingWindow::retranslate() {
    // No caption bar shows it, but a screen reader says it as the ending begins.
    setTitle(tr("エンディング"));
    slide->setAccessibleName(tr("エンディング"));
    // The slide and the background that show now, in the new language, where
    // they stand; nothing of the sequence is told of it.
    const QPixmap pm = pictureName_.isEmpty() ? designPicture() : load(pictureName_);
    if (!pm.isNull())
        slide->replacePicture(pm);
    if (!backgroundName_.isEmpty()) {
        const QPixmap bg = load(backgroundName_);
        if (!bg.isNull()) {
            background_ = bg;
            update();
        }
    }
}

void EndingWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!background_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(0, 0, background_);
    }
}

void EndingWindow::note(const QString& s) const {
    if (observer)
        observer(s);
}

QPixmap EndingWindow::load(const QString& name) const {
    // Read afresh each time, as the sequence uses each file when it comes.
    const QString path = picturePath(name);
    QString why;
    const QImage img = readPictureFor(path, devicePixelRatioF(), why);
    if (img.isNull()) {
        // A picture that cannot be had must not strand the player: leave it
        // out, and say so once in the run, however often the ending plays.
        sayOnce(path, QStringLiteral("picture %1 %2; left out").arg(path, why));
        return {};
    }
    return QPixmap::fromImage(img);
}

void EndingWindow::showPicture(const QString& name) {
    note(QStringLiteral("picture:") + name);
    pictureName_ = name;
    // A scene is told as it begins, whether or not its file could be had.
    announce(slide, sceneDescription(name));
    const QPixmap pm = load(name);
    if (!pm.isNull())
        slide->setPicture(pm);
}

void EndingWindow::setBackground(const QString& name) {
    note(QStringLiteral("background:") + name);
    backgroundName_ = name;
    const QPixmap pm = load(name);
    if (!pm.isNull()) {
        background_ = pm;
        update();
    }
}

void EndingWindow::prepare(Prop prop, float value) {
    const char* names[] = {"Left", "Width", "Height"};
    note(QStringLiteral("prepare:%1:%2").arg(QLatin1String(names[int(prop)])).arg(double(value)));
    switch (prop) {
    case Prop::Left:
        slide->setLeftTw(value);
        break;
    case Prop::Width:
        slide->setWidthTw(value);
        break;
    case Prop::Height:
        slide->setHeightTw(value);
        break;
    }
}

void EndingWindow::sweep(Prop prop, std::int64_t from, std::int64_t to, std::int64_t step) {
    using clock = std::chrono::steady_clock;
    const std::int64_t span = (to - from) / step; // whole steps before the limit
    const std::int64_t count = span + 1;
    // The picture should visibly move: a frame at the screen's rate, paced so
    // the sweep lasts about sweepSeconds whatever the machine.
    const int frames = sweepSeconds > 0 ? std::max(1, int(sweepSeconds * 60)) : 0;
    const auto start = clock::now();
    int lastFrame = 0;
    std::int64_t steps = 0;
    float first = 0, last = 0;
    for (std::int64_t c = from; step > 0 ? c <= to : c >= to; c += step) {
        const float v = static_cast<float>(static_cast<double>(c) / 10000.0);
        if (steps == 0)
            first = v;
        last = v;
        ++steps;
        switch (prop) {
        case Prop::Left:
            slide->setLeftTw(v);
            break;
        case Prop::Width:
            slide->setWidthTw(v);
            break;
        case Prop::Height:
            slide->setHeightTw(v);
            break;
        }
        if (frames) {
            const int frame = int(steps * frames / count);
            if (frame != lastFrame) {
                lastFrame = frame;
                repaint();
                platform::waitUntil(
                    start + std::chrono::duration_cast<clock::duration>(
                                std::chrono::duration<double>(sweepSeconds * frame / frames)));
            }
        }
    }
    const char* names[] = {"Left", "Width", "Height"};
    note(QStringLiteral("sweep:%1:%2:%3:%4")
             .arg(QLatin1String(names[int(prop)]))
             .arg(steps)
             .arg(double(first))
             .arg(double(last)));
}

bool EndingWindow::canClose(CloseReason reason) {
    return !(playing_ && reason == CloseReason::User);
}

void EndingWindow::onLoad() {
    playing_ = true;
    struct Done {
        bool& playing;
        ~Done() { playing = false; }
    } done{playing_};
    // Ten-thousandths of a twip.
    constexpr std::int64_t k = 10000;
    constexpr std::int64_t kStep = 3000; // 0.3

    playMusic(Track::Ending);
    // A picture show, not a window to handle: no caption bar and no border.
    frame()->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    frame()->adjustSize();
    Windows::instance().showWindow(this);
    if (MainWindow* main = MainWindow::instance()) {
        const float mw = float(main->frameGeometry().width() * kTwipsPerPixel);
        const float mh = float(main->frameGeometry().height() * kTwipsPerPixel);
        setLeftTw(mw / 2 - float(widthTw()) / 2);
        setTopTw(mh / 2 - float(heightTw()) / 2);
    }
    processPendingEvents();
    if (isUnloaded())
        return;

    static const char* const flip[] = {"2",  "3",  "4-5", "5",  "7",  "9",  "10", "11", "12",
                                       "13", "14", "15",  "16", "17", "18", "20", "21", "22",
                                       "24", "25", "26",  "27", "28", "29", "30"};
    for (const char* n : flip) {
        showPicture(QStringLiteral("初期絵") + QLatin1String(n));
        pauseFor(200);
        processPendingEvents();
        if (isUnloaded())
            return;
    }
    pauseFor(1000);

    // 1: wipe from the left.
    prepare(Prop::Width, 0);
    showPicture(QStringLiteral("初期絵19"));
    sweep(Prop::Width, 0, 7680 * k, kStep);
    pauseFor(200);
    setBackground(QStringLiteral("初期絵19"));
    // 2: wipe from the left.
    prepare(Prop::Width, 0);
    showPicture(QStringLiteral("背景画01"));
    sweep(Prop::Width, 0, 7680 * k, kStep);
    pauseFor(200);
    setBackground(QStringLiteral("背景画01"));
    // 3: slide in from the right.
    prepare(Prop::Left, 7700);
    showPicture(QStringLiteral("背景画02"));
    sweep(Prop::Left, 7700 * k, 0, -kStep);
    pauseFor(200);
    setBackground(QStringLiteral("背景画02"));
    // 4: wipe from the top, to the window's height.
    prepare(Prop::Height, 0);
    showPicture(QStringLiteral("背景画03"));
    sweep(Prop::Height, 0, std::int64_t(std::llround(heightTw() * k)), kStep);
    pauseFor(200);
    setBackground(QStringLiteral("背景画03"));
    // 5: the picture first, then the wipe from the left to the window's width.
    showPicture(QStringLiteral("背景画04"));
    prepare(Prop::Width, 0);
    sweep(Prop::Width, 0, std::int64_t(std::llround(widthTw() * k)), kStep);
    pauseFor(200);
    setBackground(QStringLiteral("背景画04"));
    // 6: slide in from the right.
    showPicture(QStringLiteral("初期絵30"));
    sweep(Prop::Left, 7700 * k, 0, -kStep);
    pauseFor(200);
    setBackground(QStringLiteral("初期絵30"));

    for (int n = 5; n <= 10; ++n) {
        const QString name = QStringLiteral("背景画%1").arg(n, 2, 10, QLatin1Char('0'));
        showPicture(name);
        pauseFor(200);
        processPendingEvents();
        if (isUnloaded())
            return;
        setBackground(name);
    }
    showPicture(QStringLiteral("背景画11"));
    setBackground(QStringLiteral("背景画11"));
    announce(slide, creditsText());

    if (ask(tr("もう一度しますか"), BoxIcon::Question, tr("確認"))) {
        resetGame();
        navigation::toNameEntry();
    } else {
        EndProcess();
    }
}

} // namespace kobu
