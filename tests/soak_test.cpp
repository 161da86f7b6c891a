// The endurance run's fleet check, and a short run of it: races restart from the results
// screen and the fleet stays sound. The short run paints one frame in twenty so that it stays
// quick under the sanitizers; the frames between advance the world alone.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <tuple>

#include "soak.h"
#include "test_world.h"

namespace {

TEST(Soak, TheFleetCheckNamesTheFirstBrokenBoat) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  const std::pair<std::function<void(World&)>, const char*> cases[] = {  // the spoiling, the finding ("": sound)
      {[](World& w) { w.BoatX[4] = kSoakYardLimit; w.BoatY[5] = -kSoakYardLimit; }, ""},
      {[](World& w) { w.BoatX[10] = kSoakYardLimit + 0.5; }, "boat 10 beyond"},
      {[](World& w) { w.BoatY[3] = -kSoakYardLimit - 0.5; }, "boat 3 beyond"},
      {[](World& w) { w.BoatX[2] = kNaN; }, "boat 2 not finite"},
      {[](World& w) { w.BoatY[7] = kInf; }, "boat 7 not finite"},
      {[](World& w) { w.BoatSpeeds[9] = kNaN; }, "boat 9 not finite"},
      {[](World& w) { w.OwnHeading = -kInf; }, "boat 1 not finite"},
      {[](World& w) { w.BoatX[6] = kNaN; w.BoatX[8] = kNaN; }, "boat 6 not finite"},  // the first of two
  };
  for (const auto& [spoil, found] : cases) {
    auto w = TestWorld().Fleet(10).Build();
    for (int b = 1; b <= 10; ++b) std::tie(w->BoatX[b], w->BoatY[b]) = std::tuple{100.0 * b, -50.0 * b};
    spoil(*w);
    const std::string fault = CheckFleet(*w);
    if (*found) EXPECT_EQ(fault.rfind(found, 0), 0u) << fault;
    else EXPECT_EQ(fault, "");
  }
}

TEST(Soak, TenThousandFramesOfRacingStaySound) {
  SoakOptions o;
  std::tie(o.frames, o.checkEvery, o.paintEvery, o.rssMark) = std::tuple{10000, 100, 20, 1000};
  const SoakReport r = RunSoak(o);
  EXPECT_EQ((std::tuple{r.fault, r.faults, r.frames, r.checks}), (std::tuple{std::string(), 0, 10000, 100}));
  // The steered boat finishes, and every finish starts the next race.
  EXPECT_GE(r.finished, 2);
  EXPECT_EQ(r.races, r.finished + 1);
  EXPECT_TRUE(r.paints >= 10000 / 20 && r.paints < 10000 / 5) << r.paints;
  EXPECT_TRUE(r.rssMarkKb > 0 && r.rssEndKb >= r.rssMarkKb && r.startMarkKb > 0 && r.startEndKb > 0)
      << r.rssMarkKb << " " << r.rssEndKb << " " << r.startMarkKb << " " << r.startEndKb;
}

}  // namespace
