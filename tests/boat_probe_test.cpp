// Whole-frame behaviour of the boats through the probe: sailing from rest, a commanded tack,
// steering with the mouse, and running aground.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probe_helpers.h"

namespace {

// Every "NAME=VALUE" line of a probe run, in order.
std::vector<std::pair<std::string, double>> Values(const std::string& output) {
  std::vector<std::pair<std::string, double>> values;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    values.emplace_back(line.substr(0, eq), std::stod(line.substr(eq + 1)));
  }
  return values;
}

std::map<std::string, double> Last(const std::string& output) {
  std::map<std::string, double> last;
  for (const auto& [name, value] : Values(output)) last[name] = value;
  return last;
}

// Free sailing on the coast in steady 10-knot wind from the north, heading h, the
// instruction box closed.
std::string StartFreeSailing(int boatType, int heading) {
  std::ostringstream s;
  s << "set ActivityMode 0\nset SailingArea 1\nset WindSetting 0\nset Difficulty 1\n"
    << "set BoatType " << boatType << "\nset SailingState 1\nframes 1\nset InstructionPage 0\n"
    << "set BaseWindDirection 0\nset OwnHeading " << heading << "\nset BoatHeadings[1] " << heading
    << "\n";
  return s.str();
}

TEST(BoatProbe, EveryBoatTypeSettlesFromRestOnABeamReach) {
  for (int type : {1, 2, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15}) {
    std::string script = StartFreeSailing(type, 270);
    script += "get MaxHeel\n";
    // Sample every 5 simulated seconds up to 90.
    for (int t = 5; t <= 90; t += 5) {
      script += "until SimTime >= " + std::to_string(t) + " 100000\nget BoatSpeeds[1] HeelAngles[1]\n";
    }
    script += "get TrueWindAngles[1] BoatX[1]\n";
    const ProbeRun run = RunProbe(script);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_EQ(run.output.find("nan"), std::string::npos) << type;
    std::vector<double> speeds;
    double maxHeel = 0;
    for (const auto& [name, value] : Values(run.output)) {
      if (name == "MaxHeel") maxHeel = value;
      if (name == "BoatSpeeds[1]") speeds.push_back(value);
      if (name == "HeelAngles[1]") {
        EXPECT_GE(value, -20) << type;
        EXPECT_LE(value, maxHeel) << type;
      }
    }
    ASSERT_EQ(speeds.size(), 18u);
    // Under way after five seconds, and faster every five seconds for the first half minute.
    EXPECT_GT(speeds[0], 2) << type;
    for (int i = 1; i < 6; ++i) EXPECT_GT(speeds[i], speeds[i - 1]) << type << " at " << 5 * i << " s";
    // Settled within a minute: the last half minute changes the speed by under 0.3 knots.
    EXPECT_LT(std::abs(speeds.back() - speeds[11]), 3) << type;
    EXPECT_GT(speeds.back(), 10) << type;
    const auto last = Last(run.output);
    EXPECT_EQ(last.at("TrueWindAngles[1]"), 90) << type;
    EXPECT_LT(last.at("BoatX[1]"), -100) << type;  // it went somewhere: west
  }
}

TEST(BoatProbe, CommandedTackEndsCloseHauledOnTheOtherTack) {
  std::string script = StartFreeSailing(12, 315);
  script += "until SimTime >= 30 100000\nget BoatTack[1] BoatSpeedTenths[1]\n"
            "set AutoManoeuvre 1\nuntil AutoManoeuvre = 0 2000\n"
            "get BoatTack[1] HoldCloseHauled BoatHeadings[1] CloseHauledAngle LastTackTime[1]\n"
            "until SimTime >= 90 100000\nget BoatTack[1] BoatHeadings[1] TrueWindAngles[1] BoatSpeedTenths[1]\n";
  const ProbeRun run = RunProbe(script);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  ASSERT_NE(run.output.find("until: "), std::string::npos);
  ASSERT_EQ(run.output.find("timeout"), std::string::npos) << run.output;
  const auto v = Values(run.output);
  EXPECT_EQ(v[0].second, 1);  // starboard before
  const double speedBefore = v[1].second;
  EXPECT_EQ(v[2].second, -1);  // port after
  EXPECT_EQ(v[3].second, 1);
  EXPECT_EQ(v[4].second, v[5].second);  // on the close-hauled heading of port tack
  EXPECT_GT(v[6].second, 30);
  const auto last = Last(run.output);
  EXPECT_EQ(last.at("BoatTack[1]"), -1);
  EXPECT_EQ(last.at("TrueWindAngles[1]"), v[5].second);
  EXPECT_GT(last.at("BoatSpeedTenths[1]"), speedBefore / 2);
}

TEST(BoatProbe, MouseInTheHorizontalZoneTurnsTheTiller) {
  // 1280 x 720 frame: the zone spans x 426..789 below row 612, centred on column 608.
  std::string script = StartFreeSailing(12, 270);
  script += "until SimTime >= 20 100000\nmove 520 680\nframes 20\nget BoatHeadings[1] HelmInput\n"
            "move 700 680\nframes 40\nget BoatHeadings[1] HelmInput\n"
            "move 700 300\nframes 20\nget BoatHeadings[1] HelmInput\n";
  const auto v = Values(RunProbe(script).output);
  ASSERT_EQ(v.size(), 6u);
  EXPECT_GT(v[0].second, 270);  // tiller left: the bow goes right
  EXPECT_GT(v[1].second, 0);
  EXPECT_LT(v[2].second, v[0].second);  // tiller right: the bow goes left
  EXPECT_LT(v[3].second, 0);
  EXPECT_EQ(v[4].second, v[2].second);  // out of the zone the boat holds its course
  EXPECT_EQ(v[5].second, 0);
}

TEST(BoatProbe, MouseAboveTheVerticalZoneCentreHeadsUpOnEitherTack) {
  for (int heading : {260, 100}) {
    std::string script = StartFreeSailing(12, heading);
    script += "set VerticalSteeringZone 1\nuntil SimTime >= 20 100000\nget TrueWindAngles[1]\n"
              "move 420 500\nframes 30\nget TrueWindAngles[1]\n";
    const auto v = Values(RunProbe(script).output);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_LT(v[1].second, v[0].second - 5) << heading;
  }
}

TEST(BoatProbe, RunningAgroundStopsTheBoatAndBeeps) {
  std::string script = StartFreeSailing(12, 270);
  script += "set SailingArea 2\nset SailingState 1\nframes 1\nset InstructionPage 0\n"
            "until SimTime >= 20 100000\nsounds\nget BoatSpeedTenths[1]\n"
            "get SceneryX[1] SceneryY[1]\n";
  const ProbeRun first = RunProbe(script);
  const auto v = Values(first.output);
  ASSERT_GE(v.size(), 3u);
  EXPECT_GT(v[0].second, 10);
  std::ostringstream onIsland;
  onIsland << script << "set BoatX[1] " << v[1].second << "\nset BoatY[1] " << v[2].second << "\nframes 3\n"
           << "get BoatSpeedTenths[1] BoatSpeeds[1] PenaltyMessage DepthUnderBoat\nsounds\n";
  const ProbeRun run = RunProbe(onIsland.str());
  const auto last = Last(run.output);
  EXPECT_EQ(last.at("BoatSpeedTenths[1]"), 0);
  EXPECT_EQ(last.at("BoatSpeeds[1]"), 0);
  EXPECT_EQ(last.at("PenaltyMessage"), 8);
  EXPECT_LT(last.at("DepthUnderBoat"), 5);
  // One beep per frame aground, after the sounds listed before the grounding.
  const std::string after = run.output.substr(run.output.find("DepthUnderBoat"));
  int beeps = 0;
  for (size_t p = after.find("sound beep"); p != std::string::npos; p = after.find("sound beep", p + 1)) ++beeps;
  EXPECT_EQ(beeps, 3);
}

}  // namespace
