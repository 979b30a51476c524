#pragma once
// Pictures read from the program folder (the ending's), as opposed to the
// ones compiled into the program.

#include <QImage>
#include <QString>
#include <cstdint>

namespace platform {

// Far beyond the game's own pictures (a few hundred kilobytes each).
inline constexpr std::int64_t kMaxPictureBytes = 16 * 1024 * 1024;

// The picture in `path`, read only when it is a regular file of at most
// kMaxPictureBytes. When it cannot be had, a null image and in `why` what is
// wrong, in English for standard error: "is a folder, not a file", or the
// decoder's reason.
QImage readPicture(const QString& path, QString& why);

// The picture in `path` for a screen of `ratio` device pixels to a pixel: on
// any screen denser than 1, the one drawn at twice the size, "2x/<name>.png"
// beside it, with a device pixel ratio of 2, so that it takes the place of
// the other and is not a stretched copy of it. Where that one is missing, or
// cannot be read (told once on standard error), the picture in `path`.
QImage readPictureFor(const QString& path, qreal ratio, QString& why);

} // namespace platform
