// The boat model's per-boat state, the helm, puffs and wave crests.
#pragma once

#include <array>
#include <cstdint>

#include "state/fleet_globals.h"

constexpr int kPuffCount = 5;       // puffs 1..5
constexpr int kMaxWaveCrests = 600; // crests 0..599
constexpr int kWakeLength = 40;     // wake history slots, 0 newest

template <typename T>
using WakeHistory = PerBoat<std::array<T, kWakeLength>>;

constexpr PerBoat<int32_t> FilledPerBoat(int32_t value) {
  PerBoat<int32_t> a{};
  for (auto& v : a) v = value;
  return a;
}

struct DynamicsGlobals {
  // --- Helm -------------------------------------------------------------------------------
  int32_t HelmInput = 0;       // steering value / 10: the rudder shown and used by the helm
  int32_t AutoManoeuvre = 0;   // +1 commanded tack, -1 commanded head-up to close-hauled
  int32_t SteeringValue = 0;   // the steering value from the cursor, before the helm's scaling
  int32_t SteeringTackFlipped = 0;  // the tack changed while the cursor stayed in the vertical zone
  int32_t PreviousTack = 1;    // the user's tack at the end of the previous frame
  int32_t HelmBias = 0;        // weather (< 0) or lee (> 0) helm of this frame
  int32_t WeatherHelm = 0;     // the sail-balance and heel term of the bias, small units
  int32_t DownwindMargin = 30; // degrees off dead downwind held after a bear-away or gybe
  int32_t LastHandTackTime = -400;
  int32_t BackgroundSoundDue = 10000;

  // --- Steering zone geometry (recomputed every frame) ------------------------------------
  int32_t ZoneTop = 0;
  int32_t ZoneRight = 0;
  int32_t ZoneCentreX = 0;
  int32_t ZoneCentreY = 0;  // centre row of the vertical zone

  // Shared with the commands
  int32_t HoldCloseHauled = 0;
  int32_t BearAwayCommand = 0;
  int32_t GybeCommand = 0;
  int32_t HoldDownwindCourse = 0;
  int32_t CloseHauledCommandUsed = 0;
  PerBoat<int32_t> LastTackTime = FilledPerBoat(-400);

  // --- Per boat: wind, speed and heel -----------------------------------------------------
  PerBoat<int32_t> WindSpeedAtBoat{};
  PerBoat<int32_t> TrueWindAngles{};
  PerBoat<double> BoatSpeeds{};      // tenths of a knot, negative when sailing backwards
  PerBoat<int32_t> BoatSpeedTenths{};
  PerBoat<int32_t> HeelAngles{};
  PerBoat<int32_t> SailAngles{};
  PerBoat<int32_t> SpinnakerFlying{};
  PerBoat<int32_t> DriveForces{};
  PerBoat<int32_t> WindShadowState{};  // 0 clear, 2 wind shadow, 3 backwind of a boat ahead
  PerBoat<int32_t> BoatRatingPercent = FilledPerBoat(100);
  PerBoat<int32_t> SpeedAtTack{};
  PerBoat<int32_t> SpeedOverride = FilledPerBoat(-1);
  PerBoat<int32_t> PenaltyUntil = FilledPerBoat(-400);
  PerBoat<int32_t> BoatLegs{};

  // --- Per boat: neighbours ---------------------------------------------------------------
  PerBoat<int32_t> BoatAheadClose{};
  PerBoat<int32_t> SameTackNeighbour{};
  PerBoat<int32_t> ClosePursuer{};

  // --- Per boat: motion -------------------------------------------------------------------
  PerBoat<int32_t> LookAheadX{};
  PerBoat<int32_t> LookAheadY{};
  WakeHistory<double> WakeX{};
  WakeHistory<double> WakeY{};

  // --- User boat: apparent wind -----------------------------------------------------------
  int32_t ApparentWindAngle = 0;
  int32_t ApparentWindSpeed = 0;
  int32_t ApparentWindForce = 0;
  int32_t PreviousApparentWindAngle = 0;
  int32_t OlderApparentWindAngle = 0;

  // --- User boat: main --------------------------------------------------------------------
  int32_t MainStalled = 0;
  int32_t MainNearStall = 0;
  int32_t MainBackwindPercent = 0;
  int32_t MainBackwindCopy = 0;  // kept for the coach
  int32_t MainUpperBackwindPercent = 0;
  int32_t MainUpperStalled = 0;
  int32_t MainDepth = 0;
  int32_t MainTwist = 0;

  // --- User boat: jib ---------------------------------------------------------------------
  int32_t JibState = 0;  // 0 full, 1..99 backwind percent, -1 stalled
  int32_t JibPenalty = 0;
  int32_t JibPointingIndex = 0;
  int32_t JibLeadOffset = 0;
  int32_t JibWindwardTelltaleStarboard = 0;
  int32_t JibWindwardTelltalePort = 0;
  int32_t JibLeewardTelltale = 0;
  int32_t JibTopBackwinded = 0;
  int32_t JibTopStalled = 0;

  // --- User boat: spinnaker ---------------------------------------------------------------
  int32_t SpinnakerCollapse = 0;  // 0, 30 or 100
  int32_t SpinnakerMistrim = 0;

  // --- User boat: crew, depth and coach hints ---------------------------------------------
  int32_t FullHike = 0;
  int32_t DepthUnderBoat = 59;
  int32_t Grounded = 0;  // the user's boat stopped on the bottom this step
  int32_t CrewHint = 0;     // -1 forward, +1 aft
  int32_t VangHint = 0;
  int32_t OuthaulHint = 0;
  int32_t LuffBendHint = 0;

  // --- User boat: motion and wave pitch ---------------------------------------------------
  int32_t LeewayAngle = 0;
  int32_t VelocityMadeGood = 0;  // tenths of a knot
  int32_t SpeedOverGround = 0;   // tenths of a knot
  int32_t EffectiveCurrent = 0;  // tenths of a knot after the lee of the land
  int32_t PitchTimer = 0;
  int32_t WavePitch = 0;
  int32_t PreviousWavePitch = 0;
  double BigWaveCooldown = 0;
  int32_t BigWave = 0;
  double PreviousCrestDistance = 50000;

  // --- Puffs 1..5 -------------------------------------------------------------------------
  std::array<double, kPuffCount + 1> PuffX{};
  std::array<double, kPuffCount + 1> PuffY{};
  std::array<int32_t, kPuffCount + 1> PuffSpeedChange{};
  std::array<int32_t, kPuffCount + 1> PuffRadius{};
  std::array<int32_t, kPuffCount + 1> PuffExpiry{};
  int32_t PuffShift = 0;      // added to the wind direction inside any puff
  int32_t PuffGustSpeed = 0;
  int32_t InsidePuff = 0;     // the user's boat lies inside a puff

  // --- Wave crests 0..599 -----------------------------------------------------------------
  std::array<double, kMaxWaveCrests> CrestX{};
  std::array<double, kMaxWaveCrests> CrestY{};
  std::array<int32_t, kMaxWaveCrests> CrestSeed{};
  int32_t WaveOrientation = 0;  // the camera's view direction, copied by the camera
  int32_t WavePhase = 0;        // frames, wraps after 310 x SimSpeedDivisor
  int32_t WaveCrestsPlaced = 0;

  // Shared with the race fleet and rules
  int32_t PenaltyMessage = 0;     // the message line: 1..7 a race penalty, 8 aground
  int32_t CloseHauledAngle = 40;  // degrees off the wind sailed close-hauled, last computed
};
