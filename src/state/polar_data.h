// The boat's polar: the speed the boat model settles at for each true wind angle, and the few
// polars kept so that reopening the polar screen does not sail them again.
#pragma once

#include <array>
#include <cstdint>

// The angles of a polar: 30 to 180 degrees off the true wind, every 5 degrees.
constexpr int kPolarFirstAngle = 30;
constexpr int kPolarLastAngle = 180;
constexpr int kPolarAngleStep = 5;
constexpr int kPolarPoints = (kPolarLastAngle - kPolarFirstAngle) / kPolarAngleStep + 1;

constexpr int PolarAngle(int i) { return kPolarFirstAngle + i * kPolarAngleStep; }

// What a polar depends on: the boat as set up and the true wind.
struct PolarKey {
  int32_t boatType = 0;
  int32_t hullClass = 0;
  int32_t length = 0;        // ScaleLength
  int32_t displacement = 0;  // DisplacementClass
  int32_t sailArea = 0;      // SailAreaClass
  int32_t rig = 0;           // RigHeightPercent
  int32_t wind = 0;          // knots
  bool operator==(const PolarKey&) const = default;
};

struct PolarCurve {
  PolarKey key;
  std::array<double, kPolarPoints> knots{};      // settled speed through the water
  std::array<bool, kPolarPoints> spinnaker{};    // whether the spinnaker made that speed
  int bestUpwindAngle = 0;                       // most speed x cos(angle)
  int bestDownwindAngle = 0;                     // most speed x cos(180 - angle)
  double bestUpwindVmg = 0;                      // knots
  double bestDownwindVmg = 0;
};

// The last few polars sailed, replaced oldest first.
struct PolarCache {
  static constexpr int kSlots = 8;
  std::array<PolarCurve, kSlots> curves{};
  int used = 0;
  int next = 0;       // the slot the next new polar goes into
  int computed = 0;   // polars sailed since the program started
};
