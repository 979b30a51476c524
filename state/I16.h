#pragma once
// Every number of the game is a checked signed 16-bit value: the stored game,
// the save file and the rules all assume that range, so leaving it is an error
// rather than a silent wrap.

#include <QString>
#include <compare>
#include <cstdint>

namespace kobu {

class i16 {
  public:
    constexpr i16() = default;
    // Implicit on purpose: rules read as `g.money - 450`, and a literal that does
    // not fit is an overflow like any other.
    constexpr i16(int v) : v_(check(v)) {} // NOLINT(google-explicit-constructor)

    // Float to integer: nearest, halves to even (2.5 -> 2, 3.5 -> 4).
    static i16 fromDouble(double d);

    constexpr int value() const { return v_; }
    QString str() const { return QString::number(v_); }
    bool truth() const { return v_ != 0; }

    friend constexpr i16 operator+(i16 a, i16 b) { return i16(int(a.v_) + int(b.v_)); }
    friend constexpr i16 operator-(i16 a, i16 b) { return i16(int(a.v_) - int(b.v_)); }
    friend constexpr i16 operator*(i16 a, i16 b) { return i16(int(a.v_) * int(b.v_)); }
    // Integer division truncating toward zero (-7 / 2 == -3); -32768 / -1 overflows.
    friend constexpr i16 operator/(i16 a, i16 b) {
        if (b.v_ == 0)
            throwDivision();
        return i16(int(a.v_) / int(b.v_));
    }
    constexpr i16 operator-() const { return i16(-int(v_)); }
    i16& operator+=(i16 o) { return *this = *this + o; }
    i16& operator-=(i16 o) { return *this = *this - o; }

    friend constexpr bool operator==(i16 a, i16 b) = default;
    friend constexpr auto operator<=>(i16 a, i16 b) = default;

    // Half of the value, rounded to nearest with halves to even (7 -> 4, 5 -> 2).
    i16 halfRounded() const { return fromDouble(v_ / 2.0); }

  private:
    static constexpr std::int16_t check(int v) {
        if (v < -32768 || v > 32767)
            throwOverflow();
        return static_cast<std::int16_t>(v);
    }
    [[noreturn]] static void throwOverflow();
    [[noreturn]] static void throwDivision();
    std::int16_t v_ = 0;
};

// Truth values as the game stores them.
inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;

} // namespace kobu
