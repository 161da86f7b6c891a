// Whole-degree angle helpers shared by every subsystem. These two factors are the only
// degree/radian conversions in the program.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

constexpr double kDegToRad = 0.017453529976437735;
constexpr double kRadToDeg = 57.295;

// The whole-degree wraps. WrapDegreesFull is a true modulo for any input; NormalizeDegrees
// corrects by one turn at most, for angles already within a turn of 0..359, and leaves
// anything further out of range (725 stays 365).

// Any whole-degree angle into 0..359.
constexpr int WrapDegreesFull(int a) {
  a %= 360;
  return a < 0 ? a + 360 : a;
}

// A heading with its fraction into [0, 360).
inline double WrapDegreesFull(double a) {
  a = std::fmod(a, 360.0);
  return a < 0 ? a + 360 : a;
}

// Subtracts 360 once if a >= 360, then adds 360 once if the result is negative.
constexpr int NormalizeDegrees(int a) {
  if (a >= 360) a -= 360;
  if (a < 0) a += 360;
  return a;
}

// Normalises, then maps to -179..180.
constexpr int SignedDegrees(int a) {
  a = NormalizeDegrees(a);
  if (a > 180) a -= 360;
  return a;
}

// The angle between two compass directions, 0..180, for any whole-degree inputs.
constexpr int AngleBetween(int a, int b) {
  const int d = WrapDegreesFull(a - b);
  return d > 180 ? 360 - d : d;
}

struct IntPoint {
  int x = 0, y = 0;
  constexpr bool operator==(const IntPoint&) const = default;
};

// The point at distance d on bearing b (degrees) from (x0, y0); y grows to the south.
IntPoint PointAt(int x0, int y0, double d, int b);

// Bearing of the offset (dx east, dy north), 0..359.
int BearingTo(double dx, double dy);

// trunc(100 sin d) and trunc(100 cos d) for d = 0..361. With the program's degree factor,
// sin 90 comes out a hair below 1, so SinTable[90] is 99.
void FillTrigTables(std::array<int32_t, 362>& sinTable, std::array<int32_t, 362>& cosTable);
