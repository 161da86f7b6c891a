// Column 2 of the data panel: the rows of the running activity.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/panel.h"
#include "boat/boat_family.h"
#include "draw/palette.h"
#include "input/control_buttons.h"
#include "sim/frame_counts.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/race_overlays.h"

namespace {


// Column 2 ends where the first column of control buttons begins. On a narrow panel (the
// vertical steering zone on a small screen) a longer row moves left, by at most two line
// heights, so that the buttons do not cover its end. Trailing blanks only hide an older text
// and do not count.
void DrawRow(const World& w, Canvas& canvas, int x, int y, const std::string& text, int L) {
  const double buttons = w.ActivityMode == Activity::kSailShapeLesson ? 0.94 : 0.618;
  const int limit = static_cast<int>(buttons * w.ViewWidthF) - 3;
  const int width = canvas.TextWidth(text.substr(0, text.find_last_not_of(' ') + 1));
  if (x + width > limit) x = std::max(limit - width, x - 2 * L);
  canvas.TextOut(x, y, text);
}

// The bearing of (x, y) off the user's bow, -180..180, rounded toward zero.
int RelativeBearing(const World& w, double x, double y) {
  const double bearing = std::atan2(x - w.BoatX[1], w.BoatY[1] - y) * kRadToDeg;
  double off = std::fmod(bearing - w.BoatHeadings[1], 360.0);
  if (off > 180) off -= 360;
  if (off < -180) off += 360;
  return static_cast<int>(off);
}

// Collision avoidance: the vessel picked on the last release, as a bearing off the bow. A
// constant bearing on a closing vessel means a collision course.
void DrawPickedBearings(const World& w, Canvas& canvas, int x, int& y, int L) {
  SetPanelColor(w, canvas, palette::kDarkGreen);
  if (w.PickedBearing >= 0) DrawRow(w, canvas, x, y, "方位: " + std::to_string(w.PickedBearing), L);
  if (w.PreviousPickedBearing >= 0) DrawRow(w, canvas, x, y + L, "前回方位:" + std::to_string(w.PreviousPickedBearing), L);
  // Both rows are kept free so that the exercise's own rows do not cover the previous pick.
  y += 2 * L;
}

struct ExerciseTarget {
  const char* label;
  double x = 0, y = 0;
};

ExerciseTarget TargetOf(const World& w) {
  const double midX = (w.TargetX[1] + w.TargetX[2]) / 2.0;
  const double midY = (w.TargetY[1] + w.TargetY[2]) / 2.0;
  switch (w.ActivityMode) {
    case 4:
      return {"係留:    ", static_cast<double>(w.TargetX[1]), static_cast<double>(w.TargetY[1])};
    case 5:
      return {"着艇: ", midX, midY};
    case 6:
      return {"落水:  ", static_cast<double>(w.TargetX[1]), static_cast<double>(w.TargetY[1])};
    default:
      return {"ﾌｨﾆｯｼｭ: ", midX, midY};
  }
}

int TargetDistance(const World& w, const ExerciseTarget& t) {
  return static_cast<int>(std::hypot(t.x - w.BoatX[1], t.y - w.BoatY[1]));
}

bool HasTargetRows(int m) {
  return m == Activity::kSteering || m == Activity::kUpwind || m == Activity::kMooring || m == Activity::kDocking ||
         m == Activity::kManOverboard || m == Activity::kCollisionAvoidance;
}

void DrawTargetRows(const World& w, Canvas& canvas, int x, int& y, int L) {
  const ExerciseTarget t = TargetOf(w);
  const int d = TargetDistance(w, t);
  const int m = w.ActivityMode;
  const char* unit = NarrowButtonScreen(w) ? " ﾔｰﾄﾞ" : " ﾔｰﾄﾞ   ";
  // The swimmer's distance shows only once the boat is near enough to see him.
  if (m != Activity::kManOverboard || d < (20 - w.Difficulty) * 10) {
    DrawRow(w, canvas, x, y, t.label + std::to_string(w.TargetDistanceYards) + unit, L);
  }
  DrawRow(w, canvas, x + 9, y + L, RelativeBearingText(RelativeBearing(w, t.x, t.y)), L);
  y += 2 * L;
}

// The next mark of the user's route: the windward mark for waypoints 1..3, the side mark for
// 4 and 5, the leeward mark for 6 and 7, the committee boat on the way to the line.
int NextMarkOf(int legs) {
  if (legs >= 1 && legs <= 3) return 1;
  if (legs == 4 || legs == 5) return 2;
  if (legs == 6 || legs == 7) return 3;
  return 0;
}

// The mark rows of column 2.
void DrawRaceMarkRows(const World& w, Canvas& canvas, int x, int& y, int L) {
  int tx = 0, ty = 0;
  const int target = w.SelectedTarget;
  SelectedTargetPoint(w, target, tx, ty);
  const int d = static_cast<int>(std::hypot(tx - w.BoatX[1], ty - w.BoatY[1]));
  const std::string yards = std::to_string(d);

  SetPanelColor(w, canvas, palette::kMaroon);
  const char* unit = NarrowButtonScreen(w) ? " ﾔｰﾄﾞ " : " ﾔｰﾄﾞ  ";
  DrawRow(w, canvas, x, y, (target == 0 ? "本部船: " : "ﾏｰｸ:  ") + yards + unit, L);
  DrawRow(w, canvas, x + 9, y + L, RelativeBearingText(RelativeBearing(w, tx, ty)), L);
  y += 2 * L;
}

void DrawTimeRow(const World& w, Canvas& canvas, int x, int& y, int L) {
  const int m = w.ActivityMode;
  const bool clock = m < Activity::kRacingRulesLesson && m != Activity::kDocking && m != Activity::kCollisionAvoidance;
  const bool countdown = IsCountdownRace(m) && w.SimSeconds < 1;
  if (w.LessonIntroPending || !(clock || countdown)) return;
  SetPanelColor(w, canvas, w.SimSpeed == 1 ? palette::kMaroon : palette::kBlack);
  const ClockReading c = DisplayedClock(w.SimTime);
  DrawRow(w, canvas, x, y, countdown ? ClockText(std::abs(c.minutes), std::abs(c.seconds)) : ClockText(c.minutes, c.seconds), L);
  y += L;
}

// The wind at the boat against the mean wind, signed by the tack: a lift is positive.
void DrawShiftRow(const World& w, Canvas& canvas, int x, int& y, int L) {
  const int d = WindShiftAtBoat(w);
  const int v = d * w.BoatTack[1];
  SetPanelColor(w, canvas, palette::kBlue);
  if (v < 0) {
    DrawRow(w, canvas, x, y, "ヘッダ " + std::to_string(-v), L);
  } else if (d == 0) {
    DrawRow(w, canvas, x, y, "平均的風向  ", L);
  } else {
    DrawRow(w, canvas, x, y, "リフト " + std::to_string(v), L);
  }
  y += L;
}

void DrawClearAirRow(const World& w, Canvas& canvas, int x, int& y, int L) {
  const int state = w.WindShadowState[1];
  const char* text = state == 0 ? "ｸﾘｱｴｱｰ   " : state == 2 ? "ﾌﾞﾗﾝｹｯﾄ" : state == 3 ? "ﾊﾞｯｸｳｨﾝﾄﾞ" : nullptr;
  if (!text) return;
  SetPanelColor(w, canvas, state > 0 ? palette::kRed : palette::kBlue);
  DrawRow(w, canvas, x, y, text, L);
  y += L;
}

void DrawVmgRow(const World& w, Canvas& canvas, int x, int& y, int L) {
  const int m = w.ActivityMode;
  int angle = w.TrueWindAngles[1];
  int vmg = w.VelocityMadeGood;
  // The sail-trim lesson sails in a wind from the north.
  if (m == Activity::kSailTrimLesson) {
    angle = 360 - w.BoatHeadings[1];
    vmg = std::abs(static_cast<int>(std::cos(angle * kDegToRad) * w.BoatSpeedTenths[1]));
  }
  const bool shown = IsSailLesson(m) || m == Activity::kUpwind || (IsRace(m) && w.Stopped) || angle < 60 || angle > 130;
  if (!shown) return;
  SetPanelColor(w, canvas, palette::kBlue);
  DrawRow(w, canvas, x, y, "VMG: " + KnotsText(vmg), L);
  y += L;
}

// The nearest other boat within 3000 yards (box distance; boat 2 when none is that close),
// with its hull colour.
void DrawNearestBoatRow(const World& w, Canvas& canvas, int x, int& y, int L) {
  if (w.BoatCount < 2) return;
  int nearest = 2;
  int best = 3000;
  const int ox = static_cast<int>(w.BoatX[1]);
  const int oy = static_cast<int>(w.BoatY[1]);
  for (int b = 2; b <= std::min(w.BoatCount, kMaxBoats); ++b) {
    const int d = std::abs(static_cast<int>(w.BoatX[b]) - ox) + std::abs(static_cast<int>(w.BoatY[b]) - oy);
    if (d < best) {
      best = d;
      nearest = b;
    }
  }
  const int size = std::max(4, L - 6);
  canvas.SetPen(palette::kBlack);
  if (w.Monochrome) {
    canvas.SetHollowBrush();
  } else {
    canvas.SetBrush(palette::kHullColors[nearest]);
  }
  canvas.Rectangle(x, y + (L - size) / 2, x + size, y + (L - size) / 2 + size);
  SetPanelColor(w, canvas, palette::kBlue);
  canvas.TextOut(x + size + 4, y, "近接艇:  " + KnotsText(std::abs(w.BoatSpeedTenths[nearest])));
  y += L;
}

}  // namespace

void UpdatePanelReadings(World& w) {
  const int m = w.ActivityMode;
  const int k = w.BearingTarget;
  if (m == Activity::kCollisionAvoidance && k >= 2 && k <= 4) {
    const int compass = BearingTo(w.BoatX[k] - w.BoatX[1], w.BoatY[1] - w.BoatY[k]);
    w.PreviousPickedBearing = w.PickedBearing;
    w.PickedBearing = WrapDegreesFull(compass - w.BoatHeadings[1]);
    w.BearingTarget = 0;
  }
  if (IsRace(m)) {
    const int next = NextMarkOf(w.BoatLegs[1]);
    if (next != w.SelectedTarget) w.SelectedTargetSince = w.SimSeconds;
    w.SelectedTarget = next;
  }
  if (HasTargetRows(m)) {
    const int d = TargetDistance(w, TargetOf(w));
    w.TargetDistanceYards = m == Activity::kCollisionAvoidance ? d : m == Activity::kDocking ? (d - 15) / 2 : d / 2;
  }
}

void DrawActivityRows(const World& w, Canvas& canvas, const PanelLayout& p) {
  const int x = p.column2;
  const int L = p.lineHeight;
  const int m = w.ActivityMode;
  int y = p.top;
  if (m == Activity::kCollisionAvoidance) DrawPickedBearings(w, canvas, x, y, L);

  SetPanelColor(w, canvas, palette::kMaroon);
  if (IsFreeSailing(m) && HasFixedKeel(w.HullClass)) {
    DrawRow(w, canvas, x, y, "深さ : " + std::to_string(w.DepthUnderBoat) + " ft", L);
    y += L;
  }
  if (HasTargetRows(m)) DrawTargetRows(w, canvas, x, y, L);
  if (IsRace(m)) DrawRaceMarkRows(w, canvas, x, y, L);

  DrawTimeRow(w, canvas, x, y, L);
  if (m == Activity::kUpwind || IsRace(m)) DrawShiftRow(w, canvas, x, y, L);
  if (IsRace(w.ActivityMode) && w.SimSeconds > 0) DrawClearAirRow(w, canvas, x, y, L);
  DrawVmgRow(w, canvas, x, y, L);
  if (IsRace(w.ActivityMode) && w.SimSeconds > 0) DrawNearestBoatRow(w, canvas, x, y, L);
}
