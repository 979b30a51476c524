#pragma once
// The weapon and armour names: the tables and the save keep them in Japanese,
// whatever the language, so that a save reads the same in both; they are
// translated only where they are shown.

#include <QString>

namespace kobu {

// `savedName` as the player reads it in the language of the moment.
QString shownEquipmentName(const QString& savedName);

} // namespace kobu
