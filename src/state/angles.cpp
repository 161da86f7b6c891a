#include "state/angles.h"

#include <cmath>

IntPoint PointAt(int x0, int y0, double d, int b) {
  const double r = b * kDegToRad;
  return IntPoint{x0 + static_cast<int>(std::sin(r) * d), y0 - static_cast<int>(std::cos(r) * d)};
}

int BearingTo(double dx, double dy) {
  return NormalizeDegrees(static_cast<int>(std::atan2(dx, dy) * kRadToDeg + 0.5));
}

void FillTrigTables(std::array<int32_t, 362>& sinTable, std::array<int32_t, 362>& cosTable) {
  for (int k = 0; k < 362; ++k) {
    sinTable[k] = static_cast<int32_t>(100.0 * std::sin(k * kDegToRad));
    cosTable[k] = static_cast<int32_t>(100.0 * std::cos(k * kDegToRad));
  }
}
