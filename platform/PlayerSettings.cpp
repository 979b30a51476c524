#include "platform/PlayerSettings.h"

#include "platform/Settings.h"

#include <algorithm>

namespace platform {
namespace {

const QString kMusicOnKey = QStringLiteral("music/on");
const QString kMusicVolumeKey = QStringLiteral("music/volume");
const QString kSizeKey = QStringLiteral("size");
const QString kWindowGeometryKey = QStringLiteral("window/geometry");
const QString kWindowMaximizedKey = QStringLiteral("window/maximized");

GameSize started = GameSize::Desktop;

// A window smaller than this is one the player could not find again.
constexpr int kSmallestWindow = 200;

} // namespace

MusicChoice rememberedMusic() {
    MusicChoice c;
    c.on = setting(kMusicOnKey, true).toBool();
    bool ok = false;
    const int volume = setting(kMusicVolumeKey, c.volume).toInt(&ok);
    // Only the menu's steps: a hand-edited 0 must not mute what shows as on.
    if (ok && std::find(std::begin(kVolumeSteps), std::end(kVolumeSteps), volume) !=
                  std::end(kVolumeSteps))
        c.volume = volume;
    return c;
}

double deviceVolume(const MusicChoice& choice) {
    return choice.on ? choice.volume / 100.0 : 0.0;
}

void rememberMusic(const MusicChoice& choice) {
    remember({{kMusicOnKey, choice.on}, {kMusicVolumeKey, choice.volume}},
             QStringLiteral("the music setting"));
}

GameSize rememberedGameSize() {
    switch (setting(kSizeKey, 0).toInt()) {
    case 100:
        return GameSize::Percent100;
    case 150:
        return GameSize::Percent150;
    case 200:
        return GameSize::Percent200;
    default:
        return GameSize::Desktop;
    }
}

void chooseGameSize(GameSize size) {
    remember({{kSizeKey, int(size)}}, QStringLiteral("the game's size"));
}

GameSize startedGameSize() {
    return started;
}

GameSize applyGameSize(GameSize size) {
    // A scale the player set for this run, or for every Qt program, wins.
    for (const char* chosen :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        if (!qEnvironmentVariableIsEmpty(chosen)) {
            started = GameSize::Desktop;
            return started;
        }
    if (size != GameSize::Desktop) {
        // A fixed size means screen pixels, whatever the desktop's own scale.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(int(size) / 100.0));
    }
    started = size;
    return started;
}

std::optional<WindowPlace> rememberedWindowPlace() {
    const QRect geometry = setting(kWindowGeometryKey).toRect();
    if (!geometry.isValid() || geometry.width() < kSmallestWindow ||
        geometry.height() < kSmallestWindow)
        return std::nullopt;
    return WindowPlace{geometry, setting(kWindowMaximizedKey, false).toBool()};
}

void rememberWindowPlace(const WindowPlace& place) {
    remember({{kWindowGeometryKey, place.geometry}, {kWindowMaximizedKey, place.maximized}},
             QStringLiteral("the window's place"));
}

std::optional<QRect> onScreens(const QRect& wanted, const std::vector<QRect>& screens) {
    if (screens.empty())
        return std::nullopt;
    const QRect* best = &screens.front();
    long long bestArea = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(wanted);
        const long long area = common.isEmpty() ? 0 : 1LL * common.width() * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &s;
        }
    }
    const QRect room = *best;
    QRect r(wanted.topLeft(), wanted.size().boundedTo(room.size()));
    r.moveLeft(std::clamp(r.left(), room.left(), room.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), room.top(), room.bottom() - r.height() + 1));
    return r;
}

} // namespace platform
