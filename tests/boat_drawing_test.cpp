// The boat drawing: which boats are drawn, which parts, and in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <tuple>
#include <vector>

#include "app/paint.h"
#include "boat/boat_setup.h"
#include "draw/palette.h"
#include "state/angles.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"
#include "view3d/camera.h"
#include "probe_helpers.h"
#include "test_world.h"

namespace {

constexpr int kBottom = 460;  // scene bottom of a 1280x720 frame

constexpr int kTypes[] = {1, 2, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15};
constexpr int kKeelboat = 12;
constexpr int kCatamaran = 10;

void SetType(World& w, int type) {
  w.BoatType = type;
  SetUpBoatClass(w);
}

struct Fixture {
  std::unique_ptr<World> world = TestWorld().Screen(1920, 1080).Fleet(4).Build();
  Canvas canvas{1280, 720};
  World& w = *world;

  explicit Fixture(int zoom = 2) {
    SetType(w, kKeelboat);
    w.HelmSign = -1;
    w.CameraDistance = zoom;
    for (int b = 1; b <= 4; ++b) Pose(b, 315, 1, 45, 60);
    UpdateViewDirection(w);
    SetSceneGeometry(w, Rect{0, 0, 1280, kBottom});
    canvas.FillRect(Rect{0, 0, 1280, 720}, palette::kWater);
  }

  // Heading, tack, true wind angle and speed in tenths; the wind comes from the side of the tack.
  void Pose(int b, int heading, int tack, int twa, int speed) {
    w.BoatHeadings[b] = heading;
    w.BoatTack[b] = tack;
    w.TrueWindAngles[b] = twa;
    w.WindDirectionAtBoat[b] = NormalizeDegrees(heading + tack * twa);
    w.HeelAngles[b] = twa < 90 ? 12 : 2;
    w.SailAngles[b] = twa < 90 ? 6 : 60;
    w.BoatSpeedTenths[b] = speed;
    w.BoatSpeeds[b] = speed;
  }

  // Sets the view so that boat b is seen at relative heading rho.
  void SeeAt(int b, int rho) { w.ViewDirection = NormalizeDegrees(w.BoatHeadings[b] - rho); }

  std::vector<BoatPart> Draw(int b, int x = 640, int y = 380) {
    DrawBoat(w, canvas, x, y, b, 1, kBottom, w.SceneTop);
    std::vector<BoatPart> parts;
    for (int i = 0; i < w.DrawnPartCount; ++i) parts.push_back(static_cast<BoatPart>(w.DrawnParts[i]));
    return parts;
  }
};

bool Has(const std::vector<BoatPart>& parts, BoatPart p) {
  return std::find(parts.begin(), parts.end(), p) != parts.end();
}

int IndexOf(const std::vector<BoatPart>& parts, BoatPart p) {
  return static_cast<int>(std::find(parts.begin(), parts.end(), p) - parts.begin());
}

TEST(BoatDrawing, CullsAtTheEdgesOfTheScene) {
  Fixture f;
  const int left = -1280 / 20, right = 1280 * 21 / 20;
  const int top = f.w.SceneTop;
  for (const auto& [x, y, drawn] : {std::tuple{left, 380, true}, {left - 1, 380, false}, {right, 380, true},
                                    {right + 1, 380, false}, {640, top, false}, {640, top + 1, true},
                                    {640, kBottom, true}, {640, kBottom + 1, false}}) {
    EXPECT_EQ(f.Draw(2, x, y).empty(), !drawn) << x << "," << y;
  }
  // The user's own boat is kept down to the view's bottom (its hull then under the panel).
  const int viewBottom = f.w.ViewHeight;
  ASSERT_GT(viewBottom, kBottom + 1);
  EXPECT_FALSE(f.Draw(1, 640, viewBottom).empty());
  EXPECT_TRUE(f.Draw(1, 640, viewBottom + 1).empty());
  EXPECT_TRUE(f.Draw(2, 640, kBottom + 1).empty());
  // Illustrations place their boats anywhere, and a scene without depth still has a size.
  f.w.IllustrationMode = 2;
  EXPECT_FALSE(f.Draw(2, left - 200, 0).empty());
  DrawBoat(f.w, f.canvas, 640, 300, 2, 1, 300, 300);
  EXPECT_GT(f.w.DrawnPartCount, 0);
}

// On a 1280x720 screen the view is 675 pixels high and the own boat's point lies just below
// the scene at the nearer zooms: it is still drawn, and it pitches.
TEST(BoatDrawing, OwnBoatShowsOnAShortView) {
  for (int zoom : {1, 2, 3}) {
    const ProbeRun run = RunProbe("command 32810\nkey SPACE\nframes 2\nkey SPACE\nset CameraDistance " +
                                      std::to_string(zoom) + "\nframes 5\nget UserBoatScreenY SceneBottom\n",
                                  ProbeOptions{.screenWidth = 1280, .screenHeight = 720});
    EXPECT_NE(run.output.find("UserBoatScreenY="), std::string::npos);
    EXPECT_EQ(run.output.find("UserBoatScreenY=-1000"), std::string::npos) << "zoom " << zoom << run.output;
  }
}

TEST(BoatDrawing, RemembersTheUsersBoat) {
  Fixture f;
  f.SeeAt(1, -30);
  auto remembered = [&] { return std::array{f.w.UserBoatScreenX, f.w.UserBoatScreenY, f.w.RelativeHeading}; };
  f.Draw(1, 600, 390);
  EXPECT_EQ(remembered(), (std::array{600, 390, -30}));
  f.SeeAt(2, 50);  // a fleet boat leaves both alone
  f.Draw(2, 200, 300);
  EXPECT_EQ(remembered(), (std::array{600, 390, -30}));
}

TEST(BoatDrawing, NoSpinnakerAboveTheFarRow) {
  Fixture f;
  for (int b = 1; b <= 2; ++b) {
    f.Pose(b, 315, 1, 160, 70);
    f.w.SpinnakerFlying[b] = 1;
  }
  f.SeeAt(2, 0);
  const int farRow = (kBottom + 3 * f.w.SceneTop) / 4;
  EXPECT_TRUE(Has(f.Draw(2, 640, farRow), BoatPart::Spinnaker));
  EXPECT_EQ(f.w.PointBudget, 56);
  const auto far = f.Draw(2, 640, farRow - 1);
  EXPECT_FALSE(Has(far, BoatPart::Spinnaker));
  EXPECT_EQ(f.w.PointBudget, 38);
  // Two points fewer for a fleet boat well above the far row; the user's boat keeps them.
  f.Draw(2, 640, farRow - 720 / 10 - 1);
  EXPECT_EQ(f.w.PointBudget, 36);
  f.SeeAt(1, 0);
  EXPECT_FALSE(Has(f.Draw(1, 640, farRow - 720 / 10 - 1), BoatPart::Spinnaker));
  EXPECT_EQ(f.w.PointBudget, 38);
}

TEST(BoatDrawing, HullSidesByTheSideShown) {
  Fixture f;
  struct Case {
    int rho;
    bool transom, starboard, port;
  };
  // From astern the transom only, head-on both sides; heading right across the screen the
  // starboard side faces the camera.
  for (const Case& c : {Case{0, true, false, false}, Case{180, false, true, true}, Case{-170, false, true, true},
                        Case{90, false, true, false}}) {
    f.SeeAt(1, c.rho);
    const auto parts = f.Draw(1);
    EXPECT_EQ(Has(parts, BoatPart::Transom), c.transom) << c.rho;
    EXPECT_EQ(Has(parts, BoatPart::HullStarboard), c.starboard) << c.rho;
    EXPECT_EQ(Has(parts, BoatPart::HullPort), c.port) << c.rho;
  }
  EXPECT_GT(f.w.OutlineScreenX[5], 640);                      // the bow points right
  EXPECT_GT(f.w.OutlineScreenY[8], f.w.OutlineScreenY[14]);  // and starboard is nearer
}

TEST(BoatDrawing, CommitteeBoatLiesHeadToWindWithHullFlagAndStaffOnly) {
  Fixture f;
  f.w.WindDirection = 200;
  f.w.BoatHeadings[0] = 17;  // whatever its slot holds
  f.w.ViewDirection = 200;   // looking along the wind: the boat is seen from astern
  auto parts = f.Draw(0);
  EXPECT_EQ(f.w.OutlineScreenX[5], 640);
  EXPECT_LT(f.w.OutlineScreenY[5], f.w.OutlineScreenY[11]);
  f.w.ViewDirection = 290;  // the wind from the left: the bow points left
  parts = f.Draw(0);
  EXPECT_LT(f.w.OutlineScreenX[5], 640);
  ASSERT_FALSE(parts.empty());
  EXPECT_EQ(parts.back(), BoatPart::Flag);
  for (BoatPart p : parts) {
    EXPECT_TRUE(p == BoatPart::HullStarboard || p == BoatPart::HullPort || p == BoatPart::Transom ||
                p == BoatPart::Deck || p == BoatPart::Flag)
        << static_cast<int>(p);
  }
}

// Sails and crew are drawn back to front by the side of the main seen, the mast last.
TEST(BoatDrawing, SailsAndCrewOrderedBySideOfTheMainSeen) {
  using enum BoatPart;
  struct Case {
    int tack, rho, leeSideSeen;
    std::vector<BoatPart> backToFront;
  };
  const Case kCases[] = {
      // Starboard tack seen from starboard (the windward side): the jib lies behind the main and
      // the crew hiking to windward in front of it.
      {1, 90, 1, {Jib, Main, Crew1}},
      // Port tack seen from the same side is the mirror image.
      {-1, 90, 0, {Crew1, Main, Jib}},
      {-1, 170, 0, {Crew1, Crew3, Main, Jib}},  // from astern the forward crew come first
      {-1, -90, 1, {Jib, Main, Crew1}},
      {-1, 10, 1, {Jib, Main, Crew3, Crew1}},  // from ahead the skipper comes first
  };
  Fixture f;
  f.w.SkipperHike = f.w.Crew1Hike = f.w.Crew2Hike = 2;
  for (const Case& c : kCases) {
    f.Pose(2, 315, c.tack, 45, 60);
    f.SeeAt(2, c.rho);
    const auto parts = f.Draw(2);
    SCOPED_TRACE(testing::Message() << "tack " << c.tack << " rho " << c.rho);
    EXPECT_EQ(f.w.LeeSideSeen, c.leeSideSeen);
    ASSERT_FALSE(parts.empty());
    EXPECT_EQ(parts.back(), Mast);
    for (std::size_t i = 1; i < c.backToFront.size(); ++i) {
      EXPECT_LT(IndexOf(parts, c.backToFront[i - 1]), IndexOf(parts, c.backToFront[i])) << i;
    }
  }
}

// Every type at every zoom and angle: the crew and sails of its class, downwind the spinnaker
// or the two-man dinghy's whisker-poled jib in place of the jib, and no point flung far off.
TEST(BoatDrawing, EveryTypeAtEveryZoomAndAngle) {
  for (int zoom = 1; zoom <= 4; ++zoom) {
    Fixture f(zoom);
    for (int type : kTypes) {
      SetType(f.w, type);
      const int h = f.w.HullClass;
      for (bool running : {false, true}) {
        f.Pose(1, 315, 1, running ? 165 : 45, 60);
        const bool spinnaker = running && h > 1 && h != 9;
        f.w.SpinnakerFlying[1] = spinnaker;
        for (int rho = -179; rho <= 180; rho += 37) {
          f.SeeAt(1, rho);
          const auto parts = f.Draw(1, 640, 400);
          SCOPED_TRACE(testing::Message() << "type " << type << " zoom " << zoom << " rho " << rho);
          ASSERT_TRUE(Has(parts, BoatPart::Main));
          EXPECT_TRUE(Has(parts, BoatPart::Mast));
          EXPECT_TRUE(Has(parts, BoatPart::Crew1));
          EXPECT_EQ(Has(parts, BoatPart::Crew2), h > 1);
          EXPECT_EQ(Has(parts, BoatPart::Crew3), h >= 4 && h <= 8);
          EXPECT_EQ(Has(parts, BoatPart::Crew5), h == 7);
          EXPECT_EQ(Has(parts, BoatPart::Jib), h > 1 && !spinnaker);
          EXPECT_EQ(Has(parts, BoatPart::CatHulls), f.w.IsCatamaran == 1);
          EXPECT_EQ(Has(parts, BoatPart::Spinnaker), spinnaker && h != 2);
          EXPECT_EQ(Has(parts, BoatPart::WhiskerJib), spinnaker && h == 2);
          for (int i = 0; i < f.w.PointBudget; ++i) EXPECT_LT(std::abs(f.w.OutlineScreenX[i] - 640), 1280) << i;
        }
      }
    }
  }
}

TEST(BoatDrawing, DrawingAgesTheWakeHistoryAndAFlyingCatamaranHullLeavesNone) {
  Fixture f;
  f.SeeAt(1, 0);
  for (int s = 0; s < kWakeLength; ++s) {
    f.w.WakeX[1][s] = 0;
    f.w.WakeY[1][s] = 2.0 * s;
  }
  auto parts = f.Draw(1);
  ASSERT_TRUE(Has(parts, BoatPart::Wake));
  EXPECT_EQ(f.w.WakeY[1][0], 0);
  EXPECT_EQ(f.w.WakeY[1][1], 0);
  EXPECT_EQ(f.w.WakeY[1][39], 76);
  // No wake at 2.5 knots, while stopped, or at simulator speed 12.
  f.Pose(1, 315, 1, 45, 25);
  EXPECT_FALSE(Has(f.Draw(1), BoatPart::Wake));
  f.Pose(1, 315, 1, 45, 60);
  f.w.Stopped = 1;
  EXPECT_FALSE(Has(f.Draw(1), BoatPart::Wake));
  f.w.Stopped = 0;
  f.w.SimSpeed = 12;
  EXPECT_FALSE(Has(f.Draw(1), BoatPart::Wake));

  f.w.SimSpeed = 9;
  SetType(f.w, kCatamaran);
  f.SeeAt(1, 20);
  f.w.HeelAngles[1] = 4;
  parts = f.Draw(1);
  EXPECT_TRUE(Has(parts, BoatPart::CatWakeLeeward));
  EXPECT_TRUE(Has(parts, BoatPart::CatWakeWindward));
  EXPECT_FALSE(Has(parts, BoatPart::Wake));
  f.w.HeelAngles[1] = 9;
  parts = f.Draw(1);
  EXPECT_TRUE(Has(parts, BoatPart::CatWakeLeeward));
  EXPECT_FALSE(Has(parts, BoatPart::CatWakeWindward));
  EXPECT_FALSE(Has(parts, BoatPart::Telltales));  // not on catamarans
  // At exactly 7 degrees the windward hull touches the water about half the time.
  f.w.HeelAngles[1] = 7;
  int windward = 0;
  for (int i = 0; i < 200; ++i) windward += Has(f.Draw(1), BoatPart::CatWakeWindward);
  EXPECT_GT(windward, 50);
  EXPECT_LT(windward, 150);
}

// The transparent main, the telltales and the chord lines belong to the user's boat alone.
TEST(BoatDrawing, UsersSailsAloneShowTransparencyTelltalesAndChordLines) {
  Fixture f;
  f.Pose(1, 315, 1, 90, 60);
  f.Pose(2, 315, 1, 90, 60);
  f.w.SailAngles[1] = f.w.SailAngles[2] = 30;
  auto sailPixel = [&](int b) {
    f.canvas.FillRect(Rect{0, 0, 1280, 720}, palette::kWater);
    f.SeeAt(b, 90);
    f.Draw(b);
    // Midway between the boom's end and the head, pulled toward the mast: inside the main.
    const int x = (f.w.OutlineScreenX[17] + f.w.OutlineScreenX[20] + 2 * 640) / 4;
    const int y = (f.w.OutlineScreenY[17] + f.w.OutlineScreenY[20]) / 2;
    return f.canvas.GetPixel(x, y);
  };
  EXPECT_NE(sailPixel(1), palette::kWater);
  f.w.MainTransparent = 1;
  EXPECT_EQ(sailPixel(1), palette::kWater);
  EXPECT_NE(sailPixel(2), palette::kWater);

  f.w.MainTransparent = 0;
  f.SeeAt(1, 90);
  auto parts = f.Draw(1);
  EXPECT_TRUE(Has(parts, BoatPart::Telltales));
  EXPECT_FALSE(Has(parts, BoatPart::ChordLines));
  EXPECT_FALSE(Has(f.Draw(2), BoatPart::Telltales));
  const int flowingTailY = f.w.TelltaleScreenY[1];
  f.w.MainStalled = 1;  // the leech telltales hang down
  f.Draw(1);
  EXPECT_GT(f.w.TelltaleScreenY[1], flowingTailY);
  f.w.ChordLinesShown = 1;
  EXPECT_TRUE(Has(f.Draw(1), BoatPart::ChordLines));
  EXPECT_FALSE(Has(f.Draw(2), BoatPart::ChordLines));
  f.w.SimpleGraphics = 1;
  EXPECT_FALSE(Has(f.Draw(1), BoatPart::Telltales));
}

}  // namespace
