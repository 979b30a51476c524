#pragma once
// What each of the ending's pictures shows, in words, for a player who cannot
// see them: one short text per scene (the flip-book's frames of one scene
// share it), and the staff roll of the last card.

#include <QString>

namespace kobu {

// The text alternative of the scene that the picture `name` (as the ending
// names its files, "初期絵2", "背景画05") begins, in the language of the
// moment; empty for a frame that goes on with the scene before it, or a name
// the ending does not show.
QString sceneDescription(const QString& name);

// The staff roll, as the last card letters it.
QString creditsText();

} // namespace kobu
