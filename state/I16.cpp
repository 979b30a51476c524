#include "state/I16.h"

#include "platform/Errors.h"

#include <cmath>

namespace kobu {

i16 i16::fromDouble(double d) {
    if (!std::isfinite(d))
        throwOverflow();
    // nearbyint honours the default rounding mode, round-to-nearest-even.
    const double r = std::nearbyint(d);
    if (r < -32768.0 || r > 32767.0)
        throwOverflow();
    return i16(static_cast<int>(r));
}

void i16::throwOverflow() {
    throw platform::OverflowError();
}
void i16::throwDivision() {
    throw platform::OverflowError();
}

} // namespace kobu
