// The lessons' pages, the help pages and the glossary: page turning, the advance button, the
// frame's buttons, and that every page a user can reach is drawn and fits its screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "chart_session.h"
#include "instruction/help_pages.h"
#include "instruction/page_dispatcher.h"
#include "instruction/tutorial_page.h"
#include "state/pages.h"

namespace {

std::vector<int> ReachablePages() {
  std::vector<int> pages;
  for (const auto& [from, to] : {std::pair{101, 111}, {201, 205}, {501, 514}, {601, 609}, {901, 913}})
    for (int p = from; p <= to; ++p) if (p != 105) pages.push_back(p);
  return pages;
}

// The red line that closes every page: the lessons keep their introduction pending.
bool ShowsTheWayOn(ChartSession& s) {
  return s.Find("スペースバーを押して継続") != nullptr || s.Find("動作停止中  スペースバーを押して継続") != nullptr;
}

int LessonFor(int page) { return page < 200 ? 10 : (page < 500 ? 7 : (page < 600 ? 12 : 0)); }

// A lesson (or free sailing for the help pages) started, then the page opened.
void Open(ChartSession& s, int page, int step = 0) {
  s.Run("key N\nset InstructionPage 0\nset LessonIntroPending 0\nframes 1\n");  // back to the title
  s.Start(LessonFor(page));
  s.Run("set InstructionPage " + std::to_string(page) + "\nset TutorialStep " + std::to_string(step) + "\nframes 1\n");
}

TEST(TutorialPages, TurnPagesWithinTheirLesson) {
  // Page, the next and the previous; 105 is skipped, the ends stay put.
  for (const auto& [page, next, previous] : {std::tuple{104, 106, 103}, {106, 107, 104}, {111, 111, 110},
                                             {205, 205, 204}, {514, 514, 513}, {101, 102, 101}, {201, 202, 201}, {501, 502, 501}})
    EXPECT_EQ(std::tuple(NextTopicPage(page), PreviousTopicPage(page), IsLastTopic(page)), std::tuple(next, previous, next == page)) << page;
}

// The frame's buttons act on the latched click during the next frame.
TEST(TutorialPages, FrameButtonsTurnAndEnd) {
  ChartSession s;
  Open(s, 104);
  s.PressOn("次のﾄﾋﾟｯｸ");
  const int turned = s.w().InstructionPage;
  s.Run("frames 1\n");
  s.PressOn("前へ");
  EXPECT_EQ(std::pair(turned, s.w().InstructionPage), std::pair(106, 104));

  Open(s, 111);
  EXPECT_TRUE(s.Find("最後のﾄﾋﾟｯｸ") && !s.Find("次のﾄﾋﾟｯｸ"));
  s.PressOn("教習終了");
  EXPECT_EQ(std::pair(s.w().InstructionPage, s.w().ResultsShown), std::pair(0, 1));
}

TEST(TutorialPages, NarrowScreensShortenTheLabels) {
  ChartSession s(640, 480);
  Open(s, 203);
  EXPECT_TRUE(s.Find("次") && s.Find("戻る") && s.Find("終了") && !s.Find("教習終了"));
  Open(s, 205);
  EXPECT_NE(s.Find("最後のﾄﾋﾟｯｸ"), nullptr);
}

// The drawn button steps the boats (until the last step, when it puts them back) and the
// labels are full at the first step only.
TEST(TutorialPages, AdvanceButtonStepsAndWraps) {
  ChartSession s;
  Open(s, 103);
  EXPECT_TRUE(s.Find(" 艇をすすめるにはここをクリック ") && s.Find("艇 W:風上艇"));
  s.Run("press 10 " + std::to_string(s.w().AdvanceButtonY + 5) + "\nframes 1\n");
  EXPECT_EQ(s.w().TutorialStep, 1);
  s.Run("set TutorialStep " + std::to_string(s.w().TutorialStepCount) + "\nframes 1\n");
  EXPECT_TRUE(s.Find(" 艇を元に戻すにはここをクリック ") && !s.Find("艇 W:風上艇") && s.Find("W"));
}

TEST(TutorialPages, TacticsPagesUseTheFarthestCameraStep) {
  ChartSession s;
  // The rules pages lend the camera and give it back.
  for (const auto& [page, distance] : {std::pair{503, 4}, {102, 1}}) {
    s.Run("set CameraDistance 1\n");
    Open(s, page);
    EXPECT_EQ(s.w().CameraDistance, distance) << page;
  }
}

TEST(TutorialPages, HintLineOnlyWherePagesAnimateWithIt) {
  ChartSession s;
  for (const auto& [page, animated] : {std::pair{102, true}, {504, true}, {513, true}, {111, false}, {509, false}, {512, false}})
    EXPECT_EQ((Open(s, page), s.Find("艇をすすめるためには下のﾎﾞﾀﾝをｸﾘｯｸ") != nullptr), animated) << page;
}

TEST(TutorialPages, ShiftPagesTurnTheWind) {
  // -1: a page of text.
  for (const auto& [page, step, wind] :
       {std::tuple{504, 0, 0}, {504, 1, 340}, {503, 2, 20}, {509, 0, -1}, {105, 0, -1}})
    EXPECT_EQ(TutorialWindDirection(page, step), wind) << page << "/" << step;
}

TEST(HelpPages, FirstAndLastPagesLackTheirButtons) {
  ChartSession s;
  for (const auto& [page, next, hasNext] : {std::tuple{901, "次のﾍﾙﾌﾟ", true}, {913, "次のﾍﾙﾌﾟ", false},
                                            {609, "次のﾍﾟｰｼﾞ", false}, {601, "次のﾍﾟｰｼﾞ", true}}) {
    Open(s, page);
    EXPECT_EQ(std::pair(s.Find(next) != nullptr, s.Find("前へ") != nullptr), std::pair(hasNext, page % 100 != 1)) << page;
  }
  s.Run("press " + std::to_string(s.w().NextPageButtonX + 10) + " " + std::to_string(s.w().PageButtonsY + 10) +
        "\nframes 1\n");
  EXPECT_EQ(s.w().InstructionPage, 602);
  EXPECT_NE(s.Find("- 用語集 -     ﾍﾟｰｼﾞ 2"), nullptr);
}

// The screen explanation is a band over the top third, so the view it explains stays in sight.
TEST(HelpPages, ScreenExplanationIsABand) {
  ChartSession s;
  Open(s, 903);
  const World& w = s.w();
  EXPECT_EQ(std::pair(w.PageButtonsY, PageArea(w).bottom), std::pair(w.ViewHeight / 3 - 15, w.ViewHeight / 3 + 6));
  const TextLogEntry* go = s.Find("動作停止中  スペースバーを押して継続");
  EXPECT_TRUE(go && go->y < w.ViewHeight / 3);
  Open(s, 102);
  s.Run("set InstructionPage 903\nframes 1\n");  // inside a lesson it covers the whole view
  EXPECT_EQ(PageArea(s.w()).bottom, s.w().ViewHeight);
}

// Every page a menu or key can reach shows its title and the way on, at every step, and each
// line stays on the screen and above the frame's buttons.
TEST(AllPages, DrawnAndFitOnEveryScreen) {
  for (const auto& [width, height] : {std::pair{1280, 768}, std::pair{1024, 600}, std::pair{800, 600}}) {
    ChartSession s(width, height);
    for (int page : ReachablePages()) {
      Open(s, page);
      const int steps = FindTutorialPage(page) ? s.w().TutorialStepCount : 0;
      for (int step = 0; step <= steps; ++step) {
        if (step > 0) s.Run("set TutorialStep " + std::to_string(step) + "\nframes 1\n");
        const Canvas& c = s.canvas();
        const World& w = s.w();
        ASSERT_TRUE(ShowsTheWayOn(s)) << page << " at " << width;
        const TutorialPage* t = FindTutorialPage(page);
        const std::string title = t ? t->lines.front() : (page > 900 ? HelpPageLines(w, page) : GlossaryPageLines(page)).front();
        ASSERT_NE(s.Find(title), nullptr) << page;
        const int buttonsTop = page > 600 ? w.PageButtonsY
                                          : (w.AdvanceButtonY > 0 ? w.AdvanceButtonY : w.ViewHeight * 85 / 100) - 3 * PageLineHeight(w) / 2;
        // The page's texts follow its title in the log; the sailing frame under it came before.
        const auto& log = c.TextLog();
        const auto from = std::find_if(log.begin(), log.end(), [&](const TextLogEntry& e) { return e.text == title; });
        for (const TextLogEntry& e : std::ranges::subrange(from, log.end())) {
          EXPECT_TRUE(e.x >= 0 && e.x + c.TextWidth(e.text) <= width) << page << "/" << step << " at " << width << ": " << e.text;
          // Help and glossary text stays above the next and back buttons; a lesson page's text
          // stays above its frame (the sea, its captions and names lie below).
          const bool frameText = e.text == "次のﾍﾙﾌﾟ" || e.text == "次のﾍﾟｰｼﾞ" || e.text == "前へ" ||
                                 e.text.ends_with("スペースバーを押して継続");
          const bool pageText = page > 600 ? !frameText : e.y < buttonsTop - PageLineHeight(w);
          if (pageText && e.text != title) EXPECT_LE(e.y + c.LineHeight(), buttonsTop) << page << " at " << width << ": " << e.text;
        }
      }
    }
  }
}

// Numbers no menu reaches still get the page's rectangle and the way on, never a bare scene.
TEST(AllPages, UnknownNumbersAreNotBlank) {
  ChartSession s;
  for (int page : {105, 150, 300, 515, 700, 914}) EXPECT_TRUE((Open(s, page), ShowsTheWayOn(s))) << page;
}

}  // namespace
