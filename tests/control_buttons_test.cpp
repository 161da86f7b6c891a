// The control buttons: what a click on each does, which buttons each boat and activity gets,
// the labels that follow the state, and the help line.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>

#include "draw/palette.h"
#include "input/control_buttons.h"
#include "panel_frame.h"
#include "probe_helpers.h"

namespace {

// A keelboat in free sailing, broad reaching.
struct Buttons : PanelFrame {
  Buttons() { w.TrueWindAngles[1] = 100; }
  Buttons& Draw() { return PanelFrame::Draw(), *this; }
  bool Shows(const std::string& label) { return Draw().Find(label) != nullptr; }
  // Presses the button by its label as drawn now; the next frame takes the press.
  void Click(const std::string& label) {
    const TextLogEntry* e = Draw().Find(label);
    ASSERT_NE(e, nullptr) << label;
    std::tie(w.ClickX, w.ClickY) = std::tuple{e->x + 2, e->y + 3};
    Draw();
  }
};

TEST(ControlButtons, ClicksActWithinTheirRanges) {
  struct Case {
    const char* label;
    std::function<void(World&)> before;
    std::function<bool(const World&)> after;
  };
  const Case cases[] = {
      {"ﾒｲﾝｲﾝ", [](World& w) { w.MainSheet = -2.5; },
       [](const World& w) { return w.MainSheet == -3.0 && w.MainAutoTrimActive == 0; }},
      {"ﾄﾗﾍﾞﾗ上", [](World& w) { w.Traveller = 0; }, [](const World& w) { return w.Traveller == 0; }},  // at the top
      {"ｽﾋﾟﾝ上ﾙ", [](World&) {}, [](const World& w) { return w.SpinnakerSetCommand == 1; }},
      {"ｸﾙｰ 上", [](World& w) { w.Crew1Hike = 1, w.Crew2Hike = 2; },
       [](const World& w) { return w.Crew1Hike == 2 && w.Crew2Hike == 2 && w.SkipperHike == 0; }},
      {"zm out", [](World& w) { w.CameraDistance = 4; }, [](const World& w) { return w.CameraDistance == 4; }},
      {"セール透明", [](World& w) { w.MainTransparent = 1; },
       [](const World& w) { return w.MainTransparent == 1 && w.AllSailsTransparent == 1; }},
  };
  for (const Case& k : cases) {
    Buttons b;
    k.before(b.w);
    b.Click(k.label);
    EXPECT_TRUE(k.after(b.w) && b.w.ClickY == 0) << k.label;  // acted, and the click is consumed
  }
}

TEST(ControlButtons, SpinnakerButtonsAppearWithTheSpinnakerAndTheGuyStopsAtNinety) {
  Buttons b;
  for (int flying : {0, 1}) {
    b.w.SpinnakerFlying[1] = flying;
    for (const char* label : {"ｽﾋﾟﾝｲﾝ", "ｽﾋﾟﾝｱｳﾄ", "自動ｽﾋﾟﾝ", "ｶﾞｲｲﾝ", "ｶﾞｲｱｳﾄ", "ｽﾋﾟﾝﾀﾞｳﾝ"})
      EXPECT_EQ(b.Shows(label), flying == 1) << label;
  }
  b.w.GuyAngle = 85;
  b.Click("ｶﾞｲｲﾝ");
  b.Click("ｶﾞｲｲﾝ");  // the second press still clicks
  EXPECT_EQ((std::array{b.w.GuyAngle, b.w.GuyAutoTrimActive, b.bw.Count(1)}), (std::array{90, 0, 2}));
  b.w.IsSportboat = 1;  // an asymmetric spinnaker flies without a pole
  EXPECT_FALSE(b.Shows("ｶﾞｲｲﾝ"));
  // Upwind sailing offers the jib wing on wing instead of the spinnaker.
  b.w.ActivityMode = 3;
  b.Click("ｳｨｽｶ");
  EXPECT_EQ(b.w.WingOnWing, 1);
  EXPECT_EQ(b.Draw().Find("ｳｨｽｶ納")->textColor, palette::kBlack);
}

TEST(ControlButtons, AutopilotOffHidesCloseHauledAndTack) {
  Buttons b;
  const TextLogEntry closeHauled = *b.Draw().Find("ｸﾛｰｽﾎｰﾙﾄﾞ");
  const TextLogEntry tack = *b.Find("ﾀｯｸ");
  b.w.AutopilotOff = 1;
  // They are gone, and a click where they stood does nothing and no other button takes it.
  for (const TextLogEntry& e : {closeHauled, tack}) {
    EXPECT_FALSE(b.Shows(e.text)) << e.text;
    std::tie(b.w.ClickX, b.w.ClickY) = std::tuple{e.x + 2, e.y + 3};
    b.Draw();
    EXPECT_EQ((std::array{b.w.AutoManoeuvre, b.w.SailPowerPreset, b.w.ClickY}), (std::array{0, 0, e.y + 3}));
  }

  std::tie(b.w.AutopilotOff, b.w.SimSeconds) = std::tuple{0, 40};
  b.Click("ﾀｯｸ");
  EXPECT_EQ((std::array{b.w.AutoManoeuvre, b.w.LastTackTime[1]}), (std::array{1, 40}));
  EXPECT_GT(b.bw.Count(12), 0);
}

TEST(ControlButtons, AllAutoAndAllSheetsOut) {
  Buttons b;
  World& w = b.w;
  auto autos = [&w] {
    return std::array{w.MainAutoTrimActive, w.JibAutoTrimActive, w.SpinnakerAutoTrimActive, w.GuyAutoTrimActive};
  };
  std::tie(w.MainAutoTrimActive, w.JibAutoTrimActive, w.SpinnakerAutoTrimActive, w.GuyAutoTrimActive,
           w.MainAutoTrimOff) = std::tuple{0, 0, 0, 0, 1};
  b.Click("全自動");  // the main stays off when its automatic trim is switched off
  EXPECT_EQ(autos(), (std::array{0, 1, 1, 1}));
  EXPECT_EQ(b.Draw().Find("全自動")->textColor, palette::kBlack);
  b.Click("全ｼｰﾄ出");
  // The guy keeps its automatic trim, unlike the menu command.
  EXPECT_EQ(autos(), (std::array{0, 0, 0, 1}));
  EXPECT_EQ((std::tuple{w.MainSheet, w.JibSheet, w.SpinnakerSheet}), (std::tuple{47.0, 24, 24}));
  EXPECT_EQ(b.Draw().Find("全自動")->textColor, palette::kCyan);
}

TEST(ControlButtons, CrewAndVangByBoat) {
  Buttons b;
  b.w.HullClass = 5;  // the cruising sloop's crew stays put; its vang works
  EXPECT_EQ((std::pair{b.Shows("ﾊｲｸ"), b.Shows("ﾊﾞﾝｸﾞT")}), (std::pair{false, true}));
  std::tie(b.w.HullClass, b.w.IsCatamaran) = std::tuple{9, 1};
  EXPECT_FALSE(b.Shows("ﾊﾞﾝｸﾞT"));
  b.w.ActivityMode = 11;
  EXPECT_EQ((std::pair{b.Shows("ﾒｲﾝｲﾝ"), b.Shows("前方")}), (std::pair{false, true}));
}

TEST(HelpLine, InThePanelOnWideScreensAndInTheSceneOnSmallOnes) {
  Buttons b;
  const TextLogEntry* main = b.Draw().Find("ﾒｲﾝｲﾝ");
  std::tie(b.w.MouseX, b.w.MouseY) = std::tuple{main->x + 2, main->y + 3};
  const TextLogEntry* help = b.Draw().Find("メインシートを少し引く");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ((Point{help->x, help->y}), (Point{793, 9 * 18 - 9 + 460}));
  // With all five spinnaker buttons the sheet column runs past that row; the line moves down.
  b.w.SpinnakerFlying[1] = 1;
  b.Draw();
  EXPECT_GT(b.Find("メインシートを少し引く")->y, b.Find("ｶﾞｲｱｳﾄ")->y + 10);
  b.w.ButtonHelpShown = 0;
  EXPECT_EQ(b.Draw().Find("メインシートを少し引く"), nullptr);

  // Free sailing on the coast on a small screen; the pointer on the main-in button.
  const auto run = RunProbe("command 32806\nkey SPACE\nframes 2\nkey SPACE\nframes 2\nmove 520 375\nframes 2\ntexts\n",
                            ProbeOptions{1, 800, 640, 1, ""});
  // At 0.53 of the width, 18 pixels and the wind dials' height above the scene's bottom (366).
  EXPECT_NE(run.output.find("text 424 308 \"メインシートを少し引く\""), std::string::npos) << run.output;
}

}  // namespace
