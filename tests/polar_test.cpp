// The polar: sailed by the boat model to a steady state, its best VMG angles, the cache, and
// the screen that shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

#include "app/polar_screen.h"
#include "boat/boat_setup.h"
#include "chart_session.h"
#include "input/command_ids.h"
#include "sim/polar.h"
#include "state/angles.h"
#include "test_world.h"

namespace {

constexpr int kDinghy = 4, kKeelboat = 12, kCatamaran = 10, kSkiff = 7;

std::unique_ptr<World> BoatOfType(int type, int wind = 14) {
  auto w = TestWorld().Sailing().Type(type).Wind(wind).Build();
  SetUpBoatClass(*w);
  return w;
}

int IndexOf(int angle) { return (angle - kPolarFirstAngle) / kPolarAngleStep; }

// The boat step run long past any settling, with the polar's set-up, averaged over its last
// frames; also how far the speed still wanders over them.
struct LongRun { double knots, spread; };
LongRun SailLong(const World& w, int wind, int twa, bool spinnaker) {
  auto s = std::make_unique<World>(w);
  PreparePolarBoat(*s, wind);
  SetPolarCourse(*s, twa, spinnaker);
  constexpr int kFrames = 6000, kTail = 400;
  double sum = 0, low = 1e9, high = -1e9;
  for (int f = 0; f < kFrames; ++f) {
    PolarFrame(*s);
    const double v = s->BoatSpeeds[1];
    if (f >= kFrames - kTail) sum += v, low = std::min(low, v), high = std::max(high, v);
  }
  EXPECT_EQ(s->BoatHeadings[1], NormalizeDegrees(twa)) << "the polar's boat holds its course";
  return LongRun{std::max(sum / kTail, 0.0) / 10, (high - low) / 10};
}

}  // namespace

TEST(Polar, SpeedsAreTheBoatStepsSteadyState) {
  for (const int type : {kDinghy, kKeelboat, kCatamaran, kSkiff}) {
    for (const int wind : {8, 20}) {
      auto w = BoatOfType(type);
      const PolarCurve c = ComputePolar(*w, wind);
      for (const int twa : {30, 45, 60, 95, 135, 150, 180}) {
        const LongRun run = SailLong(*w, wind, twa, c.spinnaker[IndexOf(twa)]);
        EXPECT_NEAR(c.knots[IndexOf(twa)], run.knots, 0.02 + run.spread / 2) << type << " wind " << wind << " twa " << twa;
      }
      // The spinnaker is only ever chosen where it was faster, and never on the wind.
      for (int i = 0; i < kPolarPoints; ++i) EXPECT_FALSE(PolarAngle(i) < 90 && c.spinnaker[i]) << PolarAngle(i);
      if (type == kKeelboat)
        EXPECT_TRUE(c.spinnaker[IndexOf(135)] && c.knots[IndexOf(135)] > SailLong(*w, wind, 135, false).knots);
    }
  }
}

TEST(Polar, TheLiveWorldIsOnlyRead) {
  auto w = BoatOfType(kKeelboat);
  w->BoatSpeeds[1] = 31.5, w->BoatHeadings[1] = 77, w->MainSheet = 12.5;
  const double before = w->SimTime;
  ComputePolar(*w, 20);
  EXPECT_EQ(std::tuple(w->BoatSpeeds[1], w->BoatHeadings[1], w->MainSheet, w->SimTime, w->WindSpeed), std::tuple(31.5, 77, 12.5, before, 14));
}

TEST(Polar, BestVmgAnglesAreWhereTheTangentIsSquareToTheWind) {
  // A hand-made curve: the upwind VMG peaks at 50 degrees (6 x cos 50 = 3.86 beats
  // 4.4 x cos 30 = 3.81 and 5 x cos 45 = 3.54), the downwind one at 150 (7 x cos 30 = 6.06
  // beats 6 dead downwind).
  PolarCurve hand;
  hand.knots.fill(2);
  for (auto [angle, knots] : {std::pair{30, 4.4}, {45, 5.0}, {50, 6.0}, {150, 7.0}, {180, 6.0}}) hand.knots[IndexOf(angle)] = knots;
  FindBestVmg(hand);
  EXPECT_EQ(std::tuple(hand.bestUpwindAngle, hand.bestDownwindAngle), std::tuple(50, 150));
  EXPECT_NEAR(hand.bestUpwindVmg, 6 * std::cos(50 * kDegToRad), 1e-9);
  EXPECT_NEAR(hand.bestDownwindVmg, -7 * std::cos(150 * kDegToRad), 1e-9);

  // On the sailed polars no point reaches further up or down the wind than the marked ones,
  // and the two sit on their own sides of the beam.
  for (const int type : {kDinghy, kKeelboat, kCatamaran}) {
    auto w = BoatOfType(type);
    const PolarCurve c = ComputePolar(*w, 14);
    ASSERT_TRUE(c.bestUpwindAngle < 90 && c.bestDownwindAngle > 90) << c.bestUpwindAngle << " " << c.bestDownwindAngle;
    for (int i = 0; i < kPolarPoints; ++i) {
      const double along = c.knots[i] * std::cos(PolarAngle(i) * kDegToRad);
      EXPECT_LE(along, c.bestUpwindVmg + 1e-9) << PolarAngle(i);
      EXPECT_LE(-along, c.bestDownwindVmg + 1e-9) << PolarAngle(i);
    }
  }
}

TEST(Polar, CacheSailsEachBoatAndWindOnce) {
  auto w = BoatOfType(kCatamaran);
  // Sets the boat (its design values restored as coming back to it does), asks for a polar and
  // returns its speed at 90 degrees and how many polars have been sailed so far.
  const auto ask = [&](int type, int wind, double length = 0) {
    w->BoatType = type;
    if (length) w->DesignLength = length;
    SetUpBoatClass(*w);
    return std::pair{PolarFor(*w, wind).knots[IndexOf(90)], w->polars.computed};
  };
  const double keel14 = ask(kKeelboat, 14).first;
  EXPECT_EQ((std::pair{ask(kKeelboat, 14).second, ask(kKeelboat, 8).second}), std::pair(1, 2));
  // Another boat, or the same type with other design values, is another polar.
  const auto cat = ask(kCatamaran, 14);
  EXPECT_TRUE(cat.first != keel14 && cat.second == 3);
  EXPECT_EQ(ask(kKeelboat, 14), std::pair(keel14, 3));
  const auto longer = ask(kKeelboat, 14, 40);
  ASSERT_EQ(w->ScaleLength, 40);
  EXPECT_TRUE(longer.first > keel14 && longer.second == 4);
  // Full, the oldest goes first: the ninth polar takes the keelboat's 14 knots' place, the
  // tenth the 8 knots' one.
  for (int wind = 9; wind <= 13; ++wind) ask(kKeelboat, wind, 25);
  EXPECT_EQ(std::tuple(w->polars.used, w->polars.computed), std::tuple(PolarCache::kSlots, 9));
  EXPECT_EQ(ask(kKeelboat, 8).second, 9) << "still kept";
  EXPECT_EQ(ask(kKeelboat, 14).second, 10) << "sailed again";
  EXPECT_EQ(ask(kKeelboat, 8).second, 11) << "pushed out by the one before";
}

TEST(PolarScreen, OpensFreezesTimeAndResumes) {
  ChartSession s;
  s.Start(0);
  s.Run("key SPACE\nframes 20\n");
  const World& w = s.w();
  const double time = w.SimTime, x = w.BoatX[1], y = w.BoatY[1], speed = w.BoatSpeeds[1];
  const int heading = w.BoatHeadings[1];
  s.Run("key V\nframes 10\n");
  ASSERT_EQ(w.PolarShown, 1);
  EXPECT_NE(FindText(s.canvas(), "現在: 真風角 ", true), nullptr) << "the boat's point is marked";
  EXPECT_EQ(s.Find("- ﾁｬｰﾄ - "), nullptr) << "the sailing view is not drawn beneath";
  // Keys meant for the boat do nothing while the polar is up.
  s.Run("key T\nkey D\nkey PERIOD\nframes 10\n");
  EXPECT_EQ(std::make_tuple(w.AutoManoeuvre, w.BearAwayCommand, w.SimTime, w.BoatX[1], w.BoatY[1], w.BoatSpeeds[1], w.BoatHeadings[1]),
            std::make_tuple(0, 0, time, x, y, speed, heading));

  s.Run("key SPACE\nframes 5\n");
  EXPECT_EQ(std::tuple(w.PolarShown, w.SimSpeed), std::tuple(0, 9)) << "the space bar closed the polar and did not slow the simulator";
  EXPECT_TRUE(s.Find("- ﾁｬｰﾄ - ") && w.SimTime > time);

  // The menu item toggles it as well, and V closes it.
  s.Run("command " + std::to_string(Cmd::kPolar) + "\nframes 1\n");
  const int opened = w.PolarShown;
  s.Run("key V\nframes 1\n");
  EXPECT_EQ(std::pair(opened, w.PolarShown), std::pair(1, 0));
}

TEST(PolarScreen, OnTheTitleScreenShowsNoPointAndStartsNothing) {
  ChartSession s;
  s.Run("set BoatType 10\nframes 1\n");
  std::ostringstream out;
  std::istringstream in("checked " + std::to_string(Cmd::kPolar) + "\nenabled " + std::to_string(Cmd::kPolar) + "\n");
  s.probe.RunScript(in, out);
  EXPECT_EQ(out.str(), "0\n1\n");
  s.Run("key V\nframes 2\n");
  EXPECT_NE(s.Find("ポーラー図"), nullptr);
  EXPECT_EQ(FindText(s.canvas(), "現在: 真風角 ", true), nullptr);
  EXPECT_EQ(s.w().polars.curves[0].key.boatType, 10);
  s.Run("key SPACE\nframes 1\n");
  EXPECT_EQ(s.w().SailingState, 0) << "the space bar closed the polar rather than start a sailing";
}

TEST(PolarScreen, FitsEveryScreenInColourAndMonochrome) {
  for (const auto& [width, height, largeFont, mono] :
       {std::tuple{800, 600, 1, 0}, {800, 600, 0, 1}, {1280, 768, 1, 1}, {1024, 768, 0, 0}}) {
    ChartSession s(width, height, largeFont);
    s.Start(0);
    s.Run("set Monochrome " + std::to_string(mono) + "\nkey SPACE\nframes 3\nkey V\nframes 1\n");
    SCOPED_TRACE(testing::Message() << width << "x" << height << " large " << largeFont << " mono " << mono);
    const World& w = s.w();
    Canvas& c = s.canvas();
    ASSERT_NE(s.Find("ポーラー図"), nullptr);
    for (const TextLogEntry& e : c.TextLog()) {
      c.SetFont(FontRole::Normal);
      EXPECT_TRUE(e.x >= 0 && e.x + c.TextWidth(e.text) <= w.ViewWidth && e.y + c.LineHeight() <= w.ViewHeight) << e.text;
    }
    int coloured = 0;
    for (int y = 0; y < w.ViewHeight; y += 3)
      for (int x = 0; x < w.ViewWidth; x += 3) {
        const Color p = c.GetPixel(x, y);
        coloured += !(p.r == p.g && p.g == p.b);
      }
    EXPECT_EQ(coloured > 0, !mono) << coloured;
  }
}
