// The coach: a text box over the sailing view with advice chosen per activity and per situation
// from the boat's present state, and the scene text and buttons of the two sail lessons. The
// coach keeps no state of its own; everything it shows is read from the world.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

struct World;

// The colours a coach line is written in.
enum class CoachInk { Navy, Maroon, Red, Teal, Blue };

// One line of the box. An empty text is an empty line: the next text stands one line lower.
struct CoachLine {
  std::string text;
  CoachInk ink = CoachInk::Navy;
};

struct CoachBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool framed = true;
};

// The three buttons of the sail lessons, on one row 1.5 lines above the box's bottom.
struct CoachButtons {
  Rect next, back, end;
  bool nextShown = true;  // gone at the last scene
};

// 15 on narrow views, else 18.
int CoachLineHeight(const World& w);
CoachBox CoachBoxFor(const World& w);
// The y of the first advice line.
int CoachTextTop(const World& w);
CoachButtons CoachButtonsFor(const World& w);
// The baseline row of the option summary, six lines above the box's bottom.
int CoachOptionRowY(const World& w);
// Whether the box carries the option summary (every activity but the two sail lessons).
bool CoachShowsOptions(const World& w);

// The activity's advice for the present state (the races excepted: see TacticsCommentary).
std::vector<CoachLine> CoachAdvice(const World& w);

// The step of the frame that acts on a click latched on one of the sail lessons' buttons:
// next and back move between scenes and set the lesson up again, the end button shows the
// results. Runs before the box is drawn.
void TakeCoachButtonClick(World& w);

// Where a traffic-rules scene's label stands beside a boat seen at screen point (x, y).
Point TrafficLabelPoint(const World& w, int x, int y);
// The traffic-rules scene's labels beside the user's boat and the other vessel, each while the
// vessel is in sight below the box.
void DrawTrafficLabels(const World& w, Canvas& canvas);

// Draws the box, the advice, the stopped line and the sail lessons' buttons. Changes nothing
// in the world.
void DrawCoach(const World& w, Canvas& canvas);

// The race routine of the coach: the forecast before the signal, the sailing and tactics
// advice during the race, the race analysis after the user's finish.
std::vector<CoachLine> TacticsCommentary(const World& w);
void DrawTacticsCommentary(const World& w, Canvas& canvas, int top, int lineHeight, int left);

// The share (in per cent) of part in whole, 0 when whole is 0.
int SharePercent(int part, int whole);
// The race analysis lines after the user's finish.
std::vector<CoachLine> RaceAnalysis(const World& w);
void DrawRaceAnalysis(const World& w, Canvas& canvas, int top, int lineHeight);
