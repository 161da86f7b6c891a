// The coach: the box and its placements, the advice chosen from the boat's state, the sail
// lessons' buttons, and the race commentary.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <array>

#include "canvas_helpers.h"
#include "draw/palette.h"
#include "instruction/coach.h"
#include "state/activity.h"
#include "state/hull_class.h"
#include "state/world.h"
#include "test_world.h"

namespace {

bool Has(const std::vector<CoachLine>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(), [&](const CoachLine& l) { return l.text == text; });
}

class CoachTest : public testing::Test {
 protected:
  std::unique_ptr<World> world = TestWorld().Sailing().View(800, 600).Build();
  World& w = *world;
  CoachTest() {
    w.CoachShown = 1;
    w.SceneBottom = w.SceneHeight = 384;
  }
  std::vector<CoachLine> Advice() const { return CoachAdvice(w); }
  bool Says(const std::string& text) const { return Has(CoachAdvice(w), text); }
};
using CoachBoxTest = CoachTest;
using CoachAdviceTest = CoachTest;
using RaceCommentaryTest = CoachTest;

TEST_F(CoachBoxTest, PlacementFollowsModeAndIntroduction) {
  std::tie(w.ViewWidth, w.ViewHeight, w.SceneBottom) = std::tuple{1200, 700, 448};
  auto edges = [&] {
    const CoachBox b = CoachBoxFor(w);
    return std::array{b.left, b.top, b.right, b.bottom, int{b.framed}};
  };
  EXPECT_EQ(edges(), (std::array{10, 10, 1100, 362, 1}));
  w.LessonIntroPending = 1;
  EXPECT_EQ(edges(), (std::array{1200 * 11 / 21 - 17, 10, 1188, 218, 1}));
  std::tie(w.LessonIntroPending, w.ActivityMode) = std::tuple{0, Activity::kTrafficRulesLesson};
  EXPECT_EQ(edges(), (std::array{6, 1, 1197, 700 / 3 + 16, 1}));
  EXPECT_EQ(CoachTextTop(w), 4);
  w.LessonIntroPending = 1;  // the traffic-rules scenes are sailed on the introduction
  EXPECT_EQ(CoachBoxFor(w).bottom, 700 / 3 + 16);
  w.ActivityMode = Activity::kSailShapeLesson;
  EXPECT_EQ((std::pair{CoachBoxFor(w).bottom, CoachBoxFor(w).right}), (std::pair{350, 1188}));
  w.LessonIntroPending = 0;
  // Mode, framed, bottom (0: not checked), text top (0: not checked).
  for (auto [mode, framed, bottom, top] :
       {std::tuple{Activity::kRacingRulesLesson, false, 0, 0}, {Activity::kTacticsLesson, false, 0, 0},
        {Activity::kTriangleRace, true, 448 - 18, 0}, {Activity::kSailShapeLesson, true, 350, 0},
        {Activity::kUpwind, true, 0, 16}, {Activity::kDocking, true, 0, 25}}) {
    w.ActivityMode = mode;
    EXPECT_EQ(CoachBoxFor(w).framed, framed) << mode;
    EXPECT_TRUE(!bottom || CoachBoxFor(w).bottom == bottom) << mode;
    EXPECT_TRUE(!top || CoachTextTop(w) == top) << mode;
  }
  EXPECT_EQ(CoachLineHeight(w), 18);
  w.ViewWidth = 699;
  EXPECT_EQ(CoachLineHeight(w), 15);
}

TEST_F(CoachBoxTest, DrawsTheAdviceTheStoppedLineAndTheOptions) {
  w.ActivityMode = Activity::kFreeSailing;
  const std::string kLine = "セーリングではコーチはない  幸運を祈る！", kStopped = "動作停止中  スペースバーを押して継続";
  Canvas canvas(800, 600);
  DrawCoach(w, canvas);
  const TextLogEntry *line = FindText(canvas, kLine), *stopped = FindText(canvas, kStopped);
  ASSERT_TRUE(line && stopped);
  EXPECT_EQ((std::tuple{line->y, stopped->textColor}), (std::tuple{25, palette::kRed}));
  EXPECT_GT(stopped->y, CoachBoxFor(w).bottom - 2 * CoachLineHeight(w));
  EXPECT_TRUE(CoachShowsOptions(w));
  EXPECT_EQ(CoachOptionRowY(w), CoachBoxFor(w).bottom - 6 * 18);
  // In monochrome the dark blue stays and the red goes black; no stopped line on an introduction.
  for (auto [mono, intro] : {std::pair{1, 0}, {1, 1}}) {
    std::tie(w.Monochrome, w.LessonIntroPending) = std::tuple{mono, intro};
    canvas.BeginFrame();
    DrawCoach(w, canvas);
    EXPECT_EQ(FindText(canvas, kLine)->textColor, palette::kNavy);
    stopped = FindText(canvas, kStopped);
    EXPECT_TRUE(intro ? !stopped : stopped && stopped->textColor == palette::kBlack);
  }
}

// Every line of every activity and scene stays inside the box on an 800x600 frame.
TEST_F(CoachBoxTest, EveryLineFitsAt800x600) {
  w.ViewHeight = 562;
  const int modes[] = {Activity::kFreeSailing, Activity::kSteering, Activity::kSailTrimLesson, Activity::kUpwind,
                       Activity::kMooring, Activity::kDocking, Activity::kManOverboard, Activity::kTrafficRulesLesson,
                       Activity::kCollisionAvoidance, Activity::kSailShapeLesson, Activity::kTriangleRace};
  // A state that raises many findings at once.
  w.BoatX[1] = w.BoatY[1] = 50;
  std::tie(w.BoatSpeedTenths[1], w.Difficulty, w.SimSeconds, w.JibTopBackwinded, w.ResultsShown) =
      std::tuple{30, 3, 5, 1, 0};
  Canvas canvas(800, 562);
  canvas.SetFontSizes(562 / 45 + 1, 562 / 15, 562 / 60);
  int checked = 0;
  for (int m : modes)
    for (int scene = 1; scene <= 9; ++scene) {
      std::tie(w.ActivityMode, w.LessonChoice) = std::tuple{m, scene};
      canvas.BeginFrame();
      DrawCoach(w, canvas);
      const CoachBox box = CoachBoxFor(w);
      canvas.SetFont(FontRole::Normal);
      for (const TextLogEntry& e : canvas.TextLog()) {
        EXPECT_TRUE(e.x + canvas.TextWidth(e.text) <= box.right && e.y + canvas.LineHeight() <= box.bottom)
            << m << "/" << scene << ": " << e.text;
        ++checked;
      }
    }
  EXPECT_GT(checked, 300);
}

TEST_F(CoachAdviceTest, SteeringHeadingAdviceOnlyOnceStartedAndFarFromTheTarget) {
  std::tie(w.ActivityMode, w.Difficulty) = std::tuple{Activity::kSteering, 1};
  const std::string left = "目標から大きく左にそれている。右に向け。", right = "目標から大きく右にそれている。左に向け。";
  // Position (both coordinates must have left the origin), distance, heading: left, right.
  for (auto [x, y, yards, heading, l, r] :
       {std::tuple{0, 0, 500, 120, false, false}, {10, 0, 500, 120, false, false}, {10, 10, 500, 120, true, false},
        {10, 10, 400, 120, false, false}, {10, 10, 401, 90, false, false}, {10, 10, 401, 91, true, false},
        {10, 10, 401, 249, true, false}, {10, 10, 401, 250, false, false}, {10, 10, 401, 290, false, false},
        {10, 10, 401, 291, false, true}, {10, 10, 401, 359, false, true}}) {
    std::tie(w.BoatX[1], w.BoatY[1], w.TargetDistanceYards, w.BoatHeadings[1]) = std::tuple{x, y, yards, heading};
    EXPECT_EQ((std::pair{Says(left), Says(right)}), (std::pair{l, r})) << x << "," << y << " " << yards << " " << heading;
  }
}

TEST_F(CoachAdviceTest, SteeringHelmRowsAtTheirBoundaries) {
  w.ActivityMode = Activity::kSteering;
  w.BoatX[1] = w.BoatY[1] = 10;
  w.MaxHeel = 23;
  const std::string wind = "風が強い時には特に、メインシートの調節が操舵に強い影響を与える",
                    heel = "ヒールが大きいために艇が風上に向こうとしている",
                    reverse = "逆ヒールしているために艇が風下に向こうとしている",
                    mainBack = "裏風がジブよりメインが多いために艇が風下に向こうとしている",
                    jibBack = "裏風がメインよりジブが多いために艇が風上に向こうとしている";
  // difficulty, heel, weather helm, jib backwind, main backwind: the line, and whether it shows.
  for (const auto& [difficulty, heelAngle, helm, jib, main, text, shown] : {
           std::tuple{1, 18, -3, 0, 0, wind, false}, {1, 19, -3, 0, 0, heel, false}, {2, 18, -3, 0, 0, wind, true},
           {2, 18, -3, 0, 0, heel, false},  // 18 is not above 23 - 5
           {2, 19, -3, 0, 0, heel, true}, {2, 19, -2, 0, 0, heel, false}, {2, -6, 3, 0, 0, reverse, true},
           {2, -5, 3, 0, 0, reverse, false}, {2, -6, 2, 0, 0, reverse, false}, {2, 0, 3, 0, 31, mainBack, true},
           {2, 0, 3, 0, 30, mainBack, false}, {2, 0, -3, 31, 0, jibBack, true}, {2, 0, -3, 30, 0, jibBack, false}}) {
    std::tie(w.Difficulty, w.HeelAngles[1], w.WeatherHelm, w.JibState, w.MainBackwindCopy) =
        std::tuple{difficulty, heelAngle, helm, jib, main};
    EXPECT_EQ(Says(text), shown) << text << " " << difficulty << "/" << heelAngle << "/" << helm << "/" << jib << "/" << main;
  }
}

TEST_F(CoachAdviceTest, UpwindTechniqueAndFindings) {
  std::tie(w.ActivityMode, w.BoatSpeedTenths[1], w.TrueWindAngles[1]) = std::tuple{Activity::kUpwind, 0, 40};
  EXPECT_TRUE(Advice().empty());  // not moving, not started
  // Seven lines of technique, and the tack-button line while the autopilot is on.
  for (auto [sign, off, text, size] : {std::tuple{-1, 0, "ティラーを風下いっぱいまで動かしタックする。", 8u},
                                       {1, 1, "舵輪を風上いっぱいまで回しタックする。", 7u}}) {
    std::tie(w.BoatSpeedTenths[1], w.HelmSign, w.AutopilotOff) = std::tuple{1, sign, off};
    EXPECT_TRUE(Says(text)) << sign;
    EXPECT_EQ(Advice().size(), size) << sign;
  }
  // The findings wait for the start and for 2 seconds of activity time.
  w.BoatX[1] = w.BoatY[1] = 20;
  for (auto [over, seconds, shown] : {std::tuple{2, 1, false}, {2, 2, true}, {1, 2, false}}) {
    std::tie(w.HeelAngles[1], w.SimSeconds) = std::tuple{w.MaxHeel + over, seconds};
    EXPECT_EQ(Says("オーバーヒール"), shown) << over << "/" << seconds;
  }
  w.JibState = 6;
  EXPECT_TRUE(Says("ジブの風上側の風糸が大きく上にあがっている。風下に向ける。"));
  std::tie(w.JibState, w.HullClass) = std::tuple{-1, Hull::kSingleHander};
  EXPECT_FALSE(Says("ジブの風下側の風糸が上にあがっている。風上に向ける。"));
  w.HullClass = Hull::kTwoPerson;
  EXPECT_TRUE(Says("ジブの風下側の風糸が上にあがっている。風上に向ける。"));

  // In irons below 30 degrees: the recovery advice, with the jib lines on boats with a crew.
  std::tie(w.BoatSpeedTenths[1], w.TrueWindAngles[1]) = std::tuple{0, 29};
  const size_t withJib = Advice().size();
  EXPECT_TRUE(Says("風位に立ってバックしている。"));
  w.HullClass = Hull::kSingleHander;
  EXPECT_EQ(Advice().size(), withJib - 2);
  w.TrueWindAngles[1] = 30;
  EXPECT_FALSE(Says("風位に立ってバックしている。"));
}

TEST_F(CoachAdviceTest, SailTrimScenesAtTheirBoundaries) {
  std::tie(w.ActivityMode, w.MaxHeel, w.LessonChoice, w.Vang, w.MainStalled, w.MainBackwindCopy) =
      std::tuple{Activity::kSailTrimLesson, 15, 2, 2, 0, 0};
  // Heel and backwind: good trim between 8 and the maximum heel, over-heel above, backwind below 8.
  for (auto [heel, back, ok, over, backwind] : {std::tuple{7, 0, false, false, false}, {8, 0, true, false, false},
                                                {15, 0, true, false, false}, {16, 0, false, true, false},
                                                {7, 1, false, false, true}, {8, 1, true, false, false}}) {
    std::tie(w.HeelAngles[1], w.MainBackwindCopy) = std::tuple{heel, back};
    EXPECT_EQ(Says("ﾄﾘﾑ良し。"), ok) << heel << "/" << back;
    EXPECT_EQ(Says("オーバーヒール。シートを出す( > ｷｰ)。"), over) << heel;
    EXPECT_EQ(Says("裏風が入っている。ﾒｲﾝｼｰﾄを引く( < ｷｰ)。"), backwind) << heel << "/" << back;
  }

  std::tie(w.LessonChoice, w.Vang) = std::tuple{4, 3};
  for (auto [sheet, ease, trim, ok] : {std::tuple{35, true, false, false}, {36, false, false, false},
                                       {37, false, false, true}, {40, false, false, true}, {41, false, true, false}}) {
    w.MainSheet = sheet;
    const auto a = Advice();
    EXPECT_EQ((std::array{Has(a, "ﾒｲﾝを出してﾋｰﾙを減らしﾌﾞﾛｰﾁﾝｸﾞの"), Has(a, "ﾒﾝｲﾝｼｰﾄを引いて( < ｷｰ)ﾛｰﾘﾝｸﾞを減らす。"),
                          Has(a, "安全で良いﾄﾘﾑ。")}),
              (std::array{ease, trim, ok})) << sheet;
  }
  w.Vang = 2;
  EXPECT_TRUE(Says("ﾊﾞﾝｸﾞを締めてﾛｰﾘﾝｸﾞを減らす。") && !Says("安全で良いﾄﾘﾑ。"));

  std::tie(w.LessonChoice, w.PreviousApparentWindAngle, w.SpinnakerCollapse, w.SpinnakerMistrim) =
      std::tuple{8, 150, 0, 0};
  const char* forward = "ｽﾋﾟﾝがつぶれないようにﾎﾟｰﾙを前に(ｶﾞｲを出す) 。";
  // Guy angle and collapse: the line shown. Exactly at a - 65 (85) only the title shows.
  for (auto [guy, collapse, text] : {std::tuple{69, 0, "より風を受けるようにﾎﾟｰﾙを後ろに(ｶﾞｲを引く)"},
                                     {70, 0, "スピントリム良し。"}, {84, 0, "スピントリム良し。"}, {86, 0, forward},
                                     {86, 30, "スピンがつぶれる、シートを少し引く。"},
                                     {86, 31, "スピンがつぶれる、シートを大きく引く。"}}) {
    std::tie(w.GuyAngle, w.SpinnakerCollapse) = std::tuple{guy, collapse};
    EXPECT_TRUE(Says(text)) << guy << "/" << collapse;
    EXPECT_EQ(Says(forward), collapse == 0 && guy == 86) << guy << "/" << collapse;
  }
  std::tie(w.GuyAngle, w.SpinnakerCollapse) = std::tuple{85, 0};
  EXPECT_EQ(Advice().size(), 1u);
}

TEST_F(CoachAdviceTest, SailShapeFindingsDependOnBoatSize) {
  std::tie(w.ActivityMode, w.LessonChoice, w.Cunningham, w.Outhaul, w.MastBend, w.HullClass) =
      std::tuple{Activity::kSailShapeLesson, 1, 2, 2, 3, Hull::kSpinnakerDinghy};
  EXPECT_TRUE(Says("ﾒｲﾝが浅い。ﾊﾞﾝｸﾞを緩めてﾍﾞﾝﾄﾞを減らす。"));
  w.HullClass = Hull::kUnusedFour;  // the first of the big boats
  EXPECT_TRUE(Says("ﾒｲﾝが浅い。ﾏｽﾄﾍﾞﾝﾄﾞを減らす。"));
  w.MastBend = 2;
  EXPECT_EQ(Advice().size(), 3u);  // title and two optimum lines: the shape is right

  // The pole target follows the wind: 1 + knots / 9.
  std::tie(w.LessonChoice, w.PoleHeight) = std::tuple{7, 2};
  for (auto [knots, high, low] : {std::tuple{9, false, false}, {17, false, false}, {8, true, false}, {18, false, true}}) {
    w.WindSpeedAtBoat[1] = knots;
    EXPECT_EQ((std::pair{Says("スピンポールが高い。"), Says("スピンポールが低い。")}), (std::pair{high, low})) << knots;
  }
  // Wide views add the over-power proviso.
  std::tie(w.LessonChoice, w.JibLuff, w.Forestay, w.BarberHauler, w.JibTopBackwinded) = std::tuple{5, 3, 0, 2, 1};
  for (auto [width, text] : {std::pair{701, "最上の風上の風糸が上がっている。ｵｰﾊﾞｰﾊﾟﾜｰでなければﾘｰﾀﾞｰを前に。"},
                             {700, "最上の風上の風糸が上がっている。ﾘｰﾀﾞｰを前に。"}}) {
    w.ViewWidth = width;
    EXPECT_TRUE(Says(text)) << width;
  }
}

TEST_F(CoachAdviceTest, TrafficRulesScenesAndFixedParagraphs) {
  std::tie(w.ActivityMode, w.LessonChoice) = std::tuple{Activity::kTrafficRulesLesson, 0};
  EXPECT_TRUE(Advice().empty());
  w.LessonChoice = 3;
  for (auto [mode, lines] : {std::pair{Activity::kTrafficRulesLesson, 4u}, {Activity::kManOverboard, 10u},
                             {Activity::kDocking, 4u}, {Activity::kMooring, 10u}, {Activity::kCollisionAvoidance, 4u}}) {
    w.ActivityMode = mode;
    EXPECT_EQ(Advice().size(), lines) << mode;
  }
}

class CoachButtonsTest : public CoachTest {
 protected:
  CoachButtonsTest() { std::tie(w.ActivityMode, w.SailingState) = std::tuple{Activity::kSailTrimLesson, 2}; }
  void Click(const Rect& r, int from) {  // on a fresh coach at scene `from`
    std::tie(w.CoachShown, w.LessonChoice, w.ClickX, w.ClickY) =
        std::tuple{1, from, (r.left + r.right) / 2, (r.top + r.bottom) / 2};
    TakeCoachButtonClick(w);
  }
};

TEST_F(CoachButtonsTest, NextAndBackMoveBetweenScenesAndSetTheLessonUp) {
  w.BoatType = 2;
  Click(CoachButtonsFor(w).next, 4);
  // The set-up ran again (scene 5 sails the keelboat) and the click is consumed.
  EXPECT_EQ((std::array{w.LessonChoice, w.BoatType, w.ClickY}), (std::array{5, 12, 0}));
  Click(CoachButtonsFor(w).back, 5);
  EXPECT_EQ((std::array{w.LessonChoice, w.BoatType}), (std::array{4, 2}));
  for (auto [from, to] : {std::pair{1, 0}, {0, 0}}) {
    Click(CoachButtonsFor(w).back, from);
    EXPECT_EQ(w.LessonChoice, to) << from;
  }
  // At the last scene the next button is gone, and a click where it stood does nothing.
  w.LessonChoice = 8;
  EXPECT_FALSE(CoachButtonsFor(w).nextShown);
  Click(CoachButtonsFor(w).next, 8);
  EXPECT_EQ(w.LessonChoice, 8);
  w.ActivityMode = Activity::kSailShapeLesson;
  EXPECT_TRUE(CoachButtonsFor(w).nextShown);
  w.LessonChoice = 9;
  EXPECT_FALSE(CoachButtonsFor(w).nextShown);
}

TEST_F(CoachButtonsTest, EndShowsTheResultsAndButtonsActOnlyInTheSailLessons) {
  w.InstructionPage = 1;
  Click(CoachButtonsFor(w).end, 3);
  EXPECT_EQ((std::array{w.ResultsShown, w.InstructionPage}), (std::array{1, 0}));
  std::tie(w.ResultsShown, w.ActivityMode) = std::tuple{0, Activity::kUpwind};
  Click(CoachButtonsFor(w).next, 3);
  EXPECT_EQ(w.LessonChoice, 3);
  w.ActivityMode = Activity::kSailTrimLesson;
  const Rect next = CoachButtonsFor(w).next;
  std::tie(w.CoachShown, w.ClickX, w.ClickY) = std::tuple{0, next.left + 2, next.top + 2};
  TakeCoachButtonClick(w);  // the box is closed
  EXPECT_EQ(w.LessonChoice, 3);
  std::tie(w.CoachShown, w.ClickX, w.ClickY) = std::tuple{1, next.left, next.top + 2};
  TakeCoachButtonClick(w);  // just outside the button's edge
  EXPECT_EQ(w.LessonChoice, 3);
}

TEST_F(RaceCommentaryTest, AnalysisGuardsItsDivisions) {
  w.TotalFrames = w.CloseHauledFrames = w.LiftedFrames = w.BadAirFrames = 0;
  auto a = RaceAnalysis(w);
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ((std::pair{a[0].text, a[1].text}),
            (std::pair<std::string, std::string>{"  ｸﾛｰｽﾎｰﾙﾄﾞでのﾘﾌﾄの風の時間の割合 : 0", "    悪い風の時間の割合 : 0"}));
  EXPECT_EQ(SharePercent(2, 3), 66);
  // The lifted share rates the use of shifts above 60 and 75 per cent.
  std::tie(w.CloseHauledFrames, w.TotalFrames, w.BadAirFrames) = std::tuple{100, 200, 50};
  for (auto [lifted, good, veryGood] : {std::tuple{60, false, false}, {61, true, false}, {75, true, false}, {76, false, true}}) {
    w.LiftedFrames = lifted;
    a = RaceAnalysis(w);
    EXPECT_EQ((std::pair{Has(a, "風のシフトの使い方が良い。     "), Has(a, "風のｼﾌﾄの使い方が非常に良い。")}),
              (std::pair{good, veryGood})) << lifted;
    EXPECT_EQ(a.back().text, "    悪い風の時間の割合 : 25");
  }
}

TEST_F(RaceCommentaryTest, ForecastBeforeTheSignalAdviceDuringAnalysisAfter) {
  std::tie(w.ActivityMode, w.SimSeconds, w.OscillatingShiftsExpected) = std::tuple{Activity::kTriangleRace, 0, 0};
  const char* none = "振れ戻りのないシフトはないと思われる。";
  for (auto [rate, text] : {std::pair{6, "低気圧が北側を通過中。振れ戻りのない時計回りのシフトが予想される。"}, {5, none},
                            {-5, none}, {-6, "低気圧が南側を通過中。振れ戻りのない反時計回りのシフトが予想される。"}}) {
    w.PersistentShiftRate = rate;
    const auto t = TacticsCommentary(w);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[2].text, text) << rate;
  }
  // After the signal: the rating, bad air while in a wind shadow, hiking past heel 21.
  std::tie(w.SimSeconds, w.WindShadowState[1], w.HullClass, w.MaxHeel) = std::tuple{30, 2, Hull::kKeelboat, 23};
  w.SkipperHike = w.Crew1Hike = w.Crew2Hike = 1;
  for (auto [shadow, heel, bad, hike] : {std::tuple{2, 22, true, true}, {0, 21, false, false}}) {
    std::tie(w.WindShadowState[1], w.HeelAngles[1]) = std::tuple{shadow, heel};
    const auto t = TacticsCommentary(w);
    EXPECT_EQ((std::pair{t[0].text, t[0].ink}), (std::pair<std::string, CoachInk>{"帆走良し。よりよくできる可能性有り ", CoachInk::Blue}));
    EXPECT_EQ((std::pair{Has(t, "悪い風の中にいる。"), Has(t, "風上に移動。")}), (std::pair{bad, hike})) << heel;
  }
  // On the results the analysis replaces the commentary.
  std::tie(w.ResultsShown, w.CloseHauledFrames) = std::tuple{1, 0};
  Canvas canvas(800, 600);
  DrawCoach(w, canvas);
  const TextLogEntry* p = FindText(canvas, "  ｸﾛｰｽﾎｰﾙﾄﾞでのﾘﾌﾄの風の時間の割合 : 0");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->x, 30);
  EXPECT_EQ(FindText(canvas, "帆走良し。よりよくできる可能性有り "), nullptr);
}

}  // namespace
