// Whole frames through the probe: sailing from rest, a commanded tack and running aground.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "probe_helpers.h"

namespace {

// The values of the "NAME=VALUE" lines of a run, in order; "nan" fails the parse.
std::vector<double> Values(const std::string& script) {
  const ProbeRun run = RunProbe(script);
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("timeout"), std::string::npos) << run.output;
  std::vector<double> values;
  std::istringstream in(run.output);
  for (std::string line; std::getline(in, line);) {
    if (line.find('=') != std::string::npos) values.push_back(std::stod(line.substr(line.find('=') + 1)));
  }
  return values;
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
    const std::vector<double> v = Values(script + "get TrueWindAngles[1] BoatX[1]\n");
    ASSERT_EQ(v.size(), 39u) << type;
    for (int i = 0; i < 18; ++i) {
      EXPECT_GE(v[2 + 2 * i], -20) << type;
      EXPECT_LE(v[2 + 2 * i], v[0]) << type;  // within MaxHeel
      if (i > 0 && i < 6) {
        EXPECT_GT(v[1 + 2 * i], v[2 * i - 1]) << type << " slows at " << 5 * i << " s";
      }
    }
    EXPECT_GT(v[35], 10) << type;
    EXPECT_LT(std::abs(v[35] - v[23]), 3) << type;  // under 0.3 knots from 60 to 90 s
    EXPECT_EQ(v[37], 90) << type;
    EXPECT_LT(v[38], -100) << type;  // sailed west
  }
}

TEST(BoatProbe, CommandedTackEndsCloseHauledOnTheOtherTack) {
  const std::vector<double> v =
      Values(FreeSailing(12, 315) + "until SimTime >= 30 100000\nget BoatTack[1]\nset AutoManoeuvre 1\n"
                                    "until AutoManoeuvre = 0 2000\n"
                                    "get BoatTack[1] HoldCloseHauled BoatHeadings[1] TrueWindAngles[1]\n");
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1], -1);
  EXPECT_EQ(v[2], 1);
  EXPECT_EQ(v[3], 45);  // the keelboat points 45 degrees off the wind in 10 knots
}

TEST(BoatProbe, RunningAgroundStopsTheBoatAndBeeps) {
  const std::string start = FreeSailing(12, 270, 2) + "until SimTime >= 20 100000\n";
  const std::vector<double> island = Values(start + "get SceneryX[1] SceneryY[1]\n");
  ASSERT_EQ(island.size(), 2u);
  std::ostringstream script;
  script << start << "sounds\nset BoatX[1] " << island[0] << "\nset BoatY[1] " << island[1] << "\nframes 3\n"
         << "get BoatSpeeds[1] PenaltyMessage\nsounds\n";
  const ProbeRun run = RunProbe(script.str());
  const std::string after = run.output.substr(run.output.find("BoatSpeeds[1]="));
  EXPECT_EQ(after.rfind("BoatSpeeds[1]=0\nPenaltyMessage=8\n", 0), 0u) << after;
  int beeps = 0;
  for (auto p = after.find("sound beep"); p != std::string::npos; p = after.find("sound beep", p + 1)) ++beeps;
  EXPECT_EQ(beeps, 3);
}

}  // namespace
