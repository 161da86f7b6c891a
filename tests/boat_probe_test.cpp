// Whole frames through the probe: sailing from rest, a commanded tack and running aground.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probe_helpers.h"

namespace {

// The "NAME=VALUE" lines of a run by name: every reading of each name, in the order read.
using Readings = std::map<std::string, std::vector<double>>;
Readings Read(const std::string& script) {
  const ProbeRun run = RunProbe(script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("timeout"), std::string::npos) << run.output;
  Readings readings;
  std::istringstream in(run.output);
  for (std::string line; std::getline(in, line);) {
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) readings[line.substr(0, eq)].push_back(std::stod(line.substr(eq + 1)));
  }
  return readings;
}

// Free sailing in steady 10-knot wind from the north, heading h, the instruction box closed.
std::string FreeSailing(int boatType, int heading, int area = 1) {
  std::ostringstream s;
  s << "set ActivityMode 0\nset SailingArea " << area << "\nset WindSetting 0\nset Difficulty 1\n"
    << "set BoatType " << boatType << "\nset SailingState 1\nframes 1\nset InstructionPage 0\n"
    << "set BaseWindDirection 0\nset OwnHeading " << heading << "\nset BoatHeadings[1] " << heading << "\n";
  return s.str();
}

TEST(BoatProbe, EveryBoatTypeSettlesFromRestOnABeamReach) {
  for (int type : {1, 2, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15}) {
    std::string script = FreeSailing(type, 270) + "get MaxHeel\n";
    for (int t = 5; t <= 90; t += 5) {
      script += "until SimTime >= " + std::to_string(t) + " 100000\nget BoatSpeeds[1] HeelAngles[1]\n";
    }
    Readings r = Read(script + "get TrueWindAngles[1] BoatX[1]\n");
    // One reading every 5 s from 5 to 90 s.
    const std::vector<double>&speed = r["BoatSpeeds[1]"], &heel = r["HeelAngles[1]"];
    ASSERT_TRUE(speed.size() == 18 && heel.size() == 18 && r["MaxHeel"].size() == 1 && r["BoatX[1]"].size() == 1)
        << type;
    for (std::size_t i = 0; i < heel.size(); ++i) {
      EXPECT_TRUE(heel[i] >= -20 && heel[i] <= r["MaxHeel"][0]) << type << ": " << heel[i];
      EXPECT_TRUE(i == 0 || i >= 6 || speed[i] > speed[i - 1]) << type << " slows at " << 5 * i << " s";
    }
    const double at60s = speed[11], at90s = speed[17];
    EXPECT_GT(at90s, 10) << type;
    EXPECT_LT(std::abs(at90s - at60s), 3) << type;  // under 0.3 knots from 60 to 90 s
    EXPECT_EQ(r["TrueWindAngles[1]"], std::vector<double>{90}) << type;
    EXPECT_LT(r["BoatX[1]"][0], -100) << type;  // sailed west
  }
}

TEST(BoatProbe, CommandedTackEndsCloseHauledOnTheOtherTack) {
  Readings r = Read(FreeSailing(12, 315) + "until SimTime >= 30 100000\nget BoatTack[1]\nset AutoManoeuvre 1\n"
                                            "until AutoManoeuvre = 0 2000\n"
                                            "get BoatTack[1] HoldCloseHauled BoatHeadings[1]\n");
  EXPECT_EQ(r["BoatTack[1]"], (std::vector<double>{1, -1}));  // before and after
  EXPECT_EQ(r["HoldCloseHauled"], std::vector<double>{1});
  // The keelboat points 45 degrees off the wind in 10 knots.
  EXPECT_EQ(r["BoatHeadings[1]"], std::vector<double>{45});
}

TEST(BoatProbe, RunningAgroundStopsTheBoatAndBeeps) {
  const std::string start = FreeSailing(12, 270, 2) + "until SimTime >= 20 100000\n";
  Readings island = Read(start + "get SceneryX[1] SceneryY[1]\n");
  ASSERT_TRUE(island["SceneryX[1]"].size() == 1 && island["SceneryY[1]"].size() == 1);
  std::ostringstream script;
  script << start << "sounds\nset BoatX[1] " << island["SceneryX[1]"][0] << "\nset BoatY[1] "
         << island["SceneryY[1]"][0] << "\nframes 3\n"
         << "get BoatSpeeds[1] PenaltyMessage\nsounds\n";
  const ProbeRun run = RunProbe(script.str());
  const std::string after = run.output.substr(run.output.find("BoatSpeeds[1]="));
  EXPECT_EQ(after.rfind("BoatSpeeds[1]=0\nPenaltyMessage=8\n", 0), 0u) << after;
  int beeps = 0;
  for (auto p = after.find("sound beep"); p != std::string::npos; p = after.find("sound beep", p + 1)) ++beeps;
  EXPECT_EQ(beeps, 3);
}

}  // namespace
