// The mouse: the sheet bars, the page buttons, picking a vessel, dragging and the wheel.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>
#include <utility>

#include "input/mouse.h"
#include "platform/sound_sink.h"
#include "state/world.h"
#include "test_world.h"

namespace {

// A 1280 x 720 view while sailing: u = 14, h2 = 360, v = 48; the scene runs from 72 to 460.
struct MouseTest : ::testing::Test {
  RecordingSoundSink sounds;
  std::unique_ptr<World> world = TestWorld().View(1280, 720).Sound(&sounds).Build();
  World& w = *world;
  void SetUp() override { std::tie(w.SailingState, w.SceneTop, w.SceneBottom, w.MiniViewWidth) = std::tuple{2, 72, 460, 426}; }
  void Click(int x, int y) {
    LeftButtonDown(w, x, y);
    LeftButtonUp(w, x, y);
  }
};

TEST_F(MouseTest, LeftBarSetsTheMainSheetAndTraveller) {
  // The top is fully in; the last u pixels above half height all read fully out; the scene's
  // top edge (72) is outside the bar and leaves the sheet and its automatic trim alone.
  for (const auto& [y, sheet] : {std::pair{73, -3.0}, {200, 20.0}, {345, 46.0}, {346, 47.0}, {359, 47.0}, {72, 10.0}}) {
    std::tie(w.MainAutoTrimActive, w.MainSheet) = std::tuple{1, 10.0};
    Click(5, y);
    EXPECT_DOUBLE_EQ(w.MainSheet, sheet) << y;
    EXPECT_EQ((std::array{w.MainAutoTrimActive, w.ClickY}), (y == 72 ? std::array{1, 72} : std::array{0, -100})) << y;
  }

  for (const auto& [y, traveller] : {std::pair{375, 0}, {392, 1}, {460, 4}, {507, 4}, {508, 2}}) {
    w.Traveller = 2;
    Click(14, y);  // the last below the bar: left as it was
    EXPECT_EQ(w.Traveller, traveller) << y;
  }
}

TEST_F(MouseTest, RightBarTrimsTheJibOrTheFlyingSpinnaker) {
  Click(1266, 73);
  EXPECT_EQ((std::array{w.JibSheet, w.JibAutoTrimActive}), (std::array{0, 0}));
  Click(1266, 380);  // below half height but above h2 + v
  EXPECT_EQ(w.JibSheet, 24);
  std::tie(w.SpinnakerFlying[1], w.JibSheet, w.SpinnakerSheet) = std::tuple{1, 8, 0};
  Click(1279, 216);
  EXPECT_EQ((std::array{w.SpinnakerSheet, w.SpinnakerAutoTrimActive, w.JibSheet}), (std::array{12, 0, 8}));
  Click(1265, 216);  // one pixel too far left
  EXPECT_EQ(w.ClickX, 1265);
}

// Any press resumes a stopped simulation and still acts; under a page the bars wait and the
// press stays latched for the page's buttons.
TEST_F(MouseTest, PressResumesAndActsButNotThroughAPage) {
  std::tie(w.Stopped, w.RepaintSuspended) = std::tuple{1, 1};
  LeftButtonDown(w, 5, 200);
  EXPECT_EQ((std::array{w.Stopped, w.RepaintSuspended}), (std::array{0, 0}));
  EXPECT_DOUBLE_EQ(w.MainSheet, 20.0);
  std::tie(w.InstructionPage, w.MainSheet) = std::tuple{3, 10.0};
  LeftButtonDown(w, 5, 200);
  EXPECT_DOUBLE_EQ(w.MainSheet, 10.0);
  EXPECT_EQ((std::array{w.ClickX, w.ClickY}), (std::array{5, 200}));
}

TEST_F(MouseTest, WheelMovesOneUnitPerMessage) {
  w.MainSheet = 10;
  // A message of any size moves one unit; a part of one below a notch moves nothing.
  for (const auto& [delta, sheet] : {std::pair{240, 11.0}, {60, 11.0}, {-119, 11.0}, {-120, 10.0}}) {
    MouseWheel(w, delta);
    EXPECT_DOUBLE_EQ(w.MainSheet, sheet) << delta;
  }
  ASSERT_EQ(sounds.Requests().size(), 2u);
  EXPECT_EQ((std::array{sounds.Requests()[0].event, sounds.Requests()[1].event}), (std::array{2, 1}));
}

TEST_F(MouseTest, HelpAndGlossaryPageButtons) {
  std::tie(w.PageButtonsY, w.NextPageButtonX, w.PrevPageButtonX) = std::tuple{605, 832, 1024};
  // The page, where the press lands, the page shown after.
  const std::array<int, 4> kCases[] = {
      {901, 833, 606, 902}, {912, 833, 606, 913}, {913, 833, 606, 913}, {902, 1025, 606, 901}, {901, 1025, 606, 901},
      {913, 1025, 606, 912}, {905, 833, 605, 905}, {905, 833, 625, 905}, {905, 974, 606, 905},
      {601, 833, 606, 602}, {609, 833, 606, 609},  {609, 1030, 606, 608}, {601, 1030, 606, 601}};
  for (const auto& [page, x, y, expected] : kCases) {
    std::tie(w.InstructionPage, w.ClickX) = std::tuple{page, 0};
    LeftButtonDown(w, x, y);
    EXPECT_EQ((std::array{w.InstructionPage, w.ClickX}), (std::array{expected, expected != page ? -100 : x}))
        << page << " " << x << "," << y;
  }
}

TEST_F(MouseTest, TutorialAdvanceButtonWraps) {
  std::tie(w.InstructionPage, w.AdvanceButtonY, w.TutorialStepCount, w.TutorialStep) = std::tuple{104, 288, 2, 1};
  LeftButtonDown(w, 10, 290);
  EXPECT_EQ((std::array{w.TutorialStep, w.ClickY}), (std::array{2, 0}));
  LeftButtonDown(w, 427, 290);
  EXPECT_EQ(w.TutorialStep, 0);
  LeftButtonDown(w, 428, 290);  // past W / 3 + 2
  LeftButtonDown(w, 10, 308);   // below the button
  w.InstructionPage = 905;      // help pages have no advance button
  LeftButtonDown(w, 10, 290);
  EXPECT_EQ(w.TutorialStep, 0);
}

TEST_F(MouseTest, ReleasePicksTheLastVesselUnderThePointer) {
  std::tie(w.ActivityMode, w.VesselScreenX, w.VesselScreenY) =
      std::tuple{8, decltype(w.VesselScreenX){0, 0, 500, 540, 900}, decltype(w.VesselScreenY){0, 0, 200, 210, 200}};
  LeftButtonUp(w, 520, 215);  // over vessels 2 and 3
  EXPECT_EQ(w.BearingTarget, 3);
  EXPECT_EQ(sounds.Requests().size(), 2u);
  // Only vessel 2 is within 50 pixels; the box reaches 15 pixels further below a vessel's point
  // than above it; outside collision avoidance nothing is picked.
  const int releases[][4] = {{451, 215, 2, 8}, {900, 264, 4, 8}, {900, 166, 4, 8}, {900, 165, 0, 8}, {900, 265, 0, 8}, {500, 215, 0, 1}};
  for (const auto& [x, y, target, mode] : releases) {
    std::tie(w.BearingTarget, w.ActivityMode) = std::tuple{0, mode};
    LeftButtonUp(w, x, y);
    EXPECT_EQ(w.BearingTarget, target) << x << "," << y;
  }
}

// From the sailing view a vertical drag trims the main, a unit for every 7 pixels, in when
// dragged down; not from the view's edges, for a twitch shorter than a unit, or under a page.
TEST_F(MouseTest, DragInTheSailingViewTrimsTheMain) {
  // From, to, the page shown, the sheet after: five units in, then up eases no further than
  // fully out, then the drags that do nothing.
  const std::tuple<int, int, int, int, double> kCases[] = {
      {600, 200, 236, 0, 15.0},  {600, 300, 90, 0, 47.0},  {426, 200, 300, 0, 20.0}, {853, 200, 300, 0, 20.0},
      {600, 460, 560, 0, 20.0},  {600, 72, 172, 0, 20.0},  {600, 200, 206, 0, 20.0}, {600, 200, 300, 907, 20.0},
  };
  for (const auto& [x, y, toY, page, sheet] : kCases) {
    std::tie(w.MainSheet, w.MainAutoTrimActive, w.InstructionPage) = std::tuple{20.0, 1, page};
    LeftButtonDown(w, x, y);
    LeftButtonUp(w, x, toY);
    EXPECT_DOUBLE_EQ(w.MainSheet, sheet) << x << "," << y << " to " << toY;
    EXPECT_EQ(w.MainAutoTrimActive, sheet == 20.0 ? 1 : 0);
  }
  EXPECT_EQ(sounds.Requests().size(), 2u);  // a click for each drag that trimmed
  // A release without a press (the press went to a dialog or menu) is no drag.
  w.InstructionPage = 0;
  LeftButtonUp(w, 600, 400);
  EXPECT_DOUBLE_EQ(w.MainSheet, 20.0);
}

// Views too small for the bars must not divide by zero.
TEST_F(MouseTest, DegenerateBarsReadAsTheirFarEnd) {
  // u = 2, h2 = 50; the main-sheet scale has no length left.
  std::tie(w.ViewHeight, w.SceneTop, w.SceneBottom) = std::tuple{100, 48, 52};
  LeftButtonDown(w, 5, 49);
  EXPECT_DOUBLE_EQ(w.MainSheet, 47.0);
  LeftButtonDown(w, 5, 53);  // traveller scale 52 - 52 = 0
  EXPECT_EQ(w.Traveller, 4);
  w.SceneTop = 52;  // the jib scale starts below half height
  LeftButtonDown(w, 1270, 53);
  EXPECT_EQ(w.JibSheet, 24);
}

}  // namespace
