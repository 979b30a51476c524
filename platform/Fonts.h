#pragma once
// The faces the window designs name, mapped to the installed ones.

#include <QFont>
#include <QString>

namespace platform {

// The face that stands in for a design's face name.
QString installedFace(const QString& designFace);
// A font of the design's face at `points`, mapped to an installed face.
QFont designFont(const QString& designFace, double points, bool bold = false);
// The default face every control was laid out for: a Japanese gothic, 9 pt.
QFont defaultFont();
// Registers the substitutions with Qt so that a design face name also works
// when written directly.
void installFontSubstitutions();

} // namespace platform
