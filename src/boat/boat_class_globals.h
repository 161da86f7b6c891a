// The boat class derived from the boat type, and the sail and rig controls.
#pragma once

#include <cstdint>

struct BoatClassGlobals {
  // --- Class values from the boat set-up --------------------------------------------------
  int32_t DisplacementClass = 10;
  int32_t SailAreaClass = 10;
  int32_t RigHeightPercent = 80;
  int32_t SpinnakerKind = 0;  // 3 asymmetric, else conventional
  int32_t MaxHeel = 23;
  int32_t HasFurlingJib = 0;
  int32_t HasTraveller = 1;
  int32_t VangOutsidePreset = 1;
  int32_t IsMonohull = 1;
  int32_t IsOffshoreRacer = 0;

  // --- Sail and rig controls --------------------------------------------------------------
  double MainSheet = 10;  // -3 (hard in) .. 47 (fully eased)
  int32_t MainAutoTrimActive = 1;
  int32_t Cunningham = 2;
  int32_t Outhaul = 2;
  int32_t Vang = 2;
  int32_t SpritTension = 2;
  int32_t Reefed = 0;
  int32_t Traveller = 2;
  int32_t MastBend = 2;
  int32_t Forestay = 1;
  int32_t JibSheet = 8;  // 0 .. 24
  int32_t WingOnWing = 0;
  int32_t JibSize = 1;   // 1 genoa, 3 storm jib
  int32_t JibLuff = 2;
  int32_t JibLead = 2;
  int32_t BarberHauler = 2;
  int32_t JibFurl = 0;   // 0, 50, 100
  int32_t SpinnakerSetCommand = 0;
  int32_t SpinnakerSheet = 12;  // 0 .. 24
  int32_t GuyAngle = 40;        // 5 .. 80
  int32_t PoleHeight = 2;
  int32_t SkipperHike = 0;      // -2 .. 2
  int32_t Crew1Hike = 0;
  int32_t Crew2Hike = 0;
  int32_t CrewForeAft = 0;      // -1 forward, 0 middle, +1 aft
  int32_t CentreboardUp = 0;    // 0, 80, 100
  int32_t SailPowerPreset = 0;
};
