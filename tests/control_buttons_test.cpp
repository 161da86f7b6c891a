// The control buttons: which buttons each boat and activity gets, what a click on each does,
// the labels that follow the state, and the help line.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frame_step.h"
#include "app/paint.h"
#include "app/panel.h"
#include "boat_test_world.h"
#include "input/control_buttons.h"
#include "probe_helpers.h"
#include "view3d/palette.h"

namespace {

// A keelboat in free sailing on the 1280 x 720 frame.
struct Buttons {
  BoatWorld bw;
  World& w = bw.w;
  std::unique_ptr<Canvas> c;

  explicit Buttons(int width = 1280, int height = 768, int menuBar = 19) {
    ComputeScreenMetrics(w, ScreenMetrics{width, height, 32, menuBar, 0, 0});
    LayOutFrame(w);
    c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
    w.TrueWindAngles[1] = 100;
  }
  Buttons& Draw() {
    c->BeginFrame();
    DrawDataPanel(w, *c);
    return *this;
  }
  const TextLogEntry* Find(const std::string& label) const {
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.text == label) return &e;
    }
    return nullptr;
  }
  bool Shows(const std::string& label) { return Draw().Find(label) != nullptr; }
  // Presses the button by its label as drawn now, then runs the frame that takes the press.
  void Click(const std::string& label) {
    const TextLogEntry* e = Draw().Find(label);
    ASSERT_NE(e, nullptr) << label;
    w.ClickX = e->x + 2;
    w.ClickY = e->y + 3;
    Draw();
  }
  void Hover(const std::string& label) {
    const TextLogEntry* e = Draw().Find(label);
    ASSERT_NE(e, nullptr) << label;
    w.MouseX = e->x + 2;
    w.MouseY = e->y + 3;
    Draw();
  }
  std::string HelpLine() const { return ButtonHelpText(w.ButtonHelpLine); }
};

TEST(SheetButtons, StepTheSheetsWithinTheirRanges) {
  Buttons b;
  b.w.MainSheet = -2.5;
  b.Click("ﾒｲﾝｲﾝ");
  EXPECT_EQ(b.w.MainSheet, -3.0);
  EXPECT_EQ(b.w.MainAutoTrimActive, 0);
  EXPECT_EQ(b.w.ClickY, 0);
  EXPECT_EQ(b.bw.Count(1), 1);
  b.w.MainSheet = 46.5;
  b.Click("ﾒｲﾝｱｳﾄ");
  EXPECT_EQ(b.w.MainSheet, 47.0);
  EXPECT_EQ(b.bw.Count(2), 1);

  b.w.JibSheet = 24;
  b.Click("ｼﾞﾌﾞｱｳﾄ");
  EXPECT_EQ(b.w.JibSheet, 24);
  EXPECT_EQ(b.w.JibAutoTrimActive, 0);
  b.Click("ｵｰﾄｼﾞﾌﾞ");
  EXPECT_EQ(b.w.JibAutoTrimActive, 1);
  b.Click("ｵｰﾄﾒｲﾝ");
  EXPECT_EQ(b.w.MainAutoTrimActive, 1);

  b.w.Traveller = 4;
  b.Click("ﾄﾗﾍﾞﾗ下");
  EXPECT_EQ(b.w.Traveller, 4);
  b.Click("ﾄﾗﾍﾞﾗ上");
  EXPECT_EQ(b.w.Traveller, 3);
}

TEST(SheetButtons, SpinnakerAndGuyButtonsAppearWithTheSpinnaker) {
  Buttons b;
  for (const char* label : {"ｽﾋﾟﾝｲﾝ", "ｽﾋﾟﾝｱｳﾄ", "自動ｽﾋﾟﾝ", "ｶﾞｲｲﾝ", "ｶﾞｲｱｳﾄ"}) EXPECT_FALSE(b.Shows(label));
  EXPECT_TRUE(b.Shows("ｽﾋﾟﾝ上ﾙ"));
  b.w.SpinnakerFlying[1] = 1;
  for (const char* label : {"ｽﾋﾟﾝｲﾝ", "ｽﾋﾟﾝｱｳﾄ", "自動ｽﾋﾟﾝ", "ｶﾞｲｲﾝ", "ｶﾞｲｱｳﾄ", "ｽﾋﾟﾝﾀﾞｳﾝ"}) {
    EXPECT_TRUE(b.Shows(label)) << label;
  }
  // The asymmetric spinnakers fly without a pole.
  b.w.IsSportboat = 1;
  EXPECT_TRUE(b.Shows("ｽﾋﾟﾝｲﾝ"));
  EXPECT_FALSE(b.Shows("ｶﾞｲｲﾝ"));

  Buttons narrow(800, 640, 20);
  narrow.w.SpinnakerFlying[1] = 1;
  EXPECT_TRUE(narrow.Shows("ｽﾋﾟﾝ下ｽ"));
}

TEST(SheetButtons, GuyStopsAtItsEnds) {
  Buttons b;
  b.w.SpinnakerFlying[1] = 1;
  b.w.GuyAngle = 85;
  b.Click("ｶﾞｲｲﾝ");
  EXPECT_EQ(b.w.GuyAngle, 90);
  EXPECT_EQ(b.w.GuyAutoTrimActive, 0);
  b.Click("ｶﾞｲｲﾝ");
  EXPECT_EQ(b.w.GuyAngle, 90);
  b.w.GuyAngle = 12;
  b.Click("ｶﾞｲｱｳﾄ");
  EXPECT_EQ(b.w.GuyAngle, 5);
  b.w.SpinnakerSheet = 0;
  b.Click("ｽﾋﾟﾝｲﾝ");
  EXPECT_EQ(b.w.SpinnakerSheet, 0);
  EXPECT_EQ(b.w.SpinnakerAutoTrimActive, 0);
  b.Click("自動ｽﾋﾟﾝ");
  EXPECT_EQ(b.w.SpinnakerAutoTrimActive + b.w.GuyAutoTrimActive, 2);
}

TEST(SheetButtons, WhatEachBoatGets) {
  Buttons b;
  b.w.HullClass = 1;
  b.w.HasTraveller = 0;
  for (const char* label : {"ｼﾞﾌﾞｲﾝ", "ｼﾞﾌﾞｱｳﾄ", "ｵｰﾄｼﾞﾌﾞ", "ﾄﾗﾍﾞﾗ上"}) EXPECT_FALSE(b.Shows(label)) << label;
  EXPECT_TRUE(b.Shows("ｵｰﾄﾒｲﾝ"));
  b.w.MainAutoTrimOff = 1;
  EXPECT_FALSE(b.Shows("ｵｰﾄﾒｲﾝ"));
  // Hidden buttons take no row in the sheet column: the second button moves up.
  const int second = b.Draw().Find("ﾒｲﾝｱｳﾄ")->y;
  b.w.HullClass = 6;
  b.w.HasTraveller = 1;
  EXPECT_EQ(b.Draw().Find("ｼﾞﾌﾞｲﾝ")->y - second, 18);
}

TEST(TrimButtons, AllAutoLeavesTheMainAloneWhenItsTrimIsOff) {
  Buttons b;
  b.w.MainAutoTrimActive = b.w.JibAutoTrimActive = b.w.SpinnakerAutoTrimActive = b.w.GuyAutoTrimActive = 0;
  b.Click("全自動");
  EXPECT_EQ(b.w.MainAutoTrimActive + b.w.JibAutoTrimActive + b.w.SpinnakerAutoTrimActive + b.w.GuyAutoTrimActive, 4);
  EXPECT_EQ(b.Draw().Find("全自動")->textColor, palette::kBlack);  // on: a black label

  b.w.MainAutoTrimActive = b.w.JibAutoTrimActive = b.w.SpinnakerAutoTrimActive = b.w.GuyAutoTrimActive = 0;
  b.w.MainAutoTrimOff = 1;
  b.Click("全自動");
  EXPECT_EQ(b.w.MainAutoTrimActive, 0);
  EXPECT_EQ(b.w.JibAutoTrimActive + b.w.SpinnakerAutoTrimActive + b.w.GuyAutoTrimActive, 3);
  b.Hover("全自動");
  EXPECT_EQ(b.HelpLine(), "ﾍｯﾄﾞｾｰﾙのｼｰﾄとｶﾞｲをｺﾝﾋﾟｭｰﾀが調節する");
  b.w.MainAutoTrimOff = 0;
  b.Draw();
  EXPECT_EQ(b.HelpLine(), "全シートとガイをコンピュータが調節する");
  EXPECT_EQ(b.Find("全自動")->textColor, palette::kCyan);
}

TEST(TrimButtons, AllSheetsOutKeepsTheGuyOnAutomatic) {
  Buttons b;
  b.Click("全ｼｰﾄ出");
  EXPECT_EQ(b.w.MainSheet, 47.0);
  EXPECT_EQ(b.w.JibSheet, 24);
  EXPECT_EQ(b.w.SpinnakerSheet, 24);
  EXPECT_EQ(b.w.MainAutoTrimActive + b.w.JibAutoTrimActive + b.w.SpinnakerAutoTrimActive, 0);
  EXPECT_EQ(b.w.GuyAutoTrimActive, 1);
}

TEST(TrimButtons, AutopilotOffRemovesCloseHauledAndTack) {
  Buttons b;
  const TextLogEntry closeHauled = *b.Draw().Find("ｸﾛｰｽﾎｰﾙﾄﾞ");
  const TextLogEntry tack = *b.Find("ﾀｯｸ");
  const int flat = b.Find("ﾌﾗｯﾄ")->y;
  b.w.AutopilotOff = 1;
  b.Draw();
  EXPECT_EQ(b.Find("ｸﾛｰｽﾎｰﾙﾄﾞ"), nullptr);
  EXPECT_EQ(b.Find("ﾀｯｸ"), nullptr);
  EXPECT_EQ(b.Find("ﾌﾗｯﾄ")->y, flat);
  // A click where they stood does nothing, and is not taken by another button.
  for (const TextLogEntry& e : {closeHauled, tack}) {
    b.w.ClickX = e.x + 2;
    b.w.ClickY = e.y + 3;
    b.Draw();
    EXPECT_EQ(b.w.AutoManoeuvre, 0);
    EXPECT_EQ(b.w.SailPowerPreset, 0);
    EXPECT_EQ(b.w.ClickY, e.y + 3);
  }
  EXPECT_EQ(b.bw.Count(12), 0);

  b.w.AutopilotOff = 0;
  b.w.SimSeconds = 40;
  b.Click("ﾀｯｸ");
  EXPECT_EQ(b.w.AutoManoeuvre, 1);
  EXPECT_EQ(b.w.LastTackTime[1], 40);
  EXPECT_GT(b.bw.Count(12), 0);
  b.w.AutoManoeuvre = 0;
  b.Click("ｸﾛｰｽﾎｰﾙﾄﾞ");
  EXPECT_EQ(b.w.AutoManoeuvre, -1);
  // Upwind sailing offers the tack only.
  b.w.ActivityMode = 3;
  EXPECT_FALSE(b.Shows("ｸﾛｰｽﾎｰﾙﾄﾞ"));
  EXPECT_TRUE(b.Shows("ﾀｯｸ"));
}

TEST(TrimButtons, SpinnakerOrWingOnWingAndThePresets) {
  Buttons b;
  b.Click("ｽﾋﾟﾝ上ﾙ");
  EXPECT_EQ(b.w.SpinnakerSetCommand, 1);
  b.w.ActivityMode = 3;  // no spinnaker upwind: the jib goes wing on wing instead
  EXPECT_FALSE(b.Shows("ｽﾋﾟﾝ上ﾙ"));
  b.Click("ｳｨｽｶ");
  EXPECT_EQ(b.w.WingOnWing, 1);
  EXPECT_EQ(b.Draw().Find("ｳｨｽｶ納")->textColor, palette::kBlack);
  b.w.TrueWindAngles[1] = 80;
  EXPECT_TRUE(b.Shows("順ｼﾞﾌﾞ"));
  b.w.WingOnWing = 0;
  EXPECT_TRUE(b.Shows("逆ｼﾞﾌﾞ"));
  b.w.HullClass = 1;
  EXPECT_FALSE(b.Shows("逆ｼﾞﾌﾞ"));

  b.Click("ﾊﾞｷﾞｰ");
  EXPECT_EQ(b.w.SailPowerPreset, 3);
  EXPECT_EQ(b.Draw().Find("ﾊﾞｷﾞｰ")->textColor, palette::kBlack);
  b.Click("ﾌﾗｯﾄ");
  EXPECT_EQ(b.w.SailPowerPreset, 1);
}

TEST(CrewButtons, MoveTheCrewWithinTheirRange) {
  Buttons b;  // the keelboat has two crew besides the skipper
  b.w.Crew1Hike = 1;
  b.w.Crew2Hike = 2;
  b.Click("ｸﾙｰ 上");
  EXPECT_EQ(b.w.Crew1Hike, 2);
  EXPECT_EQ(b.w.Crew2Hike, 2);
  b.Click("ｸﾙｰ 下");
  EXPECT_EQ(b.w.Crew1Hike, 1);
  b.Click("ﾊｲｸ");
  EXPECT_EQ(b.w.SkipperHike + b.w.Crew1Hike + b.w.Crew2Hike, 6);
  b.Click("後");
  EXPECT_EQ(b.w.CrewForeAft, 1);
  b.Click("ﾊﾞﾝｸﾞT");
  EXPECT_EQ(b.w.Vang, 3);

  b.w.HullClass = 1;
  b.w.SkipperHike = -2;
  b.Click("ｽｷｯﾊﾟ下");
  EXPECT_EQ(b.w.SkipperHike, -2);
  b.Click("ｽｷｯﾊﾟ上");
  EXPECT_EQ(b.w.SkipperHike, -1);

  // The cruising sloop keeps its crew still but has a vang; catamarans have neither here.
  b.w.HullClass = 5;
  EXPECT_FALSE(b.Shows("ﾊｲｸ"));
  EXPECT_TRUE(b.Shows("ﾊﾞﾝｸﾞM"));
  b.w.HullClass = 9;
  b.w.IsCatamaran = 1;
  EXPECT_FALSE(b.Shows("ﾊﾞﾝｸﾞM"));
}

TEST(ViewButtons, LookAndZoom) {
  Buttons b;
  b.Click("左");
  b.Click("左");
  EXPECT_EQ(b.w.LookAngle, 60);
  b.Click("後ろ");
  EXPECT_EQ(b.w.LookAngle, 180);
  EXPECT_EQ(b.Draw().Find("後ろ")->textColor, palette::kBlack);
  b.Click("前方");
  b.Click("右");
  EXPECT_EQ(b.w.LookAngle, -30);

  b.w.CameraDistance = 4;
  b.Hover("zm in");
  EXPECT_EQ(b.HelpLine(), "視点を下げる");
  b.Click("zm out");
  EXPECT_EQ(b.w.CameraDistance, 4);
  b.w.CameraDistance = 1;
  b.Click("zm in");
  EXPECT_EQ(b.w.CameraDistance, 1);

  b.Click("セール透明");
  EXPECT_EQ(b.w.MainTransparent + b.w.AllSailsTransparent, 2);
  b.Click("セール透明");
  EXPECT_EQ(b.w.MainTransparent + b.w.AllSailsTransparent, 0);
}

TEST(ControlButtons, SailShapeLessonKeepsOnlyTheViewButtons) {
  Buttons b;
  b.w.ActivityMode = 11;
  LayOutFrame(b.w);
  EXPECT_TRUE(b.Shows("前方"));
  for (const char* label : {"ﾒｲﾝｲﾝ", "全自動", "ﾊｲｸ"}) EXPECT_FALSE(b.Shows(label)) << label;
}

TEST(HelpLine, StandsInThePanelOnWideScreens) {
  Buttons b;
  b.Hover("ﾒｲﾝｲﾝ");
  const TextLogEntry* help = b.Find("メインシートを少し引く");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->x, 793);
  EXPECT_EQ(help->y, 9 * 18 - 9 + 460);
  EXPECT_EQ(help->textColor, palette::kGrey);
  // With all five spinnaker buttons the sheet column runs past it; the line moves below.
  b.w.SpinnakerFlying[1] = 1;
  b.Draw();
  EXPECT_GT(b.Find("メインシートを少し引く")->y, b.Find("ｶﾞｲｱｳﾄ")->y + 10);

  b.w.ButtonHelpShown = 0;
  b.Hover("ﾒｲﾝｲﾝ");
  EXPECT_EQ(b.Find("メインシートを少し引く"), nullptr);
  EXPECT_EQ(b.HelpLine(), "メインシートを少し引く");
}

TEST(HelpLine, DrawnInTheSceneOnSmallScreens) {
  ProbeOptions options;
  options.screenWidth = 800;
  options.screenHeight = 640;
  options.largeMenuFont = 1;
  // 32806 free sailing on the coast; the first space starts it, the second closes the box.
  const auto run = RunProbe(
      "command 32806\nkey SPACE\nframes 2\nkey SPACE\nframes 2\nmove 520 375\nframes 2\ntexts\n", options);
  // The scene is 366 high; the help line stands at 0.53 of the width, 18 pixels and the
  // height of the wind dials above its bottom.
  EXPECT_NE(run.output.find("text 424 308 \"メインシートを少し引く\""), std::string::npos) << run.output;
}

}  // namespace
