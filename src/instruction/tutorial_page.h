// The rules and tactics lessons' pages: text over a patch of sea on which lettered boats move on
// by one step per click of the advance button.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

struct World;

// Where a boat stands at one step: a point of the page's sea as fractions of the view's width and
// height, its heading, and how it sails.
struct BoatAt {
  double x = 0, y = 0;
  int heading = 0;
  int flags = 0;
};
constexpr int kSpinnaker = 1;  // flies its spinnaker
constexpr int kSlow = 2;       // barely moving (luffing, tacking, stopped)
constexpr int kHidden = 4;     // not in the picture at this step
constexpr int kMotor = 8;      // a power-driven vessel, not a sailing boat

// What else the sea shows: marks, the zone around a mark, the committee boat, an obstruction,
// a dashed line (laylines, the starting line) and the tidal stream. Points are fractions of the
// view; a zone's radius (x2) is a fraction of the width.
enum class FigureKind { Mark, Zone, Committee, Obstruction, Line, Current };
struct Figure {
  FigureKind kind = FigureKind::Mark;
  double x = 0, y = 0, x2 = 0, y2 = 0;
};

struct TutorialStep {
  int wind = 0;         // the direction the wind comes from at this step
  const char* caption;  // one line on what happens at this step
  std::vector<BoatAt> boats;
};

struct BoatName {
  const char* letter;  // beside the boat from the second step on
  const char* label;   // beside the boat at the first step
};

struct TutorialPage {
  int page = 0;
  std::vector<std::string> lines;  // the title first; the last three in green
  std::vector<BoatName> names;     // boats 1, 2, ... in order
  std::vector<Figure> figures;
  std::vector<TutorialStep> steps;  // none on a page of text
};

// The page's content; null for a number with no tutorial page.
const TutorialPage* FindTutorialPage(int page);
const std::vector<TutorialPage>& RacingRulesPages();
const std::vector<TutorialPage>& TrafficRulesPages();
const std::vector<TutorialPage>& TacticsPages();

// Draws the page over the whole view and acts on a latched click on its frame's buttons.
void DrawTutorialPage(World& w, Canvas& c, const TutorialPage& page);

// Page turning by the frame's buttons: 104 and 106 are neighbours, and a lesson's first and
// last pages stay where they are.
int NextTopicPage(int page);
int PreviousTopicPage(int page);
bool IsLastTopic(int page);

// The wind direction a tactics page shows at a step; -1 when the page does not set one.
int TutorialWindDirection(int page, int step);
