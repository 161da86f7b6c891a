#include "app/panel.h"

#include <cmath>
#include <cstdlib>

#include "boat/boat_family.h"
#include "draw/palette.h"
#include "input/command_actions.h"
#include "input/control_buttons.h"
#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

// The clock shows one minute per 34.1 simulated seconds.
constexpr double kClockMinutesPerSecond = 0.029325513196480937;

std::string MainSailText(const World& w) {
  if (w.MainBackwindCopy > 0) return "ﾒｲﾝ : " + std::to_string(w.MainBackwindCopy);
  return w.MainStalled == 1 ? "ﾒｲﾝ : 失速 " : "ﾒｲﾝ : ﾌﾙ  ";
}

std::string JibText(const World& w) {
  if (w.JibState > 0) return "ジブ:" + std::to_string(w.JibState);
  return w.JibState == 0 ? "ジブ: ﾌﾙ " : "ジブ: 失速";
}

const char* SpinnakerText(const World& w) {
  if (w.SpinnakerCollapse > 0) return "ｽﾋﾟﾝ: つぶれる";
  if (w.SpinnakerMistrim == 0) return "ｽﾋﾟﾝ: ﾌﾙ  ";
  return w.SpinnakerAutoTrimActive == 1 ? "ｽﾋﾟﾝ: 出しすぎ" : "ｽﾋﾟﾝ: 引きすぎ ";
}

void DrawSailRows(World& w, Canvas& canvas, int x, int y, int L) {
  canvas.TextOut(x, y, MainSailText(w));
  const bool spinnaker = w.SpinnakerFlying[1] == 1;
  if (!spinnaker && HasJib(w)) {
    canvas.TextOut(x, y + L, JibText(w));
    // The shorter furled label is drawn over the state; its blanks hide the rest.
    if (w.JibFurl == 100) canvas.TextOut(x, y + L, "ジブ: 巻く ");
  } else if (spinnaker && w.HullClass > Hull::kTwoPerson) {
    canvas.TextOut(x, y + L, SpinnakerText(w));
  }
}

void DrawBoatRows(World& w, Canvas& canvas, int x, int y, int L) {
  SetPanelColor(w, canvas, palette::kNavy);
  const int tenths = static_cast<int>(std::fabs(w.BoatSpeeds[1]));
  canvas.TextOut(x, y + 2 * L, (w.BoatSpeedTenths[1] < 0 ? "速度 : -" : "速度 : ") + KnotsText(tenths));
  canvas.TextOut(x, y + 3 * L, "ﾋｰﾙ : " + std::to_string(w.HeelAngles[1]));
  canvas.TextOut(x, y + 4 * L, "ﾘｰｳｪｲ : " + std::to_string(w.LeewayAngle));
  const std::string angle = std::to_string(w.TrueWindAngles[1]);
  if (w.HoldCloseHauled) {
    canvas.TextOut(x, y + 5 * L, (NarrowButtonScreen(w) ? "ｸﾛｰｽ(" : "ｸﾛｰｽﾎｰﾙﾄﾞ (") + angle + ")");
  } else if (w.TrueWindAngles[1] < 60) {
    canvas.TextOut(x, y + 5 * L, "ﾎﾟｲﾝﾄ : " + angle);
  }
}

// The faster and slower boxes on row 7 of column 1.
void DrawSpeedButtons(World& w, Canvas& canvas, const PanelLayout& p) {
  const int L = p.lineHeight;
  const int top = p.top + 6 * L;
  const int width = w.ViewWidth / 17;
  struct SpeedButton {
    const char* label;
    Color color;
    void (*act)(World&);
    int help;
  };
  const SpeedButton buttons[2] = {{"速く  ", palette::kGreen, SimSpeedFaster, kHelpFaster},
                                  {"遅く  ", palette::kYellow, SimSpeedSlower, kHelpSlower}};
  canvas.SetTextOpaque(false);
  for (int i = 0; i < 2; ++i) {
    const SpeedButton& b = buttons[i];
    const int left = p.column1 + i * width;
    DrawButtonFrame(w, canvas, left, top, left + width, top + L);
    canvas.SetTextColor(palette::Ink(w, b.color, palette::kWhite));
    canvas.TextOut(left + 2, top + L / 8, b.label);
    // At either end of the range the speed stays put, but the press still clicks.
    if (ClickInside(w, left, top, left + width, top + L)) {
      b.act(w);
      w.ClickY = 0;
      PlaySoundEvent(w, SoundEvent::kSheetIn);
    }
    if (PointerInside(w, left, top, left + width, top + L)) w.ButtonHelpLine = b.help;
  }
  canvas.SetTextOpaque(true);
}

}  // namespace

void SetPanelColor(const World& w, Canvas& canvas, Color color) {
  if (!w.Monochrome) canvas.SetTextColor(color);
}

std::string KnotsText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string RelativeBearingText(int bearing) {
  if (bearing == 0) return "前方 ";
  if (bearing < 0) return std::to_string(-bearing) + " 度(左舷)";
  return std::to_string(bearing) + " 度(右舷)";
}

ClockReading DisplayedClock(double simTime) {
  double minutes = simTime * kClockMinutesPerSecond;
  if (simTime >= 0) minutes *= 0.8;
  // Whole minutes, not minutes within the hour, so that a long sail keeps counting up.
  const int whole = static_cast<int>(minutes);
  return ClockReading{whole, static_cast<int>(60 * minutes - 60.0 * whole)};
}

std::string ClockText(int minutes, int seconds) {
  return "時間: " + std::to_string(minutes) + (seconds < 10 ? ": 0" : ": ") + std::to_string(seconds);
}

PanelLayout ComputePanelLayout(const World& w) {
  double factor = 0.145;
  if (w.ViewWidth < 700) factor = 0.135;
  if (w.ViewWidth < 900 && w.LargeMenuFont == 1) factor = 0.13;
  PanelLayout p;
  p.lineHeight = w.ViewHeight / 35;
  p.column1 = w.PanelLeft + 3;
  p.column2 = w.PanelLeft + static_cast<int>(w.ViewWidthF * factor);
  if (w.LessonIntroPending > 0) {
    p.column1 += w.ViewWidth / 5;
    p.column2 += w.ViewWidth / 5;
  }
  p.top = w.SceneHeight + 1;
  return p;
}

void DrawDataPanel(World& w, Canvas& canvas) {
  const Rect panel{w.PanelLeft, w.SceneHeight, w.ViewWidth, w.ViewHeight};
  canvas.SetClip(panel);
  canvas.SetPen(palette::kBlack);
  canvas.SetBrush(palette::kWhite);
  canvas.Rectangle(panel.left, panel.top, panel.right, panel.bottom);
  w.ButtonHelpLine = kHelpPrompt;

  const PanelLayout p = ComputePanelLayout(w);
  canvas.SetFont(FontRole::Normal);
  canvas.SetTextOpaque(true);
  canvas.SetBackColor(palette::kWhite);
  canvas.SetTextColor(palette::kBlack);
  SetPanelColor(w, canvas, palette::kBlue);
  DrawSailRows(w, canvas, p.column1, p.top, p.lineHeight);
  DrawBoatRows(w, canvas, p.column1, p.top, p.lineHeight);
  DrawSpeedButtons(w, canvas, p);

  canvas.SetTextColor(palette::kBlack);
  DrawActivityRows(w, canvas, p);

  // The horizontal steering strip shows the speed itself; it is not drawn in the sail lessons.
  if (w.VerticalSteeringZone == 1 || IsSailLesson(w.ActivityMode)) {
    SetPanelColor(w, canvas, w.SimSpeed == 1 ? palette::kRed : palette::kBlue);
    canvas.TextOut(p.column1, p.top + 7 * p.lineHeight, "ｼﾐｭﾚｰﾀ速度:      " + std::to_string(w.SimSpeed));
  }

  DrawControlButtons(w, canvas, w.SceneHeight, w.ViewHeight, p.lineHeight);
  canvas.ClearClip();
}
