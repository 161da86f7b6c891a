// Playing the recording back: seek, speed and step, the scratch world a frame is drawn from,
// the replay screen's controls, and the debrief's sums against a track built by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "app/replay_screen.h"
#include "canvas_helpers.h"
#include "input/command_ids.h"
#include "input/command_table.h"
#include "sim/frame_advance.h"
#include "sim/replay_debrief.h"
#include "sim/replay_play.h"
#include "sim/replay_record.h"
#include "state/activity.h"
#include "test_world.h"
#include "view2d/replay_view.h"

namespace {

// A ten-boat race sailed for `frames` frames, then over and on its results screen.
std::unique_ptr<World> RaceSailed(int frames) {
  auto w = TestWorld().Sailing().Activity(Activity::kTriangleRace).Fleet(10).Seed(5).Screen(1280, 768).Start();
  w->InstructionPage = 0;
  for (int n = 0; n < frames; ++n) AdvanceWorld(*w);
  w->ResultsShown = 1;
  return w;
}

void ClickOn(World& w, const Rect& r) { std::tie(w.ClickX, w.ClickY) = std::tuple{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(ReplayPlay, SeekAndSpeedMoveTheClock) {
  auto w = RaceSailed(200);
  OpenReplay(*w);
  const double length = ReplayDuration(w->replay);
  ASSERT_TRUE(w->ReplayShown == 1 && length > 0);
  SeekReplay(*w, 0.5);
  EXPECT_DOUBLE_EQ(w->ReplayTime, length / 2);
  const auto& frames = w->replay.frames;
  const int i = ReplayFrameIndex(*w);
  EXPECT_LE(frames[i].simTime - frames[0].simTime, length / 2);
  EXPECT_GT(frames[i + 1].simTime - frames[0].simTime, length / 2);
  SeekReplay(*w, 2);  // clamped to the end
  EXPECT_EQ(ReplayFrameIndex(*w), static_cast<int>(frames.size()) - 1);

  // At 1x one replay frame is one frame of the sailing; at 8x eight.
  EXPECT_NEAR(ReplaySecondsPerFrame(w->replay), frames[1].simTime - frames[0].simTime, 1e-9);
  std::tie(w->ReplayTime, w->ReplayPlaying) = std::tuple{0.0, 1};
  AdvanceReplay(*w);
  EXPECT_EQ(ReplayFrameIndex(*w), 1);
  SetReplaySpeed(*w, 8), AdvanceReplay(*w);
  EXPECT_EQ(ReplayFrameIndex(*w), 9);
  for (int n = 0; n < 100 && w->ReplayPlaying; ++n) AdvanceReplay(*w);
  EXPECT_EQ(std::tuple(w->ReplayPlaying, w->ReplayTime), std::tuple(0, length));  // stopped at the end
  AdvanceReplay(*w);
  EXPECT_DOUBLE_EQ(w->ReplayTime, length);
  // Speeds are powers of two from one to sixteen.
  for (auto [asked, got] : {std::pair{0, 1}, {1, 1}, {2, 2}, {3, 2}, {4, 4}, {7, 8}, {16, 16}, {17, 16}, {100, 16}})
    EXPECT_EQ((SetReplaySpeed(*w, asked), w->ReplaySpeed), got) << asked;
}

// Stepping a frame at a time, the scratch world shows the frame stepped to (each frame's boats
// put into a world exactly: ReplayRecording.ReplayReproducesEveryRecordedFrame); following
// boat 3 puts it in the user's place.
TEST(ReplayPlay, SteppingShowsEveryRecordedFrameExactly) {
  auto w = RaceSailed(150);
  OpenReplay(*w);
  const auto& frames = w->replay.frames;
  const int last = static_cast<int>(frames.size()) - 1;
  for (int i = 0; i <= last; StepReplay(*w, 1), ++i) {
    ASSERT_EQ(ReplayFrameIndex(*w), i);
    const ReplayBoat& r = frames[i].boats[3];
    auto s = ReplayWorld(*w);
    ASSERT_EQ(std::tuple(s->BoatX[4], s->BoatY[4], s->BoatHeadings[4]), std::tuple(r.x, r.y, r.heading)) << i;
  }
  // Past the end stays on the last frame, not playing.
  EXPECT_EQ(std::tuple(ReplayFrameIndex(*w), w->ReplayPlaying), std::tuple(last, 0));
  StepReplay(*w, -3);
  EXPECT_EQ(ReplayFrameIndex(*w), last - 3);
  FollowBoat(*w, 3);
  auto s = ReplayWorld(*w);
  const ReplayFrame& f = frames[last - 3];
  EXPECT_EQ(std::tuple(s->BoatX[1], s->BoatX[3]), std::tuple(f.boats[2].x, f.boats[0].x));
  FollowBoat(*w, 11);  // not in the fleet
  EXPECT_EQ(w->ReplayFollow, 3);
}

// The replay screen, clicked: the speed and the bar, then leaving; the live sailing, its
// results and its recording stay as they were.
TEST(ReplayPlay, MenuItemScreenControlsAndTheLiveWorldUntouched) {
  auto w = RaceSailed(120);
  const Command* replay = FindCommand(Cmd::kReplay);  // the menu item: only from the results screen
  ASSERT_TRUE(replay != nullptr && replay->enabled(*w, replay->arg));
  const double x = w->BoatX[4], time = w->SimTime;
  const std::size_t recorded = w->replay.frames.size();
  Canvas c(w->ViewWidth, w->ViewHeight);
  c.BeginFrame(), DrawReplayButton(*w, c);
  ClickOn(*w, ReplayButtonRect(*w)), DrawReplayButton(*w, c);
  ASSERT_EQ(w->ReplayShown, 1);

  const ReplayLayout l = ReplayLayoutFor(*w);
  ClickOn(*w, l.controls[static_cast<int>(ReplayControl::kSpeed16)]), PaintReplayScreen(*w, c);
  EXPECT_EQ(w->ReplaySpeed, kReplayMaxSpeed);
  EXPECT_NE(FindText(c, "*** リプレイ ***", true), nullptr);

  std::tie(w->ClickX, w->ClickY, w->ReplayPlaying) = std::tuple{l.bar.left + l.bar.Width() / 4, (l.bar.top + l.bar.bottom) / 2, 0};
  PaintReplayScreen(*w, c);  // a quarter along the bar
  EXPECT_NEAR(w->ReplayTime, ReplayDuration(w->replay) / 4, ReplayDuration(w->replay) / l.bar.Width() + 1e-9);

  // A click on a boat of the chart follows it.
  const ReplayChartFrame f = ReplayChartFrameFor(*w, l.chart);
  const ReplayFrame& now = w->replay.frames[ReplayFrameIndex(*w)];
  auto at = [&](int b) { return f.ToScreen(now.boats[b - 1].x, now.boats[b - 1].y); };
  int alone = 0;
  for (int b = 2; b <= now.boatCount && alone == 0; ++b) {
    int near = 0;
    for (int o = 1; o <= now.boatCount; ++o) near += std::abs(at(o).x - at(b).x) + std::abs(at(o).y - at(b).y) < 4;
    if (near == 1) alone = b;  // only itself
  }
  ASSERT_GT(alone, 1);
  std::tie(w->ClickX, w->ClickY) = std::tuple{at(alone).x + 1, at(alone).y}, PaintReplayScreen(*w, c);
  EXPECT_EQ(w->ReplayFollow, alone);

  ClickOn(*w, l.controls[static_cast<int>(ReplayControl::kLeave)]), PaintReplayScreen(*w, c);
  EXPECT_EQ(std::tuple(w->ReplayShown, w->ResultsShown, w->BoatX[4], w->SimTime, w->replay.frames.size()),
            std::tuple(0, 1, x, time, recorded));
  w->ResultsShown = 0;
  EXPECT_FALSE(replay->enabled(*w, replay->arg));
  w->ResultsShown = 1, w->replay.frames.clear();  // nothing recorded
  EXPECT_FALSE(replay->enabled(*w, replay->arg));
}

// A boat's track laid by hand: a stretch before the start, a beat of three stretches with a
// tack past waypoints 1..3, then a run to waypoints 4 and 5 with a gybe and two penalties.
std::vector<ReplayFrame> HandTrack() {
  // t, x, y, leg, tack, true wind angle, wind, penalty
  const double points[][8] = {{-10, 0, -50, 0, 1, 45, 0, 0}, {0, 0, 0, 1, 1, 45, 0, 0},    {10, 30, 40, 2, 1, 45, 10, 0},
                              {20, 0, 80, 3, -1, 45, 0, 0},   {30, 0, 100, 4, -1, 150, 0, 1}, {40, 0, 160, 5, 1, 150, 0, 0},
                              {50, 0, 220, 5, 1, 150, 0, 1}};
  std::vector<ReplayFrame> frames;
  for (const auto& p : points) {
    ReplayFrame& f = frames.emplace_back();
    f.simTime = p[0], f.windDirection = static_cast<int16_t>(p[6]), f.boatCount = 1;
    ReplayBoat& b = f.boats[0];
    b.x = p[1], b.y = p[2], b.leg = static_cast<int8_t>(p[3]), b.tack = static_cast<int8_t>(p[4]);
    b.trueWindAngle = static_cast<int16_t>(p[5]), b.penalty = static_cast<int8_t>(p[7]);
  }
  return frames;
}

// seconds, sailed and straight yards, lifted seconds, tacks, gybes, penalties
auto Sums(const LegDebrief& l) { return std::tuple(l.seconds, l.sailedYards, l.straightYards, l.liftedSeconds, l.tacks, l.gybes, l.penalties); }

TEST(ReplayDebrief, PerLegSumsOfAHandBuiltTrack) {
  const BoatDebrief d = DebriefBoat(HandTrack(), 1);
  ASSERT_EQ(d.legs.size(), 3u);
  EXPECT_EQ(std::tuple(d.legs[0].leg, d.legs[1].leg, d.legs[2].leg), std::tuple(kPreStartLeg, 1, 2));  // waypoints 1..3 are one leg
  EXPECT_EQ(std::tuple(d.legs[0].seconds, d.legs[0].sailedYards), std::tuple(10.0, 50.0));
  // The beat sails 50 + 50 + 20 to where the run begins. Its mean wind is 3.3: starboard in the
  // veer and port in the backs are lifted. The run is never lifted (not beating).
  EXPECT_EQ(Sums(d.legs[1]), std::tuple(30.0, 120.0, 100.0, 20.0, 1, 0, 0));
  EXPECT_NEAR(d.legs[1].vmgKnots, 100.0 / 30 * 3600 / kYardsPerNauticalMile, 1e-9);
  EXPECT_EQ(Sums(d.legs[2]), std::tuple(20.0, 120.0, 120.0, 0.0, 0, 1, 2));
  EXPECT_EQ(Sums(d.total), std::tuple(50.0, 240.0, 220.0, 20.0, 1, 1, 2));  // the start's stretch left out
  EXPECT_TRUE(DebriefBoat(HandTrack(), 2).legs.empty());
}

TEST(ReplayDebrief, WindShiftsAreMarkedWhereTheWindTurnedEnough) {
  std::vector<ReplayFrame> frames = HandTrack();
  const auto shifts = [&] { return WindShifts(frames, kShownShiftDegrees); };
  ASSERT_EQ(shifts().size(), 2u);
  EXPECT_EQ(std::tuple(shifts()[0].simTime, shifts()[0].change, shifts()[1].change), std::tuple(10.0, 10, -10));
  frames[2].windDirection = 4;  // under the threshold
  EXPECT_TRUE(shifts().empty());
  frames[2].windDirection = 358, frames[3].windDirection = 353;  // across north: a back of 2
  ASSERT_EQ(shifts().size(), 2u);
  EXPECT_EQ(shifts()[0].change, -7);
}

}  // namespace
