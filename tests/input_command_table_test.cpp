// The command table: the menu it backs, each command's update rule and what running it does.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "input/command_table.h"
#include "state/activity.h"
#include "state/world.h"
#include "test_world.h"

namespace {

std::unique_ptr<World> Fresh() { return TestWorld().Build(); }

struct CommandTable : ::testing::Test {
  std::unique_ptr<World> owned = Fresh();
  World& w = *owned;
};

// Every item under a node, in menu order, with the label of the sub-menu holding it.
void Walk(const std::vector<MenuNode>& nodes, const std::string& menu,
          const std::function<void(const std::string&, int)>& visit) {
  for (const MenuNode& n : nodes)
    if (n.kind == MenuNode::Kind::Item) visit(menu, n.id);
    else if (n.kind == MenuNode::Kind::SubMenu) Walk(n.children, n.label, visit);
}

const MenuNode* SubMenu(const std::vector<MenuNode>& nodes, const std::string& label) {
  for (const MenuNode& n : nodes) {
    if (n.kind != MenuNode::Kind::SubMenu) continue;
    if (n.label == label) return &n;
    if (const MenuNode* inner = SubMenu(n.children, label)) return inner;
  }
  return nullptr;
}

TEST_F(CommandTable, MenuAndTableCoverEachOther) {
  std::multiset<int> inMenu;
  Walk(MenuBar(), "", [&](const std::string&, int id) {
    const Command* c = FindCommand(id);
    ASSERT_NE(c, nullptr) << id;
    EXPECT_STRNE(c->label, "") << id;
    inMenu.insert(id);
  });
  std::set<int> ids;
  int withPrompt = 0;
  for (const Command& c : AllCommands()) {
    EXPECT_TRUE(ids.insert(c.id).second) << "duplicate " << c.id;
    const bool own = (c.id >= 32771 && c.id <= 32973) || c.id == Cmd::kFitToWindow ||
                     c.id == Cmd::kPolar || c.id == Cmd::kReplay;
    EXPECT_TRUE(own || c.id == kIdAbout || c.id == kIdExit || c.id == kIdStatusBar) << c.id;
    // Each once, but the two downwind manoeuvres not at all and the skiff twice: in its place
    // and as the boat-type menu's last item.
    const std::size_t listed = c.id == 32972 || c.id == 32973 ? 0 : c.id == 32788 ? 2 : 1;
    EXPECT_EQ(inMenu.count(c.id), listed) << c.id;
    // Own commands carry an update rule; the framework's use its default.
    EXPECT_EQ(c.enabled != nullptr, own) << c.id;
    EXPECT_EQ(c.handler != nullptr, own) << c.id;
    ASSERT_NE(CommandPrompt(c.id), nullptr) << c.id;  // the status bar reads every command's prompt
    withPrompt += *CommandPrompt(c.id) != '\0';
  }
  EXPECT_GT(withPrompt, static_cast<int>(ids.size()) / 2);
  EXPECT_STREQ(CommandPrompt(1), "") << "an id with no command has no prompt";
}

// The title screen enables the choices of boat, level, area, activity and wind and disables
// the sailing commands; sailing, the reverse. Display, sheets, speed and help work in both.
TEST_F(CommandTable, UpdateRulesAtTitleAndWhileSailing) {
  struct Expect { const char* menu; bool atTitle, sailing; };
  const Expect kMenus[] = {{"艇種 ", true, false}, {"難易度(15：難) ", true, false}, {"セーリング ", true, false},
                           {"セーリングスキル ", true, false}, {"レーススキル ", true, false}, {"風", true, false},
                           {"シミュレータ速度(&S)", true, true}, {"ヘルプ(&H)", true, true}};
  auto title = Fresh(), sailing = Fresh();  // a keelboat (the built-in boat) in steering practice
  sailing->SailingState = 2;
  for (const Expect& e : kMenus) {
    const MenuNode* menu = SubMenu(MenuBar(), e.menu);
    ASSERT_NE(menu, nullptr) << e.menu;
    Walk(menu->children, e.menu, [&](const std::string&, int id) {
      if (id == 32943 || id == 32948) return;  // need a jib, or sailing: tested below
      EXPECT_EQ(EvaluateCommand(*title, id).enabled, e.atTitle) << e.menu << " " << id;
      EXPECT_EQ(EvaluateCommand(*sailing, id).enabled, e.sailing) << e.menu << " " << id;
    });
  }
  // Id: enabled at the title, while sailing (1 title, 2 sailing, 3 both, 0 never).
  const std::map<int, int> kItems = {
      {32789, 1}, {32790, 1}, {32824, 1}, {32952, 1}, {32771, 2}, {32772, 2}, {32776, 2}, {32777, 2}, {32841, 2},
      {32849, 2}, {32851, 2}, {32930, 2}, {32948, 2}, {32972, 2}, {32852, 3}, {32854, 3}, {32877, 3}, {kIdExit, 3},
      {32934, 0}};
  for (const auto& [id, want] : kItems)
    EXPECT_EQ((std::pair{EvaluateCommand(*title, id).enabled, EvaluateCommand(*sailing, id).enabled}),
              (std::pair{(want & 1) != 0, (want & 2) != 0})) << id;
  EXPECT_FALSE(EvaluateCommand(*title, 99999).enabled);
}

TEST_F(CommandTable, BoatRulesFollowTheBoat) {
  struct Case { int hullClass, skiff, offshoreCatamaran, id; bool enabled; };
  // The single-hander: no jib, no spinnaker; its crew moves and it has a centreboard. The
  // skiff's asymmetric spinnaker has no pole; the beach catamaran flies no spinnaker; the
  // keelboat has no centreboard.
  for (const Case& c : {Case{1, 0, 0, 32943, false}, {1, 0, 0, 32882, false}, {1, 0, 0, 32897, false},
                        {1, 0, 0, 32908, true}, {1, 0, 0, 32773, true}, {3, 1, 0, 32899, true}, {3, 1, 0, 32902, false},
                        {10, 0, 1, 32897, true}, {10, 0, 1, 32905, false}, {10, 0, 1, 32912, false},
                        {9, 0, 0, 32897, false}, {6, 0, 0, 32773, false}}) {
    auto boat = Fresh();
    std::tie(boat->HullClass, boat->IsSkiff, boat->IsOffshoreCatamaran) =
        std::tuple{c.hullClass, c.skiff, c.offshoreCatamaran};
    EXPECT_EQ(EvaluateCommand(*boat, c.id).enabled, c.enabled) << c.hullClass << " " << c.id;
    EXPECT_TRUE(c.id != 32773 || EvaluateCommand(*boat, c.id).checked == c.enabled) << c.hullClass;
  }
}

TEST_F(CommandTable, ChoosingABoatChecksItOnTheTitleScreen) {
  struct Case { int id, hullClass, checked, previous; };
  // Each choice checks its item and clears the last one's; collision avoidance is sailed in
  // the cruising sloop, checked at once.
  for (const Case& c : {Case{32788, 3, 32788, 32782}, {32787, 9, 32787, 32788}, {32968, 10, 32968, 32787},
                        {32817, 5, 32785, 32968}}) {
    ASSERT_TRUE(RunCommand(w, c.id));
    EXPECT_EQ((std::tuple{w.HullClass, EvaluateCommand(w, c.checked).checked, EvaluateCommand(w, c.previous).checked}),
              (std::tuple{c.hullClass, true, false})) << c.id;
  }
  // The single-handers cannot be chosen for man overboard.
  w.ActivityMode = 6;
  EXPECT_FALSE(RunCommand(w, 32780));
  EXPECT_NE(w.BoatType, 2);
}

TEST_F(CommandTable, SteppedValuesStopAtTheirBounds) {
  std::tie(w.SailingState, w.HullClass, w.Crew1Hike) = std::tuple{2, 6, 2};
  // The field, its value before the command and after; the menu's look commands do not wrap.
  const std::tuple<int32_t World::*, int, int, int> kCases[] = {
      {&World::MiniViewZoom, 3, 32930, 2}, {&World::MiniViewZoom, 128, 32931, 128}, {&World::GuyAngle, 10, 32902, 5},
      {&World::GuyAngle, 85, 32903, 90},   {&World::LookAngle, 360, 32845, 390},    {&World::Crew2Hike, 1, 32910, 2}};
  for (const auto& [field, from, id, to] : kCases) {
    w.*field = from;
    RunCommand(w, id);
    EXPECT_EQ(w.*field, to) << id;
  }
  EXPECT_EQ(w.Crew1Hike, 2);
}

TEST_F(CommandTable, AutomaticTrimAndTransparencyCycles) {
  std::tie(w.MainAutoTrimActive, w.JibAutoTrimActive, w.GuyAutoTrimActive, w.SpinnakerAutoTrimActive) =
      std::tuple{1, 1, 1, 0};
  RunCommand(w, 32877);
  EXPECT_EQ(w.SpinnakerAutoTrimActive, 1);
  EXPECT_TRUE(EvaluateCommand(w, 32877).checked);
  RunCommand(w, 32877);
  EXPECT_EQ(w.MainAutoTrimActive + w.JibAutoTrimActive + w.SpinnakerAutoTrimActive + w.GuyAutoTrimActive, 0);
  // A spinnaker sheet command turns its automatic trim off; the auto item only turns it on.
  w.HullClass = 6;
  for (int i = 0; i < 2; ++i) RunCommand(w, 32901);
  EXPECT_TRUE(EvaluateCommand(w, 32901).checked);
  RunCommand(w, 32900);
  EXPECT_FALSE(EvaluateCommand(w, 32901).checked);
  // Transparency: from the main alone to all three, then none, then from nothing to all three.
  std::tie(w.SailingState, w.MainTransparent, w.AllSailsTransparent) = std::tuple{2, 1, 0};
  RunCommand(w, 32851);
  EXPECT_TRUE(EvaluateCommand(w, 32851).checked);
  for (int all : {0, 2}) {
    RunCommand(w, 32851);
    EXPECT_EQ(w.MainTransparent + w.AllSailsTransparent, all);
  }
}

TEST_F(CommandTable, WindAndRaceRaiseTheEasiestLevel) {
  w.Difficulty = 1;
  RunCommand(w, 32825);  // steady wind keeps level 1, shifting wind raises it
  EXPECT_EQ(w.Difficulty, 1);
  RunCommand(w, 32826);
  EXPECT_EQ((std::array{w.Difficulty, w.WindSetting}), (std::array{2, 1}));
  // A race at level 1 sails at level 7 in shifting wind, with the big fleet if it is chosen.
  std::tie(w.Difficulty, w.WindSetting, w.BigFleet) = std::tuple{1, 0, 1};
  RunCommand(w, 32822);
  EXPECT_EQ((std::array{w.Difficulty, w.WindSetting, w.BoatCount, w.ActivityMode}), (std::array{7, 2, 10, 14}));
  w.Difficulty = 4;
  RunCommand(w, 32966);
  EXPECT_EQ((std::array{w.Difficulty, w.ActivityMode, w.JustStartCourseUpDown}), (std::array{4, 13, 1}));
  EXPECT_TRUE(EvaluateCommand(w, 32966).checked);
  EXPECT_FALSE(EvaluateCommand(w, 32821).checked);
}

TEST_F(CommandTable, HelpItemsOpenCloseAndSwitch) {
  RunCommand(w, 32942);
  EXPECT_EQ((std::array{w.InstructionPage, w.LastInstructionPage}), (std::array{907, 907}));
  RunCommand(w, 32944);
  EXPECT_EQ(w.InstructionPage, 909);
  RunCommand(w, 32944);  // the same item again closes its page
  EXPECT_EQ((std::array{w.InstructionPage, w.LastInstructionPage}), (std::array{0, 909}));

  // The first rules items open the page of whichever rules lesson is chosen.
  for (const auto& [mode, page] : {std::pair{7, 202}, {10, 102}}) {
    std::tie(w.ActivityMode, w.TutorialStep) = std::tuple{mode, 3};
    RunCommand(w, 32920);
    EXPECT_EQ((std::array{w.InstructionPage, w.TutorialStep}), (std::array{page, 0})) << mode;
  }
  EXPECT_FALSE(RunCommand(w, 32923));  // power vessels belong to the traffic rules
}

TEST_F(CommandTable, SailPowerPresets) {
  struct Case { int hullClass, optimist, id, outhaul, forestay, mastBend, vang, sprit; };
  // Starting from outhaul 2, forestay 1, bend 2, vang 2, sprit 2.
  // The cruising sloop has a fixed rig and leaves the vang, the offshore racer bends its mast,
  // dinghies use the vang instead, the OP dinghy eases its sprit.
  for (const Case& c : {Case{5, 0, 32879, 1, 2, 1, 2, 2}, {5, 0, 32881, 3, 2, 1, 2, 2}, {7, 0, 32881, 3, 0, 3, 2, 2},
                        {3, 0, 32881, 3, 0, 2, 3, 2}, {3, 0, 32879, 1, 2, 2, 2, 2}, {1, 1, 32879, 1, 2, 2, 2, 1}}) {
    auto boat = Fresh();
    std::tie(boat->HullClass, boat->IsOptimist) = std::tuple{c.hullClass, c.optimist};
    ASSERT_TRUE(RunCommand(*boat, c.id));
    const World& b = *boat;
    EXPECT_EQ((std::array{b.Outhaul, b.Cunningham, b.JibLuff, b.Forestay, b.MastBend, b.Vang, b.SpritTension}),
              (std::array{c.outhaul, c.outhaul, c.outhaul, c.forestay, c.mastBend, c.vang, c.sprit}))
        << c.hullClass << " " << c.id;
    EXPECT_TRUE(EvaluateCommand(*boat, c.id).checked);
  }
  w.ActivityMode = 11;  // the sail-shape lesson sets the shape itself
  EXPECT_FALSE(EvaluateCommand(w, 32879).enabled);
  // The vang keeps the preset where it is not part of it; any other shape command clears it.
  std::tie(w.ActivityMode, w.VangOutsidePreset) = std::tuple{Activity::kSteering, 1};
  RunCommand(w, 32880);
  RunCommand(w, 32863);
  EXPECT_EQ(w.Vang, 3);
  EXPECT_TRUE(EvaluateCommand(w, 32880).checked);
  w.VangOutsidePreset = 0;
  RunCommand(w, 32864);
  EXPECT_FALSE(EvaluateCommand(w, 32880).checked);
  RunCommand(w, 32880);
  RunCommand(w, 32857);
  EXPECT_EQ(w.SailPowerPreset, 0);
}

TEST_F(CommandTable, RedrawAndTheFrameLoop) {
  w.ViewWidth = 1280;
  MenuOpened(w);
  ASSERT_TRUE(RunCommand(w, 32917));  // this one alone leaves the loop stopped
  EXPECT_EQ((std::array{w.VerticalSteeringZone, w.RepaintSuspended}), (std::array{1, 1}));
  MenuOpened(w);
  ASSERT_TRUE(RunCommand(w, 32829));
  EXPECT_EQ(w.RepaintSuspended, 0);
  MenuOpened(w);  // a disabled command does nothing and keeps the loop stopped
  EXPECT_FALSE(RunCommand(w, 32776));
  EXPECT_EQ((std::array{w.Stopped, w.RepaintSuspended}), (std::array{0, 1}));
  w.ViewWidth = 700;  // the vertical zone needs room
  EXPECT_FALSE(EvaluateCommand(w, 32917).enabled);
}

TEST_F(CommandTable, DesignDialogRunsWithTheLoopStopped) {
  struct Window : CommandWindow {
    World* w = nullptr;
    std::vector<std::pair<WindowAction, int>> seen;
    void Perform(WindowAction a) override { seen.emplace_back(a, w->RepaintSuspended); }
  };
  Window window;
  std::tie(window.w, w.BoatType) = std::tuple{&w, 12};
  ASSERT_TRUE(RunCommand(w, 32790, &window));
  EXPECT_EQ(window.seen, (std::vector<std::pair<WindowAction, int>>{{WindowAction::DesignDialog, 1}}));
  EXPECT_EQ(w.RepaintSuspended, 0);
  // Not for the boats whose design is fixed.
  std::tie(w.BoatType, w.IsSportboat) = std::tuple{13, 1};
  EXPECT_FALSE(RunCommand(w, 32790, &window));
  std::tie(w.BoatType, w.IsSportboat) = std::tuple{10, 0};
  EXPECT_FALSE(EvaluateCommand(w, 32790).enabled);
}

TEST_F(CommandTable, NextSailingReopensALessonsFirstPage) {
  struct Case { int mode, page, introPending; };
  for (const Case& c : {Case{10, 101, 1}, {7, 201, 1}, {12, 501, 1}, {2, 0, 1}, {11, 0, 1}, {0, 0, 0}, {14, 0, 0}}) {
    auto boat = Fresh();
    std::tie(boat->SailingState, boat->ActivityMode, boat->ResultsShown, boat->Stopped, boat->CoachShown,
             boat->LessonChoice) = std::tuple{2, c.mode, 1, 1, 1, 3};
    std::tie(boat->InstructionPage, boat->TutorialStep, boat->BoatX[1]) = std::tuple{905, 2, 50.0};
    ASSERT_TRUE(RunCommand(*boat, 32777));
    EXPECT_EQ(boat->ResultsShown + boat->Stopped + boat->CoachShown + boat->LessonChoice + boat->SailingState +
                  boat->BoatX[1], 0) << c.mode;
    EXPECT_EQ((std::array{boat->InstructionPage, boat->LessonIntroPending, boat->TutorialStep}),
              (std::array{c.page, c.introPending, c.page ? 0 : 2})) << c.mode;
  }
}

TEST_F(CommandTable, ManoeuvreCommands) {
  std::tie(w.SailingState, w.SimSeconds, w.HoldDownwindCourse, w.LookAngle) = std::tuple{2, 42, 1, 180};
  ASSERT_TRUE(RunCommand(w, 32772));  // tack, looking ahead again
  EXPECT_EQ((std::array{w.AutoManoeuvre, w.LastTackTime[1], w.LookAngle, w.HoldDownwindCourse}),
            (std::array{1, 42, 0, 0}));
  ASSERT_TRUE(RunCommand(w, 32771));
  EXPECT_EQ((std::array{w.AutoManoeuvre, w.CloseHauledCommandUsed}), (std::array{-1, 1}));
  w.ActivityMode = 3;  // upwind sailing: no close-hauled help
  EXPECT_FALSE(RunCommand(w, 32771));
  w.AutopilotOff = 1;
  EXPECT_FALSE(RunCommand(w, 32772));
  // The handicap options change only before the clock starts.
  for (int seconds : {0, 1}) {
    w.SimSeconds = seconds;
    EXPECT_EQ(EvaluateCommand(w, 32932).enabled, seconds == 0);
  }
}

}  // namespace
