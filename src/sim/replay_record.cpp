#include "sim/replay_record.h"

#include <algorithm>

#include "state/world.h"

void ResetRecording(World& w) {
  w.replay = ReplayRecording();
  w.replay.activityMode = w.ActivityMode;
  w.ReplayShown = 0;
  w.ReplayPlaying = 0;
}

ReplayFrame SnapshotFrame(const World& w) {
  ReplayFrame f;
  f.simTime = w.SimTime;
  f.windDirection = static_cast<int16_t>(w.WindDirection);
  f.windSpeed = static_cast<int16_t>(w.WindSpeed);
  f.puffShift = static_cast<int16_t>(w.PuffShift);
  for (int i = 0; i < kReplayPuffs; ++i) {
    ReplayPuff& p = f.puffs[i];
    p.x = static_cast<float>(w.PuffX[i + 1]);
    p.y = static_cast<float>(w.PuffY[i + 1]);
    p.speedChange = static_cast<int16_t>(w.PuffSpeedChange[i + 1]);
    p.radius = static_cast<int16_t>(w.PuffRadius[i + 1]);
  }
  const int count = std::clamp(w.BoatCount, 0, kMaxBoats);
  f.boatCount = static_cast<int8_t>(count);
  for (int b = 1; b <= count; ++b) {
    ReplayBoat& s = f.boats[b - 1];
    s.x = w.BoatX[b];
    s.y = w.BoatY[b];
    s.heading = static_cast<int16_t>(w.BoatHeadings[b]);
    s.heel = static_cast<int16_t>(w.HeelAngles[b]);
    s.speedTenths = static_cast<int16_t>(w.BoatSpeedTenths[b]);
    s.sailAngle = static_cast<int16_t>(w.SailAngles[b]);
    s.trueWindAngle = static_cast<int16_t>(w.TrueWindAngles[b]);
    s.windAtBoat = static_cast<int16_t>(w.WindDirectionAtBoat[b]);
    s.tack = static_cast<int8_t>(w.BoatTack[b]);
    s.spinnaker = static_cast<int8_t>(w.SpinnakerFlying[b]);
    s.penalty = w.SimSeconds < w.PenaltyUntil[b] ? 1 : 0;
    s.leg = static_cast<int8_t>(w.BoatLegs[b]);
    s.shadow = static_cast<int8_t>(w.WindShadowState[b]);
    if (b == 1) s.sailState = w.MainStalled != 0 ? 1 : (w.JibState > 0 ? 2 : 0);
  }
  return f;
}

void AppendFrame(ReplayRecording& r, const ReplayFrame& f) {
  const int64_t seen = r.offered++;
  if (seen % r.stride != 0) return;
  if (r.frames.size() >= r.capacity) {
    // Keep the frames at even places: they are the ones on the doubled stride.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < r.frames.size(); i += 2) r.frames[kept++] = r.frames[i];
    r.frames.resize(kept);
    r.stride *= 2;
    if (seen % r.stride != 0) return;
  }
  // Grown by hand so that the store never reserves past its capacity.
  if (r.frames.size() == r.frames.capacity()) r.frames.reserve(std::min(r.capacity, std::max<std::size_t>(64, r.frames.size() * 2)));
  r.frames.push_back(f);
}

void RecordFrame(World& w) {
  if (w.SailingState != 2 || w.TimeStep <= 0 || w.Stopped) return;
  if (w.replay.activityMode != w.ActivityMode) ResetRecording(w);
  AppendFrame(w.replay, SnapshotFrame(w));
}

void ApplyFrame(World& s, const ReplayFrame& f) {
  s.SimTime = f.simTime;
  s.SimSeconds = static_cast<int>(f.simTime);
  s.WindDirection = f.windDirection;
  s.WindSpeed = f.windSpeed;
  s.PuffShift = f.puffShift;
  for (int i = 0; i < kReplayPuffs; ++i) {
    const ReplayPuff& p = f.puffs[i];
    s.PuffX[i + 1] = p.x;
    s.PuffY[i + 1] = p.y;
    s.PuffSpeedChange[i + 1] = p.speedChange;
    s.PuffRadius[i + 1] = p.radius;
  }
  s.BoatCount = std::max<int>(f.boatCount, 1);
  for (int b = 1; b <= f.boatCount; ++b) {
    const ReplayBoat& r = f.boats[b - 1];
    s.BoatX[b] = r.x;
    s.BoatY[b] = r.y;
    s.BoatHeadings[b] = r.heading;
    s.HeelAngles[b] = r.heel;
    s.BoatSpeedTenths[b] = r.speedTenths;
    s.BoatSpeeds[b] = r.speedTenths;
    s.SailAngles[b] = r.sailAngle;
    s.TrueWindAngles[b] = r.trueWindAngle;
    s.WindDirectionAtBoat[b] = r.windAtBoat;
    s.BoatTack[b] = r.tack;
    s.SpinnakerFlying[b] = r.spinnaker;
    s.PenaltyUntil[b] = r.penalty ? s.SimSeconds + 1 : s.SimSeconds - 1;
    s.BoatLegs[b] = r.leg;
    s.WindShadowState[b] = r.shadow;
  }
  s.OwnHeading = s.BoatHeadings[1];
  s.MainStalled = f.boats[0].sailState == 1 ? 1 : 0;
  s.JibState = f.boats[0].sailState == 2 ? 1 : 0;
}
