// A boat drawn at a fixed screen point for the lesson diagrams, posed by heading and wind rather
// than by the simulation.
#pragma once

#include "platform/canvas.h"

struct World;

struct BoatPose {
  int heading = 0;      // compass degrees
  int wind = 0;         // the direction the wind comes from
  int speedTenths = 60;
  bool spinnaker = false;
};

// The boom angle a trimmed boat carries at this true wind angle (0..180).
int TrimmedSailAngle(int trueWindAngle);

// Draws boat `boat` (its hull colour names it) at (x, y) in the boat drawing's diagram mode,
// seen from the south with north up; bottomRow and topRow are the rows of the page's sea, lower
// boats being drawn larger. The boat's own state arrays are left as they were.
void DrawBoatSymbol(World& w, Canvas& c, int boat, int x, int y, const BoatPose& pose, int bottomRow,
                    int topRow);

// A power-driven vessel seen the same way: hull and wheelhouse turned to its heading.
void DrawMotorVesselSymbol(World& w, Canvas& c, int x, int y, int heading, int bottomRow, int topRow);
