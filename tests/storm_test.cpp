// The input storm and the settings fuzz, reduced: every activity takes a seeded stream of
// hostile events and every global stays in its range; damaged settings files load as values
// the file keeps.
#include <iostream>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

#include "invariants.h"
#include "platform/key_codes.h"
#include "probe_runner.h"
#include "settings_fuzz.h"
#include "state/names.h"
#include "storm.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

// A race under way: four boats, the course laid, a few frames sailed.
ProbeSession& SailingRace(ProbeSession& session) {
  session.RunLine("command 32822", std::cout);
  for (int k = 0; k < 2; ++k) {
    session.Key(vk::kSpace);
    for (int i = 0; i < 3; ++i) session.Paint();
  }
  return session;
}

}  // namespace

TEST(InvariantsTest, SailingWorldHoldsAndEachPlantedValueIsCaught) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::tuple<const char*, double, bool> cases[] = {  // the global, the planted value, caught
      {"BoatX[3]", nan, true},           {"CrestY[599]", std::numeric_limits<double>::infinity(), true},
      {"InstructionPage", 150, true},    // between the racing-rules and traffic-rules pages
      {"InstructionPage", 205, false},   {"BoatHeadings[1]", 360, true},
      {"OwnHeading", 360, true},         {"OwnHeading", 359.9, false},
      {"HeelAngles[4]", -21, true},      {"HeelAngles[5]", -50, false},  // beyond BoatCount: no boat there
      {"MiniViewZoom", 48, true},        {"WaveCrestsPlaced", 601, true},
      {"ChartShown", 2, true},           {"WindSetting", 5, true},       // an option the settings file would not keep
      {"BoatType", 3, true},             {"BestScores[9]", 201, true},
      {"TutorialStep", -1, true},
  };
  ProbeSession session({});
  World& w = SailingRace(session).world();
  ASSERT_EQ(w.BoatCount, 4);
  ASSERT_EQ(Joined(CheckInvariants(w)), "");
  for (const auto& [name, value, caught] : cases) {
    auto ref = Names().Resolve(w, name);
    ASSERT_TRUE(ref) << name;
    const double before = ref->Get();
    ref->Set(value);
    EXPECT_EQ(CheckInvariants(w).size(), caught ? 1u : 0u) << name << "=" << value;
    ref->Set(before);
  }
}

class StormTest : public ::testing::TestWithParam<int> {};

TEST_P(StormTest, EveryGlobalStaysInRange) {
  const StormActivity& a = StormActivities()[static_cast<std::size_t>(GetParam())];
  StormOptions o{.seed = 7, .events = 2000};
  const StormCounts c = RunStorm(a, o);
  EXPECT_EQ(Joined(c.violations), "") << a.name;
  EXPECT_EQ((std::tuple{c.events, c.checks}), (std::tuple{2000, 2000 / o.checkEvery + 1}));
  // The storm reached both sides of the update rules and ran the frame loop.
  EXPECT_TRUE(c.commandsRun > 100 && c.commandsRefused > 50 && c.sailingFrames > 0)
      << c.commandsRun << " " << c.commandsRefused << " " << c.sailingFrames;
}

INSTANTIATE_TEST_SUITE_P(EveryActivity, StormTest, ::testing::Range(0, 16));

TEST(SettingsFuzzTest, DamagedFilesLoadAsValuesTheFileKeeps) {
  const SettingsFuzzOptions o{.seed = 11, .files = 3000, .directory = ::testing::TempDir(), .sailEvery = 100};
  const SettingsFuzzCounts c = FuzzSettingsFiles(o);
  EXPECT_EQ(Joined(c.faults), "");
  EXPECT_EQ(c.loaded + c.builtIn, 3000);
  EXPECT_EQ(c.sailed, 30);
  for (long n : c.byDamage) EXPECT_GT(n, 200);  // every kind of damage was tried
  // Cut short below the older length, empty or random bytes: some fall back to the built-ins.
  EXPECT_GT(c.builtIn, 500);
}
