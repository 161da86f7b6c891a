// The whole state of the simulator. Each subsystem keeps its values in a section of its own;
// World joins the sections, so every value is reached by its own name: w.SimTime, w.BoatX[1].
// The sections are grouped by how long their values live.
#pragma once

#include <cstdint>

#include "platform/random15.h"
#include "state/app_globals.h"
#include "state/boat_class_globals.h"
#include "state/boat_view_globals.h"
#include "state/chart_globals.h"
#include "state/dynamics_globals.h"
#include "state/fleet_globals.h"
#include "state/input_globals.h"
#include "state/option_globals.h"
#include "state/page_layout_globals.h"
#include "state/polar_data.h"
#include "state/race_globals.h"
#include "state/replay_data.h"
#include "state/replay_globals.h"
#include "state/setup_globals.h"
#include "state/shell_globals.h"
#include "state/table_globals.h"
#include "state/time_wind_globals.h"
#include "state/view_globals.h"

class SoundSink;
class TickClock;

// What the simulation steps: time and wind, the boats, the boat class, the activity's set-up
// and the dynamics. The set-up of each activity resets it.
struct SimulationState : TimeWindGlobals,
                         FleetGlobals,
                         BoatClassGlobals,
                         SetupGlobals,
                         DynamicsGlobals,
                         TableGlobals,
                         RaceGlobals {};

// What only the user interface holds: run state and screen, pointer and view choices, the
// panel's and the 2D view's picks.
struct InterfaceState : ShellGlobals, InputGlobals, AppGlobals, ChartGlobals, ReplayGlobals {};

// What one paint works out for the next: projections, outlines, where things were drawn.
struct PaintScratch : ViewGlobals, BoatViewGlobals, PageLayoutGlobals {};

// Platform services a routine may need. A null sound sink is silent; a null clock reads 0.
struct Services {
  SoundSink* sound = nullptr;
  const TickClock* clock = nullptr;
};

// The user's options (most kept in the settings file) come first.
struct World : OptionGlobals, SimulationState, InterfaceState, PaintScratch {
  Services services;
  Random15 rng;
  PolarCache polars;  // worked out by the boat model on demand, not a setting
  ReplayRecording replay;  // the last sailing, frame by frame; a copy of the world starts empty
};

// r / (32000 / max(|n|, 2)) with r from the 15-bit generator: 0 .. slightly above n - 1
// (0..102 for n = 100).
int RandomBelow(World& w, int n);

// Milliseconds from the world's clock, 0 without one.
uint32_t NowMs(const World& w);
