// The boats: how many are simulated, and the per-boat values every subsystem shares.
// Per-boat arrays are indexed by boat number 1..BoatCount; boat 1 is the user's.
#pragma once

#include <array>
#include <cstdint>

constexpr int kMaxBoats = 10;

template <typename T>
using PerBoat = std::array<T, kMaxBoats + 1>;

struct FleetGlobals {
  int32_t BoatCount = 1;
  double OwnHeading = 0;  // the user's heading with its fraction
  PerBoat<double> BoatX{};
  PerBoat<double> BoatY{};
  PerBoat<int32_t> BoatHeadings{};
  PerBoat<int32_t> BoatTack{};
  PerBoat<int32_t> WindDirectionAtBoat{};
};
