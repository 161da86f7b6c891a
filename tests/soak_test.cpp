// The endurance run's fleet check, and a short run of it: races restart from the results
// screen and the fleet stays sound. The short run paints one frame in twenty so that it stays
// quick under the sanitizers; the frames between advance the world alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "soak.h"
#include "test_world.h"

namespace {

TEST(Soak, TheFleetCheckNamesTheFirstBrokenBoat) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    std::function<void(World&)> spoil;
    const char* found;  // nullptr: sound
  };
  const Case cases[] = {
      {"at the limit", [](World& w) { w.BoatX[4] = kSoakYardLimit; w.BoatY[5] = -kSoakYardLimit; }, nullptr},
      {"x past the limit", [](World& w) { w.BoatX[10] = kSoakYardLimit + 0.5; }, "boat 10 beyond"},
      {"y past the limit", [](World& w) { w.BoatY[3] = -kSoakYardLimit - 0.5; }, "boat 3 beyond"},
      {"x not a number", [](World& w) { w.BoatX[2] = kNaN; }, "boat 2 not finite"},
      {"y infinite", [](World& w) { w.BoatY[7] = kInf; }, "boat 7 not finite"},
      {"speed not a number", [](World& w) { w.BoatSpeeds[9] = kNaN; }, "boat 9 not finite"},
      {"the user's heading", [](World& w) { w.OwnHeading = -kInf; }, "boat 1 not finite"},
      {"the first of two", [](World& w) { w.BoatX[6] = kNaN; w.BoatX[8] = kNaN; }, "boat 6 not finite"},
  };
  for (const Case& c : cases) {
    auto w = TestWorld().Fleet(10).Build();
    for (int b = 1; b <= 10; ++b) {
      w->BoatX[b] = 100.0 * b;
      w->BoatY[b] = -50.0 * b;
    }
    c.spoil(*w);
    const std::string fault = CheckFleet(*w);
    if (c.found) {
      EXPECT_EQ(fault.rfind(c.found, 0), 0u) << c.what << ": " << fault;
    } else {
      EXPECT_EQ(fault, "") << c.what;
    }
  }
}

TEST(Soak, TenThousandFramesOfRacingStaySound) {
  SoakOptions options;
  options.frames = 10000;
  options.checkEvery = 100;
  options.paintEvery = 20;
  options.rssMark = 1000;
  const SoakReport r = RunSoak(options);
  EXPECT_EQ(r.fault, "");
  EXPECT_EQ(r.faults, 0);
  EXPECT_EQ(r.frames, 10000);
  EXPECT_EQ(r.checks, 100);
  // The steered boat finishes, and every finish starts the next race.
  EXPECT_GE(r.finished, 2);
  EXPECT_EQ(r.races, r.finished + 1);
  EXPECT_GE(r.paints, 10000 / 20);
  EXPECT_LT(r.paints, 10000 / 5);
  EXPECT_GT(r.rssMarkKb, 0);
  EXPECT_GE(r.rssEndKb, r.rssMarkKb);
  EXPECT_GT(r.startMarkKb, 0);
  EXPECT_GT(r.startEndKb, 0);
}

}  // namespace
