#pragma once
// Conversion between the game's Unicode texts and the Japanese Windows code
// page 932, which the record files store.

#include <QByteArray>
#include <QString>

namespace platform {

// Unicode to code page 932, in its Windows form. A character without a CP932
// form becomes "?".
QByteArray toCp932(const QString& text);
// Code page 932 to Unicode. The single bytes 0x80, 0xA0, 0xFD, 0xFE and 0xFF
// become U+0080 and U+F8F0 to U+F8F3, as on Windows, and go back to the same
// bytes; any other byte sequence that is not CP932 becomes U+FFFD.
QString fromCp932(const QByteArray& bytes);

// The first `limit` bytes of the CP932 form of `text`, padded with blanks to
// exactly `limit` bytes. A double-byte character that would be split by the
// limit is replaced by a blank, so the field always decodes cleanly.
QByteArray cp932Field(const QString& text, int limit);

} // namespace platform
