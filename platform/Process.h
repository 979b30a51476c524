#pragma once

#include <QString>

namespace platform {

// Ends the program at once: no window is asked, nothing is saved.
[[noreturn]] void EndProcess();

// The folder that holds the program, as the system reports it.
QString programFolder();
// Tests run the game from a temporary folder.
void setProgramFolderForTests(const QString& folder);

} // namespace platform
