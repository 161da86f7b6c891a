#include "view2d/replay_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "draw/palette.h"
#include "sim/replay_play.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"
#include "view2d/chart.h"
#include "view2d/race_course_2d.h"

namespace {

// Shares of the view: the 3D scene's height, the chart's width, the 2D inset's size.
constexpr double kSceneShare = 0.42;
constexpr double kChartShare = 0.42;
constexpr double kPlanWidthShare = 0.24;
constexpr double kPlanHeightShare = 0.5;
// At most this many points of each track are drawn; the recording is sampled evenly.
constexpr int kTrackPoints = 600;
constexpr int kChartMargin = 8;
constexpr int kArrowLength = 9;

constexpr std::array<std::string_view, kReplayControls> kControlLabels = {
    "|<", "再生", ">|", "1×", "2×", "4×", "8×", "16×", "結果へ戻る"};

Color BoatInk(const World& w, int b) {
  if (b == 1) return palette::Ink(w, palette::kRed, palette::kBlack);
  return palette::Ink(w, palette::kHullColors[std::clamp(b, 0, kMaxBoats)], palette::kGrey);
}

std::string Clock(double seconds) {
  const int s = std::max(0, static_cast<int>(seconds));
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", s / 60, s % 60);
  return text;
}

std::string Fixed(double v, int decimals) {
  char text[24];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

std::string LegName(int leg) {
  if (leg == kPreStartLeg) return "ｽﾀｰﾄ前";
  if (leg == kAfterFinishLeg) return "ﾌｨﾆｯｼｭ後";
  return "第" + std::to_string(leg) + "ﾚｸﾞ";
}

}  // namespace

ReplayLayout ReplayLayoutFor(const World& w) {
  ReplayLayout l;
  const int W = w.ViewWidth, H = w.ViewHeight;
  const int line = std::max(16, H / 30);
  l.title = Rect{0, 0, W, line};
  l.scene = Rect{0, line, W, line + static_cast<int>(H * kSceneShare)};
  l.plan = Rect{0, l.scene.bottom - static_cast<int>(l.scene.Height() * kPlanHeightShare),
                static_cast<int>(W * kPlanWidthShare), l.scene.bottom};
  const int controlsTop = H - 2 * line - 4;
  l.chart = Rect{0, l.scene.bottom, static_cast<int>(W * kChartShare), controlsTop};
  l.debrief = Rect{l.chart.right, l.scene.bottom, W, controlsTop};
  const int width = W / (kReplayControls + 3);
  for (int i = 0; i < kReplayControls; ++i) {
    const int left = 2 + i * width;
    const int right = i == kReplayControls - 1 ? left + 3 * width : left + width - 2;
    l.controls[i] = Rect{left, controlsTop + 1, right, controlsTop + line};
  }
  l.bar = Rect{4, H - line - 2, W - 4, H - 2};
  return l;
}

ReplayChartFrame ReplayChartFrameFor(const World& live, const Rect& r) {
  double minX = live.PinX, maxX = live.PinX, minY = live.PinY, maxY = live.PinY;
  auto take = [&](double x, double y) {
    minX = std::min(minX, x), maxX = std::max(maxX, x);
    minY = std::min(minY, y), maxY = std::max(maxY, y);
  };
  if (IsRace(live.ActivityMode)) {
    take(live.CommitteeBoatX, live.CommitteeBoatY);
    take(live.WindwardMarkX, live.WindwardMarkY);
    take(live.LeewardMarkX, live.LeewardMarkY);
    if (live.ActivityMode == Activity::kTriangleRace) take(live.SideMarkX, live.SideMarkY);
  }
  const auto& frames = live.replay.frames;
  const std::size_t every = std::max<std::size_t>(1, frames.size() / kTrackPoints);
  if (!IsRace(live.ActivityMode) && !frames.empty()) minX = maxX = frames[0].boats[0].x, minY = maxY = frames[0].boats[0].y;
  for (std::size_t i = 0; i < frames.size(); i += every) {
    for (int k = 0; k < frames[i].boatCount; ++k) take(frames[i].boats[k].x, frames[i].boats[k].y);
  }
  ReplayChartFrame f;
  const double spanX = std::max(maxX - minX, 1.0), spanY = std::max(maxY - minY, 1.0);
  f.scale = std::min((r.Width() - 2 * kChartMargin) / spanX, (r.Height() - 2 * kChartMargin) / spanY);
  f.minX = minX;
  f.minY = minY;
  f.left = r.left + (r.Width() - static_cast<int>(spanX * f.scale)) / 2;
  f.top = r.top + (r.Height() - static_cast<int>(spanY * f.scale)) / 2;
  return f;
}

void DrawReplayChart(World& scratch, const World& live, Canvas& c, const Rect& r) {
  c.SetClip(r);
  c.FillRect(r, palette::Ink(live, palette::kChartSea, palette::kWhite));
  const ReplayChartFrame f = ReplayChartFrameFor(live, r);
  const auto toScreen = [&f](double x, double y) { return f.ToScreen(x, y); };
  DrawSceneryOutlines(scratch, c, toScreen);
  if (IsRace(live.ActivityMode)) DrawRaceCourse2D(scratch, c, toScreen, false);

  const auto& frames = live.replay.frames;
  if (!frames.empty()) {
    const int now = ReplayFrameIndex(live);
    const int every = std::max(1, static_cast<int>(frames.size()) / kTrackPoints);
    const int count = frames.front().boatCount;
    for (int k = count - 1; k >= 0; --k) {
      std::vector<Point> track;
      for (int i = 0; i <= now; i += every) track.push_back(f.ToScreen(frames[i].boats[k].x, frames[i].boats[k].y));
      track.push_back(f.ToScreen(frames[now].boats[k].x, frames[now].boats[k].y));
      c.SetPen(BoatInk(live, k + 1), k == 0 ? 2 : 1);
      c.Polyline(track);
    }
    for (int k = 0; k < count; ++k) {
      const ReplayBoat& b = frames[now].boats[k];
      const Point p = f.ToScreen(b.x, b.y);
      const double h = b.heading * kDegToRad;
      c.SetPen(BoatInk(live, k + 1), 3);
      c.MoveTo(p.x, p.y);
      c.LineTo(p.x + static_cast<int>(std::sin(h) * 8), p.y - static_cast<int>(std::cos(h) * 8));
      if (k + 1 == live.ReplayFollow) {
        c.SetPen(palette::Ink(live, palette::kYellow, palette::kBlack), 2);
        c.SetHollowBrush();
        c.Ellipse(p.x - 7, p.y - 7, p.x + 8, p.y + 8);
      }
    }
  }
  c.SetPen(palette::kBlack);
  c.SetHollowBrush();
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  c.ClearClip();
}

void DrawTimeBar(const World& live, Canvas& c, const Rect& r) {
  const bool mono = live.Monochrome == 1;
  c.FillRect(r, palette::Pick(mono, palette::kLightGrey, palette::kWhite));
  const double length = ReplayDuration(live.replay);
  const double share = length > 0 ? std::clamp(live.ReplayTime / length, 0.0, 1.0) : 0;
  const int played = r.left + static_cast<int>(r.Width() * share);
  c.FillRect(Rect{r.left, r.top, played, r.bottom}, palette::Pick(mono, palette::kNavy, palette::kGrey));
  c.SetPen(palette::kBlack);
  c.SetHollowBrush();
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  if (live.replay.frames.empty() || length <= 0) return;
  const double start = live.replay.frames.front().simTime;
  const int cy = (r.top + r.bottom) / 2;
  for (const WindShift& s : WindShifts(live.replay.frames, kShownShiftDegrees)) {
    const int x = r.left + static_cast<int>(r.Width() * (s.simTime - start) / length);
    // The arrow points where the wind blows to; veers and backs in two colours.
    const double to = (s.direction + 180) * kDegToRad;
    const int dx = static_cast<int>(std::sin(to) * kArrowLength), dy = -static_cast<int>(std::cos(to) * kArrowLength);
    c.SetPen(palette::Pick(mono, s.change > 0 ? palette::kMaroon : palette::kDarkGreen, palette::kBlack), 2);
    c.MoveTo(x - dx / 2, cy - dy / 2);
    c.LineTo(x + dx / 2, cy + dy / 2);
    c.Ellipse(x + dx / 2 - 2, cy + dy / 2 - 2, x + dx / 2 + 3, cy + dy / 2 + 3);
  }
  c.SetPen(palette::Pick(mono, palette::kYellow, palette::kBlack), 2);
  c.MoveTo(played, r.top);
  c.LineTo(played, r.bottom);
}

void DrawReplayControls(const World& live, Canvas& c, const ReplayLayout& layout) {
  const bool mono = live.Monochrome == 1;
  c.SetFont(FontRole::Normal);
  for (int i = 0; i < kReplayControls; ++i) {
    const Rect& r = layout.controls[i];
    const auto control = static_cast<ReplayControl>(i);
    const int speedIndex = i - static_cast<int>(ReplayControl::kSpeed1);
    const bool lit = (control == ReplayControl::kPlay && live.ReplayPlaying == 1) ||
                     (speedIndex >= 0 && speedIndex < kReplaySpeedControls && live.ReplaySpeed == (1 << speedIndex));
    c.SetPen(palette::kBlack);
    c.SetBrush(lit ? palette::Pick(mono, palette::kNavy, palette::kBlack) : palette::kWhite);
    c.Rectangle(r.left, r.top, r.right, r.bottom);
    c.SetTextOpaque(false);
    c.SetTextColor(lit ? palette::kWhite : palette::kBlack);
    std::string_view label = kControlLabels[i];
    if (control == ReplayControl::kPlay && live.ReplayPlaying == 1) label = "停止";
    c.TextOut(r.left + 3, r.top + (r.Height() - c.LineHeight()) / 2, label);
  }
  c.SetTextOpaque(true);
}

void DrawDebriefPanel(const World& live, Canvas& c, const Rect& r, const std::vector<BoatDebrief>& fleet) {
  c.SetClip(r);
  c.FillRect(r, palette::kWhite);
  c.SetFont(FontRole::Small);
  c.SetTextOpaque(false);
  const int h = c.LineHeight();
  // Column offsets as shares of the panel's width.
  constexpr std::array<double, 8> kColumns = {0.0, 0.17, 0.29, 0.42, 0.55, 0.67, 0.79, 0.91};
  auto row = [&](int y, const std::array<std::string, 8>& cells, Color colour) {
    c.SetTextColor(colour);
    for (int i = 0; i < 8; ++i) c.TextOut(r.left + 4 + static_cast<int>(kColumns[i] * (r.Width() - 8)), y, cells[i]);
  };
  auto cells = [](const std::string& name, const LegDebrief& d) {
    return std::array<std::string, 8>{name, Clock(d.seconds), Fixed(d.sailedYards, 0), Fixed(d.straightYards, 0),
                                      Fixed(d.vmgKnots, 2), Clock(d.liftedSeconds),
                                      std::to_string(d.tacks) + "/" + std::to_string(d.gybes), std::to_string(d.penalties)};
  };
  const std::array<std::string, 8> header = {"", "時間", "航程yd", "直線yd", "VMGkt", "ﾘﾌﾄ側", "ﾀｯｸ/ｼﾞｬｲﾌﾞ", "ﾍﾟﾅﾙﾃｨ"};
  const Color ink = palette::kBlack;
  const Color head = palette::Ink(live, palette::kNavy, palette::kBlack);
  int y = r.top + 2;
  const int follow = std::clamp(live.ReplayFollow, 1, std::max<int>(1, static_cast<int>(fleet.size())));
  c.SetTextColor(head);
  c.TextOut(r.left + 4, y, "ﾃﾞﾌﾞﾘｰﾌ  艇" + std::to_string(follow) + (follow == 1 ? " (自艇)" : ""));
  y += h;
  row(y, header, head);
  y += h;
  if (follow <= static_cast<int>(fleet.size())) {
    const BoatDebrief& d = fleet[follow - 1];
    for (const LegDebrief& leg : d.legs) {
      row(y, cells(LegName(leg.leg), leg), ink);
      y += h;
    }
    row(y, cells("合計", d.total), head);
    y += h;
  }
  y += h / 2;
  c.SetTextColor(head);
  c.TextOut(r.left + 4, y, "艇団");
  y += h;
  for (const BoatDebrief& d : fleet) {
    row(y, cells("艇" + std::to_string(d.boat), d.total), d.boat == follow ? BoatInk(live, 1) : ink);
    y += h;
  }
  c.SetTextOpaque(true);
  c.SetPen(palette::kBlack);
  c.SetHollowBrush();
  c.Rectangle(r.left, r.top, r.right, r.bottom);
  c.ClearClip();
}
