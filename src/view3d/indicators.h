// The compass card and the wind and current dials.
#pragma once

#include "platform/canvas.h"

struct World;

// Dial kinds.
constexpr int kTrueWindDial = 0;       // true wind as the camera sees it
constexpr int kApparentWindDial = 2;   // apparent wind as the camera sees it
constexpr int kSmallTrueWindDial = 3;  // lesson pages: bow up
constexpr int kNorthUpWindDial = 4;    // lesson pages: north up
constexpr int kSmallNorthUpWindDial = 5;
constexpr int kCurrentDial = -1;

// The card that turns with boat `boat`, its heading written above it; (x, y) is the reference
// point the dials share.
void DrawCompass(World& w, Canvas& c, int boat, int x, int y);

// One dial of the given kind around the reference point (x, y), with its label.
void DrawWindIndicator(World& w, Canvas& c, int kind, int boat, int x, int y);

// The user boat's relative heading: its heading seen from the camera, 0..359.
int UserRelativeHeading(const World& w);

// The row of indicators along the bottom of the sailing view, from reference point (x, y):
// compass, true wind, apparent wind, and the current when there is any.
void DrawViewIndicators(World& w, Canvas& c, int x, int y);
