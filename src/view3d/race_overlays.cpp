#include "view3d/race_overlays.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "draw/palette.h"
#include "race/race_start.h"
#include "race/rules.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/camera.h"

namespace {

constexpr int kScratchSlot = 0;

// Projects a world point; false when it lies behind the camera, off the sides or above the
// horizon.
bool ProjectInView(World& w, double x, double y, Point& p) {
  Project(w, kScratchSlot, x, y);
  p = Point{w.ProjectedX[kScratchSlot], w.ProjectedY[kScratchSlot]};
  return std::abs(w.ProjectedBearing) < 85 && p.x >= 0 && p.x <= w.ViewWidth && p.y >= w.SceneTop;
}

// The visible stretches of the straight line from (x0, y0) to (x1, y1), sampled in `steps`.
void DrawWorldLine(World& w, Canvas& c, double x0, double y0, double x1, double y1, int steps) {
  bool drawing = false;
  for (int k = 0; k <= steps; ++k) {
    Point p;
    if (!ProjectInView(w, x0 + (x1 - x0) * k / steps, y0 + (y1 - y0) * k / steps, p)) {
      drawing = false;
      continue;
    }
    if (drawing) {
      c.LineTo(p.x, p.y);
    } else {
      c.MoveTo(p.x, p.y);
    }
    drawing = true;
  }
}

// A layline from a course point out along the close-hauled course on the side given (+1 the
// starboard-tack layline, reached on the right looking upwind).
void DrawLayline(World& w, Canvas& c, int x, int y, int side, int length) {
  const IntPoint end = PointAt(x, y, length, w.WindDirection + 180 - side * w.CloseHauledAngle);
  DrawWorldLine(w, c, x, y, end.x, end.y, 24);
}

void DrawStartLine(World& w, Canvas& c) {
  c.SetPen(palette::Ink(w, palette::kStartLine, palette::kBlack), 2);
  DrawWorldLine(w, c, w.CommitteeBoatX, w.CommitteeBoatY, w.PinX, w.PinY, 10);
}

void DrawLaylines(World& w, Canvas& c) {
  int tx = 0, ty = 0;
  SelectedTargetPoint(w, w.SelectedTarget, tx, ty);
  const int length = static_cast<int>(0.95 * std::hypot(tx - w.BoatX[1], ty - w.BoatY[1])) / 10 * 10;
  c.SetPen(palette::Ink(w, palette::kLayline, palette::kBlack));
  if (w.SelectedTarget == 1) {
    DrawLayline(w, c, w.WindwardMarkX, w.WindwardMarkY, 1, length);
    DrawLayline(w, c, w.WindwardMarkX, w.WindwardMarkY, -1, length);
  } else if (w.SelectedTarget == 0) {
    // Each end of the line on its outer side: the pin lies to the left looking upwind.
    DrawLayline(w, c, w.PinX, w.PinY, -1, length);
    DrawLayline(w, c, w.CommitteeBoatX, w.CommitteeBoatY, 1, length);
  }
}

// A line from the next mark down to the middle of the view's bottom edge: where to look.
void DrawMarkPointer(World& w, Canvas& c, const Rect& scene) {
  int tx = 0, ty = 0;
  SelectedTargetPoint(w, w.SelectedTarget, tx, ty);
  Point p;
  if (!ProjectInView(w, tx, ty, p)) return;
  c.SetPen(palette::Ink(w, palette::kMarkPointer, palette::kBlack));
  c.MoveTo(p.x, p.y);
  c.LineTo(p.x, std::max(p.y - scene.Height() / 12, scene.top));
}

}  // namespace

void SelectedTargetPoint(const World& w, int target, int& x, int& y) {
  switch (target) {
    case 1: x = w.WindwardMarkX, y = w.WindwardMarkY; break;
    case 2: x = w.SideMarkX, y = w.SideMarkY; break;
    case 3: x = w.LeewardMarkX, y = w.LeewardMarkY; break;
    default: x = w.CommitteeBoatX, y = w.CommitteeBoatY; break;
  }
}

void DrawCourseOverlays(World& w, Canvas& c, const Rect& scene) {
  if (!IsRace(w.ActivityMode)) return;
  if (w.SimSeconds <= 0) DrawStartLine(w, c);
  const bool upwind = w.ApparentWindAngle < w.CloseHauledAngle + 10;
  if (w.LaylinesShown == 1 && w.SimSeconds >= 0 && w.ResultsShown == 0 && upwind) DrawLaylines(w, c);
  if (w.SimSeconds > 0) DrawMarkPointer(w, c, scene);
}

std::vector<std::string> MessageLines(const World& w) {
  std::vector<std::string> lines;
  if (w.PenaltyMessage > 0) lines.emplace_back(PenaltyText(w.PenaltyMessage));
  if (w.TrueWindAngles[1] < 30 && w.BoatSpeedTenths[1] <= 0 && w.SimSeconds > 0) {
    lines.emplace_back("風位に立った ﾊﾞｯｸしている。 ");
  }
  if (w.RepaintSuspended == 1) lines.emplace_back("動作停止中。マウスをクリックして再開。");
  if (w.Stopped == 1) lines.emplace_back("動作停止中。テキストウィンドウの外でマウスをクリックして再開。");
  const std::string countdown = CountdownText(w);
  if (!countdown.empty()) lines.push_back(countdown);
  return lines;
}

void DrawMessageLine(World& w, Canvas& c, int x) {
  const int h = w.ViewHeight / 31;
  const bool mono = w.Monochrome == 1;
  const std::vector<std::string> lines = MessageLines(w);
  c.SetTextOpaque(true);
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool penalty = i == 0 && w.PenaltyMessage > 0;
    c.SetBackColor(penalty && !mono ? palette::kRed : palette::kWhite);
    c.SetTextColor(mono || penalty ? palette::kBlack : palette::kRed);
    c.TextOut(x + 1, static_cast<int>(i) * h, lines[i]);
  }
  c.SetBackColor(palette::kWhite);
}

void DrawMarkLine(World& w, Canvas& c) {
  if (!IsRace(w.ActivityMode)) return;
  int tx = 0, ty = 0;
  const int target = w.SelectedTarget;
  SelectedTargetPoint(w, target, tx, ty);
  const std::string yards = std::to_string(static_cast<int>(std::hypot(tx - w.BoatX[1], ty - w.BoatY[1])));
  const Color ink = target == 0 ? palette::kGrey : (target % 2 == 1 ? palette::kRed : palette::kOlive);
  // Highlighted for a while after the next mark changed, once the start is well past.
  const bool fresh = w.SimSeconds > 50 && w.SimSeconds < w.SelectedTargetSince + 40;
  c.SetTextOpaque(true);
  c.SetBackColor(fresh && !w.Monochrome ? palette::kYellow : palette::kWhite);
  c.SetTextColor(palette::Ink(w, ink, palette::kBlack));
  // Below the message lines when they reach down to it.
  const int y = std::max(static_cast<int>(17 * w.ScaleY), static_cast<int>(MessageLines(w).size()) * (w.ViewHeight / 31));
  c.TextOut(2, y, target == 0 ? "RC 艇      " + yards + " ﾔｰﾄﾞ" : "ﾏｰｸ     " + yards + " ﾔｰﾄﾞ");
  c.SetBackColor(palette::kWhite);
}
