// The page dispatcher and the instruction box of each activity.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "chart_session.h"
#include "draw/palette.h"
#include "instruction/page_dispatcher.h"
#include "state/world.h"
#include "test_world.h"

namespace {

const char* const kStopped = "動作停止中  スペースバーを押して継続";
const char* const kContinue = "スペースバーを押して継続";

struct Page {
  std::unique_ptr<World> world;
  World& w;
  Canvas c{1280, 720};
  Page(int mode, int page, int lessonIntro) : world(TestWorld().View(1280, 720).Activity(mode).Build()), w(*world) {
    std::tie(w.SceneBottom, w.InstructionPage, w.LessonIntroPending) = std::tuple{460, page, lessonIntro};
  }
  const std::vector<TextLogEntry>& Draw() {
    c.BeginFrame();
    DrawInstructionPage(w, c);
    return c.TextLog();
  }
};

// The box stands beside the sheet bar down to the scene's bottom, or over the upper half of
// the view during a lesson's introduction; the continue line closes it.
TEST(PageDispatcher, BoxPlacementAndWhereNoBoxBelongs) {
  Page sailing(1, 1, 0);
  EXPECT_EQ(InstructionBoxRect(sailing.w), (Rect{256, 10, 1267, 455}));
  const TextLogEntry stopped = sailing.Draw().back();
  EXPECT_EQ(stopped.text, kStopped);
  EXPECT_EQ((Point{stopped.x, stopped.y}), (Point{266, 455 - 24}));

  Page lesson(2, 2, 1);
  EXPECT_EQ(InstructionBoxRect(lesson.w), (Rect{10, 10, 1265, 360}));
  const TextLogEntry intro = lesson.Draw().back();
  EXPECT_EQ(intro.text, kContinue);
  EXPECT_EQ((Point{intro.x, intro.y}), (Point{20, 360 - 24}));
  std::tie(lesson.w.ViewWidth, lesson.w.ViewHeight) = std::pair{640, 450};  // the smallest screens space lines by 15
  EXPECT_EQ(lesson.Draw().back().y, 225 - 20);

  Page chosenScene(11, 11, 1);
  chosenScene.w.LessonChoice = 3;  // the coach explains the scene
  EXPECT_TRUE(chosenScene.Draw().empty());
  EXPECT_TRUE(Page(10, 1, 1).Draw().empty());  // the rules lesson has pages, not a box
  EXPECT_TRUE(Page(1, 0, 0).Draw().empty());
}

const std::map<int, std::string> kFirstLines = {
    {0, "セーリングを選択した。スコアはない。楽しんで下さい。"},
    {1, "目標:できるだけ真っ直ぐに帆走してボートとブイの間(フィニッシュゲート)を通過する。"},
    {2, "***ｾｰﾙﾄﾘﾑ(ｼｰﾄｺﾝﾄﾛｰﾙ)の教習***"},
    {3, "目標:風上へできるだけ速く帆走し、ボートとブイの間(フィニッシュゲート)を通過する。"},
    {4, "目標:できるだけ早くブイに戻り係留する。"},
    {5, "目標:桟橋に、できるだけゆっくりと着艇する。"},
    {6, "目標:落水者をできるだけ早く助け上げる。"},
    {7, "***** 海上交通ﾙｰﾙの教習 *****"},
    {8, "目標:他の船を避けブイとボートの間(フィニッシュゲート)を帆走する。"},
    {11, "**** セールシェープの教習 *****"},
    {13, "目標: 3つのﾏｰｸを回りﾌｨﾆｯｼｭﾗｲﾝを一番で通過する"},
    {14, "目標: ｽﾀｰﾄ信号後にｽﾀｰﾄﾗｲﾝを通過し、3つのﾏｰｸを回りﾌｨﾆｯｼｭﾗｲﾝを一番で通過する"},
    {15, "目標: ｽﾀｰﾄ信号後にｽﾀｰﾄﾗｲﾝを通過し、2つのﾏｰｸを回りﾌｨﾆｯｼｭﾗｲﾝを一番で通過する"},
};

// Each activity opens with its box, whose every line fits inside it above the continue line,
// on the smallest screens as on the largest.
TEST(InstructionBoxes, OpenWithTheirFirstLineAndFitTheirBox) {
  for (const auto& [width, height] : {std::pair{1280, 768}, std::pair{800, 600}, std::pair{640, 480}}) {
    for (const auto& [mode, first] : kFirstLines) {
      ChartSession s(width, height);
      s.Start(mode);
      if (mode == 7) s.Run("key 0\nframes 1\n");  // the traffic lesson opens its box by the 0 key
      const Rect box = InstructionBoxRect(s.w());
      const TextLogEntry* top = s.Find(first);
      ASSERT_NE(top, nullptr) << mode << " at " << width;
      EXPECT_EQ(top->x, box.left + 10);
      const TextLogEntry* last = s.Find(s.w().LessonIntroPending ? kContinue : kStopped);
      ASSERT_NE(last, nullptr);
      for (const TextLogEntry& e : s.canvas().TextLog()) {
        // The sailing frame's own texts: other colours, and the panel's navy rows below the box.
        if (e.textColor != palette::kNavy || !box.Contains(e.x, e.y)) continue;
        EXPECT_LE(e.x + s.canvas().TextWidth(e.text), box.right - 5) << mode << " at " << width << ": " << e.text;
        EXPECT_LE(e.y + PageLineHeight(s.w()), last->y) << mode << " at " << width << ": " << e.text;
      }
    }
  }
}

// With the chart asked for before the start, no sailing frame has laid the scene out yet: the
// box still takes the scene's usual height.
TEST(InstructionBoxes, BoxOverAChartShownFromTheStart) {
  ChartSession s;
  s.Run("set ChartShown 1\n");
  s.Start(1);
  EXPECT_NE(s.Find("*** 海図表示 ***  "), nullptr);
  const TextLogEntry* last = s.Find(kStopped);
  ASSERT_NE(last, nullptr);
  EXPECT_GT(last->y, s.w().ViewHeight / 2);
}

}  // namespace
