#pragma once
// How the game reads a number the player typed: the number at the start of the
// text, whatever follows it.

#include <QString>

namespace platform {

// The leading number of `text` as a double:
// - blanks, tabs and line feeds are ignored anywhere ("1 2" reads 12);
// - an optional sign, decimal digits with at most one ".", and an optional
//   exponent (E or D, an optional sign, digits), up to the first character that
//   does not fit ("3個" reads 3, "1.5.2" reads 1.5, "2D3" reads 2000);
// - "&H" or "&O" at the start reads a hexadecimal or octal integer ("&H10"
//   reads 16);
// - text that does not start with a number reads 0.
// Throws OverflowError when the number is too large for a double ("1E999").
double leadingNumber(const QString& text);

} // namespace platform
