#include "app/steering_strip.h"

#include <algorithm>
#include <string>

#include "app/panel.h"
#include "draw/palette.h"
#include "sim/steering.h"
#include "state/activity.h"
#include "state/world.h"

namespace {

// The caption's offset grows with the screen, a little less with the large menu font.
int CaptionOffset(const World& w) {
  const int W = w.ViewWidth;
  if (W > 1000) return w.LargeMenuFont ? 98 : 113;
  if (W >= 800) return w.LargeMenuFont ? 61 : 77;
  return 50;
}

void FillZone(const World& w, Canvas& canvas, const Rect& zone, bool steering) {
  if (w.Monochrome) {
    canvas.FillRect(zone, steering ? palette::kLightGrey : palette::kWhite);
  } else {
    canvas.FillRect(zone, steering ? palette::kSteeringZoneHot : palette::kSteeringZone);
  }
  canvas.SetPen(palette::kGrey);
  canvas.SetHollowBrush();
  canvas.Rectangle(zone.left, zone.top, zone.right, zone.bottom);
}

void DrawHorizontalZone(const World& w, Canvas& canvas, const SteeringZone& z) {
  const int W = w.ViewWidth;
  const int H = w.ViewHeight;
  const bool steering = PointerInZone(w, z);
  FillZone(w, canvas, Rect{z.left, z.top, z.right, H}, steering);

  const int c = CaptionOffset(w);
  canvas.SetFont(FontRole::Normal);
  canvas.SetTextOpaque(false);
  if (!steering) {
    const bool small = W < 701;
    SetPanelColor(w, canvas, palette::kGrey);
    canvas.TextOut(W / 3 + c - W / 40 + (small ? 0 : 14), z.top + H / 60 - 6 + (small ? 0 : 6), "ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ ");
  }
  int below = H / 40;
  if (W > 899 || (W > 700 && w.LargeMenuFont == 0)) {
    below = H / 35;
  } else if (W < 700) {
    below = H / 40 - 4;
  }
  SetPanelColor(w, canvas, w.SimSpeed == 1 ? palette::kRed : palette::kBlue);
  // The label stands left of the centre line and the number right of it; with a larger font
  // the label moves left rather than run into the line.
  const int labelEnd = z.centreX - 4 - canvas.TextWidth("ｼﾐｭﾚｰﾀ速度:");
  const int x = std::min(W / 3 - W / 150 + c - W / 40, labelEnd);
  canvas.TextOut(x, z.top + H / 60 + below, "ｼﾐｭﾚｰﾀ速度:      " + std::to_string(w.SimSpeed));
  canvas.SetTextOpaque(true);

  canvas.SetPen(palette::kBlack);
  canvas.MoveTo(z.centreX, z.top);
  canvas.LineTo(z.centreX, H);
}

// The vertical zone: up from the neutral row heads the boat up, down bears away.
void DrawVerticalZone(const World& w, Canvas& canvas, const SteeringZone& z) {
  const int H = w.ViewHeight;
  const bool steering = PointerInZone(w, z);
  FillZone(w, canvas, Rect{z.left, z.top, z.right, H}, steering);
  if (!steering) {
    const char* caption = "ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ ";
    canvas.SetFont(FontRole::Small);
    // Narrow zones leave the caption out rather than spill it over the panel.
    if (canvas.TextWidth(caption) < z.right - z.left - 4) {
      canvas.SetTextOpaque(false);
      SetPanelColor(w, canvas, palette::kGrey);
      canvas.TextOut(z.left + 3, z.top + 3, caption);
      canvas.SetTextOpaque(true);
    }
    canvas.SetFont(FontRole::Normal);
  }
  canvas.SetPen(palette::kBlack);
  canvas.MoveTo(z.left, z.centreY);
  canvas.LineTo(z.right, z.centreY);
}

}  // namespace

void DrawSteeringZone(const World& w, Canvas& canvas) {
  if (w.LessonIntroPending) return;
  const SteeringZone z = SteeringZoneGeometry(w);
  // In the sail lessons the panel spans the whole strip.
  if (IsSailLesson(w.ActivityMode) || z.right <= z.left) return;
  canvas.SetTextColor(palette::kBlack);
  if (z.vertical) {
    DrawVerticalZone(w, canvas, z);
  } else {
    DrawHorizontalZone(w, canvas, z);
  }
}
