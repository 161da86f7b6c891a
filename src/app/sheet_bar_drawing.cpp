#include "app/sheet_bar_drawing.h"

#include <algorithm>

#include "draw/palette.h"
#include "input/sheet_bars.h"
#include "state/world.h"

namespace {

constexpr Color kBarColour = palette::kLightGrey;
constexpr Color kBarEdge = palette::kGrey;
constexpr Color kMarkColour = palette::kRed;

// The row of value on a scale of range steps running from bar.top to bar.scaleEnd; cells
// (the traveller's five places) are marked in their middle.
int MarkRow(const SheetBar& bar, double value, double range, bool cells) {
  const double at = cells ? (value + 0.5) / range : value / range;
  const int row = bar.top + static_cast<int>(at * (bar.scaleEnd - bar.top));
  return std::clamp(row, bar.top + 1, bar.bottom - 2);
}

// A bar is drawn down to the bottom of the scene at most: below it the 2D view's buttons and
// the panel keep their labels whole (the press range itself is unchanged).
void DrawBar(const World& w, Canvas& c, int left, int right, SheetBar bar, int markRow) {
  bar.bottom = std::min(bar.bottom, w.SceneBottom);
  if (bar.bottom - bar.top < 3) return;
  markRow = std::min(markRow, bar.bottom - 2);
  const bool mono = w.Monochrome == 1;
  c.FillRect(Rect{left, bar.top + 1, right, bar.bottom}, kBarColour);
  if (!mono) {
    c.FillRect(Rect{left, bar.top + 1, right, bar.top + 2}, kBarEdge);
    c.FillRect(Rect{left, bar.bottom - 1, right, bar.bottom}, kBarEdge);
  }
  const Color mark = palette::Pick(mono, kMarkColour, palette::kBlack);
  c.FillRect(Rect{left, markRow - 1, right, markRow + 2}, mark);
}

}  // namespace

void DrawSheetBars(const World& w, Canvas& canvas) {
  if (w.InstructionPage > 0) return;  // a page covers the view and takes the presses
  const SheetBarLayout l = SheetBars(w);
  DrawBar(w, canvas, 0, l.width, l.mainSheet, MarkRow(l.mainSheet, w.MainSheet + 3, 50, false));
  DrawBar(w, canvas, 0, l.width, l.traveller, MarkRow(l.traveller, w.Traveller, 5, true));
  const bool spinnaker = w.SpinnakerFlying[1] != 0;
  const double sheet = spinnaker ? w.SpinnakerSheet : w.JibSheet;
  DrawBar(w, canvas, w.ViewWidth - l.width + 1, w.ViewWidth, l.headSail, MarkRow(l.headSail, sheet, 24, false));
}
