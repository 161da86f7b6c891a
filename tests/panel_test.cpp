// The data panel and the steering strip: the rows they show, the simulator-speed buttons and
// the race-analysis counters the panel keeps.
#include <gtest/gtest.h>

#include <array>
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
using Ints = std::array<int32_t, 5>;
struct Panel : PanelFrame {
  explicit Panel(int width = 1280, int height = 768, int menuBar = 19) : PanelFrame(width, height, menuBar) { w.TrueWindAngles[1] = 90; }
  Panel& Draw() { return PanelFrame::Draw(), *this; }
  // The texts shown in a column at the given rows.
  Rows Column(int x, std::initializer_list<int> rows) const {
    Rows shown;
    for (int row : rows) shown.push_back(At(x, 461 + 20 * row));
    return shown;
  }
};

constexpr int kCol1 = 429, kCol2 = 611, kTop = 461, kL = 20;

TEST(DataPanel, SailAndBoatRows) {
  Panel p;
  std::tie(p.w.BoatSpeeds[1], p.w.BoatSpeedTenths[1]) = std::tuple{-12.4, -12};
  p.Draw();  // sailing backwards; reaching, with no pointing row
  EXPECT_EQ(p.Column(kCol1, {0, 1, 2, 5}), (Rows{"ﾒｲﾝ : ﾌﾙ  ", "ジブ: ﾌﾙ ", "速度 : -1.2", ""}));

  // The furled label covers the jib's state.
  std::tie(p.w.MainBackwindCopy, p.w.JibFurl, p.w.HoldCloseHauled, p.w.TrueWindAngles[1]) = std::tuple{35, 100, 1, 44};
  EXPECT_EQ(p.Draw().Column(kCol1, {0, 1, 5}), (Rows{"ﾒｲﾝ : 35", "ジブ: 巻く ", "ｸﾛｰｽﾎｰﾙﾄﾞ (44)"}));

  std::tie(p.w.SpinnakerFlying[1], p.w.SpinnakerMistrim) = std::tuple{1, 1};
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "ｽﾋﾟﾝ: 出しすぎ");
  // The single-handers have no head sail.
  std::tie(p.w.SpinnakerFlying[1], p.w.HullClass) = std::tuple{0, 1};
  EXPECT_EQ(p.Draw().At(kCol1, kTop + kL), "");

  p.w.Monochrome = 1;
  for (const TextLogEntry& e : p.Draw().c->TextLog())
    EXPECT_TRUE(e.x >= 700 || e.textColor == palette::kBlack || e.textColor == palette::kWhite) << e.text;
}

TEST(DataPanel, SpeedButtonsStayInRangeAndAlwaysClick) {
  Panel p;
  const int y = kTop + 6 * kL + 5, faster = kCol1 + 10, slower = kCol1 + 1280 / 17 + 10;
  // Each press is consumed, clicks and saves the speed it leaves, also at the ends of the range.
  for (const auto& [x, speed, expected] : {std::array{faster, 9, 10}, {faster, 15, 15}, {slower, 1, 1}, {slower, 2, 1}}) {
    std::tie(p.w.SimSpeed, p.w.ClickX, p.w.ClickY) = std::tuple{speed, x, y};
    const int clicks = p.bw.Count(1);
    p.Draw();
    EXPECT_EQ((std::array{p.w.SimSpeed, p.w.SavedSimSpeed, p.w.SavedSimSpeedDivisor, p.w.ClickY, p.bw.Count(1)}),
              (std::array{expected, expected, p.w.SimSpeedDivisor, 0, clicks + 1})) << speed;
  }
}

TEST(ActivityRows, TimeAndCountdown) {
  Panel p;
  p.w.HullClass = 3;  // no depth row
  for (const auto& [extra, shown] : {std::pair{5.0, "時間: 3: 07"}, {12.1, "時間: 3: 17"}}) {
    p.w.SimTime = 34.1 / 0.8 * 3 + extra;
    EXPECT_EQ(p.Draw().At(kCol2, kTop), shown);
  }
  p.w.SimSpeed = 1;
  EXPECT_EQ(p.Draw().Starting("時間")->textColor, palette::kMaroon);
  for (int mode : {5, 8, 13}) EXPECT_EQ((p.w.ActivityMode = mode, p.Draw().Starting("時間")), nullptr) << mode;
  // A race's countdown starts at 4:59 and shows absolute values.
  std::tie(p.w.ActivityMode, p.w.SimTime, p.w.SimSeconds) = std::tuple{14, -170.0, -170};
  EXPECT_NE(p.Draw().Find("時間: 4: 59"), nullptr);
  p.w.SimTime = p.w.SimSeconds = 3;
  EXPECT_EQ(p.Draw().Starting("時間"), nullptr);
}

TEST(ActivityRows, ExerciseTargets) {
  Panel p;
  p.w.ActivityMode = 1;  // the finish gate lies 1500 units west
  std::tie(p.w.TargetX, p.w.TargetY) = std::tuple{Ints{0, -1500, -1500, -370, -370}, Ints{0, -35, 35, 0, 0}};
  p.bw.Heading(1, 270);
  EXPECT_EQ((Rows{p.Draw().At(kCol2, kTop), p.At(kCol2 + 9, kTop + kL)}), (Rows{"ﾌｨﾆｯｼｭ: 750 ﾔｰﾄﾞ   ", "前方 "}));
  p.bw.Heading(1, 0);
  p.w.TargetY = {0, -535, -465, 0, 0};  // 71.6 degrees to port
  EXPECT_EQ(p.Draw().At(kCol2 + 9, kTop + kL), "71 度(左舷)");

  p.w.ActivityMode = 5;  // docking measures to the pier's face
  std::tie(p.w.TargetX, p.w.TargetY) = std::tuple{Ints{0, -300, -300, -370, -370}, Ints{0, -35, 35, 35, -35}};
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "着艇: 142 ﾔｰﾄﾞ   ");

  // The swimmer's distance shows once the boat is within (20 - Difficulty) x 10 units.
  std::tie(p.w.ActivityMode, p.w.Difficulty, p.w.TargetX[1], p.w.TargetY[1]) = std::tuple{6, 7, 140, 0};
  EXPECT_TRUE(p.Draw().Starting("落水") == nullptr && p.w.TargetDistanceYards == 70);
  p.w.TargetX[1] = 129;  // 130 would be on the limit
  EXPECT_EQ(p.Draw().At(kCol2, kTop), "落水:  64 ﾔｰﾄﾞ   ");

  // Collision avoidance: the picked vessel's bearing, then the one before it.
  std::tie(p.w.ActivityMode, p.w.BoatX[3], p.w.BoatY[3], p.w.BearingTarget) = std::tuple{8, 0.0, -500.0, 3};
  p.bw.Heading(1, 270);
  p.Draw();
  std::tie(p.w.BoatX[2], p.w.BoatY[2], p.w.BearingTarget) = std::tuple{500.0, 500.0, 2};
  EXPECT_EQ(p.Draw().Column(kCol2, {0, 1}), (Rows{"方位: 225", "前回方位:90"}));
  EXPECT_TRUE(p.w.BearingTarget == 0 && p.Starting("ﾌｨﾆｯｼｭ")->y == kTop + 2 * kL);
}

TEST(ActivityRows, NarrowPanelKeepsRowsClearOfTheButtons) {
  Panel p(800, 640);
  std::tie(p.w.VerticalSteeringZone, p.w.ActivityMode, p.w.TargetX) = std::tuple{1, 5, Ints{0, -300, -300, -370, -370}};
  LayOutFrame(p.w);
  const TextLogEntry* row = p.Draw().Starting("着艇");
  ASSERT_NE(row, nullptr);
  EXPECT_LE(row->x + p.c->TextWidth("着艇: 142 ﾔｰﾄﾞ"), static_cast<int>(800 * 0.618));
}

TEST(ActivityRows, HeaderOrLiftAndTheRaceAnalysisCounters) {
  Panel p;
  // Veered 15 degrees: a lift on starboard tack.
  std::tie(p.w.ActivityMode, p.w.MeanWindDirection, p.w.WindDirectionAtBoat[1], p.w.TrueWindAngles[1]) = std::tuple{3, 350, 5, 45};
  EXPECT_NE(p.Draw().Starting("リフト 15"), nullptr);
  EXPECT_EQ(p.w.TotalFrames, 0);  // nothing counts before the first second

  std::tie(p.w.SimSeconds, p.w.WindShadowState[1]) = std::tuple{10, 2};
  p.Draw().w.BoatTack[1] = -1;
  EXPECT_NE(p.Draw().Starting("ヘッダ 15"), nullptr);
  std::tie(p.w.WindDirectionAtBoat[1], p.w.TrueWindAngles[1]) = std::tuple{350, 80};
  EXPECT_NE(p.Draw().Starting("平均的風向  "), nullptr);
  // Three frames counted, two close-hauled, but the headed frame is no lift.
  EXPECT_EQ((std::array{p.w.TotalFrames, p.w.BadAirFrames, p.w.CloseHauledFrames, p.w.LiftedFrames}), (std::array{3, 3, 2, 1}));
}

TEST(ActivityRows, VmgAndTheRaceRows) {
  Panel p;
  p.w.VelocityMadeGood = 43;
  EXPECT_EQ(p.Draw().Starting("VMG"), nullptr);  // reaching
  EXPECT_NE((p.w.TrueWindAngles[1] = 140, p.Draw().Starting("VMG: 4.3")), nullptr);
  // The sail-trim lesson works its VMG out from the heading and leaves the wind angle alone.
  std::tie(p.w.ActivityMode, p.w.BoatSpeedTenths[1]) = std::tuple{2, 50};
  p.bw.Heading(1, 60);
  EXPECT_TRUE(p.Draw().Starting("VMG: 2.5") && p.w.TrueWindAngles[1] == 140);

  // Boat 4 is nearest.
  std::tie(p.w.ActivityMode, p.w.BoatCount, p.w.SimSeconds, p.w.TrueWindAngles[1], p.w.WindShadowState[1]) = std::tuple{14, 4, 30, 90, 3};
  p.w.BoatX = {0, 0, 3000, 3500, 100}, p.w.BoatSpeedTenths = {0, 0, 61, 0, 55};
  EXPECT_NE(p.Draw().Starting("近接艇:  5.5"), nullptr);
  EXPECT_EQ(p.Starting("ﾊﾞｯｸｳｨﾝﾄﾞ")->textColor, palette::kRed);
  EXPECT_NE((p.w.BoatX[4] = 4000, p.Draw().Starting("近接艇:  6.1")), nullptr);  // none within 3000: boat 2
}

// On the 1280 x 720 frame, the 800 x 600 one with the large menu font and the 640 x 480 one,
// the strip shows its caption and the speed, whose label keeps left of the centre line.
TEST(SteeringStrip, CaptionAndSpeedRowOnEachScreen) {
  for (const auto& [width, height, menuBar] : {std::tuple{1280, 768, 19}, {800, 640, 20}, {640, 512, 19}}) {
    Panel s(width, height, menuBar);
    const TextLogEntry* speed = s.DrawZone().Starting("ｼﾐｭﾚｰﾀ速度:      9");
    ASSERT_TRUE(speed && s.Starting("ｽﾃｱﾘﾝｸﾞ  ｿﾞｰﾝ ")) << width;
    EXPECT_GT(speed->y, s.w.ZoneTop) << width;
    EXPECT_LT(speed->x + s.c->TextWidth("ｼﾐｭﾚｰﾀ速度:"), width / 2 - width / 40) << width;
  }
}

TEST(SteeringStrip, PointerInTheZoneHighlightsItAndEndsDownwindManoeuvres) {
  Panel s;
  s.w.GybeCommand = s.w.BearAwayCommand = s.w.HoldDownwindCourse = 1;
  std::tie(s.w.MouseX, s.w.MouseY) = std::tuple{600, 612};  // on the top edge: outside
  EXPECT_NE(s.DrawZone().Starting("ｽﾃｱﾘﾝｸﾞ"), nullptr);
  EXPECT_EQ(s.w.GybeCommand, 1);
  s.w.MouseY = 700;
  EXPECT_EQ(s.DrawZone().Starting("ｽﾃｱﾘﾝｸﾞ"), nullptr);
  EXPECT_EQ((std::array{s.w.GybeCommand, s.w.BearAwayCommand, s.w.HoldDownwindCourse}), (std::array{0, 0, 0}));
  EXPECT_EQ(s.c->GetPixel(500, 700), palette::kSteeringZoneHot);

  // The vertical zone: the panel shows the speed, the zone sets the steering top row.
  s.w.VerticalSteeringZone = 1;
  LayOutFrame(s.w);
  EXPECT_TRUE(s.DrawZone().Starting("ｼﾐｭﾚｰﾀ速度") == nullptr && s.w.ZoneTop == s.w.SceneBottom);
  EXPECT_EQ(s.Draw().At(463, kTop + 7 * kL), "ｼﾐｭﾚｰﾀ速度:      9");

  s.w.LessonIntroPending = 1;  // a lesson's introduction hides the strip
  EXPECT_TRUE(s.DrawZone().c->TextLog().empty());
}

}  // namespace
