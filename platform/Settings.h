#pragma once
// The player's settings, kept in ~/.config/kobusato/kobusato.conf (below
// $XDG_CONFIG_HOME when that is set). Every setting of the game is read and
// written here, so that the file is only ever handled one way.
//
// The file is read only when it is a regular file (or a link to one) of at
// most kMaxSettingsBytes; otherwise every setting is its default, and that is
// said once on standard error. QSettings parses and writes a private copy of
// it, never the player's path, so that a FIFO or a folder put there cannot
// block the game.

#include <QString>
#include <QVariant>
#include <cstdint>

namespace platform {

// A settings file of a few lines: anything larger is not one.
inline constexpr std::int64_t kMaxSettingsBytes = 64 * 1024;

QString settingsFile();

// The value of `key`, or `fallback` when it is not set or the file cannot be
// read.
QVariant setting(const QString& key, const QVariant& fallback = {});

// Sets `key` in the file, which is created when missing; the other settings
// in it are kept. Returns whether the file now holds it; when not, `why` says
// in English what stood in the way. A file that is not a regular file, too
// large or unreadable is left as it is, since its contents are unknown.
bool setSetting(const QString& key, const QVariant& value, QString& why);
// The same for several keys at once, written together or not at all.
bool setSettings(const QVariantMap& values, QString& why);

// Sets `values`; when the file cannot hold them, says on standard error that
// `what` (in English: "the language") holds for this run only.
bool remember(const QVariantMap& values, const QString& what);

} // namespace platform
