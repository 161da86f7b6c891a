// The traffic-rules lesson's sailed scenes through the probe (the lesson's wind blows from the
// north): the vessels' relation as it unfolds, their labels, the other vessel standing on.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probe_helpers.h"

namespace {

std::map<std::string, std::vector<double>> values;  // every reading of each name, in order
std::string output;
double At(const std::string& name, std::size_t i = 0) { return i < values[name].size() ? values[name][i] : NAN; }

void Sail(int scene, const std::string& script) {
  const std::string start = "command 32816\nkey SPACE\nframes 2\nkey " + std::to_string(scene) + "\n";
  const ProbeRun run = RunProbe(start + script, ProbeOptions{1, 1280, 720});
  ASSERT_EQ(run.exitCode, 0) << run.output;
  output = run.output;
  values.clear();
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    const std::size_t eq = line.find('=');
    if (line.rfind("text ", 0) != 0 && eq != std::string::npos) values[line.substr(0, eq)].push_back(std::stod(line.substr(eq + 1)));
  }
}

const std::string kBoats = "get BoatX[1] BoatY[1] BoatX[2] BoatY[2] BoatHeadings[1] BoatHeadings[2] "
                           "BoatSpeedTenths[1] BoatSpeedTenths[2] SceneObjectKind[12]\n";
// Degrees from heading h to the bearing of boat `to` from boat `from` at the start.
double OffBow(double h, int from, int to) {
  auto v = [](const char* n, int b) { return At(std::string(n) + "[" + std::to_string(b) + "]"); };
  const double bearing = std::atan2(v("BoatX", to) - v("BoatX", from), v("BoatY", from) - v("BoatY", to));
  return std::remainder(bearing * 180 / M_PI - h, 360.0);
}
bool PortTack(double heading) { return std::remainder(heading, 360.0) > 0; }
bool Label(const std::string& text, int slot) {  // beside the boat's point, one line height (18) off
  const std::string n = std::to_string(slot);
  const std::string at = "text " + std::to_string(int(At("ProjectedX[" + n + "]")) + 18) + " " +
                         std::to_string(int(At("ProjectedY[" + n + "]")) + 9) + " \"" + text + "\"\n";
  return output.find(at) != std::string::npos;
}

TEST(TrafficScenes, EachSceneSetsUpItsSituationAndItUnfolds) {
  for (int scene = 1; scene <= 4; ++scene) {
    std::string script = "frames 1\n" + kBoats;
    for (int i = 0; i < 20; ++i) script += "frames 40\n" + kBoats;
    Sail(scene, script);
    const double h1 = At("BoatHeadings[1]"), h2 = At("BoatHeadings[2]");
    double closest = 1e9;
    for (std::size_t i = 0; i <= 20; ++i) {
      closest = std::min(closest, std::hypot(At("BoatX[2]", i) - At("BoatX[1]", i), At("BoatY[2]", i) - At("BoatY[1]", i)));
    }
    SCOPED_TRACE(scene);
    EXPECT_EQ(At("SceneObjectKind[12]") == 7, scene == 4);  // a motor vessel in scene 4 only
    EXPECT_LT(std::abs(OffBow(h1, 1, 2)), 60);              // ahead of the user...
    EXPECT_LT(closest, 25);                                 // ...and within a few lengths soon
    if (scene == 1) EXPECT_TRUE(PortTack(h1) && !PortTack(h2));
    if (scene == 2) EXPECT_TRUE(PortTack(h1) == PortTack(h2) && At("BoatY[1]") + 10 < At("BoatY[2]"));
    if (scene >= 3) {  // the user more than 22.5 degrees abaft the other's beam, and faster
      EXPECT_GT(std::abs(OffBow(h2, 2, 1)), 112.5);
      EXPECT_GT(At("BoatSpeedTenths[1]", 10), At("BoatSpeedTenths[2]", 10) + 5);
    }
  }
}

TEST(TrafficScenes, LabelsStandBesideTheirVesselsWhileInSight) {
  const char* const kLabels[][2] = {{"風上艇", "風下艇"}, {"追い越し艇", "追い越され艇"}, {"追い越し帆船", "追い越され動力船"}};
  const std::string shown = "key Y\nframes 1\ntexts\nget ProjectedX[11] ProjectedY[11] ProjectedX[12] ProjectedY[12]\n";
  for (int scene = 2; scene <= 4; ++scene) {
    Sail(scene, "frames 300\n" + shown);
    EXPECT_TRUE(Label(kLabels[scene - 2][0], 11) && Label(kLabels[scene - 2][1], 12)) << scene;
  }
  // Looking astern, or the boat ahead so far off that the box covers it: no label for it.
  for (const char* hide : {"key DOWN\n", "set BoatX[2] 400\n"}) {
    Sail(3, std::string("frames 100\n") + hide + "frames 2\n" + shown);
    EXPECT_FALSE(Label("追い越され艇", 12)) << hide;
    EXPECT_TRUE(Label("追い越し艇", 11)) << hide;
  }
}

TEST(TrafficScenes, TheOtherVesselStandsOnWhileTheUserSteersAndADigitPastTheScenesMovesNothing) {
  Sail(3, "frames 5\n" + kBoats + "move 500 640\nframes 150\n" + kBoats);  // the zone's left half
  EXPECT_GT(std::abs(std::remainder(At("BoatHeadings[1]", 1) - At("BoatHeadings[1]", 0), 360.0)), 20);
  EXPECT_EQ(At("BoatHeadings[2]", 1), At("BoatHeadings[2]", 0));
  EXPECT_LE(At("BoatSpeedTenths[2]", 1), 25);
  Sail(7, "frames 50\n" + kBoats);
  EXPECT_EQ(At("BoatX[1]") + At("BoatY[1]"), 0);
}

}  // namespace
