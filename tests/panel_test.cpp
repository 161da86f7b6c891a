// The data panel: its rows in both columns, the simulator-speed buttons and the race-analysis
// counters it keeps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/frame_step.h"
#include "app/paint.h"
#include "app/panel.h"
#include "boat_test_world.h"
#include "input/control_buttons.h"
#include "view3d/palette.h"

namespace {

// The 1280 x 720 frame of a 1280 x 768 screen: the panel from x 426 and y 460, rows of 20.
struct Panel {
  BoatWorld bw;
  World& w = bw.w;
  std::unique_ptr<Canvas> c;

  explicit Panel(int width = 1280, int height = 768, int menuBar = 19) {
    ComputeScreenMetrics(w, ScreenMetrics{width, height, 32, menuBar, 0, 0});
    LayOutFrame(w);
    c = std::make_unique<Canvas>(w.ViewWidth, w.ViewHeight);
    w.BoatTack[1] = 1;
    w.TrueWindAngles[1] = 90;
  }
  Panel& Draw() {
    c->BeginFrame();
    DrawDataPanel(w, *c);
    return *this;
  }
  const TextLogEntry* Find(const std::string& text) const {
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.text == text) return &e;
    }
    return nullptr;
  }
  // The text drawn last at (x, y): what the frame shows there.
  std::string At(int x, int y) const {
    std::string shown;
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.x == x && e.y == y) shown = e.text;
    }
    return shown;
  }
  bool HasPrefix(const std::string& prefix) const {
    for (const TextLogEntry& e : c->TextLog()) {
      if (e.text.rfind(prefix, 0) == 0) return true;
    }
    return false;
  }
};

constexpr int kCol1 = 429;
constexpr int kCol2 = 611;
constexpr int kTop = 461;
constexpr int kL = 20;

TEST(DataPanel, LayoutFollowsTheScreen) {
  Panel p;
  PanelLayout l = ComputePanelLayout(p.w);
  EXPECT_EQ(l.lineHeight, kL);
  EXPECT_EQ(l.column1, kCol1);
  EXPECT_EQ(l.column2, kCol2);
  EXPECT_EQ(l.top, kTop);
  p.w.LessonIntroPending = 1;
  l = ComputePanelLayout(p.w);
  EXPECT_EQ(l.column1, kCol1 + 256);
  EXPECT_EQ(l.column2, kCol2 + 256);

  Panel narrow(640, 512, 20);
  EXPECT_EQ(ComputePanelLayout(narrow.w).column2, 213 + static_cast<int>(640 * 0.13));
  Panel medium(800, 640);
  EXPECT_EQ(ComputePanelLayout(medium.w).column2, 266 + 115);  // 800 x 0.145 lies a hair below 116
}

TEST(DataPanel, SailRows) {
  Panel p;
  EXPECT_EQ(p.Draw().At(kCol1, kTop), "ﾒｲﾝ : ﾌﾙ  ");
  EXPECT_EQ(p.At(kCol1, kTop + kL), "ジブ: ﾌﾙ ");
  p.w.MainStalled = 1;
  p.w.JibState = -1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop), "ﾒｲﾝ : 失速 ");
  EXPECT_EQ(p.At(kCol1, kTop + kL), "ジブ: 失速");
  p.w.MainBackwindCopy = 35;
  p.w.JibState = 12;
  EXPECT_EQ(p.Draw().At(kCol1, kTop), "ﾒｲﾝ : 35");
  EXPECT_EQ(p.At(kCol1, kTop + kL), "ジブ:12");
  // The furled label covers the jib's state.
  p.w.JibFurl = 100;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ジブ: 巻く ");

  p.w.SpinnakerFlying[1] = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: ﾌﾙ  ");
  p.w.SpinnakerMistrim = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: 出しすぎ");
  p.w.SpinnakerAutoTrimActive = 0;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: 引きすぎ ");
  p.w.SpinnakerCollapse = 30;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: つぶれる");

  // The single-handers have no head sail.
  p.w.SpinnakerFlying[1] = 0;
  p.w.HullClass = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "");
  EXPECT_FALSE(p.HasPrefix("ジブ"));
}

TEST(DataPanel, SpeedHeelLeewayAndPointing) {
  Panel p;
  p.w.BoatSpeeds[1] = -12.4;
  p.w.BoatSpeedTenths[1] = -12;
  p.w.HeelAngles[1] = -7;
  p.w.LeewayAngle = 4;
  p.Draw();
  const TextLogEntry* speed = p.Find("速度 : -1.2");
  ASSERT_NE(speed, nullptr);
  EXPECT_EQ(speed->y, kTop + 2 * kL);
  EXPECT_EQ(speed->textColor, palette::kNavy);
  EXPECT_EQ(p.At(kCol1, kTop + 3 * kL), "ﾋｰﾙ : -7");
  EXPECT_EQ(p.At(kCol1, kTop + 4 * kL), "ﾘｰｳｪｲ : 4");
  EXPECT_EQ(p.At(kCol1, kTop + 5 * kL), "");  // reaching: no pointing row

  p.w.BoatSpeeds[1] = p.w.BoatSpeedTenths[1] = 7;
  p.w.TrueWindAngles[1] = 44;
  EXPECT_NE(p.Draw().Find("速度 : 0.7"), nullptr);
  EXPECT_EQ(p.At(kCol1, kTop + 5 * kL), "ﾎﾟｲﾝﾄ : 44");
  p.w.HoldCloseHauled = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + 5 * kL), "ｸﾛｰｽﾎｰﾙﾄﾞ (44)");

  Panel small(800, 640, 20);
  small.w.HoldCloseHauled = 1;
  small.w.TrueWindAngles[1] = 44;
  EXPECT_NE(small.Draw().Find("ｸﾛｰｽ(44)"), nullptr);
}

TEST(DataPanel, MonochromeKeepsEveryRowBlack) {
  Panel p;
  p.w.Monochrome = 1;
  p.w.ActivityMode = 3;
  p.w.SimSeconds = 5;
  p.Draw();
  for (const TextLogEntry& e : p.c->TextLog()) {
    if (e.x < 700) EXPECT_TRUE(e.textColor == palette::kBlack || e.textColor == palette::kWhite) << e.text;
  }
  EXPECT_EQ(p.Find("速く  ")->textColor, palette::kWhite);
}

TEST(SimSpeedButtons, StepTheSpeedWithinItsRangeAndAlwaysClick) {
  Panel p;
  const int y = kTop + 6 * kL + 5;
  const int faster = kCol1 + 10;
  const int slower = kCol1 + 1280 / 17 + 10;
  EXPECT_NE(p.Draw().Find("速く  "), nullptr);
  EXPECT_EQ(p.Find("速く  ")->y, kTop + 6 * kL + kL / 8);

  struct Case {
    int x, speed, expected, divisor;
  };
  for (const Case& k : {Case{faster, 9, 10, 89}, Case{faster, 15, 15, 10}, Case{slower, 2, 1, 4616},
                        Case{slower, 1, 1, 4616}}) {
    p.w.SimSpeed = k.speed;
    p.w.ClickX = k.x;
    p.w.ClickY = y;
    const int clicks = p.bw.Count(1);
    p.Draw();
    EXPECT_EQ(p.w.SimSpeed, k.expected) << k.speed;
    EXPECT_EQ(p.w.SimSpeedDivisor, k.divisor);
    EXPECT_EQ(p.w.SavedSimSpeed, k.expected);
    EXPECT_EQ(p.w.ClickY, 0);  // consumed
    EXPECT_EQ(p.bw.Count(1), clicks + 1);
  }

  // Hovering names the button on the help line; elsewhere the prompt stands.
  p.w.MouseX = slower;
  p.w.MouseY = y;
  p.Draw();
  EXPECT_EQ(p.w.ButtonHelpLine, kHelpSlower);
  EXPECT_NE(p.Find("  シミュレータスピードを１段階遅くする"), nullptr);
  p.w.MouseY = 100;
  p.Draw();
  EXPECT_NE(p.Find("ｺﾝﾄﾛｰﾙﾎﾞﾀﾝの説明がここに表示される      "), nullptr);
}

TEST(DataPanel, SimSpeedRowWithTheVerticalZone) {
  Panel p;
  EXPECT_FALSE(p.Draw().HasPrefix("ｼﾐｭﾚｰﾀ速度"));
  p.w.VerticalSteeringZone = 1;
  LayOutFrame(p.w);
  p.w.SimSpeed = 1;
  p.Draw();
  const TextLogEntry* row = p.Find("ｼﾐｭﾚｰﾀ速度:      1");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->x, static_cast<int>(1280 * 0.36) + 3);
  EXPECT_EQ(row->y, kTop + 7 * kL);
  EXPECT_EQ(row->textColor, palette::kRed);
}

TEST(PanelText, ClockAndBearing) {
  EXPECT_EQ(ClockText(3, 7), "時間: 3: 07");
  EXPECT_EQ(ClockText(3, 17), "時間: 3: 17");
  EXPECT_EQ(ClockText(0, 0), "時間: 0: 00");
  // The countdown of a race starts at 4:59; after the signal the clock runs at 0.8 of the rate.
  EXPECT_EQ(DisplayedClock(-170).minutes, -4);
  EXPECT_EQ(DisplayedClock(-170).seconds, -59);
  EXPECT_EQ(DisplayedClock(34.1 / 0.8 * 3 + 5).minutes, 3);
  EXPECT_EQ(DisplayedClock(34.1 / 0.8 * 3 + 5).seconds, 7);
  // A long sail keeps counting minutes rather than wrapping at the hour.
  EXPECT_EQ(DisplayedClock(34.1 / 0.8 * 61.51).minutes, 61);
  EXPECT_EQ(DisplayedClock(34.1 / 0.8 * 61.51).seconds, 30);

  EXPECT_EQ(RelativeBearingText(0), "前方 ");
  EXPECT_EQ(RelativeBearingText(-25), "25 度(左舷)");
  EXPECT_EQ(RelativeBearingText(180), "180 度(右舷)");
  EXPECT_EQ(KnotsText(12), "1.2");
  EXPECT_EQ(KnotsText(105), "10.5");
}

TEST(ActivityRows, TimeRowByActivity) {
  Panel p;
  p.w.SimTime = 34.1 / 0.8 * 3 + 5;  // 3:07
  p.w.ActivityMode = 0;
  EXPECT_EQ(p.Draw().At(kCol2, kTop + kL), "時間: 3: 07");  // below the depth row
  EXPECT_EQ(p.Find("時間: 3: 07")->textColor, palette::kBlack);
  p.w.SimSpeed = 1;
  EXPECT_EQ(p.Draw().Find("時間: 3: 07")->textColor, palette::kMaroon);
  for (int mode : {5, 8, 13}) {
    p.w.ActivityMode = mode;
    EXPECT_FALSE(p.Draw().HasPrefix("時間")) << mode;
  }
  p.w.ActivityMode = 0;
  p.w.LessonIntroPending = 1;
  EXPECT_FALSE(p.Draw().HasPrefix("時間"));

  p.w.LessonIntroPending = 0;
  p.w.ActivityMode = 14;
  p.w.SimTime = -170;
  p.w.SimSeconds = -170;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "時間: 4: 59");
  p.w.SimTime = p.w.SimSeconds = 3;
  EXPECT_FALSE(p.Draw().HasPrefix("時間"));
}

TEST(ActivityRows, DepthInFreeSailingOnKeelBoats) {
  Panel p;
  p.w.ActivityMode = 0;
  p.w.DepthUnderBoat = 23;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "深さ : 23 ft");
  EXPECT_EQ(p.Find("深さ : 23 ft")->textColor, palette::kMaroon);
  p.w.HullClass = 3;
  EXPECT_FALSE(p.Draw().HasPrefix("深さ"));
}

TEST(ActivityRows, ExerciseTargetDistanceAndBearing) {
  Panel p;
  // Steering practice: the finish gate's middle lies 1500 units west; heading west it is ahead.
  p.w.ActivityMode = 1;
  p.w.TargetX = {0, -1500, -1500, 0, 0};
  p.w.TargetY = {0, -35, 35, 0, 0};
  p.bw.Heading(1, 270);
  p.Draw();
  EXPECT_EQ(p.At(kCol2, kTop), "ﾌｨﾆｯｼｭ: 750 ﾔｰﾄﾞ   ");
  EXPECT_EQ(p.At(kCol2 + 9, kTop + kL), "前方 ");
  EXPECT_EQ(p.w.TargetDistanceYards, 750);
  // Heading north a point west-north-west lies 71.6 degrees to port.
  p.bw.Heading(1, 0);
  p.w.TargetY = {0, -535, -465, 0, 0};
  EXPECT_EQ(p.Draw().At(kCol2 + 9, kTop + kL), "71 度(左舷)");
  p.w.TargetY = {0, -35, 35, 0, 0};

  // Docking measures to the face of the pier, collision avoidance in whole units.
  p.w.ActivityMode = 5;
  p.w.TargetX = {0, -300, -300, -370, -370};
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "着艇: 142 ﾔｰﾄﾞ   ");
  p.w.ActivityMode = 8;
  p.w.TargetX = {0, -3500, -3500, 0, 0};
  p.Draw();
  EXPECT_EQ(p.At(kCol2, kTop + 2 * kL), "ﾌｨﾆｯｼｭ: 3500 ﾔｰﾄﾞ   ");
  EXPECT_EQ(p.Find("ﾌｨﾆｯｼｭ: 3500 ﾔｰﾄﾞ   ")->textColor, palette::kMaroon);

  p.w.ActivityMode = 4;
  p.w.TargetX[1] = 30;
  p.w.TargetY[1] = -10;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "係留:    15 ﾔｰﾄﾞ   ");
  EXPECT_EQ(p.At(kCol2 + 9, kTop + kL), "71 度(右舷)");
}

TEST(ActivityRows, ManOverboardDistanceOnlyWhenClose) {
  Panel p;
  p.w.ActivityMode = 6;
  p.w.Difficulty = 7;  // seen within 130 units
  p.w.TargetX[1] = 140;
  p.w.TargetY[1] = 0;
  p.Draw();
  EXPECT_FALSE(p.HasPrefix("落水"));
  EXPECT_EQ(p.w.TargetDistanceYards, 70);
  p.w.TargetX[1] = 129;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "落水:  64 ﾔｰﾄﾞ   ");
  Panel narrow(640, 512);
  narrow.w.ActivityMode = 6;
  narrow.w.Difficulty = 15;
  narrow.w.TargetX[1] = 49;
  EXPECT_TRUE(narrow.Draw().HasPrefix("落水:  24 ﾔｰﾄﾞ"));
  EXPECT_FALSE(narrow.HasPrefix("落水:  24 ﾔｰﾄﾞ "));
}

TEST(ActivityRows, PickedVesselBearings) {
  Panel p;
  p.w.ActivityMode = 8;
  p.w.BoatCount = 4;
  p.w.TargetX = {0, -3500, -3500, 0, 0};
  p.bw.Heading(1, 270);
  p.Draw();
  EXPECT_FALSE(p.HasPrefix("方位"));
  // A vessel due north of a boat heading west lies 90 degrees to starboard.
  p.w.BoatX[3] = 0;
  p.w.BoatY[3] = -500;
  p.w.BearingTarget = 3;
  p.Draw();
  EXPECT_EQ(p.w.BearingTarget, 0);
  EXPECT_EQ(p.At(kCol2, kTop), "方位: 90");
  EXPECT_FALSE(p.HasPrefix("前回方位"));
  // North-east of a boat heading west: 135 degrees to starboard.
  p.w.BoatX[2] = 500;
  p.w.BoatY[2] = -500;
  p.w.BearingTarget = 2;
  p.Draw();
  EXPECT_EQ(p.At(kCol2, kTop), "方位: 135");
  EXPECT_EQ(p.At(kCol2, kTop + kL), "前回方位:90");
  EXPECT_EQ(p.Find("方位: 135")->textColor, palette::kDarkGreen);
}

TEST(ActivityRows, HeaderOrLiftAndTheRaceAnalysisCounters) {
  Panel p;
  p.w.ActivityMode = 3;
  p.w.MeanWindDirection = 350;
  p.w.WindDirectionAtBoat[1] = 5;  // veered 15 degrees: a lift on starboard tack
  p.w.TrueWindAngles[1] = 45;
  p.w.SimSeconds = 0;
  p.Draw();
  EXPECT_TRUE(p.HasPrefix("リフト 15"));
  EXPECT_EQ(p.w.TotalFrames, 0);  // nothing counts before the first second

  p.w.SimSeconds = 10;
  p.w.WindShadowState[1] = 2;
  p.Draw();
  p.w.BoatTack[1] = -1;
  p.Draw();
  EXPECT_TRUE(p.HasPrefix("ヘッダ 15"));
  p.w.WindDirectionAtBoat[1] = 350;
  p.w.TrueWindAngles[1] = 80;
  p.Draw();
  EXPECT_TRUE(p.HasPrefix("平均的風向  "));
  EXPECT_EQ(p.w.TotalFrames, 3);
  EXPECT_EQ(p.w.BadAirFrames, 3);
  EXPECT_EQ(p.w.CloseHauledFrames, 2);
  EXPECT_EQ(p.w.LiftedFrames, 1);  // the header does not count
}

TEST(ActivityRows, VelocityMadeGood) {
  Panel p;
  p.w.ActivityMode = 0;
  p.w.VelocityMadeGood = 43;
  p.w.TrueWindAngles[1] = 90;
  EXPECT_FALSE(p.Draw().HasPrefix("VMG"));
  p.w.TrueWindAngles[1] = 140;
  EXPECT_TRUE(p.Draw().HasPrefix("VMG: 4.3"));
  p.w.ActivityMode = 3;
  p.w.TrueWindAngles[1] = 90;
  EXPECT_TRUE(p.Draw().HasPrefix("VMG: 4.3"));

  // The sail-trim lesson works its VMG out from the heading, leaving the boat's wind angle
  // to the boat model.
  p.w.ActivityMode = 2;
  LayOutFrame(p.w);
  p.bw.Heading(1, 60);
  p.w.BoatSpeedTenths[1] = 50;
  EXPECT_TRUE(p.Draw().HasPrefix("VMG: 2.5"));
  EXPECT_EQ(p.w.TrueWindAngles[1], 90);
}

TEST(ActivityRows, RaceRowsAfterTheStart) {
  Panel p;
  p.w.ActivityMode = 14;
  p.w.BoatCount = 4;
  p.w.SimSeconds = 30;
  p.w.TrueWindAngles[1] = 90;
  p.w.BoatX[2] = 3000;  // not closer than 3000: boat 2 is named anyway
  p.w.BoatX[3] = 2000;
  p.w.BoatY[3] = 2000;
  p.w.BoatX[4] = 100;
  p.w.BoatY[4] = 100;
  p.w.BoatSpeedTenths[4] = 55;
  p.w.BoatSpeedTenths[2] = 61;
  p.Draw();
  EXPECT_NE(p.Find("ｸﾘｱｴｱｰ   "), nullptr);
  EXPECT_TRUE(p.HasPrefix("近接艇:  5.5"));
  p.w.BoatX[4] = 4000;
  p.w.WindShadowState[1] = 3;
  p.Draw();
  EXPECT_TRUE(p.HasPrefix("近接艇:  6.1"));
  EXPECT_EQ(p.Find("ﾊﾞｯｸｳｨﾝﾄﾞ")->textColor, palette::kRed);
  p.w.Stopped = 1;
  EXPECT_TRUE(p.Draw().HasPrefix("VMG"));

  p.w.SimSeconds = -20;
  p.Draw();
  EXPECT_FALSE(p.HasPrefix("近接艇"));
  EXPECT_EQ(p.Find("ﾊﾞｯｸｳｨﾝﾄﾞ"), nullptr);
}

}  // namespace
