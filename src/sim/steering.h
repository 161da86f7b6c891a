// The steering zone at the bottom of the view: the cursor's place in it is the helm. The mouse
// handler only records where the cursor is; each frame's advance reads the hand from it here.
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

// The zone as this frame's layout draws it, at the point of the frame where the strip is drawn:
// its top (ZoneTop), and while the pointer is in it the end of a bear-away or gybe in progress.
// Nothing during a lesson's introduction; in the sail lessons only the top.
void UpdateDrawnSteeringZone(World& w);
