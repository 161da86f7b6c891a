// The whole state of the simulator. Each subsystem keeps its values in a section of its own;
// World joins the sections, so every value is reached by its own name: w.SimTime, w.BoatX[1].
#pragma once

#include <array>
#include <cstdint>

#include "app/app_globals.h"
#include "boat/boat_class_globals.h"
#include "boat/dynamics_globals.h"
#include "input/input_globals.h"
#include "platform/random15.h"
#include "race/chart_globals.h"
#include "view3d/boat_view_globals.h"
#include "view3d/view_globals.h"
#include "world/globals_fleet.h"
#include "world/globals_options.h"
#include "world/globals_shell.h"
#include "world/globals_time.h"
#include "world/setup_globals.h"

class SoundSink;
class TickClock;

// Platform services a routine may need. A null sound sink is silent; a null clock reads 0.
struct Services {
  SoundSink* sound = nullptr;
  const TickClock* clock = nullptr;
};

struct World : ShellGlobals,
               OptionGlobals,
               TimeWindGlobals,
               FleetGlobals,
               BoatClassGlobals,
               SetupGlobals,
               DynamicsGlobals,
               ViewGlobals,
               BoatViewGlobals,
               InputGlobals,
               AppGlobals,
               ChartGlobals {
  Services services;
  Random15 rng;
  std::array<int32_t, 701> RandomTable{};
  std::array<int32_t, 362> SinTable{};
  std::array<int32_t, 362> CosTable{};
};

// r / (32000 / max(|n|, 2)) with r from the 15-bit generator: 0 .. slightly above n - 1
// (0..102 for n = 100).
int RandomBelow(World& w, int n);

// Milliseconds from the world's clock, 0 without one.
uint32_t NowMs(const World& w);
