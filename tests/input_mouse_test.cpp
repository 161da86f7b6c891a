// The mouse: the sheet bars, the page buttons, picking a vessel, dragging and the wheel.
#include <gtest/gtest.h>

#include <memory>

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
  void SetUp() override {
    w.SailingState = 2;
    w.SceneTop = 72;
    w.SceneBottom = 460;
    w.MiniViewWidth = 426;
  }
  void Click(int x, int y) {
    LeftButtonDown(w, x, y);
    LeftButtonUp(w, x, y);
  }
};

TEST_F(MouseTest, LeftBarSetsTheMainSheetAndTraveller) {
  struct Case {
    int y;
    double sheet;
  };
  // The top is fully in; the last u pixels above half height all read fully out.
  const Case kCases[] = {{73, -3.0}, {200, 20.0}, {345, 46.0}, {346, 47.0}, {359, 47.0}};
  for (const Case& c : kCases) {
    w.MainAutoTrimActive = 1;
    Click(5, c.y);
    EXPECT_DOUBLE_EQ(w.MainSheet, c.sheet) << c.y;
    EXPECT_EQ(w.MainAutoTrimActive, 0);
    EXPECT_EQ(w.ClickY, -100);  // consumed
  }
  w.MainSheet = 10;
  Click(5, 72);  // on the scene's top edge: outside the bar
  EXPECT_DOUBLE_EQ(w.MainSheet, 10.0);

  const int travellerCases[][2] = {{375, 0}, {392, 1}, {460, 4}, {507, 4}};
  for (const auto& c : travellerCases) {
    Click(14, c[0]);
    EXPECT_EQ(w.Traveller, c[1]) << c[0];
  }
  w.Traveller = 2;
  Click(14, 508);
  EXPECT_EQ(w.Traveller, 2);
}

TEST_F(MouseTest, RightBarTrimsTheJibOrTheFlyingSpinnaker) {
  Click(1266, 73);
  EXPECT_EQ(w.JibSheet, 0);
  EXPECT_EQ(w.JibAutoTrimActive, 0);
  Click(1266, 380);  // below half height but above h2 + v
  EXPECT_EQ(w.JibSheet, 24);
  w.SpinnakerFlying[1] = 1;
  w.JibSheet = 8;
  Click(1279, 216);
  EXPECT_EQ(w.SpinnakerSheet, 12);
  EXPECT_EQ(w.SpinnakerAutoTrimActive, 0);
  EXPECT_EQ(w.JibSheet, 8);
  Click(1265, 216);  // one pixel too far left
  EXPECT_EQ(w.ClickX, 1265);
}

// Any press resumes a stopped simulation and still acts; under a page the bars wait and the
// press stays latched for the page's buttons.
TEST_F(MouseTest, PressResumesAndActsButNotThroughAPage) {
  w.Stopped = 1;
  w.RepaintSuspended = 1;
  LeftButtonDown(w, 5, 200);
  EXPECT_EQ(w.Stopped, 0);
  EXPECT_EQ(w.RepaintSuspended, 0);
  EXPECT_DOUBLE_EQ(w.MainSheet, 20.0);
  w.InstructionPage = 3;
  w.MainSheet = 10;
  LeftButtonDown(w, 5, 200);
  EXPECT_DOUBLE_EQ(w.MainSheet, 10.0);
  EXPECT_EQ(w.ClickX, 5);
  EXPECT_EQ(w.ClickY, 200);
}

TEST_F(MouseTest, WheelMovesOneUnitPerMessage) {
  w.MainSheet = 10;
  MouseWheel(w, 240);
  EXPECT_DOUBLE_EQ(w.MainSheet, 11.0);
  MouseWheel(w, 60);
  MouseWheel(w, -119);
  EXPECT_DOUBLE_EQ(w.MainSheet, 11.0);
  MouseWheel(w, -120);
  EXPECT_DOUBLE_EQ(w.MainSheet, 10.0);
  ASSERT_EQ(sounds.Requests().size(), 2u);
  EXPECT_EQ(sounds.Requests()[0].event, 2);
  EXPECT_EQ(sounds.Requests()[1].event, 1);
}

TEST_F(MouseTest, HelpAndGlossaryPageButtons) {
  w.PageButtonsY = 605;
  w.NextPageButtonX = 832;
  w.PrevPageButtonX = 1024;
  struct Case {
    int page, x, y, expected;
  };
  const Case kCases[] = {
      {901, 833, 606, 902}, {912, 833, 606, 913}, {913, 833, 606, 913}, {902, 1025, 606, 901},
      {901, 1025, 606, 901}, {913, 1025, 606, 912}, {905, 833, 605, 905}, {905, 833, 625, 905},
      {905, 974, 606, 905}, {601, 833, 606, 602}, {609, 833, 606, 609}, {609, 1030, 606, 608},
      {601, 1030, 606, 601},
  };
  for (const Case& c : kCases) {
    w.InstructionPage = c.page;
    w.ClickX = 0;
    LeftButtonDown(w, c.x, c.y);
    EXPECT_EQ(w.InstructionPage, c.expected) << c.page << " " << c.x << "," << c.y;
    EXPECT_EQ(w.ClickX, c.expected != c.page ? -100 : c.x) << c.page;
  }
}

TEST_F(MouseTest, TutorialAdvanceButtonWraps) {
  w.InstructionPage = 104;
  w.AdvanceButtonY = 288;
  w.TutorialStepCount = 2;
  w.TutorialStep = 1;
  LeftButtonDown(w, 10, 290);
  EXPECT_EQ(w.TutorialStep, 2);
  EXPECT_EQ(w.ClickY, 0);
  LeftButtonDown(w, 427, 290);
  EXPECT_EQ(w.TutorialStep, 0);
  LeftButtonDown(w, 428, 290);  // past W / 3 + 2
  LeftButtonDown(w, 10, 308);
  EXPECT_EQ(w.TutorialStep, 0);
  w.InstructionPage = 905;  // help pages have no advance button
  LeftButtonDown(w, 10, 290);
  EXPECT_EQ(w.TutorialStep, 0);
}

TEST_F(MouseTest, ReleasePicksTheLastVesselUnderThePointer) {
  w.ActivityMode = 8;
  w.VesselScreenX = {0, 0, 500, 540, 900};
  w.VesselScreenY = {0, 0, 200, 210, 200};
  LeftButtonUp(w, 520, 215);
  EXPECT_EQ(w.BearingTarget, 3);
  EXPECT_EQ(sounds.Requests().size(), 2u);
  w.BearingTarget = 0;
  LeftButtonUp(w, 451, 215);  // only vessel 2 is within 50 pixels
  EXPECT_EQ(w.BearingTarget, 2);
  // The box reaches 15 pixels further below the vessel's point than above it.
  const int releases[][2] = {{264, 4}, {166, 4}, {165, 0}, {265, 0}};
  for (const auto& r : releases) {
    w.BearingTarget = 0;
    LeftButtonUp(w, 900, r[0]);
    EXPECT_EQ(w.BearingTarget, r[1]) << r[0];
  }
  w.ActivityMode = 1;
  LeftButtonUp(w, 500, 215);
  EXPECT_EQ(w.BearingTarget, 0);
}

// From the sailing view a vertical drag trims the main, a unit for every 7 pixels, in when
// dragged down; not from the view's edges, for a twitch shorter than a unit, or under a page.
TEST_F(MouseTest, DragInTheSailingViewTrimsTheMain) {
  struct Case {
    int x, y, toY, page;
    double sheet;
  };
  const Case kCases[] = {
      {600, 200, 236, 0, 15.0},  // five units in
      {600, 300, 90, 0, 47.0},   // up eases, no further than fully out
      {426, 200, 300, 0, 20.0},  {853, 200, 300, 0, 20.0}, {600, 460, 560, 0, 20.0}, {600, 72, 172, 0, 20.0},
      {600, 200, 206, 0, 20.0},  {600, 200, 300, 907, 20.0},
  };
  for (const Case& c : kCases) {
    w.MainSheet = 20;
    w.MainAutoTrimActive = 1;
    w.InstructionPage = c.page;
    LeftButtonDown(w, c.x, c.y);
    LeftButtonUp(w, c.x, c.toY);
    EXPECT_DOUBLE_EQ(w.MainSheet, c.sheet) << c.x << "," << c.y << " to " << c.toY;
    EXPECT_EQ(w.MainAutoTrimActive, c.sheet == 20.0 ? 1 : 0);
  }
  EXPECT_EQ(sounds.Requests().size(), 2u);  // a click for each drag that trimmed
  // A release without a press (the press went to a dialog or menu) is no drag.
  w.InstructionPage = 0;
  LeftButtonUp(w, 600, 400);
  EXPECT_DOUBLE_EQ(w.MainSheet, 20.0);
}

// Views too small for the bars must not divide by zero.
TEST_F(MouseTest, DegenerateBarsReadAsTheirFarEnd) {
  w.ViewHeight = 100;  // u = 2, h2 = 50
  w.SceneTop = 48;     // the main-sheet scale has no length left
  w.SceneBottom = 52;
  LeftButtonDown(w, 5, 49);
  EXPECT_DOUBLE_EQ(w.MainSheet, 47.0);
  LeftButtonDown(w, 5, 53);  // traveller scale 52 - 52 = 0
  EXPECT_EQ(w.Traveller, 4);
  w.SceneTop = 52;  // the jib scale starts below half height
  LeftButtonDown(w, 1270, 53);
  EXPECT_EQ(w.JibSheet, 24);
}

}  // namespace
