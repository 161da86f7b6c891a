// The input storm: a seeded stream of hostile events (menu commands through their update
// rules, menus opened, keys, mouse moves, presses, drags and wheel anywhere in and outside
// the view, pages turned, results closed, next sailing, activity changes) interleaved with
// frames, thrown at one activity through the same handlers the window drives. The invariant
// checker runs periodically and at the end.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct StormOptions {
  uint32_t seed = 1;
  long events = 100000;  // per activity
  long checkEvery = 250;
  int screenWidth = 1280;
  int screenHeight = 720;
};

// An activity as the user chooses it: the menu command and the mode it sets.
struct StormActivity {
  const char* name;
  int command;
  int32_t mode;
};
// Every activity, the just-start race with both of its courses.
const std::vector<StormActivity>& StormActivities();

struct StormCounts {
  long events = 0;
  long commandsRun = 0;
  long commandsRefused = 0;
  long menusOpened = 0;
  long keys = 0;
  long mouse = 0;
  long frames = 0;
  long checks = 0;
  long activityChanges = 0;
  // Frames by what covered the view: title, sailing, chart, page, polar, results, replay.
  long titleFrames = 0, sailingFrames = 0, chartFrames = 0, pageFrames = 0, polarFrames = 0,
       resultsFrames = 0, replayFrames = 0;
  // The first time each global left its range: "event N: Name=value (expected ...)".
  std::vector<std::string> violations;
};

// Runs the storm on a fresh session. beforeEvent, when given, is told each event's index
// (a watchdog's heartbeat).
StormCounts RunStorm(const StormActivity& activity, const StormOptions& options,
                     const std::function<void(long)>& beforeEvent = {});
