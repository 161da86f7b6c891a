#include "sim/replay_play.h"

#include <algorithm>
#include <utility>

#include "boat/wave_crests.h"
#include "sim/replay_record.h"
#include "state/world.h"

namespace {

// The clock is read this much late, so that a clock moved by whole frames' worth of seconds
// lands on the frame and not a rounding short of it.
constexpr double kReplayTimeSlack = 1e-6;

double StartTime(const ReplayRecording& r) { return r.frames.empty() ? 0 : r.frames.front().simTime; }

void SwapBoats(World& s, int a, int b) {
  std::swap(s.BoatX[a], s.BoatX[b]);
  std::swap(s.BoatY[a], s.BoatY[b]);
  std::swap(s.BoatHeadings[a], s.BoatHeadings[b]);
  std::swap(s.HeelAngles[a], s.HeelAngles[b]);
  std::swap(s.BoatSpeedTenths[a], s.BoatSpeedTenths[b]);
  std::swap(s.BoatSpeeds[a], s.BoatSpeeds[b]);
  std::swap(s.SailAngles[a], s.SailAngles[b]);
  std::swap(s.TrueWindAngles[a], s.TrueWindAngles[b]);
  std::swap(s.WindDirectionAtBoat[a], s.WindDirectionAtBoat[b]);
  std::swap(s.BoatTack[a], s.BoatTack[b]);
  std::swap(s.SpinnakerFlying[a], s.SpinnakerFlying[b]);
  std::swap(s.PenaltyUntil[a], s.PenaltyUntil[b]);
  std::swap(s.BoatLegs[a], s.BoatLegs[b]);
  std::swap(s.WindShadowState[a], s.WindShadowState[b]);
}

}  // namespace

double ReplayDuration(const ReplayRecording& r) {
  return r.frames.empty() ? 0 : r.frames.back().simTime - r.frames.front().simTime;
}

double ReplaySecondsPerFrame(const ReplayRecording& r) {
  if (r.frames.size() < 2) return 0;
  // The last kept frame was seen this many frames after the first.
  const int64_t span = (r.offered - 1) / r.stride * r.stride;
  return ReplayDuration(r) / static_cast<double>(std::max<int64_t>(span, 1));
}

int ReplayFrameIndex(const World& w) {
  const auto& frames = w.replay.frames;
  if (frames.empty()) return 0;
  const double t = StartTime(w.replay) + w.ReplayTime + kReplayTimeSlack;
  const auto after = std::upper_bound(frames.begin(), frames.end(), t,
                                      [](double time, const ReplayFrame& f) { return time < f.simTime; });
  return static_cast<int>(std::max<std::ptrdiff_t>(after - frames.begin() - 1, 0));
}

bool ReplayAvailable(const World& w) { return !w.replay.frames.empty(); }

void OpenReplay(World& w) {
  if (!ReplayAvailable(w)) return;
  w.ReplayShown = 1;
  w.ReplayPlaying = 1;
  w.ReplaySpeed = kReplayMinSpeed;
  w.ReplayFollow = 1;
  w.ReplayTime = 0;
}

void CloseReplay(World& w) {
  w.ReplayShown = 0;
  w.ReplayPlaying = 0;
}

void AdvanceReplay(World& w) {
  if (w.ReplayPlaying == 0) return;
  const double end = ReplayDuration(w.replay);
  w.ReplayTime += w.ReplaySpeed * ReplaySecondsPerFrame(w.replay);
  if (w.ReplayTime >= end) {
    w.ReplayTime = end;
    w.ReplayPlaying = 0;
  }
}

void StepReplay(World& w, int frames) {
  w.ReplayPlaying = 0;
  if (!ReplayAvailable(w)) return;
  const int last = static_cast<int>(w.replay.frames.size()) - 1;
  const int i = std::clamp(ReplayFrameIndex(w) + frames, 0, last);
  w.ReplayTime = w.replay.frames[i].simTime - StartTime(w.replay);
}

void SeekReplay(World& w, double fraction) {
  w.ReplayTime = std::clamp(fraction, 0.0, 1.0) * ReplayDuration(w.replay);
}

void SetReplaySpeed(World& w, int speed) {
  int s = kReplayMinSpeed;
  while (s < kReplayMaxSpeed && s * 3 / 2 < speed) s *= 2;  // nearest power of two
  w.ReplaySpeed = s;
}

void FollowBoat(World& w, int b) {
  if (!ReplayAvailable(w)) return;
  if (b >= 1 && b <= w.replay.frames.front().boatCount) w.ReplayFollow = b;
}

std::unique_ptr<World> ReplayWorld(const World& live) {
  auto s = std::make_unique<World>(live);
  if (live.replay.frames.empty()) return s;
  ApplyFrame(*s, live.replay.frames[ReplayFrameIndex(live)]);
  if (s->ReplayFollow > 1 && s->ReplayFollow <= s->BoatCount) SwapBoats(*s, 1, s->ReplayFollow);
  s->OwnHeading = s->BoatHeadings[1];
  // The wakes of the live world's last frame do not belong to this one.
  for (int b = 1; b <= s->BoatCount; ++b) {
    s->WakeX[b].fill(s->BoatX[b]);
    s->WakeY[b].fill(s->BoatY[b]);
  }
  // The crests lay where the live boat finished: they are scattered afresh ahead of this one.
  for (int k = 0; k < WaveCrestCount(*s); ++k) PlaceCrest(*s, k, true);
  s->SailingState = 2;
  s->ResultsShown = 0;
  s->ReplayShown = 0;
  s->ChartShown = 0;
  s->PolarShown = 0;
  s->InstructionPage = 0;
  s->ClickX = s->ClickY = -1;
  return s;
}
