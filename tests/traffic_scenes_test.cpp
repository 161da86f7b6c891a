// The traffic-rules lesson's sailed scenes through the probe: the vessels' relation at the
// start and as it unfolds, the labels beside them, and the other vessel standing on while the
// user steers.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "probe_helpers.h"

namespace {

struct Sailed {
  std::map<std::string, std::vector<double>> values;
  std::vector<std::string> texts;
  double At(const std::string& name, std::size_t i = 0) const {
    auto it = values.find(name);
    return it != values.end() && i < it->second.size() ? it->second[i] : NAN;
  }
};

Sailed Read(const std::string& script) {
  const ProbeRun run = RunProbe(script, ProbeOptions{1, 1280, 720});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  Sailed r;
  std::istringstream in(run.output);
  for (std::string line; std::getline(in, line);) {
    const std::size_t eq = line.find('=');
    if (line.rfind("text ", 0) == 0) {
      r.texts.push_back(line);
    } else if (eq != std::string::npos) {
      r.values[line.substr(0, eq)].push_back(std::stod(line.substr(eq + 1)));
    }
  }
  return r;
}

// The lesson from the title screen to the scene's digit on its first page.
std::string Scene(int digit) {
  return "command 32816\nkey SPACE\nframes 2\nkey " + std::to_string(digit) + "\n";
}

const char* const kBoats = "get BoatX[1] BoatY[1] BoatX[2] BoatY[2] BoatHeadings[1] BoatHeadings[2] "
                           "BoatSpeedTenths[1] BoatSpeedTenths[2] WindDirection SceneObjectKind[12]\n";

double Distance(const Sailed& r, std::size_t i) {
  return std::hypot(r.At("BoatX[2]", i) - r.At("BoatX[1]", i), r.At("BoatY[2]", i) - r.At("BoatY[1]", i));
}
// Degrees clockwise from heading h to the compass bearing of (dx, dy) (y to the south).
double OffBow(double h, double dx, double dy) {
  return std::remainder(std::atan2(dx, -dy) * 180 / M_PI - h, 360.0);
}
// +1 starboard tack, -1 port tack.
int Tack(double heading, double wind) { return std::remainder(heading - wind, 360.0) > 0 ? -1 : 1; }
// How far the boat stands toward the wind.
double Upwind(const Sailed& r, int b, double wind) {
  const double a = wind * M_PI / 180;
  return r.At("BoatX[" + std::to_string(b) + "]") * std::sin(a) - r.At("BoatY[" + std::to_string(b) + "]") * std::cos(a);
}

TEST(TrafficScenes, EachSceneSetsUpItsSituationAndItUnfolds) {
  for (int scene = 1; scene <= 4; ++scene) {
    std::string script = Scene(scene) + "frames 1\n" + kBoats;
    for (int i = 0; i < 20; ++i) script += std::string("frames 40\n") + kBoats;
    const Sailed r = Read(script);
    const double wind = r.At("WindDirection"), h1 = r.At("BoatHeadings[1]"), h2 = r.At("BoatHeadings[2]");
    const int tack1 = Tack(h1, wind), tack2 = Tack(h2, wind);
    const double dx = r.At("BoatX[2]") - r.At("BoatX[1]"), dy = r.At("BoatY[2]") - r.At("BoatY[1]");
    const bool vessel = r.At("SceneObjectKind[12]") == 7;
    double closest = Distance(r, 0);
    for (std::size_t i = 1; i <= 20; ++i) closest = std::min(closest, Distance(r, i));
    SCOPED_TRACE(scene);
    EXPECT_EQ(vessel, scene == 4);
    // The other vessel stands ahead of the user and the two come within a few boat lengths.
    EXPECT_LT(std::abs(OffBow(h1, dx, dy)), 60);
    EXPECT_LT(closest, 25);
    switch (scene) {
      case 1:  // the user on port tack, the other on starboard
        EXPECT_EQ(tack1, -1);
        EXPECT_EQ(tack2, 1);
        break;
      case 2:  // the same tack, the user to windward
        EXPECT_EQ(tack1, tack2);
        EXPECT_GT(Upwind(r, 1, wind), Upwind(r, 2, wind) + 10);
        break;
      case 3:
      case 4:  // the user astern (more than 22.5 degrees abaft the other's beam) and faster
        EXPECT_GT(std::abs(OffBow(h2, -dx, -dy)), 112.5);
        EXPECT_GT(r.At("BoatSpeedTenths[1]", 10), r.At("BoatSpeedTenths[2]", 10) + 5);
        break;
    }
  }
}

TEST(TrafficScenes, LabelsStandBesideTheirVesselsWhileInSight) {
  const struct {
    int scene;
    const char* own;
    const char* other;
  } kCases[] = {{2, "風上艇", "風下艇"}, {3, "追い越し艇", "追い越され艇"}, {4, "追い越し帆船", "追い越され動力船"}};
  const int L = 18;  // the coach's line height on this screen
  for (const auto& c : kCases) {
    const Sailed r = Read(Scene(c.scene) + "frames 300\nkey Y\nframes 1\ntexts\n"
                       "get ProjectedX[11] ProjectedY[11] ProjectedX[12] ProjectedY[12]\n");
    auto beside = [&](int slot) {
      const std::string n = std::to_string(slot);
      return "text " + std::to_string(static_cast<int>(r.At("ProjectedX[" + n + "]")) + L) + " " +
             std::to_string(static_cast<int>(r.At("ProjectedY[" + n + "]")) + L / 2) + " \"";
    };
    int found = 0;
    for (const std::string& t : r.texts) {
      if (t == beside(11) + c.own + "\"") found |= 1;
      if (t == beside(12) + c.other + "\"") found |= 2;
    }
    EXPECT_EQ(found, 3) << c.scene;
  }
  // The boat ahead in the overtaking scene loses its label when the user looks astern, and when
  // it stands so far ahead that the box covers it.
  for (const char* hide : {"key DOWN\n", "set BoatX[2] 400\n"}) {
    const Sailed r = Read(Scene(3) + "frames 100\n" + hide + "frames 2\nkey Y\nframes 1\ntexts\n");
    int labels = 0;
    for (const std::string& t : r.texts) labels += t.find("\"追い越され艇\"") != std::string::npos;
    EXPECT_EQ(labels, 0) << hide;
  }
}

TEST(TrafficScenes, TheOtherVesselStandsOnWhileTheUserSteers) {
  // The steering zone's left half turns the user's boat; a digit past the scenes moves nothing.
  const Sailed r = Read(Scene(3) + "frames 5\n" + kBoats + "move 500 640\nframes 150\n" + kBoats);
  EXPECT_GT(std::abs(std::remainder(r.At("BoatHeadings[1]", 1) - r.At("BoatHeadings[1]", 0), 360.0)), 20);
  EXPECT_EQ(r.At("BoatHeadings[2]", 1), r.At("BoatHeadings[2]", 0));
  EXPECT_LE(r.At("BoatSpeedTenths[2]", 1), 25);
  const Sailed none = Read(Scene(7) + "frames 50\nget BoatX[1] BoatY[1] InstructionPage\n");
  EXPECT_EQ(none.At("InstructionPage"), 0);
  EXPECT_EQ(none.At("BoatX[1]"), 0);
  EXPECT_EQ(none.At("BoatY[1]"), 0);
}

}  // namespace
