#pragma once

#include <QString>

namespace platform {

// Ends the program at once: no window is asked, nothing is saved.
[[noreturn]] void EndProcess();

// The folder that holds the game data, the base of appPath and the music
// paths: the program's own folder when the data is beside it (the build
// folder, a copied folder), else the data folder of an installed game, found
// from the program's location so that any install prefix works.
QString programFolder();
// Tests run the game from a temporary folder.
void setProgramFolderForTests(const QString& folder);

// The folder that holds the save file of the game whose data is in `appPath`:
// Data/ below it for a portable game; for an installed game, whose data folder
// belongs to the system, kobusato/Data below the user's data folder.
QString saveFolder(const QString& appPath);

} // namespace platform
