#include "view2d/race_course_2d.h"

#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

constexpr int kLaylineLength = 1500;  // yards

void Dot(Canvas& c, Point p, int r) { c.Ellipse(p.x - r, p.y - r, p.x + r + 1, p.y + r + 1); }

void CoursePoint(World& w, Canvas& c, Point p, Color color) {
  c.SetPen(palette::kBlack);
  c.SetBrush(palette::Ink(w, color, palette::kBlack));
  Dot(c, p, 3);
}

void Label(World& w, Canvas& c, int x, int y, const char* text) {
  c.SetTextColor(palette::Ink(w, palette::kChartLabel, palette::kBlack));
  c.TextOut(x, y, text);
}

// The close-hauled lines into a course point, `side` +1 the starboard-tack one.
void Layline(World& w, Canvas& c, const std::function<Point(double, double)>& toScreen, int x, int y, int side) {
  const IntPoint end = PointAt(x, y, kLaylineLength, w.WindDirection + 180 - side * w.CloseHauledAngle);
  const Point a = toScreen(x, y), b = toScreen(end.x, end.y);
  c.MoveTo(a.x, a.y);
  c.LineTo(b.x, b.y);
}

void DrawLaylines2D(World& w, Canvas& c, const std::function<Point(double, double)>& toScreen) {
  if (w.LaylinesShown != 1 || w.SimSeconds < 0) return;
  c.SetPen(palette::Ink(w, palette::kLayline, palette::kBlack));
  if (w.SelectedTarget == 1) {
    Layline(w, c, toScreen, w.WindwardMarkX, w.WindwardMarkY, 1);
    Layline(w, c, toScreen, w.WindwardMarkX, w.WindwardMarkY, -1);
  } else if (w.SelectedTarget == 0) {
    Layline(w, c, toScreen, w.PinX, w.PinY, -1);
    Layline(w, c, toScreen, w.CommitteeBoatX, w.CommitteeBoatY, 1);
  }
}

}  // namespace

void DrawRaceCourse2D(World& w, Canvas& c, const std::function<Point(double, double)>& toScreen, bool labels) {
  if (!IsRace(w.ActivityMode)) return;
  const Point pin = toScreen(w.PinX, w.PinY);
  const Point committee = toScreen(w.CommitteeBoatX, w.CommitteeBoatY);
  const Point mark1 = toScreen(w.WindwardMarkX, w.WindwardMarkY);
  const Point mark2 = toScreen(w.SideMarkX, w.SideMarkY);
  const Point mark3 = toScreen(w.LeewardMarkX, w.LeewardMarkY);
  CoursePoint(w, c, pin, palette::kChartMarkEven);
  CoursePoint(w, c, mark2, palette::kChartMarkEven);
  CoursePoint(w, c, mark1, palette::kChartMarkOdd);
  CoursePoint(w, c, mark3, palette::kChartMarkOdd);
  CoursePoint(w, c, committee, palette::kChartCommittee);

  for (int b = 2; b <= w.BoatCount; ++b) {
    c.SetPen(palette::kBlack);
    c.SetBrush(palette::Ink(w, palette::kHullColors[b], palette::kWhite));
    Dot(c, toScreen(w.BoatX[b], w.BoatY[b]), 2);
  }

  if (!labels) {
    DrawLaylines2D(w, c, toScreen);
    return;
  }
  c.SetTextOpaque(false);
  const int lift = w.ViewHeight / 30;
  Label(w, c, committee.x, committee.y - lift, "ｽﾀｰﾄ/ﾌｨﾆｯｼｭ ");
  Label(w, c, mark1.x + 10, mark1.y, "第1ﾏｰｸ  ");
  // On the windward-leeward course mark 2 lies beside mark 1: its label moves left.
  const int shift = w.JustStartCourseUpDown == 1 ? 30 : 0;
  Label(w, c, mark2.x - shift, mark2.y - lift, "第2ﾏｰｸ  ");
  Label(w, c, mark3.x, mark3.y - lift, "第3ﾏｰｸ  ");
  c.SetTextOpaque(true);
}
