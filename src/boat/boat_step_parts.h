// The pieces of the boat step, shared by the files that carry them out. Not for other
// subsystems: they call BoatStep and the routines of boat_step.h.
#pragma once

#include "boat/boat_step.h"

struct World;

// Working values of one boat step, in force units unless noted.
struct StepValues {
  int b = 1;
  bool user = true;
  int previousSpeed = 0;  // BoatSpeedTenths at the start of the step
  int twa = 0;
  int wind = 0;           // wind speed at the boat, knots
  int sailPower = 0;
  int vangLoss = 0;
  ApparentWind apparent;
  int drive = 0;
  int spinnakerDrive = 0;
  int pinch = 0;
  int righting = 0;
  int heel = 0;           // the new heel
  int previousHeel = 0;
  int overpower = 0;      // percent, fleet boats over their heel limit
  int offset = 0;         // sheeting offset
  int forward = 0;        // forward force
  double hullSpeed = 0;
  double target = 0;      // target speed, tenths of a knot
};

// Drive scaled by the point of sail: pinching below 60 degrees off the wind, a slow loss
// beyond (boat_step.cpp).
int PointOfSail(int drive, int twa, bool catamaran);
// A dinghy, catamaran or scow heeled past 25 degrees capsizes: the activity ends.
void CheckCapsize(World& w, int heel);
// The user's boat in water under 5 ft stops dead.
void CheckGrounding(World& w);

// Sails (sail_state.cpp).
void RunJibState(World& w);
void SetUserMainShape(World& w, StepValues& v);
void SetFleetMainAngle(World& w, StepValues& v);
void SetFleetSpinnaker(World& w, const StepValues& v);
int SpinnakerDrive(World& w, StepValues& v);
void RunSpinnakerState(World& w, int twa);
void RunMainState(World& w);

// Heel and forces (heel_and_force.cpp).
void ApplyHeelFactor(World& w, StepValues& v);
void ComputeRighting(World& w, StepValues& v);
void ComputeHeel(World& w, StepValues& v);
void ComputeForwardForce(World& w, StepValues& v);

// Speed (target_speed.cpp).
void ComputeTargetSpeed(World& w, StepValues& v);
void ApplyUserCorrections(World& w, StepValues& v);
void ApplyTackSlowdown(World& w, const StepValues& v);

// The automatic main trim, with the new heel of the user's boat.
void AutoMainTrim(World& w, int heelLimit, int heel);

// Wind at the boat (wind_at_boat.cpp).
void ComputeWindAtBoat(World& w, int b);
