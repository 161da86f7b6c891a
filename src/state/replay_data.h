// The recording of the last sailing: every frame's compact snapshot of the boats and the wind,
// kept in a bounded store that thins itself evenly, and the replay's own picks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "state/fleet_globals.h"

constexpr int kReplayPuffs = 5;

// One boat in one frame. Positions keep the world's doubles, so that a replay puts every boat
// exactly where it was.
struct ReplayBoat {
  double x = 0;
  double y = 0;
  int16_t heading = 0;
  int16_t heel = 0;
  int16_t speedTenths = 0;   // BoatSpeedTenths
  int16_t sailAngle = 0;
  int16_t trueWindAngle = 0;
  int16_t windAtBoat = 0;    // WindDirectionAtBoat
  int8_t tack = 0;
  int8_t spinnaker = 0;
  int8_t penalty = 0;        // 1 while a penalty is being sailed
  int8_t leg = 0;            // BoatLegs
  int8_t sailState = 0;      // the user's: 0 drawing, 1 main stalled, 2 jib backwinded
  int8_t shadow = 0;         // WindShadowState
};

struct ReplayPuff {
  float x = 0;
  float y = 0;
  int16_t speedChange = 0;
  int16_t radius = 0;
};

struct ReplayFrame {
  double simTime = 0;
  int16_t windDirection = 0;
  int16_t windSpeed = 0;
  int16_t puffShift = 0;
  int8_t boatCount = 0;
  std::array<ReplayPuff, kReplayPuffs> puffs{};
  std::array<ReplayBoat, kMaxBoats> boats{};  // boats 1..boatCount at 0..boatCount-1
};

// Room for a sixty-minute race at any frame rate: when the store is full every other frame
// is dropped and from then on only every stride-th frame is kept, so the frames kept always
// lie evenly over the whole sailing.
constexpr std::size_t kReplayMaxBytes = std::size_t{64} << 20;
constexpr std::size_t kReplayMaxFrames = kReplayMaxBytes / sizeof(ReplayFrame);

struct ReplayRecording {
  std::vector<ReplayFrame> frames;
  std::size_t capacity = kReplayMaxFrames;  // frames kept at most
  int64_t offered = 0;                      // frames seen since the recording started
  int32_t stride = 1;                       // every stride-th frame seen is kept
  int32_t activityMode = 0;                 // the activity recorded

  ReplayRecording() = default;
  // A copy of the world (the polar's bench, the replay's scratch) starts with no recording:
  // only the live world records, and copying megabytes of frames would serve nothing.
  ReplayRecording(const ReplayRecording&) : ReplayRecording() {}
  ReplayRecording& operator=(const ReplayRecording& other) {
    if (this != &other) *this = ReplayRecording();
    return *this;
  }
  ReplayRecording(ReplayRecording&&) = default;
  ReplayRecording& operator=(ReplayRecording&&) = default;
};
