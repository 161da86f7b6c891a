#include "storm.h"

#include <algorithm>
#include <climits>
#include <random>
#include <set>

#include "input/command_ids.h"
#include "input/command_table.h"
#include "input/mouse.h"
#include "invariants.h"
#include "platform/key_codes.h"
#include "probe_runner.h"
#include "state/activity.h"
#include "state/world.h"

namespace {

// Every key the keyboard handler reads.
const std::vector<int>& ReadKeys() {
  static const std::vector<int> keys = [] {
    std::vector<int> k = {vk::kSpace, vk::kPageUp, vk::kPageDown, vk::kLeft,  vk::kUp,
                          vk::kRight, vk::kDown,   vk::kF7,       vk::kF8,    vk::kF9,
                          vk::kPlus,  vk::kComma,  vk::kMinus,    vk::kPeriod, vk::kSlash,
                          vk::kLBracket, vk::kRBracket};
    for (int c = 'A'; c <= 'Z'; ++c) k.push_back(c);
    for (int c = '0'; c <= '9'; ++c) k.push_back(c);
    return k;
  }();
  return keys;
}

enum class Event { Command, Menu, Key, RandomKey, Move, Press, Release, Drag, Wheel, PageTurn, CloseResults, NextSailing, ActivityChange, Sail };

struct Weighted {
  Event event;
  int weight;
};
constexpr Weighted kWeights[] = {
    {Event::Command, 22}, {Event::Menu, 3},         {Event::Key, 22},        {Event::RandomKey, 4},
    {Event::Move, 14},    {Event::Press, 5},        {Event::Release, 5},     {Event::Drag, 4},
    {Event::Wheel, 4},    {Event::PageTurn, 4},     {Event::CloseResults, 2}, {Event::NextSailing, 1},
    {Event::ActivityChange, 1}, {Event::Sail, 1},
};

class Storm {
 public:
  Storm(const StormActivity& activity, const StormOptions& options)
      : activity_(activity), options_(options), rng_(options.seed * 7919u + static_cast<uint32_t>(activity.command)) {
    ProbeOptions p;
    p.seed = options.seed;
    p.screenWidth = options.screenWidth;
    p.screenHeight = options.screenHeight;
    session_ = std::make_unique<ProbeSession>(p);
    for (const Weighted& e : kWeights) totalWeight_ += e.weight;
  }

  StormCounts Run(const std::function<void(long)>& beforeEvent) {
    GoHome();
    for (long n = 0; n < options_.events; ++n) {
      if (beforeEvent) beforeEvent(n);
      Throw(Pick());
      ++counts_.events;
      // Frames are the costly part of the storm: one event in seven is followed by one or two.
      if (Below(7) == 0) Frames(1 + Below(2));
      if ((n + 1) % options_.checkEvery == 0) Check(n);
    }
    Frames(2);
    Check(options_.events);
    return counts_;
  }

 private:
  World& w() { return session_->world(); }
  int Below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

  Event Pick() {
    int r = Below(totalWeight_);
    for (const Weighted& e : kWeights) {
      if (r < e.weight) return e.event;
      r -= e.weight;
    }
    return Event::Key;
  }

  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      if (!session_->Paint()) return;
      ++counts_.frames;
      World& s = w();
      if (s.ReplayShown == 1) ++counts_.replayFrames;
      else if (s.ResultsShown > 0) ++counts_.resultsFrames;
      else if (s.PolarShown == 1) ++counts_.polarFrames;
      else if (s.InstructionPage > 0) ++counts_.pageFrames;
      else if (s.ChartShown == 1) ++counts_.chartFrames;
      else if (s.SailingState == 0) ++counts_.titleFrames;
      else ++counts_.sailingFrames;
    }
  }

  void RunMenuCommand(int id) {
    if (RunCommand(w(), id)) {
      ++counts_.commandsRun;
    } else {
      ++counts_.commandsRefused;
    }
  }

  void Key(int key) {
    session_->Key(key);
    ++counts_.keys;
  }

  // Back to the title, choose this storm's activity, start it and close its instruction box.
  void GoHome() {
    ++counts_.activityChanges;
    if (w().SailingState != 0) RunMenuCommand(Cmd::kNextSailing);
    Frames(2);
    RunMenuCommand(activity_.command);
    Key(vk::kSpace);
    Frames(3);
    Key(vk::kSpace);
    Frames(2);
  }

  // A point in the view or, one time in five, anywhere around it.
  void Point(int* x, int* y) {
    const int width = std::max(w().ViewWidth, 1), height = std::max(w().ViewHeight, 1);
    if (Below(5) == 0) {
      *x = Between(-width, 2 * width);
      *y = Between(-height, 2 * height);
    } else {
      *x = Below(width);
      *y = Below(height);
    }
  }

  void Throw(Event e) {
    int x = 0, y = 0;
    switch (e) {
      case Event::Command: {
        const std::vector<Command>& all = AllCommands();
        RunMenuCommand(all[static_cast<std::size_t>(Below(static_cast<int>(all.size())))].id);
        break;
      }
      case Event::Menu:
        MenuOpened(w());
        ++counts_.menusOpened;
        break;
      case Event::Key: {
        const std::vector<int>& keys = ReadKeys();
        Key(keys[static_cast<std::size_t>(Below(static_cast<int>(keys.size())))]);
        break;
      }
      case Event::RandomKey:
        Key(Below(8) == 0 ? static_cast<int>(rng_()) : Below(256));
        break;
      case Event::Move:
        Point(&x, &y);
        MouseMove(w(), x, y);
        ++counts_.mouse;
        break;
      case Event::Press:
        Point(&x, &y);
        LeftButtonDown(w(), x, y);
        ++counts_.mouse;
        break;
      case Event::Release:
        Point(&x, &y);
        LeftButtonUp(w(), x, y);
        ++counts_.mouse;
        break;
      case Event::Drag: {
        Point(&x, &y);
        LeftButtonDown(w(), x, y);
        const int steps = Between(2, 8);
        for (int i = 0; i < steps; ++i) {
          x += Between(-60, 60);
          y += Between(-60, 60);
          MouseMove(w(), x, y);
          if (Below(3) == 0) Frames(1);
        }
        LeftButtonUp(w(), x, y);
        counts_.mouse += steps + 2;
        break;
      }
      case Event::Wheel:
        MouseWheel(w(), Below(3) == 0 ? Between(-1000, 1000) : 120 * Between(-5, 5));
        ++counts_.mouse;
        break;
      case Event::PageTurn: {
        static constexpr int kPageKeys[] = {vk::kPlus, vk::kMinus, vk::kSlash, 'A', vk::kSpace};
        Key(kPageKeys[Below(5)]);
        break;
      }
      case Event::CloseResults:
        if (Below(2) == 0) {
          Key(Below(2) == 0 ? vk::kSpace : 'N');
        } else {
          RunMenuCommand(Below(2) == 0 ? Cmd::kNextSailing : Cmd::kReplay);
        }
        break;
      case Event::NextSailing:
        if (Below(2) == 0) {
          Key('N');
        } else {
          RunMenuCommand(Cmd::kNextSailing);
        }
        break;
      case Event::Sail: {
        // A long stretch of sailing with the pointer jerked about the steering zone, long
        // enough for an exercise to end, a boat to capsize or a race to start.
        const int stretches = Between(1, 3);
        for (int i = 0; i < stretches; ++i) {
          MouseMove(w(), Below(std::max(w().ViewWidth, 1)), Between(w().ViewHeight * 2 / 3, w().ViewHeight));
          ++counts_.mouse;
          Frames(10);
        }
        break;
      }
      case Event::ActivityChange:
        if (Below(2) == 0) {
          GoHome();
        } else {
          const std::vector<StormActivity>& all = StormActivities();
          RunMenuCommand(all[static_cast<std::size_t>(Below(static_cast<int>(all.size())))].command);
          ++counts_.activityChanges;
        }
        break;
    }
  }

  void Check(long eventIndex) {
    ++counts_.checks;
    for (const std::string& v : CheckInvariants(w())) {
      const std::string name = v.substr(0, v.find('='));
      if (!reported_.insert(name).second) continue;
      counts_.violations.push_back("event " + std::to_string(eventIndex) + ": " + v);
    }
  }

  StormActivity activity_;
  StormOptions options_;
  std::mt19937 rng_;
  std::unique_ptr<ProbeSession> session_;
  int totalWeight_ = 0;
  StormCounts counts_;
  std::set<std::string> reported_;
};

}  // namespace

const std::vector<StormActivity>& StormActivities() {
  static const std::vector<StormActivity> all = {
      {"free sailing", Cmd::kAreaCoast, Activity::kFreeSailing},
      {"steering", Cmd::kSteeringPractice, Activity::kSteering},
      {"sail trim lesson", Cmd::kSailTrimLesson, Activity::kSailTrimLesson},
      {"upwind", Cmd::kUpwindSailing, Activity::kUpwind},
      {"mooring", Cmd::kMooring, Activity::kMooring},
      {"docking", Cmd::kDocking, Activity::kDocking},
      {"man overboard", Cmd::kManOverboard, Activity::kManOverboard},
      {"traffic rules lesson", Cmd::kTrafficRulesLesson, Activity::kTrafficRulesLesson},
      {"collision avoidance", Cmd::kCollisionAvoidance, Activity::kCollisionAvoidance},
      {"racing rules lesson", Cmd::kRacingRulesLesson, Activity::kRacingRulesLesson},
      {"sail shape lesson", Cmd::kSailShapeLesson, Activity::kSailShapeLesson},
      {"tactics lesson", Cmd::kTacticsLesson, Activity::kTacticsLesson},
      {"just-start triangle race", Cmd::kJustStartTriangleRace, Activity::kJustStartRace},
      {"just-start windward-leeward race", Cmd::kJustStartWindwardLeewardRace, Activity::kJustStartRace},
      {"triangle race", Cmd::kTriangleRace, Activity::kTriangleRace},
      {"windward-leeward race", Cmd::kWindwardLeewardRace, Activity::kWindwardLeewardRace},
  };
  return all;
}

StormCounts RunStorm(const StormActivity& activity, const StormOptions& options,
                     const std::function<void(long)>& beforeEvent) {
  Storm storm(activity, options);
  return storm.Run(beforeEvent);
}
