// What the character's body and head files share.
#pragma once

#include "art.h"

namespace art {

inline constexpr double kLine = 3; // outline width in character units

// The head, around its own centre in character units, facing right.
void drawHead(QPainter& p, const Look& look, const Pose& pose);

} // namespace art
