#include "view3d/indicators.h"

#include <string>

#include "draw/palette.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

std::string OneDecimal(int tenths) {
  std::string s = tenths < 0 ? "-" : "";
  if (tenths < 0) tenths = -tenths;
  return s + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

Color ArrowColor(const World& w, int kind) {
  if (w.Monochrome) return palette::kBlack;
  if (kind == kApparentWindDial) return palette::kYellow;
  if (kind == kCurrentDial) return palette::kGreen;
  return palette::kWhite;
}

}  // namespace

int UserRelativeHeading(const World& w) { return NormalizeDegrees(w.BoatHeadings[1] - w.ViewDirection); }

void DrawCompass(World& w, Canvas& c, int boat, int x, int y) {
  const int cx = x - 33;
  const int cy = y - 10;
  const int h = WrapDegreesFull(w.BoatHeadings[boat]);
  const int s = w.SinTable[h];
  const int k = w.CosTable[h];

  // The heading stands in a box of its own so that it reads over any water or sky.
  const std::string text = std::to_string(h);
  const int tx = h > 99 ? x - 48 : x - 43;
  const int ty = y - 36;
  const Color back = palette::Ink(w, palette::kTeal, palette::kBlack);
  c.SetTextColor(palette::Ink(w, palette::kYellow, palette::kWhite));
  c.SetBackColor(back);
  c.FillRect(Rect{tx - 1, ty, tx + c.TextWidth(text) + 1, ty + c.LineHeight()}, back);
  c.TextOut(tx, ty, text);

  c.SetPen(palette::Ink(w, palette::kDial, palette::kBlack));
  c.SetBrush(palette::Ink(w, palette::kTeal, palette::kWhite));
  c.Ellipse(cx - 26, cy - 8, cx + 26, cy + 8);
  // The card is fixed to the boat, bow up, so north swings against the heading.
  c.SetPen(palette::Ink(w, palette::kWhite, palette::kBlack));
  c.MoveTo(cx, cy);
  c.LineTo(cx + 13 * k / 100, cy - 13 * s / 300);
  c.MoveTo(cx, cy);
  c.LineTo(cx - 13 * k / 100, cy + 13 * s / 300);
  c.MoveTo(cx, cy);
  c.LineTo(cx + 13 * s / 100, cy + 13 * k / 300);
  c.SetPen(palette::Ink(w, palette::kRed, palette::kBlack), 2);
  c.MoveTo(cx, cy);
  c.LineTo(cx - 26 * s / 100, cy - 26 * k / 300);
}

void DrawWindIndicator(World& w, Canvas& c, int kind, int boat, int x, int y) {
  if (w.LessonIntroPending && kind != kTrueWindDial) return;
  const bool small = kind == kSmallTrueWindDial || kind == kSmallNorthUpWindDial;
  const bool circular = kind >= kSmallTrueWindDial;
  const int r = small ? 13 : 26;
  const int q = circular ? 1 : 3;
  const bool lesson = IsLessonWithPages(w.ActivityMode);
  const int rho = UserRelativeHeading(w);
  const int tack = w.BoatTack[boat];

  int cx = x;
  int cy = y - 10;
  int a = 0;
  switch (kind) {
    case kTrueWindDial:
      cx = x + 4 + 2 * r;
      a = -(tack * w.TrueWindAngles[boat] + rho);
      if (lesson) {
        cy = y - w.ViewHeight / 30;
        a = w.WindDirection;
      }
      break;
    case kSmallTrueWindDial:
      cy = y - w.ViewHeight / 30;
      cx = x + r + 4;
      a = -tack * w.TrueWindAngles[boat];
      break;
    case kNorthUpWindDial:
    case kSmallNorthUpWindDial:
      cy = y - w.ViewHeight / 15;
      cx = x + r + 4;
      a = NormalizeDegrees(-w.WindDirection);
      break;
    case kApparentWindDial:
      cx = x + 5 * r + 4;
      a = -(tack * w.PreviousApparentWindAngle + rho);
      w.ScreenWindBearing = SignedDegrees(WrapDegreesFull(a));
      break;
    case kCurrentDial:
      cx = w.ViewWidth - 5 * r;
      a = NormalizeDegrees(w.BoatHeadings[boat] - w.CurrentDirection) - rho;
      break;
    default:
      return;
  }

  // The arrowhead sits at the centre; the long stroke points to where the flow comes from.
  const int barb = small ? 6 : 13;
  const int d = WrapDegreesFull(a);
  const int left = WrapDegreesFull(a - 40);
  const int right = WrapDegreesFull(a + 40);
  c.SetPen(ArrowColor(w, kind), small ? 1 : 2);
  c.MoveTo(cx, cy);
  c.LineTo(cx - r * w.SinTable[d] / 100, cy - r * w.CosTable[d] / (100 * q));
  c.MoveTo(cx, cy);
  c.LineTo(cx - barb * w.SinTable[left] / 100, cy - barb * w.CosTable[left] / (100 * q));
  c.MoveTo(cx, cy);
  c.LineTo(cx - barb * w.SinTable[right] / 100, cy - barb * w.CosTable[right] / (100 * q));

  if (kind != kSmallTrueWindDial) {
    c.SetPen(palette::Ink(w, palette::kDial, palette::kBlack));
    c.SetHollowBrush();
    c.Ellipse(cx - r, cy - r / q, cx + r, cy + r / q);
  }

  int row = circular ? cy - 2 * r : cy - r;
  if (w.ViewWidth > 900) row -= 1;
  c.SetTextColor(palette::Ink(w, palette::kYellow, palette::kBlack));
  switch (kind) {
    case kTrueWindDial:
      if (!lesson) c.TextOut(cx - 35, row, "真の風  " + std::to_string(w.WindSpeedAtBoat[boat]));
      break;
    case kSmallTrueWindDial:
    case kSmallNorthUpWindDial:
      c.TextOut(cx - 12, row, "真の風  ");
      break;
    case kNorthUpWindDial:
      c.TextOut(cx - 24, row, "真の風  " + std::to_string(w.WindSpeed));
      break;
    case kApparentWindDial:
      if (!lesson) c.TextOut(cx - 24, row, "見ｶｹﾉ風 " + std::to_string(w.ApparentWindSpeed));
      break;
    case kCurrentDial:
      c.TextOut(cx - 25, row, "潮   " + OneDecimal(w.EffectiveCurrent));
      break;
  }
  // The tide dial keeps its own label in the lessons.
  if (lesson && kind != kCurrentDial) c.TextOut(cx - 12, row, "風  ");
}

void DrawViewIndicators(World& w, Canvas& c, int x, int y) {
  // The dials keep their size on every screen; so do their labels.
  c.SetFont(FontRole::Small);
  DrawCompass(w, c, 1, x, y);
  DrawWindIndicator(w, c, kTrueWindDial, 1, x, y);
  DrawWindIndicator(w, c, kApparentWindDial, 1, x, y);
  if (w.EffectiveCurrent != 0) DrawWindIndicator(w, c, kCurrentDial, 1, x, y);
  c.SetFont(FontRole::Normal);
}
