// The endurance run: a 10-boat race sailed over and over through the probe's paint handler,
// the user's boat steered by a simple hand, the fleet checked for broken numbers as it goes.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

struct World;

struct SoakOptions {
  long long frames = 1000000;
  int checkEvery = 100;        // frames between two checks of the fleet
  int paintEvery = 1;          // 1 paints every frame; n > 1 advances the world alone between paints
  int simSpeed = 15;
  uint32_t seed = 1;
  long long rssMark = 100000;  // the frame at which the peak memory is noted as well as at the end
  bool keepGoing = false;      // false stops at the first broken check
};

struct SoakReport {
  long long frames = 0;        // frames run
  long long paints = 0;
  long long checks = 0;
  int races = 0;               // races started
  int finished = 0;            // races that reached the results screen
  long long faults = 0;        // broken checks
  std::string fault;           // the first broken check, empty when none
  long rssMarkKb = 0;          // peak resident memory at the mark and at the end, kilobytes
  long rssEndKb = 0;
  long residentMarkKb = 0;     // resident memory at those two moments: the peak keeps the
  long residentEndKb = 0;      // largest race's replay store, the present figure does not
  // Resident memory as the last race before the mark and the last race of all began, when the
  // replay store is empty: the figures a leak would show in.
  long startMarkKb = 0;
  long startEndKb = 0;
};

// Limit of every boat's coordinates, yards each way from the origin.
constexpr double kSoakYardLimit = 20000;

// The first boat with a position, heading or speed that is not a finite number, or a position
// beyond the limit, described; empty when every boat is sound.
std::string CheckFleet(const World& w);

// Runs the race for options.frames frames, restarting it from the results screen ("next sailing"
// and the space bar) as a user would. Stops at the first fault unless told to keep going. Progress lines go to log when given.
SoakReport RunSoak(const SoakOptions& options, std::ostream* log = nullptr);

// Peak resident memory of this process so far, and the present one, kilobytes.
long PeakRssKb();
long ResidentKb();
