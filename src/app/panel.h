// The performance-data panel: the bottom strip right of the 2D view, redrawn every frame. Short
// text rows give the state of the sails, the speed, heel, leeway and pointing (column 1) and the
// data of the running exercise or race (column 2); two buttons change the simulator speed, and
// the control buttons stand at its right.
#pragma once

#include <string>

#include "platform/canvas.h"

struct World;

struct PanelLayout {
  int lineHeight = 0;
  int column1 = 0;
  int column2 = 0;
  int top = 0;  // the first row of both columns
};

PanelLayout ComputePanelLayout(const World& w);

// The whole panel into (PanelLeft, SceneHeight) - (ViewWidth, ViewHeight); acts on a latched
// click on its buttons and counts the race-analysis frames.
void DrawDataPanel(World& w, Canvas& canvas);

// What column 2 shows that is worked out once a frame, just before the panel is drawn: the
// bearing of the vessel picked on the last release (collision avoidance), which becomes the
// previous pick the next time, and the distance to the exercise's target.
void UpdatePanelReadings(World& w);

// Column 2, from its top: the rows of the current activity.
void DrawActivityRows(const World& w, Canvas& canvas, const PanelLayout& layout);

// Sets the text colour, unless the display is monochrome (text then stays black).
void SetPanelColor(const World& w, Canvas& canvas, Color color);

// Tenths of a knot as knots with one decimal: 12 -> "1.2".
std::string KnotsText(int tenths);

// A bearing off the bow, -180..180: "前方 ", "25 度(左舷)", "25 度(右舷)".
std::string RelativeBearingText(int bearing);

// The clock shown for a simulated time: whole minutes and the seconds within the minute.
// Before a race's starting signal both are negative; from the signal on the clock runs at
// 0.8 of the pre-start rate.
struct ClockReading {
  int minutes = 0;
  int seconds = 0;
};
ClockReading DisplayedClock(double simTime);

// "時間: 3: 07"; the countdown shows the same form with the absolute values.
std::string ClockText(int minutes, int seconds);
