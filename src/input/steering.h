// The steering zone at the bottom of the view: the cursor's place in it is the helm.
#pragma once

struct World;

struct SteeringZone {
  bool vertical = false;
  int top = 0;      // the cursor steers below this row
  int left = 0;     // and strictly between left and right
  int right = 0;
  int centreX = 0;  // the horizontal zone's neutral column
  int centreY = 0;  // the vertical zone's neutral row
};

// The zone of this frame's layout, horizontal or vertical by VerticalSteeringZone.
SteeringZone SteeringZoneGeometry(const World& w);

bool PointerInZone(const World& w, const SteeringZone& zone);

// The steering value from the cursor (HelmInput = value / 10). Steering by hand ends any
// commanded manoeuvre. tackChanged: the user's tack differs from the previous frame's.
// Returns the value the helm turns the boat by.
int UpdateSteering(World& w, bool tackChanged);
