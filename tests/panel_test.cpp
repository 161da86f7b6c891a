// The data panel and the steering strip: the rows they show, the simulator-speed buttons and
// the race-analysis counters the panel keeps.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "draw/palette.h"
#include "input/control_buttons.h"
#include "panel_frame.h"

namespace {

// On the 1280 x 720 frame the panel's columns start at x 429 and 611, its rows at y 461, one
// every 20 pixels. The boat reaches on starboard tack.
using Rows = std::vector<std::string>;
struct Panel : PanelFrame {
  explicit Panel(int width = 1280, int height = 768, int menuBar = 19) : PanelFrame(width, height, menuBar) {
    w.TrueWindAngles[1] = 90;
  }
  Panel& Draw() {
    PanelFrame::Draw();
    return *this;
  }
  // The texts shown in a column at the given rows.
  Rows Column(int x, std::initializer_list<int> rows) const {
    Rows shown;
    for (int row : rows) shown.push_back(At(x, 461 + 20 * row));
    return shown;
  }
};

constexpr int kCol1 = 429;
constexpr int kCol2 = 611;
constexpr int kTop = 461;
constexpr int kL = 20;

TEST(DataPanel, SailAndBoatRows) {
  Panel p;
  p.w.BoatSpeeds[1] = -12.4;
  p.w.BoatSpeedTenths[1] = -12;
  p.Draw();  // sailing backwards; reaching, with no pointing row
  EXPECT_EQ(p.Column(kCol1, {0, 1, 2, 5}), (Rows{"ﾒｲﾝ : ﾌﾙ  ", "ジブ: ﾌﾙ ", "速度 : -1.2", ""}));

  p.w.MainBackwindCopy = 35;
  p.w.JibFurl = 100;  // the furled label covers the jib's state
  p.w.HoldCloseHauled = 1;
  p.w.TrueWindAngles[1] = 44;
  EXPECT_EQ(p.Draw().Column(kCol1, {0, 1, 5}), (Rows{"ﾒｲﾝ : 35", "ジブ: 巻く ", "ｸﾛｰｽﾎｰﾙﾄﾞ (44)"}));

  p.w.SpinnakerFlying[1] = 1;
  p.w.SpinnakerMistrim = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: 出しすぎ");
  // The single-handers have no head sail.
  p.w.SpinnakerFlying[1] = 0;
  p.w.HullClass = 1;
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "");

  p.w.Monochrome = 1;
  p.Draw();
  for (const TextLogEntry& e : p.c->TextLog()) {
    EXPECT_TRUE(e.x >= 700 || e.textColor == palette::kBlack || e.textColor == palette::kWhite) << e.text;
  }
}

TEST(DataPanel, SpeedButtonsStayInRangeAndAlwaysClick) {
  Panel p;
  const int y = kTop + 6 * kL + 5;
  const int faster = kCol1 + 10;
  const int slower = kCol1 + 1280 / 17 + 10;
  struct Case {
    int x, speed, expected;
  };
  // Each press saves the speed it leaves, also at the ends of the range.
  for (const Case& k : {Case{faster, 9, 10}, Case{faster, 15, 15}, Case{slower, 1, 1}, Case{slower, 2, 1}}) {
    p.w.SimSpeed = k.speed;
    p.w.ClickX = k.x;
    p.w.ClickY = y;
    const int clicks = p.bw.Count(1);
    p.Draw();  // consumed, and the same speed saved
    EXPECT_EQ((std::array{p.w.SimSpeed, p.w.SavedSimSpeed, p.w.SavedSimSpeedDivisor, p.w.ClickY, p.bw.Count(1)}),
              (std::array{k.expected, k.expected, p.w.SimSpeedDivisor, 0, clicks + 1}))
        << k.speed;
  }
  p.w.MouseX = slower;
  p.w.MouseY = y;
  EXPECT_NE(p.Draw().Starting("  シミュレータスピードを１段階遅くする"), nullptr);
}

TEST(ActivityRows, TimeAndCountdown) {
  Panel p;
  p.w.HullClass = 3;  // no depth row
  p.w.SimTime = 34.1 / 0.8 * 3 + 5;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "時間: 3: 07");
  p.w.SimTime = 34.1 / 0.8 * 3 + 12.1;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "時間: 3: 17");
  p.w.SimSpeed = 1;
  EXPECT_EQ(p.Draw().Starting("時間")->textColor, palette::kMaroon);
  for (int mode : {5, 8, 13}) {
    p.w.ActivityMode = mode;
    EXPECT_EQ(p.Draw().Starting("時間"), nullptr) << mode;
  }
  // A race's countdown starts at 4:59 and shows absolute values.
  p.w.ActivityMode = 14;
  p.w.SimTime = p.w.SimSeconds = -170;
  ASSERT_NE(p.Draw().Starting("時間"), nullptr);
  EXPECT_EQ(p.Draw().Starting("時間")->text, "時間: 4: 59");
  p.w.SimTime = p.w.SimSeconds = 3;
  EXPECT_EQ(p.Draw().Starting("時間"), nullptr);
}

TEST(ActivityRows, ExerciseTargets) {
  Panel p;
  p.w.ActivityMode = 1;  // the finish gate lies 1500 units west
  p.w.TargetX = {0, -1500, -1500, -370, -370};
  p.w.TargetY = {0, -35, 35, 0, 0};
  p.bw.Heading(1, 270);
  p.Draw();
  EXPECT_EQ((Rows{p.At(kCol2, kTop), p.At(kCol2 + 9, kTop + kL)}), (Rows{"ﾌｨﾆｯｼｭ: 750 ﾔｰﾄﾞ   ", "前方 "}));
  p.bw.Heading(1, 0);
  p.w.TargetY = {0, -535, -465, 0, 0};  // 71.6 degrees to port
  EXPECT_EQ(p.Draw().At(kCol2 + 9, kTop + kL), "71 度(左舷)");

  p.w.ActivityMode = 5;  // docking measures to the pier's face
  p.w.TargetX = {0, -300, -300, -370, -370};
  p.w.TargetY = {0, -35, 35, 35, -35};
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "着艇: 142 ﾔｰﾄﾞ   ");

  // The swimmer's distance shows once the boat is within (20 - Difficulty) x 10 units.
  p.w.ActivityMode = 6;
  p.w.Difficulty = 7;
  p.w.TargetX[1] = 140;
  p.w.TargetY[1] = 0;
  EXPECT_EQ(p.Draw().Starting("落水"), nullptr);
  EXPECT_EQ(p.w.TargetDistanceYards, 70);
  p.w.TargetX[1] = 129;
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "落水:  64 ﾔｰﾄﾞ   ");

  // Collision avoidance: the picked vessel's bearing, then the one before it.
  p.w.ActivityMode = 8;
  p.w.BoatX[3] = 0;
  p.w.BoatY[3] = -500;
  p.w.BearingTarget = 3;
  p.bw.Heading(1, 270);
  p.Draw();
  p.w.BoatX[2] = p.w.BoatY[2] = 500;
  p.w.BearingTarget = 2;
  EXPECT_EQ(p.Draw().Column(kCol2, {0, 1}), (Rows{"方位: 225", "前回方位:90"}));
  EXPECT_EQ(p.w.BearingTarget, 0);
  EXPECT_EQ(p.Starting("ﾌｨﾆｯｼｭ")->y, kTop + 2 * kL);
}

TEST(ActivityRows, NarrowPanelKeepsRowsClearOfTheButtons) {
  Panel p(800, 640);
  p.w.VerticalSteeringZone = 1;
  LayOutFrame(p.w);
  p.w.ActivityMode = 5;
  p.w.TargetX = {0, -300, -300, -370, -370};
  const TextLogEntry* row = p.Draw().Starting("着艇");
  ASSERT_NE(row, nullptr);
  EXPECT_LE(row->x + p.c->TextWidth("着艇: 142 ﾔｰﾄﾞ"), static_cast<int>(800 * 0.618));
}

TEST(ActivityRows, HeaderOrLiftAndTheRaceAnalysisCounters) {
  Panel p;
  p.w.ActivityMode = 3;
  p.w.MeanWindDirection = 350;
  p.w.WindDirectionAtBoat[1] = 5;  // veered 15 degrees: a lift on starboard tack
  p.w.TrueWindAngles[1] = 45;
  EXPECT_NE(p.Draw().Starting("リフト 15"), nullptr);
  EXPECT_EQ(p.w.TotalFrames, 0);  // nothing counts before the first second

  p.w.SimSeconds = 10;
  p.w.WindShadowState[1] = 2;
  p.Draw();
  p.w.BoatTack[1] = -1;
  EXPECT_NE(p.Draw().Starting("ヘッダ 15"), nullptr);
  p.w.WindDirectionAtBoat[1] = 350;
  p.w.TrueWindAngles[1] = 80;
  EXPECT_NE(p.Draw().Starting("平均的風向  "), nullptr);
  // Three frames counted, two close-hauled, but the headed frame is no lift.
  EXPECT_EQ((std::array{p.w.TotalFrames, p.w.BadAirFrames, p.w.CloseHauledFrames, p.w.LiftedFrames}),
            (std::array{3, 3, 2, 1}));
}

TEST(ActivityRows, VmgAndTheRaceRows) {
  Panel p;
  p.w.VelocityMadeGood = 43;
  EXPECT_EQ(p.Draw().Starting("VMG"), nullptr);  // reaching
  p.w.TrueWindAngles[1] = 140;
  EXPECT_NE(p.Draw().Starting("VMG: 4.3"), nullptr);
  // The sail-trim lesson works its VMG out from the heading and leaves the wind angle alone.
  p.w.ActivityMode = 2;
  p.bw.Heading(1, 60);
  p.w.BoatSpeedTenths[1] = 50;
  EXPECT_NE(p.Draw().Starting("VMG: 2.5"), nullptr);
  EXPECT_EQ(p.w.TrueWindAngles[1], 140);

  p.w.ActivityMode = 14;
  p.w.BoatCount = 4;
  p.w.SimSeconds = 30;
  p.w.TrueWindAngles[1] = 90;
  p.w.BoatX = {0, 0, 3000, 3500, 100};  // boat 4 is nearest
  p.w.BoatSpeedTenths = {0, 0, 61, 0, 55};
  p.w.WindShadowState[1] = 3;
  p.Draw();
  EXPECT_NE(p.Starting("近接艇:  5.5"), nullptr);
  EXPECT_EQ(p.Starting("ﾊﾞｯｸｳｨﾝﾄﾞ")->textColor, palette::kRed);
  p.w.BoatX[4] = 4000;  // none within 3000: boat 2
  EXPECT_NE(p.Draw().Starting("近接艇:  6.1"), nullptr);
}

// On the 1280 x 720 frame, the 800 x 600 one with the large menu font and the 640 x 480 one,
// the strip shows its caption and the speed, whose label keeps left of the centre line.
TEST(SteeringStrip, CaptionAndSpeedRowOnEachScreen) {
  for (const auto& [width, height, menuBar] : {std::tuple{1280, 768, 19}, {800, 640, 20}, {640, 512, 19}}) {
    Panel s(width, height, menuBar);
    ASSERT_NE(s.DrawZone().Starting("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ "), nullptr) << width;
    const TextLogEntry* speed = s.Starting("ｼﾐｭﾚｰﾀ速度:      9");
    ASSERT_NE(speed, nullptr) << width;
    EXPECT_GT(speed->y, s.w.ZoneTop) << width;
    EXPECT_LT(speed->x + s.c->TextWidth("ｼﾐｭﾚｰﾀ速度:"), width / 2 - width / 40) << width;
  }
}

TEST(SteeringStrip, PointerInTheZoneHighlightsItAndEndsDownwindManoeuvres) {
  Panel s;
  s.w.GybeCommand = s.w.BearAwayCommand = s.w.HoldDownwindCourse = 1;
  s.w.MouseX = 600;
  s.w.MouseY = 612;  // on the top edge: outside
  EXPECT_NE(s.DrawZone().Starting("ｽﾃｱﾘﾝｸﾞ"), nullptr);
  EXPECT_EQ(s.w.GybeCommand, 1);
  s.w.MouseY = 700;
  EXPECT_EQ(s.DrawZone().Starting("ｽﾃｱﾘﾝｸﾞ"), nullptr);
  EXPECT_EQ((std::array{s.w.GybeCommand, s.w.BearAwayCommand, s.w.HoldDownwindCourse}), (std::array{0, 0, 0}));
  EXPECT_EQ(s.c->GetPixel(500, 700), palette::kSteeringZoneHot);

  // The vertical zone: the panel shows the speed, the zone sets the steering top row.
  s.w.VerticalSteeringZone = 1;
  LayOutFrame(s.w);
  s.DrawZone();
  EXPECT_EQ(s.Starting("ｼﾐｭﾚｰﾀ速度"), nullptr);
  EXPECT_EQ(s.w.ZoneTop, s.w.SceneBottom);
  EXPECT_EQ(s.Draw().At(463, kTop + 7 * kL), "ｼﾐｭﾚｰﾀ速度:      9");

  s.w.LessonIntroPending = 1;
  EXPECT_TRUE(s.DrawZone().c->TextLog().empty());
}

}  // namespace
