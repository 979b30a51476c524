#pragma once
// The music files a player may drop in, checked before FluidSynth sees them,
// and what the player is told about them and about the sound libraries.

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>
#include <string>

namespace platform::music {

// The libraries' own messages mean nothing to a player; a tool lets them
// through when a developer wants to know why there is no sound.
extern std::atomic<bool> librariesSpeak;
void keepLibrariesQuiet();

void say(const std::string& line);
// A player is told once per run about each file that cannot play; the game
// goes on without that music.
void sayOnceAbout(const QString& path, const char* what);

std::optional<QByteArray> readMusicFile(const QString& path);

} // namespace platform::music
