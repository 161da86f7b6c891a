// The boat drawing: which boats are drawn, which parts, and in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "app/paint.h"
#include "boat/boat_setup.h"
#include "draw/palette.h"
#include "state/angles.h"
#include "view3d/boat_drawing.h"
#include "view3d/camera.h"
#include "test_world.h"

namespace {

constexpr int kBottom = 460;  // scene bottom of a 1280x720 frame
constexpr int kTypes[] = {1, 2, 4, 6, 7, 9, 10, 11, 12, 13, 14, 15};
constexpr int kKeelboat = 12, kCatamaran = 10;

void SetType(World& w, int type) { w.BoatType = type, SetUpBoatClass(w); }

struct Fixture {
  std::unique_ptr<World> world = TestWorld().Screen(1920, 1080).Fleet(4).Build();
  Canvas canvas{1280, 720};
  World& w = *world;

  explicit Fixture(int zoom = 2) {
    SetType(w, kKeelboat);
    std::tie(w.HelmSign, w.CameraDistance) = std::tuple{-1, zoom};
    for (int b = 1; b <= 4; ++b) Pose(b, 315, 1, 45, 60);
    UpdateViewDirection(w), SetSceneGeometry(w, Rect{0, 0, 1280, kBottom});
    canvas.FillRect(Rect{0, 0, 1280, 720}, palette::kWater);
  }

  // Heading, tack, true wind angle and speed in tenths; the wind comes from the side of the tack.
  void Pose(int b, int heading, int tack, int twa, int speed) {
    std::tie(w.BoatHeadings[b], w.BoatTack[b], w.TrueWindAngles[b], w.WindDirectionAtBoat[b]) =
        std::tuple{heading, tack, twa, NormalizeDegrees(heading + tack * twa)};
    std::tie(w.HeelAngles[b], w.SailAngles[b]) = twa < 90 ? std::pair{12, 6} : std::pair{2, 60};
    w.BoatSpeedTenths[b] = w.BoatSpeeds[b] = speed;
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

int IndexOf(const std::vector<BoatPart>& parts, BoatPart p) { return static_cast<int>(std::ranges::find(parts, p) - parts.begin()); }
bool Has(const std::vector<BoatPart>& parts, BoatPart p) { return IndexOf(parts, p) < static_cast<int>(parts.size()); }

TEST(BoatDrawing, CullsAtTheEdgesOfTheScene) {
  Fixture f;
  const int left = -1280 / 20, right = 1280 * 21 / 20, top = f.w.SceneTop;
  for (const auto& [x, y, drawn] : {std::tuple{left, 380, true}, {left - 1, 380, false}, {right, 380, true},
                                    {right + 1, 380, false}, {640, top, false}, {640, top + 1, true},
                                    {640, kBottom, true}, {640, kBottom + 1, false}})
    EXPECT_EQ(f.Draw(2, x, y).empty(), !drawn) << x << "," << y;
  // The user's own boat is kept down to the view's bottom (its hull then under the panel).
  ASSERT_GT(f.w.ViewHeight, kBottom + 1);
  EXPECT_EQ(std::pair(f.Draw(1, 640, f.w.ViewHeight).empty(), f.Draw(1, 640, f.w.ViewHeight + 1).empty()), std::pair(false, true));
  // Illustrations place their boats anywhere, and a scene without depth still has a size.
  f.w.IllustrationMode = 2;
  EXPECT_FALSE(f.Draw(2, left - 200, 0).empty());
  DrawBoat(f.w, f.canvas, 640, 300, 2, 1, 300, 300);
  EXPECT_GT(f.w.DrawnPartCount, 0);
}

TEST(BoatDrawing, RemembersTheUsersBoat) {
  Fixture f;
  f.SeeAt(1, -30), f.Draw(1, 600, 390);
  f.SeeAt(2, 50), f.Draw(2, 200, 300);  // a fleet boat leaves both alone
  EXPECT_EQ((std::array{f.w.UserBoatScreenX, f.w.UserBoatScreenY, f.w.RelativeHeading}), (std::array{600, 390, -30}));
}

TEST(BoatDrawing, NoSpinnakerAboveTheFarRow) {
  Fixture f;
  for (int b = 1; b <= 2; ++b) f.Pose(b, 315, 1, 160, 70), f.w.SpinnakerFlying[b] = 1;
  const int farRow = (kBottom + 3 * f.w.SceneTop) / 4;
  // Two points fewer for a fleet boat well above the far row; the user's boat keeps them.
  for (const auto& [b, y, spinnaker, budget] : {std::tuple{2, farRow, true, 56}, {2, farRow - 1, false, 38},
                                                {2, farRow - 72 - 1, false, 36}, {1, farRow - 72 - 1, false, 38}}) {
    f.SeeAt(b, 0);
    EXPECT_EQ(Has(f.Draw(b, 640, y), BoatPart::Spinnaker), spinnaker) << b << " " << y;
    EXPECT_EQ(f.w.PointBudget, budget) << b << " " << y;
  }
}

TEST(BoatDrawing, HullSidesByTheSideShown) {
  Fixture f;
  // From astern the transom only, head-on both sides; heading right across the screen the
  // starboard side faces the camera. (rho: transom, starboard, port)
  for (const auto& [rho, sides] : {std::pair{0, std::array{true, false, false}}, {180, {false, true, true}},
                                   {-170, {false, true, true}}, {90, {false, true, false}}}) {
    const auto parts = (f.SeeAt(1, rho), f.Draw(1));
    EXPECT_EQ((std::array{Has(parts, BoatPart::Transom), Has(parts, BoatPart::HullStarboard),
                          Has(parts, BoatPart::HullPort)}), sides) << rho;
  }
  EXPECT_GT(f.w.OutlineScreenX[5], 640);                      // the bow points right
  EXPECT_GT(f.w.OutlineScreenY[8], f.w.OutlineScreenY[14]);  // and starboard is nearer
}

TEST(BoatDrawing, CommitteeBoatLiesHeadToWindWithHullFlagAndStaffOnly) {
  Fixture f;
  // Whatever its slot's heading; looking along the wind the boat is seen from astern.
  std::tie(f.w.WindDirection, f.w.BoatHeadings[0], f.w.ViewDirection) = std::tuple{200, 17, 200};
  f.Draw(0);
  EXPECT_TRUE(f.w.OutlineScreenX[5] == 640 && f.w.OutlineScreenY[5] < f.w.OutlineScreenY[11]);
  f.w.ViewDirection = 290;  // the wind from the left: the bow points left
  const auto parts = f.Draw(0);
  EXPECT_LT(f.w.OutlineScreenX[5], 640);
  EXPECT_TRUE(Has(parts, BoatPart::Flag));
  using enum BoatPart;
  for (BoatPart p : parts)
    EXPECT_TRUE(p == HullStarboard || p == HullPort || p == Transom || p == Deck || p == Flag) << static_cast<int>(p);
}

// Sails and crew are drawn back to front by the side of the main seen, the mast last.
TEST(BoatDrawing, SailsAndCrewOrderedBySideOfTheMainSeen) {
  using enum BoatPart;
  struct Case { int tack, rho, leeSideSeen; std::vector<BoatPart> backToFront; };
  // Starboard tack seen from starboard (the windward side): the jib behind the main, the crew
  // hiking to windward in front; port tack from there the mirror image. From astern the forward
  // crew come first, from ahead the skipper.
  const Case kCases[] = {{1, 90, 1, {Jib, Main, Crew1}}, {-1, 90, 0, {Crew1, Main, Jib}}, {-1, 170, 0, {Crew1, Crew3, Main, Jib}},
                         {-1, -90, 1, {Jib, Main, Crew1}}, {-1, 10, 1, {Jib, Main, Crew3, Crew1}}};
  Fixture f;
  f.w.SkipperHike = f.w.Crew1Hike = f.w.Crew2Hike = 2;
  for (const Case& c : kCases) {
    f.Pose(2, 315, c.tack, 45, 60), f.SeeAt(2, c.rho);
    const auto parts = f.Draw(2);
    SCOPED_TRACE(testing::Message() << "tack " << c.tack << " rho " << c.rho);
    EXPECT_EQ(f.w.LeeSideSeen, c.leeSideSeen);
    EXPECT_TRUE(!parts.empty() && parts.back() == Mast);
    for (std::size_t i = 1; i < c.backToFront.size(); ++i)
      EXPECT_LT(IndexOf(parts, c.backToFront[i - 1]), IndexOf(parts, c.backToFront[i])) << i;
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
        const bool spinnaker = running && h > 1 && h != 9;
        f.Pose(1, 315, 1, running ? 165 : 45, 60), f.w.SpinnakerFlying[1] = spinnaker;
        for (int rho = -179; rho <= 180; rho += 37) {
          const auto parts = (f.SeeAt(1, rho), f.Draw(1, 640, 400));
          SCOPED_TRACE(testing::Message() << "type " << type << " zoom " << zoom << " rho " << rho);
          using enum BoatPart;
          const std::pair<BoatPart, bool> expected[] = {
              {Main, true}, {Mast, true}, {Crew1, true}, {Crew2, h > 1}, {Crew3, h >= 4 && h <= 8}, {Crew5, h == 7},
              {Jib, h > 1 && !spinnaker}, {CatHulls, f.w.IsCatamaran == 1}, {Spinnaker, spinnaker && h != 2},
              {WhiskerJib, spinnaker && h == 2}};
          for (auto [part, shown] : expected) EXPECT_EQ(Has(parts, part), shown) << static_cast<int>(part);
          for (int i = 0; i < f.w.PointBudget; ++i) EXPECT_LT(std::abs(f.w.OutlineScreenX[i] - 640), 1280) << i;
        }
      }
    }
  }
}

TEST(BoatDrawing, DrawingAgesTheWakeHistoryAndAFlyingCatamaranHullLeavesNone) {
  Fixture f;
  f.SeeAt(1, 0);
  for (int s = 0; s < kWakeLength; ++s) std::tie(f.w.WakeX[1][s], f.w.WakeY[1][s]) = std::tuple{0, 2.0 * s};
  ASSERT_TRUE(Has(f.Draw(1), BoatPart::Wake));
  EXPECT_EQ((std::array{f.w.WakeY[1][0], f.w.WakeY[1][1], f.w.WakeY[1][39]}), (std::array{0.0, 0.0, 76.0}));
  // No wake at 2.5 knots, while stopped, or at simulator speed 12.
  for (const auto& [speed, stopped, simSpeed] : {std::tuple{25, 0, 9}, {60, 1, 9}, {60, 0, 12}}) {
    f.Pose(1, 315, 1, 45, speed), std::tie(f.w.Stopped, f.w.SimSpeed) = std::tuple{stopped, simSpeed};
    EXPECT_FALSE(Has(f.Draw(1), BoatPart::Wake)) << speed << " " << stopped << " " << simSpeed;
  }

  f.w.SimSpeed = 9, SetType(f.w, kCatamaran), f.SeeAt(1, 20);
  for (auto [heel, windward] : {std::pair{4, true}, {9, false}}) {
    f.w.HeelAngles[1] = heel;
    const auto parts = f.Draw(1);  // no single wake, nor telltales on catamarans
    EXPECT_EQ((std::array{Has(parts, BoatPart::CatWakeLeeward), Has(parts, BoatPart::CatWakeWindward), Has(parts, BoatPart::Wake),
                          Has(parts, BoatPart::Telltales)}), (std::array{true, windward, false, false})) << heel;
  }
  // At exactly 7 degrees the windward hull touches the water about half the time.
  f.w.HeelAngles[1] = 7;
  int windward = 0;
  for (int i = 0; i < 200; ++i) windward += Has(f.Draw(1), BoatPart::CatWakeWindward);
  EXPECT_TRUE(windward > 50 && windward < 150) << windward;
}

// The transparent main, the telltales and the chord lines belong to the user's boat alone.
TEST(BoatDrawing, UsersSailsAloneShowTransparencyTelltalesAndChordLines) {
  Fixture f;
  for (int b : {1, 2}) f.Pose(b, 315, 1, 90, 60), f.w.SailAngles[b] = 30;
  auto sailPixel = [&](int b) {
    f.canvas.FillRect(Rect{0, 0, 1280, 720}, palette::kWater), f.SeeAt(b, 90), f.Draw(b);
    // Midway between the boom's end and the head, pulled toward the mast: inside the main.
    const int x = (f.w.OutlineScreenX[17] + f.w.OutlineScreenX[20] + 2 * 640) / 4;
    const int y = (f.w.OutlineScreenY[17] + f.w.OutlineScreenY[20]) / 2;
    return f.canvas.GetPixel(x, y);
  };
  EXPECT_NE(sailPixel(1), palette::kWater);
  f.w.MainTransparent = 1;
  EXPECT_TRUE(sailPixel(1) == palette::kWater && sailPixel(2) != palette::kWater);
  f.w.MainTransparent = 0, f.SeeAt(1, 90);
  const auto parts = f.Draw(1);
  EXPECT_TRUE(Has(parts, BoatPart::Telltales) && !Has(parts, BoatPart::ChordLines));
  EXPECT_FALSE(Has(f.Draw(2), BoatPart::Telltales));
  const int flowingTailY = f.w.TelltaleScreenY[1];
  f.w.MainStalled = 1;  // the leech telltales hang down
  EXPECT_TRUE(Has(f.Draw(1), BoatPart::Telltales) && f.w.TelltaleScreenY[1] > flowingTailY);
  f.w.ChordLinesShown = 1;
  EXPECT_TRUE(Has(f.Draw(1), BoatPart::ChordLines) && !Has(f.Draw(2), BoatPart::ChordLines));
  f.w.SimpleGraphics = 1;
  EXPECT_FALSE(Has(f.Draw(1), BoatPart::Telltales));
}

}  // namespace
