// What the activity set-up builds: targets, weather, current, shoreline, scenery and the
// distant background, plus the few values of other subsystems that the set-up resets.
#pragma once

#include <array>
#include <cstdint>

#include "state/fleet_globals.h"

constexpr int kShorePoints = 284;      // shore points 1..284; index 0 is not used
constexpr int kMaxScenery = 12;        // scenery objects 1..12
constexpr int kOutlinePoints = 37;     // outline points 0..35, point 36 repeats point 0
constexpr int kSceneObjects = 20;      // scene objects 1..20: 1-5 scenery, 6-10 course, 11.. boats

// Kinds of the scene-object table.
constexpr int kSceneKindCommitteeBoat = 0;
constexpr int kSceneKindSailingBoat = 1;
constexpr int kSceneKindBuoy = 2;
constexpr int kSceneKindLand = 3;  // island, rock or the docking pier
constexpr int kSceneKindVessel = 7;
constexpr int kSceneKindPerson = 9;

struct SetupGlobals {
  // --- Exercise targets and statistics ----------------------------------------------------
  // Gate ends 1 and 2, the buoy or the swimmer at 1, the pier corners 1..4.
  std::array<int32_t, 5> TargetX{};
  std::array<int32_t, 5> TargetY{};
  int32_t OverboardSeconds = -300;
  int32_t MaxHeadingError = 0;
  int32_t HelmUsed = 0;
  int32_t CommandedTackUsed = 0;   // upwind: a tack was left to the automatic manoeuvre
  int32_t DockingSpeedTenths = 0;  // the boat's speed as it reached the pier
  // Frames of running time since the man-overboard fall: the 2D view shows the swimmer only
  // for the first few, so the user has to note where the crew went in.
  int32_t SwimmerSightFrames = 0;

  // --- Weather ----------------------------------------------------------------------------
  int32_t SeaBreeze = 0;
  int32_t WindOctant = 1;   // 1..8: the base wind from 45 x (octant - 1) degrees
  int32_t VeerOctant = 3;
  int32_t PuffStrength = 0;  // the puffs' base direction shift, degrees
  int32_t PuffSeed = 0;
  int32_t OscillatingShiftsExpected = 0;  // the wind blows along the shift-prone octant
  int32_t PersistentShiftExpected = 0;    // the wind veers or backs steadily
  int32_t CurrentSpeed = 0;               // tenths of a knot; 0 without current
  // The tactics lesson's own wind for the page step shown; -1 when the lesson sets none.
  int32_t LessonWindDirection = -1;
  int32_t CurrentDirection = 0;

  // --- Shoreline --------------------------------------------------------------------------
  int32_t ShoreQuadrant = 1;  // 1: the land lies to the north, 3: to the south
  int32_t ShoreOffset = 0;    // distance of the mean shore line from y = 0 (signed)
  int32_t ShoreSign = 1;
  int32_t ShoreStep = 0;      // along-shore spacing of the points; negative when mirrored
  int32_t MirrorScenery = 0;
  int32_t RiverBend = 0;      // +1 or -1 on the river, 0 elsewhere
  int32_t ShoreAmplitude = 90;
  int32_t SmoothLakeShore = 0;  // the lake's shore keeps only its longest wave
  std::array<int32_t, kShorePoints + 1> ShoreX{};
  std::array<int32_t, kShorePoints + 1> ShoreY{};
  // Bays 1..3: the shore point where each starts, and the along-shore x of mouth and end.
  std::array<int32_t, 4> BayStart{};
  std::array<int32_t, 4> BayMouthX{};
  std::array<int32_t, 4> BayEndX{};
  // Hills 1..9 behind the shore.
  std::array<int32_t, 10> HillX{};
  std::array<int32_t, 10> HillY{};
  std::array<int32_t, 10> HillSize{};
  // The harbour (variant 1 in bay 1, variant 2 in bay 2) and a landmark at each bay mouth.
  int32_t HarbourVariant = 1;
  int32_t HarbourX = 0;
  int32_t HarbourY = 0;
  std::array<int32_t, 4> LandmarkX{};
  std::array<int32_t, 4> LandmarkY{};

  // --- Distant background of the sailing view: clouds and the low line of hills -----------
  std::array<int32_t, 7> CloudAzimuth{};
  std::array<int32_t, 7> CloudRow{};  // pixels below the top of the sky
  std::array<int32_t, 7> CloudWidth{};
  std::array<int32_t, 5> HorizonHillAzimuth{};
  std::array<int32_t, 5> HorizonHillHeight{};  // pixels

  // --- Scenery objects 1..SceneryObjectCount: islands, rocks, the pier -------------------
  int32_t SceneryObjectCount = 0;
  std::array<int32_t, kMaxScenery + 1> SceneryX{};
  std::array<int32_t, kMaxScenery + 1> SceneryY{};
  std::array<int32_t, kMaxScenery + 1> ScenerySize{};
  std::array<double, kMaxScenery + 1> SceneryShape{};
  std::array<double, kMaxScenery + 1> SceneryRotation{};  // radians
  std::array<int32_t, kMaxScenery + 1> SceneryDent{};
  std::array<std::array<int32_t, kOutlinePoints>, kMaxScenery + 1> SceneryOutlineX{};
  std::array<std::array<int32_t, kOutlinePoints>, kMaxScenery + 1> SceneryOutlineY{};
  std::array<std::array<double, kOutlinePoints>, kMaxScenery + 1> SceneryRadius{};
  std::array<std::array<int32_t, kOutlinePoints>, kMaxScenery + 1> SceneryBearing{};

  // --- Shared with the motor vessels ------------------------------------------------------
  PerBoat<int32_t> VesselSpeeds{};

  // --- Shared with the course: the scene-object table of the sailing view ----------------
  std::array<double, kSceneObjects + 1> SceneObjectX{};
  std::array<double, kSceneObjects + 1> SceneObjectY{};
  std::array<int32_t, kSceneObjects + 1> SceneObjectKind{};

  // --- Shared with the race fleet: the tack sign a boat is leaving while it tacks ---------
  PerBoat<int32_t> TackInProgress{};

  // --- Shared with scoring: the race-analysis counters ------------------------------------
  int32_t TotalFrames = 0;
  int32_t CloseHauledFrames = 0;
  int32_t LiftedFrames = 0;
  int32_t BadAirFrames = 0;
};
