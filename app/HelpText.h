#pragma once
// The guide to the game: assets/help/how_to_play.md holds it in both
// languages, each half opened by a marker line, so that the game and the
// README (its English half) say the same thing.

#include "platform/Language.h"

#include <QString>

namespace kobu {

// The half of `guide` (the whole file) in `language`, without its marker, as
// Markdown; empty when the marker is missing.
QString guideIn(const QString& guide, platform::Language language);

// The guide compiled into the program, in `language`.
QString howToPlay(platform::Language language);

} // namespace kobu
