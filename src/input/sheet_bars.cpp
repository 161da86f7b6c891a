#include "input/sheet_bars.h"

#include <algorithm>

#include "state/world.h"

SheetBarLayout SheetBars(const World& w) {
  const int H = w.ViewHeight;
  const int u = H / 50;
  const int h2 = H / 2;
  const int v = H / 15;
  SheetBarLayout l;
  // The top of a sheet bar is the sheet fully in; the main's scale ends u pixels above its bar.
  l.mainSheet = SheetBar{w.SceneTop, h2, h2 - u};
  l.traveller = SheetBar{h2 + u, w.SceneBottom + v, w.SceneBottom};
  l.headSail = SheetBar{w.SceneTop, h2 + v, h2};
  return l;
}

int BarPosition(int range, int offset, int span) {
  if (span <= 0) return range;
  const double v = static_cast<double>(range) * offset / span;
  return std::clamp(static_cast<int>(std::clamp(v, 0.0, static_cast<double>(range))), 0, range);
}

bool PressSheetBars(World& w, int x, int y) {
  const SheetBarLayout l = SheetBars(w);
  const auto within = [y](const SheetBar& bar) { return bar.top < y && y < bar.bottom; };
  bool acted = false;
  if (x < l.width && within(l.mainSheet)) {
    w.MainAutoTrimActive = 0;
    const SheetBar& b = l.mainSheet;
    w.MainSheet = std::clamp(-3.0 + BarPosition(50, y - b.top, b.scaleEnd - b.top), -3.0, 47.0);
    acted = true;
  }
  if (x < l.width && within(l.traveller)) {
    const SheetBar& b = l.traveller;
    w.Traveller = std::clamp(BarPosition(5, y - b.top, b.scaleEnd - b.top), 0, 4);
    acted = true;
  }
  if (x > w.ViewWidth - l.width && within(l.headSail)) {
    const SheetBar& b = l.headSail;
    const int sheet = BarPosition(24, y - b.top, b.scaleEnd - b.top);
    if (w.SpinnakerFlying[1] == 0) {
      w.JibSheet = sheet;
      w.JibAutoTrimActive = 0;
    } else {
      w.SpinnakerSheet = sheet;
      w.SpinnakerAutoTrimActive = 0;
    }
    acted = true;
  }
  return acted;
}
