// The sheet bars as drawn and as pressed, the button help line of the sail-shape lesson, and
// the large-menu-font reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/paint.h"
#include "canvas_helpers.h"
#include "draw/palette.h"
#include "input/control_buttons.h"
#include "input/mouse.h"
#include "input/sheet_bars.h"
#include "probe_runner.h"

namespace {

// Free sailing started and running at the given screen.
struct Sailing {
  ProbeSession session;
  std::ostringstream out;
  explicit Sailing(int width, int height, const char* extra = "", const char* command = "command 32806")
      : session(ProbeOptions{.screenWidth = width, .screenHeight = height}) {
    for (const char* line : {command, "key SPACE", "frames 2", "key SPACE", "frames 2", extra, "frames 1"}) {
      if (*line) session.RunLine(line, out);
    }
  }
  World& w() { return session.world(); }
  Canvas& c() { return session.canvas(); }
};

// The rows of the bar's column drawn in the mark colour.
std::vector<int> MarkRows(Canvas& c, int x, const SheetBar& bar, Color mark) {
  std::vector<int> rows;
  for (int y = bar.top; y < bar.bottom; ++y) if (c.GetPixel(x, y) == mark) rows.push_back(y);
  return rows;
}

// The part of a bar that is drawn: down to the scene's bottom at most.
SheetBar Drawn(SheetBar bar, const World& w) {
  bar.bottom = std::min(bar.bottom, w.SceneBottom);
  return bar;
}

TEST(SheetBars, EachBarIsDrawnOverItsPressRangeWithAMarkAtItsSetting) {
  for (auto [width, height] : {std::pair{1280, 768}, {800, 600}}) {
    Sailing s(width, height);
    World& w = s.w();
    const SheetBarLayout l = SheetBars(w);
    const int right = w.ViewWidth - 1;
    for (auto [x, bar] : {std::pair{0, Drawn(l.mainSheet, w)}, {14, Drawn(l.traveller, w)}, {right, Drawn(l.headSail, w)}}) {
      const int rows = bar.bottom - bar.top - 1;
      const int red = static_cast<int>(MarkRows(s.c(), x, bar, palette::kRed).size());
      const int grey = CountPixels(s.c(), palette::kLightGrey, Rect{x, bar.top + 1, x + 1, bar.bottom});
      EXPECT_EQ(red, 3) << width << " x " << x;
      EXPECT_GT(grey, rows / 2) << width << " x " << x;
    }
    // Below the scene the 2D view keeps its buttons whole: the bar stops at the scene's bottom.
    if (l.traveller.bottom > w.SceneBottom) {
      EXPECT_EQ(CountPixels(s.c(), palette::kLightGrey, Rect{0, w.SceneBottom, 15, l.traveller.bottom}), 0) << width;
    }
    // Nothing of the bars lies a column further in.
    EXPECT_EQ(CountPixels(s.c(), palette::kLightGrey, Rect{15, l.mainSheet.top + 1, 16, l.mainSheet.bottom}), 0);

    // A press on the bar moves the mark to where the press landed.
    const int y = l.mainSheet.top + (l.mainSheet.scaleEnd - l.mainSheet.top) * 3 / 4;
    for (const char* act : {"press", "release"}) s.session.RunLine(act + std::string(" 5 ") + std::to_string(y), s.out);
    s.session.RunLine("frames 1", s.out);
    const std::vector<int> mark = MarkRows(s.c(), 0, l.mainSheet, palette::kRed);
    ASSERT_EQ(mark.size(), 3u);
    // The sheet moves in whole steps: the mark lands within one step above the press.
    const int step = (l.mainSheet.scaleEnd - l.mainSheet.top) / 50 + 1;
    EXPECT_NEAR(mark[1], y, step) << width;
  }
}

TEST(SheetBars, MonochromeBarsArePlainGreyWithABlackMark) {
  Sailing s(1280, 768, "set Monochrome 1");
  const SheetBarLayout l = SheetBars(s.w());
  EXPECT_EQ(CountPixels(s.c(), palette::kRed, Rect{0, 0, 15, s.w().ViewHeight}), 0);
  EXPECT_EQ(CountPixels(s.c(), palette::kGrey, Rect{0, l.mainSheet.top + 1, 15, l.mainSheet.bottom}), 0);
  EXPECT_EQ(MarkRows(s.c(), 0, Drawn(l.traveller, s.w()), palette::kBlack).size(), 3u);
}

TEST(ButtonHelpLine, TheSailShapeLessonShowsItInThePanel) {
  Sailing s(1280, 768, "", "command 32819");
  ASSERT_EQ(s.w().ActivityMode, 11);
  EXPECT_NE(FindText(s.c(), ButtonHelpText(s.w().ButtonHelpLine)), nullptr);
}

// 20/19 of the desktop's standard font or more is large; without font sizes the bar's height
// decides: 20 pixels or more.
TEST(LargeMenuFont, ReadsTheMenuFontAgainstTheDesktopsStandard) {
  for (auto [height, font, standard, large] : {std::tuple{30, 15, 15, false}, {30, 19, 19, false}, {30, 20, 19, true},
                                               {20, 20, 15, true}, {19, 0, 0, false}, {20, 0, 0, true}}) {
    ScreenMetrics m;
    std::tie(m.menuBarHeight, m.menuFontPixels, m.standardMenuFontPixels) = std::tuple{height, font, standard};
    EXPECT_EQ(IsLargeMenuFont(m), large) << height << " " << font << " " << standard;
  }
}

}  // namespace
