// The sheet bars at the edges of the view: main sheet and traveller on the left, the jib or
// spinnaker sheet on the right. A press on a bar sets its control from where it lands.
#pragma once

struct World;

// Rows of one bar: a press strictly between top and bottom acts; the control's scale runs from
// top to scaleEnd.
struct SheetBar {
  int top = 0;
  int bottom = 0;
  int scaleEnd = 0;
};

struct SheetBarLayout {
  int width = 15;  // a press with x below width (left) or above ViewWidth - width (right)
  SheetBar mainSheet;
  SheetBar traveller;
  SheetBar headSail;  // the jib, or the spinnaker while it flies
};

SheetBarLayout SheetBars(const World& w);

// trunc(range * offset / span), within 0 .. range. A bar with no length (a view too small
// for it) reads as its far end rather than dividing by zero.
int BarPosition(int range, int offset, int span);

// True when the press at (x, y) landed on a bar and set its control.
bool PressSheetBars(World& w, int x, int y);
