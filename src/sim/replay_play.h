// Playing the recording back: the replay's clock, its speed and seek, and the scratch world a
// replayed frame is drawn from. The live world's sailing, scores and bests are only read.
#pragma once

#include <memory>

#include "state/replay_data.h"

struct World;

constexpr int kReplayMinSpeed = 1;
constexpr int kReplayMaxSpeed = 16;

// Simulated seconds from the first recorded frame to the last.
double ReplayDuration(const ReplayRecording& r);

// Simulated seconds one frame of the sailing took on average: what one replayed frame moves
// the clock at 1x.
double ReplaySecondsPerFrame(const ReplayRecording& r);

// The recorded frame the replay's clock stands on: the last one at or before it.
int ReplayFrameIndex(const World& w);

bool ReplayAvailable(const World& w);

// Opens the replay at the start of the recording, playing at 1x and following the user's boat;
// nothing happens without a recording.
void OpenReplay(World& w);
void CloseReplay(World& w);

// The named step of a replay frame: a playing replay's clock moves on by its speed; at the end
// of the recording it stops.
void AdvanceReplay(World& w);

// Pauses and moves by `frames` recorded frames, staying inside the recording.
void StepReplay(World& w, int frames);

// Puts the clock at `fraction` (0..1) of the recording.
void SeekReplay(World& w, double fraction);

// 1, 2, 4, 8 or 16: other values go to the nearest of them inside the range.
void SetReplaySpeed(World& w, int speed);

// Follows boat b of the recorded fleet; a boat not in the recording is ignored.
void FollowBoat(World& w, int b);

// A copy of the live world showing the replay's frame: the recorded boats and wind put in,
// the followed boat in the user's place, the screen as a sailing without instruction boxes.
std::unique_ptr<World> ReplayWorld(const World& live);
