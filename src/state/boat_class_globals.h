// The boat class derived from the boat type, and the sail and rig controls.
#pragma once

#include <cstdint>

struct BoatClassGlobals {
  // --- Class values from the boat set-up --------------------------------------------------
  int32_t DisplacementClass = 10;  // 4..11
  int32_t SailAreaClass = 10;      // 9..11
  int32_t RigHeightPercent = 80;   // 80 fractional, 100 masthead
  int32_t SpinnakerKind = 0;       // 3 asymmetric, 0 conventional
  int32_t MaxHeel = 23;
  int32_t HasFurlingJib = 0;
  int32_t HasTraveller = 1;
  int32_t VangOutsidePreset = 1;   // the sail-power presets leave the vang alone
  int32_t IsMonohull = 1;
  int32_t IsOffshoreRacer = 0;

  // --- Sail and rig controls --------------------------------------------------------------
  // Three-way shape controls run 1 eased .. 3 tight; the defaults are the middle preset.
  double MainSheet = 10;          // boom-angle command in degrees, -3 (hard in) .. 47 (let out)
  int32_t MainAutoTrimActive = 1;
  int32_t Cunningham = 2;
  int32_t Outhaul = 2;
  int32_t Vang = 2;
  int32_t SpritTension = 2;       // OP dinghy only
  int32_t Reefed = 0;
  int32_t Traveller = 2;          // 0 highest .. 4 lowest
  int32_t MastBend = 2;           // 1 none .. 3 most
  int32_t Forestay = 1;           // 0 tight, 1 middle, 2 eased
  int32_t JibSheet = 8;           // 0 (in) .. 24 (eased)
  int32_t WingOnWing = 0;
  int32_t JibSize = 1;            // 1 genoa, 3 storm jib
  int32_t JibLuff = 2;
  int32_t JibLead = 2;            // 1 forward, 2 middle, 3 aft
  int32_t BarberHauler = 2;       // 1 in, 2 middle, 3 out
  int32_t JibFurl = 0;            // 0 open, 50 partly furled, 100 furled
  int32_t SpinnakerSetCommand = 0;
  int32_t SpinnakerSheet = 12;    // 0 (in) .. 24 (eased)
  int32_t GuyAngle = 40;          // 5 .. 80 degrees; 0 on boats without a pole
  int32_t PoleHeight = 2;         // 1 low, 2 middle, 3 high
  int32_t SkipperHike = 0;        // -2 to leeward .. 2 fully hiked
  int32_t Crew1Hike = 0;
  int32_t Crew2Hike = 0;
  int32_t CrewForeAft = 0;        // -1 forward, 0 middle, +1 aft
  int32_t CentreboardUp = 0;      // 0 down, 80, 100 fully up
  int32_t SailPowerPreset = 0;    // 0 none, 1 minimum, 2 middle, 3 maximum
};
