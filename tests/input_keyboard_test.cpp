// The keys: each key's action, in the order the program tries them, and the Qt key mapping.
#include <gtest/gtest.h>

#include <Qt>
#include <array>
#include <memory>
#include <tuple>

#include "input/keyboard.h"
#include "platform/key_codes.h"
#include "platform/sound_sink.h"
#include "state/world.h"
#include "test_world.h"

namespace {

struct KeyboardTest : ::testing::Test {
  std::unique_ptr<World> world = TestWorld().Build();
  World& w = *world;
  RecordingSoundSink sounds;
  void SetUp() override { w.services.sound = &sounds; }
  void Sailing() { w.SailingState = 2; }
};

TEST_F(KeyboardTest, SpaceTogglesSlowMotionAndThePageKeysSaveTheSpeed) {
  Sailing();
  std::tie(w.SimSpeed, w.SimSpeedDivisor) = std::tuple{7, 333};
  KeyDown(w, vk::kSpace);
  EXPECT_EQ(w.SimSpeed, 1);
  KeyDown(w, vk::kSpace);
  EXPECT_EQ((std::array{w.SimSpeed, w.SimSpeedDivisor}), (std::array{7, 333}));
  // Page up and down work as the panel's speed buttons, whose ends the panel tests check.
  KeyDown(w, vk::kPageUp);
  KeyDown(w, vk::kPageDown), KeyDown(w, vk::kPageDown);
  EXPECT_EQ((std::array{w.SavedSimSpeed, w.SimSpeed}), (std::array{6, 6}));
}

TEST_F(KeyboardTest, PlusAndMinusTurnPages) {
  // Page, key, the page shown after: each series stops at its ends.
  const int kCases[][3] = {{104, vk::kPlus, 106}, {106, vk::kMinus, 104}, {110, vk::kPlus, 111}, {111, vk::kPlus, 111},
                           {101, vk::kMinus, 101}, {204, vk::kPlus, 205}, {205, vk::kPlus, 205}, {205, vk::kMinus, 204},
                           {513, vk::kPlus, 514}, {514, vk::kMinus, 513}, {912, vk::kPlus, 913}, {913, vk::kPlus, 913},
                           {913, vk::kMinus, 912}, {608, vk::kPlus, 609}, {609, vk::kPlus, 609}, {602, vk::kMinus, 601},
                           {1, vk::kPlus, 1}};
  for (const auto& [page, key, expected] : kCases) {
    auto fresh = TestWorld().Build();
    std::tie(fresh->InstructionPage, fresh->TutorialStep, fresh->JibSheet) = std::tuple{page, 2, 8};
    KeyDown(*fresh, key);
    // A turned page restarts its tutorial; while a page is shown the keys leave the sheet.
    EXPECT_EQ((std::array{fresh->InstructionPage, fresh->TutorialStep, fresh->JibSheet}),
              (std::array{expected, expected != page ? 0 : 2, 8})) << page << " " << key;
  }
}

TEST_F(KeyboardTest, PlusAndMinusTrimTheHeadsailWithoutAPage) {
  w.JibSheet = 24;
  KeyDown(w, vk::kPlus);
  EXPECT_EQ((std::array{w.JibSheet, w.JibAutoTrimActive}), (std::array{24, 0}));
  KeyDown(w, vk::kMinus);
  std::tie(w.SpinnakerSetCommand, w.SpinnakerSheet) = std::tuple{1, 0};
  KeyDown(w, vk::kMinus);
  EXPECT_EQ((std::array{w.SpinnakerSheet, w.SpinnakerAutoTrimActive}), (std::array{0, 0}));
  KeyDown(w, vk::kPlus);
  EXPECT_EQ((std::array{w.SpinnakerSheet, w.JibSheet}), (std::array{1, 23}));
}

TEST_F(KeyboardTest, AOnATutorialPageStepsAndPaintsOnce) {
  Sailing();
  std::tie(w.InstructionPage, w.TutorialStepCount, w.RepaintSuspended) = std::tuple{103, 1, 0};
  w.MainAutoTrimActive = w.JibAutoTrimActive = w.SpinnakerAutoTrimActive = w.GuyAutoTrimActive = 1;
  EXPECT_TRUE(KeyDown(w, 'A').paintOnce);
  EXPECT_EQ((std::array{w.RepaintSuspended, w.TutorialStep}), (std::array{1, 1}));
  // The same key also toggles the automatic trim.
  EXPECT_EQ(w.MainAutoTrimActive + w.JibAutoTrimActive + w.SpinnakerAutoTrimActive + w.GuyAutoTrimActive, 0);
  KeyDown(w, 'A');
  EXPECT_EQ(w.TutorialStep, 0);
  // On a lesson's introduction the trim stays as it is.
  w.LessonIntroPending = 1;
  KeyDown(w, 'A');
  EXPECT_EQ(w.MainAutoTrimActive, 1);
  // Without a page A only toggles the trim and asks for nothing.
  w.InstructionPage = w.LessonIntroPending = 0;
  EXPECT_FALSE(KeyDown(w, 'A').paintOnce);
  EXPECT_EQ(w.TutorialStep, 1);
}

TEST_F(KeyboardTest, ArrowsWrapPastAFullTurn) {
  const int kCases[][3] = {{-360, vk::kRight, 0}, {-330, vk::kRight, -360}, {360, vk::kLeft, 0},
                           {330, vk::kLeft, 360}, {90, vk::kUp, 0},        {-90, vk::kDown, 180}};
  for (const auto& [from, key, expected] : kCases) {
    w.LookAngle = from;
    EXPECT_EQ((KeyDown(w, key), w.LookAngle), expected) << from << " " << key;
  }
}

TEST_F(KeyboardTest, AutopilotOffStopsTackAndCloseHauledOnly) {
  Sailing();
  w.AutopilotOff = 1;
  for (int key : {'T', 'C'}) KeyDown(w, key);
  EXPECT_EQ(w.AutoManoeuvre, 0);
  EXPECT_TRUE(sounds.Requests().empty());
  for (int key : {'D', 'J'}) KeyDown(w, key);
  EXPECT_EQ((std::array{w.BearAwayCommand, w.GybeCommand}), (std::array{1, 1}));
  w.AutopilotOff = 0;
  KeyDown(w, 'T');
  w.ActivityMode = 3;  // upwind sailing: no close-hauled help
  KeyDown(w, 'C');
  EXPECT_EQ(w.AutoManoeuvre, 1);
}

TEST_F(KeyboardTest, SpaceWalksTheLessons) {
  w.ActivityMode = 10;
  KeyDown(w, vk::kSpace);  // start: the first page opens at once
  EXPECT_EQ((std::array{w.SailingState, w.LessonIntroPending, w.LastInstructionPage}), (std::array{1, 1, 101}));
  std::tie(w.SailingState, w.InstructionPage, w.LastInstructionPage) = std::tuple{2, 107, 107};
  KeyDown(w, vk::kSpace);  // sailing: exactly N, back to the title and the first page
  EXPECT_EQ((std::array{w.SailingState, w.LastInstructionPage, w.RepaintSuspended}), (std::array{0, 101, 0}));

  // The sail-trim lesson: its introduction, then the first scene, then slow motion.
  std::tie(w.ActivityMode, w.InstructionPage) = std::tuple{2, 0};
  KeyDown(w, vk::kSpace);
  EXPECT_EQ((std::array{w.SailingState, w.LessonIntroPending}), (std::array{1, 1}));
  std::tie(w.SailingState, w.LessonIntroPending, w.InstructionPage) = std::tuple{2, 0, 2};
  KeyDown(w, vk::kSpace);  // passes the introduction
  EXPECT_EQ((std::array{w.LessonChoice, w.InstructionPage}), (std::array{1, 0}));
  KeyDown(w, vk::kSpace);  // then slow motion
  EXPECT_EQ(w.SimSpeed, 1);
}

TEST_F(KeyboardTest, SpaceDismissesBeforeItStartsOrResumes) {
  // The sailing state, page, coach, stop and chart before the key and after it.
  using State = std::array<int, 5>;
  const std::pair<State, State> kCases[] = {
      {{0, 905, 0, 0, 0}, {0, 0, 0, 0, 0}},  // title with a help page: only closes it
      {{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}},    // title: starts
      {{2, 905, 1, 1, 0}, {2, 0, 1, 1, 0}},  // page first
      {{2, 0, 1, 1, 0}, {2, 0, 0, 1, 0}},    // then the coach
      {{2, 0, 0, 1, 1}, {2, 0, 0, 0, 1}},    // then the stop
      {{2, 0, 0, 0, 1}, {2, 0, 0, 0, 0}},    // then the chart
  };
  for (const auto& [before, after] : kCases) {
    auto f = TestWorld().Activity(Activity::kFreeSailing).Build();
    f->RepaintSuspended = 1;
    std::tie(f->SailingState, f->InstructionPage, f->CoachShown, f->Stopped, f->ChartShown) = std::tuple_cat(before);
    KeyDown(*f, vk::kSpace);
    EXPECT_EQ((State{f->SailingState, f->InstructionPage, f->CoachShown, f->Stopped, f->ChartShown}), after);
    EXPECT_EQ(f->RepaintSuspended, 0);
    EXPECT_EQ(f->SimSpeed, 9);  // none of these is slow motion
  }
}

TEST_F(KeyboardTest, DigitsOnALessonIntroductionChooseAnOption) {
  Sailing();
  std::tie(w.ActivityMode, w.LessonIntroPending, w.InstructionPage, w.CoachShown) = std::tuple{2, 1, 2, 1};
  KeyDown(w, '3');  // consumed: no sail-power preset
  EXPECT_EQ((std::array{w.LessonChoice, w.InstructionPage, w.CoachShown, w.SailPowerPreset}), (std::array{3, 0, 0, 0}));
  KeyDown(w, '0');  // the lesson's explanation page
  EXPECT_EQ((std::array{w.LessonChoice, w.InstructionPage}), (std::array{0, 1}));
  w.ActivityMode = 12;
  KeyDown(w, '0');
  EXPECT_EQ(w.InstructionPage, 0);
  // Without an introduction the digits are sail power and crew.
  w.LessonIntroPending = 0;
  KeyDown(w, '3'), KeyDown(w, '5');
  EXPECT_EQ((std::array{w.SailPowerPreset, w.SkipperHike}), (std::array{3, 1}));
}

TEST_F(KeyboardTest, SailPowerKeysBendEveryMast) {
  w.HullClass = 5;  // the menu would keep the cruising sloop's bend at 1
  KeyDown(w, '1');
  EXPECT_EQ((std::array{w.MastBend, w.Forestay, w.Vang}), (std::array{3, 0, 2}));
  w.HullClass = w.IsOptimist = 1;
  KeyDown(w, '1');
  EXPECT_EQ((std::array{w.Vang, w.SpritTension}), (std::array{3, 3}));
  KeyDown(w, '2');
  EXPECT_EQ((std::array{w.Vang, w.SailPowerPreset}), (std::array{2, 2}));
}

TEST_F(KeyboardTest, CrewKeys) {
  w.HullClass = 6;
  KeyDown(w, '7');
  EXPECT_EQ((std::array{w.Crew1Hike, w.Crew2Hike}), (std::array{1, 1}));
  w.HullClass = 3;  // one crew on the trapeze side
  for (int i = 0; i < 2; ++i) KeyDown(w, '7');
  EXPECT_EQ((std::array{w.Crew1Hike, w.Crew2Hike}), (std::array{2, 1}));
  for (int i = 0; i < 5; ++i) KeyDown(w, '6');
  EXPECT_EQ(w.SkipperHike, -2);
  KeyDown(w, 'K');
  EXPECT_EQ(w.SkipperHike + w.Crew1Hike + w.Crew2Hike, 6);
  // The function keys set the opposite signs of the menu items that name them.
  for (auto [key, foreAft] : {std::pair{vk::kF7, -1}, {vk::kF9, 1}}) EXPECT_EQ((KeyDown(w, key), w.CrewForeAft), foreAft) << key;
}

TEST_F(KeyboardTest, MainSheetKeysTickAndStop) {
  Sailing();
  w.MainSheet = 46.5;
  KeyDown(w, vk::kPeriod);
  EXPECT_EQ((std::pair{w.MainSheet, w.MainAutoTrimActive}), (std::pair{47.0, 0}));
  w.MainSheet = -2.5;
  for (int i = 0; i < 2; ++i) KeyDown(w, vk::kComma);
  EXPECT_DOUBLE_EQ(w.MainSheet, -3.0);
  ASSERT_EQ(sounds.Requests().size(), 3u);
  EXPECT_EQ((std::array{sounds.Requests()[0].event, sounds.Requests()[2].event}), (std::array{2, 1}));
  // The guy keys leave the range to the sail update.
  w.GuyAngle = 5;
  EXPECT_EQ((KeyDown(w, vk::kLBracket), w.GuyAngle), -5);
}

TEST_F(KeyboardTest, PlainKeysLeaveTheStoppedLoopAlone) {
  Sailing();
  std::tie(w.RepaintSuspended, w.LastInstructionPage) = std::tuple{1, 907};
  for (int key : {'X', 'R', 'H', 'I', 'M', 'S', 'W', 'F', 'T'}) KeyDown(w, key);
  EXPECT_EQ((std::array{w.RepaintSuspended, w.MiniViewZoom, w.ChartShown, w.Stopped}), (std::array{1, 128, 1, 1}));
  // Y and / redraw by themselves.
  KeyDown(w, 'Y');
  EXPECT_EQ((std::array{w.CoachShown, w.RepaintSuspended}), (std::array{1, 0}));
  w.RepaintSuspended = 1;
  KeyDown(w, vk::kSlash);  // reopens the last page
  EXPECT_EQ((std::array{w.InstructionPage, w.CoachShown, w.RepaintSuspended}), (std::array{907, 1, 0}));
}

// Punctuation goes by the character typed, so the key that types "+" works on the Japanese
// layout (";" and "+") and on the US layout ("=" and "+").
TEST(KeyCodes, QtKeysToVirtualKeys) {
  const std::tuple<int, const char16_t*, int> kCases[] = {  // "\x01" is A with Ctrl
      {Qt::Key_Plus, u"+", vk::kPlus}, {Qt::Key_Semicolon, u";", vk::kPlus}, {Qt::Key_Equal, u"=", vk::kPlus},
      {Qt::Key_Comma, u",", vk::kComma}, {Qt::Key_Less, u"<", vk::kComma}, {Qt::Key_Greater, u">", vk::kPeriod},
      {Qt::Key_Minus, u"-", vk::kMinus}, {Qt::Key_Question, u"?", vk::kSlash}, {Qt::Key_A, u"\x01", 'A'},
      {Qt::Key_BracketLeft, u"[", vk::kLBracket}, {Qt::Key_BracketRight, u"]", vk::kRBracket}, {Qt::Key_A, u"a", 'A'},
      {Qt::Key_7, u"7", '7'}, {Qt::Key_Space, u" ", vk::kSpace}, {Qt::Key_PageDown, u"", vk::kPageDown},
      {Qt::Key_F9, u"", vk::kF9}, {Qt::Key_Colon, u":", vk::kNone}, {Qt::Key_Escape, u"\x1b", vk::kNone},
      {Qt::Key_Shift, u"", vk::kNone}};
  for (const auto& [qtKey, text, expected] : kCases) EXPECT_EQ(VirtualKeyFromQt(qtKey, text), expected) << qtKey;
  EXPECT_EQ((std::array{VirtualKeyFromName("PLUS"), VirtualKeyFromName("q"), VirtualKeyFromName("120"),
                        VirtualKeyFromName("NOPE")}),
            (std::array<int, 4>{vk::kPlus, 'Q', vk::kF9, -1}));
}

}  // namespace
