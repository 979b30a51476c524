#pragma once
// Lines for standard error: what the player's terminal or journal should
// know, in English, each prefixed with the program's name.

#include <QString>

namespace platform {

void say(const QString& line);
// Says `line` only the first time `key` comes, however often the cause does.
void sayOnce(const QString& key, const QString& line);

} // namespace platform
