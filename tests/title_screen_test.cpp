// The title and options screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "app/paint.h"
#include "canvas_helpers.h"
#include "draw/palette.h"
#include "state/world.h"
#include "view3d/boat_drawing.h"
#include "test_world.h"

namespace {

struct Title {
  std::unique_ptr<World> world = TestWorld().Build();
  Canvas canvas{640, 480};
  World& w = *world;
  ScreenMetrics screen;

  explicit Title(int width = 640, int height = 480) : screen{width, height, 32, 19, 0, 0} { Keelboat(); }
  // The paint handler sets the boat class up from the type and the Design values.
  void Keelboat() { Design(12, 25, 9, 10, 80); }
  void Design(int type, int length, int displacement, int sailArea, int rig) {
    std::tie(w.BoatType, w.DesignLength, w.DesignDisplacement, w.DesignSailArea, w.DesignRig) =
        std::tuple{type, length, displacement, sailArea, rig};
  }
  Title& Paint() { return PaintFrame(w, canvas, screen), *this; }
  // Expects the text shown, at x and y unless they are -1, in the colour if one is given.
  void Expect(const std::string& text, int x = -1, int y = -1, std::optional<Color> color = {}) const {
    const TextLogEntry* e = FindText(canvas, text);
    ASSERT_NE(e, nullptr) << text;
    EXPECT_EQ((std::pair{e->x, e->y}), (std::pair{x < 0 ? e->x : x, y < 0 ? e->y : y})) << text;
    EXPECT_EQ(e->textColor, color.value_or(e->textColor)) << text;
  }
};

TEST(TitleScreen, ViewAngleWrapsAfterAFullTurn) {
  Title t;
  double highest = 0;
  for (int frame = 0; frame < 1800; ++frame) highest = std::max(highest, t.Paint().w.TitleViewAngle);
  // 0.2 degrees a frame: past 359 near frame 1796, then back to 0 and a few steps on.
  EXPECT_TRUE(highest > 358.7 && highest <= 359.2) << highest;
  EXPECT_LT(t.w.TitleViewAngle, 1.01);
}

TEST(TitleScreen, TurningBoatInItsPoseLeavesTheViewAlone) {
  Title t;
  std::tie(t.w.CameraDistance, t.w.BoatHeadings[1], t.w.SpinnakerFlying[1], t.w.Crew1Hike) = std::tuple{1, 20, 1, -1};
  t.Paint();
  EXPECT_EQ((std::array{t.w.CameraDistance, t.w.IllustrationMode, t.w.SpinnakerFlying[1], t.w.Crew1Hike,
                        t.w.BoatHeadings[1]}), (std::array{1, 0, 0, 2, 315}));
  // The boat was drawn, in the circle right of the middle, with its telltales but no wake.
  const int *parts = t.w.DrawnParts.data(), *end = parts + t.w.DrawnPartCount;
  EXPECT_GT(t.w.UserBoatScreenX, 320);
  EXPECT_NE(std::find(parts, end, static_cast<int>(BoatPart::Telltales)), end);
  EXPECT_EQ(std::find(parts, end, static_cast<int>(BoatPart::Wake)), end);
}

TEST(TitleScreen, TextsAndTheirColours) {
  Title t(1920, 1080);
  t.Paint();
  const int tm = 7 + 280 - 720 / 18 + 2;
  t.Expect("  BRISAMAR  ", -1, 720 / 4, palette::kYellow);
  t.Expect("TM", tm, 180 - 7);
  t.Expect("艇種: キールボート ", 15, 720 - 120);
  t.Expect("難易度: 7", -1, -1, palette::kNavy);
  t.Expect("強風       ", 1280 * 7 / 10, -1);
  // The banner ends before the mark.
  t.canvas.SetFont(FontRole::Banner);
  EXPECT_LE(7 + t.canvas.TextWidth("  BRISAMAR  "), tm);

  // A wide screen with a large menu font moves the mark further right.
  t.screen.menuBarHeight = 22;
  t.Paint().Expect("TM", 7 + 340 - 720 / 18 + 2, -1);
}

TEST(TitleScreen, ActivityAndDesignRows) {
  Title t;
  std::tie(t.w.ActivityMode, t.w.SailingArea) = std::tuple{0, 2};
  t.Paint().Expect("セーリング: 島々     ", 640 * 2 / 5, -1, palette::kDarkGreen);
  // The just-start races name their course.
  std::tie(t.w.ActivityMode, t.w.JustStartCourseUpDown) = std::tuple{13, 1};
  t.Paint().Expect("ジャストスタート　上下コース       ", -1, -1, palette::kMaroon);
  t.w.JustStartCourseUpDown = 0;
  t.Paint().Expect("ジャストスタート　三角コース ");

  // The design row shows for the designed boats only.
  t.Design(12, 30, 9, 11, 100);
  t.Paint().Expect("長さ  = 30", 15, 450 - 120 + 20, palette::kBlue);
  t.Expect("軽排水量          ", 640 / 4, -1);
  t.Expect("標準より大きいセール  ", 640 * 2 / 4 + 10, -1);
  t.Expect("ﾏｽﾄﾍｯﾄﾞﾘｸﾞ  ", 640 * 3 / 4 + 10, -1);
  t.Design(12, 30, 8, 9, 80);
  t.Paint().Expect("ﾌﾗｸｼｮﾅﾙﾘｸﾞ    ");
  t.Expect("超軽排水量              ");
  t.Expect("標準より小さなセール  ");

  // A sportboat shows no design row, nor does any boat while a page is open.
  t.w.BoatType = 13;
  EXPECT_EQ(FindText(t.Paint().canvas, "長さ", true), nullptr);
  t.Keelboat();
  t.w.InstructionPage = 3;
  EXPECT_EQ(FindText(t.Paint().canvas, "長さ", true), nullptr);
}

TEST(TitleScreen, MonochromeUsesOnlyBlackAndWhite) {
  Title t;
  std::tie(t.w.Monochrome, t.w.ActivityMode) = std::tuple{1, 14};
  for (int frame = 0; frame < 40; ++frame) t.Paint();
  ASSERT_NE(FindText(t.canvas, "  BRISAMAR  "), nullptr);
  for (const TextLogEntry& e : t.canvas.TextLog()) {
    EXPECT_EQ(e.textColor, palette::kBlack) << e.text;
    EXPECT_EQ(e.backColor, palette::kWhite) << e.text;
  }
  // Shapes are black or white; text edges may be smoothed to grey, never coloured.
  for (int i = 0; i < t.canvas.Width() * t.canvas.Height(); ++i) {
    const Color c = t.canvas.GetPixel(i % t.canvas.Width(), i / t.canvas.Width());
    ASSERT_TRUE(c.r == c.g && c.g == c.b) << i % t.canvas.Width() << "," << i / t.canvas.Width();
  }
  EXPECT_GT(CountPixels(t.canvas, palette::kBlack, Rect{0, 0, t.canvas.Width(), t.canvas.Height()}), 1000);
}

}  // namespace
