#pragma once
// The player's choices besides the language: the music, the game's size and
// where the main window was. Each is kept in the settings file (Settings.h)
// and read back from it; a value that is not one of the game's is its
// default.

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace platform {

// ------------------------------------------------------------ music
struct MusicChoice {
    bool on = true;
    int volume = 100; // per cent of the music's own level, one of kVolumeSteps
};
inline constexpr int kVolumeSteps[] = {25, 50, 75, 100};

MusicChoice rememberedMusic();
// The music device's volume for `choice`: 0 when the music is off.
double deviceVolume(const MusicChoice& choice);
// Remembered for the next start; the settings menu applies it to the device.
void rememberMusic(const MusicChoice& choice);

// ------------------------------------------------------------ the game's size
// How many screen pixels a pixel of the game takes: as the desktop scales
// everything, or a fixed 100, 150 or 200 per cent.
enum class GameSize { Desktop = 0, Percent100 = 100, Percent150 = 150, Percent200 = 200 };

GameSize rememberedGameSize();
// Remembered for the next start: Qt fixes the scale before the first window.
void chooseGameSize(GameSize size);
// The run's size, as applyGameSize set it at start-up.
GameSize startedGameSize();
// Before the application object is made: the remembered size, put into
// Qt's scaling variables, unless the environment already chose a scale
// (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS, QT_ENABLE_HIGHDPI_SCALING), which
// wins. Returns the size in force.
GameSize applyGameSize(GameSize size);

// ------------------------------------------------------------ the main window
struct WindowPlace {
    QRect geometry; // the frame's normal geometry, in the desktop's coordinates
    bool maximized = false;
};
std::optional<WindowPlace> rememberedWindowPlace();
void rememberWindowPlace(const WindowPlace& place);
// `wanted` moved, and shrunk where it must be, so that it lies on one of
// `screens` (their available areas): the one it overlaps most, else the
// first. None without screens.
std::optional<QRect> onScreens(const QRect& wanted, const std::vector<QRect>& screens);

} // namespace platform
