#include "sim/replay_debrief.h"

#include <cmath>
#include <cstdlib>

#include "state/angles.h"

namespace {

constexpr int kStarboard = 1;

double Distance(const ReplayBoat& a, const ReplayBoat& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The mean of the wind's direction over frames [first, last], taken as turns from the first.
double MeanWind(const std::vector<ReplayFrame>& frames, std::size_t first, std::size_t last) {
  const int base = frames[first].windDirection;
  double sum = 0;
  for (std::size_t i = first; i <= last; ++i) sum += SignedDegrees(frames[i].windDirection - base);
  return base + sum / static_cast<double>(last - first + 1);
}

void Finish(LegDebrief& leg, const ReplayBoat& from, const ReplayBoat& to) {
  leg.straightYards = Distance(from, to);
  leg.vmgKnots = leg.seconds > 0 ? leg.straightYards / leg.seconds * 3600 / kYardsPerNauticalMile : 0;
}

void AddTo(LegDebrief& total, const LegDebrief& leg) {
  total.seconds += leg.seconds;
  total.sailedYards += leg.sailedYards;
  total.straightYards += leg.straightYards;
  total.liftedSeconds += leg.liftedSeconds;
  total.tacks += leg.tacks;
  total.gybes += leg.gybes;
  total.penalties += leg.penalties;
}

}  // namespace

BoatDebrief DebriefBoat(const std::vector<ReplayFrame>& frames, int b) {
  BoatDebrief d;
  d.boat = b;
  if (frames.empty() || b < 1 || b > frames.front().boatCount) return d;
  const int k = b - 1;
  std::size_t legStart = 0;
  double legMeanWind = 0;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const ReplayBoat& now = frames[i].boats[k];
    const int legNow = CourseLegOf(now.leg);
    if (i == 0 || legNow != CourseLegOf(frames[i - 1].boats[k].leg)) {
      if (i > 0) Finish(d.legs.back(), frames[legStart].boats[k], now);
      legStart = i;
      std::size_t end = i;
      while (end + 1 < frames.size() && CourseLegOf(frames[end + 1].boats[k].leg) == legNow) ++end;
      legMeanWind = MeanWind(frames, i, end);
      LegDebrief leg;
      leg.leg = legNow;
      d.legs.push_back(leg);
    }
    LegDebrief& leg = d.legs.back();
    if (i > 0) {
      const ReplayBoat& before = frames[i - 1].boats[k];
      if (now.penalty && !before.penalty) leg.penalties += 1;
      if (now.tack != before.tack) {
        if (std::abs(before.trueWindAngle) < kBeatingAngle) {
          leg.tacks += 1;
        } else {
          leg.gybes += 1;
        }
      }
    }
    if (i + 1 < frames.size()) {
      const double dt = frames[i + 1].simTime - frames[i].simTime;
      leg.seconds += dt;
      leg.sailedYards += Distance(now, frames[i + 1].boats[k]);
      if (std::abs(now.trueWindAngle) < kBeatingAngle) {
        const double shift = frames[i].windDirection - legMeanWind;
        const bool veered = SignedDegrees(static_cast<int>(std::lround(shift))) > 0;
        if (veered == (now.tack == kStarboard) && std::lround(shift) != 0) leg.liftedSeconds += dt;
      }
    }
  }
  Finish(d.legs.back(), frames[legStart].boats[k], frames.back().boats[k]);
  for (const LegDebrief& leg : d.legs) {
    if (leg.leg != kPreStartLeg && leg.leg != kAfterFinishLeg) AddTo(d.total, leg);
  }
  d.total.vmgKnots = d.total.seconds > 0 ? d.total.straightYards / d.total.seconds * 3600 / kYardsPerNauticalMile : 0;
  return d;
}

std::vector<BoatDebrief> DebriefFleet(const std::vector<ReplayFrame>& frames) {
  std::vector<BoatDebrief> fleet;
  if (frames.empty()) return fleet;
  for (int b = 1; b <= frames.front().boatCount; ++b) fleet.push_back(DebriefBoat(frames, b));
  return fleet;
}

std::vector<WindShift> WindShifts(const std::vector<ReplayFrame>& frames, int minDegrees) {
  std::vector<WindShift> shifts;
  if (frames.empty()) return shifts;
  int last = frames.front().windDirection;
  for (const ReplayFrame& f : frames) {
    const int change = SignedDegrees(f.windDirection - last);
    if (std::abs(change) >= minDegrees) {
      shifts.push_back(WindShift{f.simTime, f.windDirection, change});
      last = f.windDirection;
    }
  }
  return shifts;
}
