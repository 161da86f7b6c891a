#include "app/replay_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "draw/palette.h"
#include "sim/replay_debrief.h"
#include "sim/replay_play.h"
#include "state/pointer.h"
#include "state/world.h"
#include "view2d/chart.h"
#include "view2d/mini_view.h"
#include "view2d/replay_view.h"
#include "view3d/camera.h"
#include "view3d/scene.h"

namespace {

// A click this close to a boat (pixels) follows it.
constexpr int kPickRadius = 12;
// The projection slot the 3D view's pick uses.
constexpr int kPickSlot = 0;

int NearestBoat(const World& w, int x, int y, const std::function<Point(int)>& at) {
  int best = 0, bestDistance = kPickRadius * kPickRadius + 1;
  const int count = w.replay.frames.empty() ? 0 : w.replay.frames.front().boatCount;
  for (int b = 1; b <= count; ++b) {
    const Point p = at(b);
    const int d = (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y);
    if (d < bestDistance) best = b, bestDistance = d;
  }
  return best;
}

bool Take(World& w, const Rect& r) { return TakeClick(w, r.left, r.top, r.right, r.bottom); }

// The boat at the click in the 3D view of `scratch`, whose slot 1 holds the followed boat.
void PickInScene(World& w, World& scratch, const Rect& scene) {
  if (!ClickInside(w, scene.left, scene.top, scene.right, scene.bottom)) return;
  const int x = w.ClickX, y = w.ClickY;
  const int picked = NearestBoat(w, x, y, [&](int b) {
    Project(scratch, kPickSlot, scratch.BoatX[b], scratch.BoatY[b]);
    if (scratch.ProjectedDistance <= 0 || std::abs(scratch.ProjectedBearing) > 90) return Point{-10000, -10000};
    return Point{scratch.ProjectedX[kPickSlot], scratch.ProjectedY[kPickSlot]};
  });
  if (picked < 1 || picked == 1) return;
  // Slot 1 and the followed boat's slot are swapped in the scratch world.
  FollowBoat(w, picked == w.ReplayFollow ? 1 : picked);
  w.ClickY = 0;
}

}  // namespace

Rect ReplayButtonRect(const World& w) {
  const int width = std::max(100, w.ViewWidth / 6);
  return Rect{w.ViewWidth - width - 10, 4, w.ViewWidth - 10, 4 + std::max(20, w.ViewHeight / 24)};
}

void DrawReplayButton(World& w, Canvas& c) {
  if (!ReplayAvailable(w)) return;
  const Rect r = ReplayButtonRect(w);
  DrawChartButton(w, c, r, "リプレイ");
  if (Take(w, r)) OpenReplay(w);
}

void TakeReplayClicks(World& w) {
  const ReplayLayout l = ReplayLayoutFor(w);
  for (int i = 0; i < kReplayControls; ++i) {
    if (!Take(w, l.controls[i])) continue;
    const auto control = static_cast<ReplayControl>(i);
    if (control == ReplayControl::kBack) StepReplay(w, -1);
    if (control == ReplayControl::kForward) StepReplay(w, 1);
    if (control == ReplayControl::kPlay) {
      if (w.ReplayPlaying == 0 && w.ReplayTime >= ReplayDuration(w.replay)) w.ReplayTime = 0;
      w.ReplayPlaying = 1 - w.ReplayPlaying;
    }
    if (control == ReplayControl::kLeave) CloseReplay(w);
    const int speedIndex = i - static_cast<int>(ReplayControl::kSpeed1);
    if (speedIndex >= 0 && speedIndex < kReplaySpeedControls) SetReplaySpeed(w, 1 << speedIndex);
  }
  // The bar takes clicks on its edges too.
  const Rect bar{l.bar.left - 1, l.bar.top - 1, l.bar.right + 1, l.bar.bottom + 1};
  if (ClickInside(w, bar.left, bar.top, bar.right, bar.bottom)) {
    SeekReplay(w, static_cast<double>(w.ClickX - l.bar.left) / std::max(1, l.bar.Width()));
    w.ClickY = 0;
  }
  if (ClickInside(w, l.chart.left, l.chart.top, l.chart.right, l.chart.bottom) && ReplayAvailable(w)) {
    const ReplayChartFrame f = ReplayChartFrameFor(w, l.chart);
    const ReplayFrame& now = w.replay.frames[ReplayFrameIndex(w)];
    const int picked = NearestBoat(w, w.ClickX, w.ClickY, [&](int b) { return f.ToScreen(now.boats[b - 1].x, now.boats[b - 1].y); });
    if (picked > 0) FollowBoat(w, picked);
    w.ClickY = 0;
  }
}

void PaintReplayScreen(World& w, Canvas& c) {
  AdvanceReplay(w);
  TakeReplayClicks(w);
  if (w.ReplayShown == 0) return;
  const ReplayLayout l = ReplayLayoutFor(w);
  std::unique_ptr<World> scratch = ReplayWorld(w);
  c.FillRect(Rect{0, 0, w.ViewWidth, w.ViewHeight}, palette::kWhite);

  scratch->SceneHeight = scratch->SceneBottom = l.scene.bottom;
  c.SetClip(l.scene);
  ComposeScene(*scratch, c, l.scene);
  c.ClearClip();
  PickInScene(w, *scratch, l.scene);
  DrawMiniView(*scratch, c, l.plan);
  DrawReplayChart(*scratch, w, c, l.chart);
  DrawDebriefPanel(w, c, l.debrief, DebriefFleet(w.replay.frames));
  DrawReplayControls(w, c, l);
  DrawTimeBar(w, c, l.bar);

  c.SetFont(FontRole::Normal);
  c.SetTextOpaque(true);
  c.SetBackColor(palette::kWhite);
  c.SetTextColor(palette::Ink(w, palette::kNavy, palette::kBlack));
  const double length = ReplayDuration(w.replay);
  const int now = static_cast<int>(w.ReplayTime), total = static_cast<int>(length);
  char clock[64];
  std::snprintf(clock, sizeof clock, "  %d:%02d / %d:%02d  %d×  艇%d", now / 60, now % 60, total / 60, total % 60,
                w.ReplaySpeed, w.ReplayFollow);
  c.FillRect(l.title, palette::kWhite);
  c.TextOut(3, l.title.top, std::string("*** リプレイ ***") + clock);
}
