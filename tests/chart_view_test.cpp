// The heading-up 2D view, the chart screen and the reduced chart of free sailing.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <utility>

#include "chart_session.h"
#include "draw/palette.h"
#include "sim/frame_counts.h"
#include "state/angles.h"
#include "state/world.h"
#include "view2d/mini_view.h"
#include "test_world.h"

namespace {

TEST(MiniView, ZoomButtonsHalveAndDoubleWithinTwoAnd128) {
  ChartSession s;
  s.Start(1);
  s.Run("key SPACE\nframes 1\n");
  ASSERT_EQ(s.w().MiniViewZoom, 64);
  for (int zoom : {32, 16, 8, 4, 2, 2}) {
    s.PressOn("ｽﾞｰﾑｲﾝ ");
    EXPECT_EQ(s.w().MiniViewZoom, zoom);
    EXPECT_EQ(s.w().ClickY, 0);  // consumed
  }
  for (int i = 0; i < 7; ++i) s.PressOn("ｽﾞｰﾑｱｳﾄ ");
  EXPECT_EQ(s.w().MiniViewZoom, 128);

  // Just right of the buttons the click is not theirs and stays latched.
  const TextLogEntry* in = s.Find("ｽﾞｰﾑｲﾝ ");
  ASSERT_NE(in, nullptr);
  const int beside = s.w().ViewWidth / 12 + 3;
  s.Run("press " + std::to_string(beside) + " " + std::to_string(in->y + 5) + "\nframes 1\n");
  EXPECT_EQ((std::pair{s.w().MiniViewZoom, s.w().ClickX}), (std::pair{128, beside}));
}

TEST(MiniView, FarObjectsStandAt7000YardsOnTheirTrueBearing) {
  auto world = TestWorld().Build();
  World& w = *world;  // one pixel per yard
  std::tie(w.ScaleX, w.MiniViewZoom, w.BoatX[1], w.BoatY[1], w.BoatHeadings[1]) =
      std::tuple{1.0, 4, 250.5, -120.25, 30};
  const Rect view{0, 300, 600, 480};
  const Point origin{300, (5 * 480 + 4 * 300) / 9};
  for (int bearing : {0, 45, 137, 250, 329}) {
    const double b = bearing * kDegToRad;
    const Point far = MiniViewPoint(w, view, w.BoatX[1] + std::sin(b) * 10000, w.BoatY[1] - std::cos(b) * 10000);
    // Heading-up: the bearing relative to the heading, clockwise from straight up.
    const double rel = (bearing - 30) * kDegToRad;
    EXPECT_NEAR(far.x - origin.x, std::sin(rel) * 7000, 1.5) << bearing;
    EXPECT_NEAR(origin.y - far.y, std::cos(rel) * 7000, 1.5) << bearing;
  }
  // Nearer than the range, a point keeps its distance.
  const Point close = MiniViewPoint(w, view, w.BoatX[1], w.BoatY[1] - 100);
  EXPECT_NEAR(std::hypot(close.x - origin.x, close.y - origin.y), 100, 1.5);
}

// The swimmer shows on the 2D view only for the first (20 - Difficulty) x 10 running frames
// after the fall.
TEST(MiniView, SwimmerIsSeenOnlyForAWhileAfterTheFall) {
  auto world = TestWorld().Activity(Activity::kManOverboard).Build();
  World& w = *world;
  std::tie(w.ScaleX, w.MiniViewZoom, w.Difficulty, w.OverboardSeconds, w.TargetY[1], w.TimeStep) =
      std::tuple{1.0, 4, 15, 11, -30, 0.2};
  Canvas c(640, 480);
  const Rect view{0, 300, 300, 480};
  auto seen = [&](int seconds) {
    w.SimSeconds = seconds;
    c.BeginFrame();
    CountSwimmerSightFrames(w);
    DrawMiniView(w, c, view);
    return CountPixels(c, palette::kChartSwimmer, view) > 0;
  };
  EXPECT_FALSE(seen(5));
  EXPECT_TRUE(seen(11));
  EXPECT_EQ(w.SwimmerSightFrames, 1);
  w.Stopped = 1;  // a stopped frame does not count
  seen(11);
  EXPECT_EQ(w.SwimmerSightFrames, 1);
  std::tie(w.Stopped, w.SwimmerSightFrames) = std::tuple{0, 48};
  EXPECT_TRUE(seen(12));
  EXPECT_FALSE(seen(12));
  EXPECT_EQ(w.SwimmerSightFrames, 50);
}

TEST(Chart, ButtonReturnsToTheSailingView) {
  ChartSession s;
  s.Start(0);
  s.Run("key SPACE\nframes 2\nkey R\nframes 2\n");
  ASSERT_EQ(s.w().ChartShown, 1);
  EXPECT_NE(s.Find("*** 海図表示 ***  "), nullptr);

  s.PressOn("3D表示(ｾｰﾘﾝｸﾞﾋﾞｭｰ)");
  EXPECT_EQ((std::pair{s.w().ChartShown, s.w().ClickY}), (std::pair{0, 0}));
  s.Run("frames 1\n");
  EXPECT_EQ(s.Find("*** 海図表示 ***  "), nullptr);
  EXPECT_NE(s.Find("- ﾁｬｰﾄ - "), nullptr);  // free sailing's corner view
}

TEST(Chart, LandLiesOnTheShoresLandSide) {
  for (int area : {1, 3}) {
    ChartSession s;
    s.Run("set ActivityMode 0\nset SailingArea " + std::to_string(area) + "\nkey SPACE\nframes 2\nkey SPACE\nkey R\nframes 1\n");
    const World& w = s.w();
    const Color land = palette::kChartLand, sea = palette::kChartSea;
    const int x = w.ViewWidth / 2;
    // The bay (area 3) has land north and south; the open shore only on its quadrant's side.
    const bool northLand = area == 3 || w.ShoreQuadrant == 1, southLand = area == 3 || w.ShoreQuadrant != 1;
    EXPECT_EQ(s.canvas().GetPixel(x, w.ViewHeight / 2 + 20), sea);
    EXPECT_EQ(s.canvas().GetPixel(x, 60), northLand ? land : sea) << area << " quadrant " << w.ShoreQuadrant;
    EXPECT_EQ(s.canvas().GetPixel(x, w.ViewHeight - 3), southLand ? land : sea) << area;
  }
}

}  // namespace
