// The title and options screen.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/paint.h"
#include "app/title_screen.h"
#include "canvas_helpers.h"
#include "view3d/boat_drawing.h"
#include "view3d/palette.h"
#include "world/world.h"

namespace {

struct Title {
  std::unique_ptr<World> world = std::make_unique<World>();
  Canvas canvas{640, 480};
  World& w = *world;

  explicit Title(int width = 640, int height = 480) : screen{width, height, 32, 19, 0, 0} {
    w.SailingState = 0;
    Keelboat();
  }
  // The paint handler sets the boat class up from the type and the Design values.
  void Keelboat() {
    w.BoatType = 12;
    w.DesignLength = 25;
    w.DesignDisplacement = 9;
    w.DesignSailArea = 10;
    w.DesignRig = 80;
  }
  void Paint() { PaintFrame(w, canvas, screen); }

  const TextLogEntry* Find(const std::string& text) const { return FindText(canvas, text); }

  ScreenMetrics screen;
};

TEST(TitleScreen, ViewAngleWrapsAfterAFullTurn) {
  Title t;
  double highest = 0;
  for (int frame = 0; frame < 1800; ++frame) {
    t.Paint();
    highest = std::max(highest, t.w.TitleViewAngle);
  }
  // 0.2 degrees a frame: past 359 near frame 1796, then back to 0 and a few steps on.
  EXPECT_GT(highest, 358.7);
  EXPECT_LE(highest, 359.2);
  EXPECT_GE(t.w.TitleViewAngle, 0);
  EXPECT_LT(t.w.TitleViewAngle, 1.01);
  EXPECT_EQ(t.w.MinFrameMs, 100);
}

TEST(TitleScreen, TurningBoatInItsPoseLeavesTheViewAlone) {
  Title t;
  t.w.CameraDistance = 1;
  t.w.BoatHeadings[1] = 20;
  t.w.SpinnakerFlying[1] = 1;
  t.w.Crew1Hike = -1;
  t.Paint();
  EXPECT_EQ(t.w.CameraDistance, 1);
  EXPECT_EQ(t.w.IllustrationMode, 0);
  EXPECT_EQ(t.w.BoatHeadings[1], 315);
  EXPECT_EQ(t.w.BoatTack[1], 1);
  EXPECT_EQ(t.w.HeelAngles[1], 15);
  EXPECT_EQ(t.w.SpinnakerFlying[1], 0);
  EXPECT_EQ(t.w.Crew1Hike, 2);
  // The boat was drawn, in the circle right of the middle, with its telltales but no wake.
  EXPECT_EQ(t.w.DrawnParts[t.w.DrawnPartCount - 1], static_cast<int>(BoatPart::Mast));
  EXPECT_GT(t.w.UserBoatScreenX, 320);
  bool telltales = false, wake = false;
  for (int i = 0; i < t.w.DrawnPartCount; ++i) {
    telltales |= t.w.DrawnParts[i] == static_cast<int>(BoatPart::Telltales);
    wake |= t.w.DrawnParts[i] == static_cast<int>(BoatPart::Wake);
  }
  EXPECT_TRUE(telltales);
  EXPECT_FALSE(wake);
}

TEST(TitleScreen, TextsAndTheirColours) {
  Title t(1920, 1080);
  t.Paint();
  const TextLogEntry* hint = t.Find("ｵﾌﾟｼｮﾝを選んで、ｺﾝﾄﾛｰﾙﾒﾆｭｰからｽﾀｰﾄを選ぶかｽﾍﾟｰｽﾊﾞｰを押す        ");
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->x, 5);
  EXPECT_EQ(hint->textColor, palette::kMaroon);
  const TextLogEntry* banner = t.Find("  BRISAMAR  ");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->y, 720 / 4);
  EXPECT_EQ(banner->textColor, palette::kYellow);
  EXPECT_EQ(banner->backColor, palette::kBlue);
  const TextLogEntry* tm = t.Find("TM");
  ASSERT_NE(tm, nullptr);
  EXPECT_EQ(tm->x, 7 + 280 - 720 / 18 + 2);
  EXPECT_EQ(tm->y, 180 - 7);
  const TextLogEntry* edition = t.Find("2009 Ed. Rel. 4J");
  ASSERT_NE(edition, nullptr);
  EXPECT_EQ(edition->y, 220);
  EXPECT_EQ(edition->textColor, palette::kBlue);
  // The banner ends before the mark.
  t.canvas.SetFont(FontRole::Banner);
  EXPECT_LE(7 + t.canvas.TextWidth("  BRISAMAR  "), tm->x);

  const TextLogEntry* type = t.Find("艇種: キールボート ");
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->x, 15);
  EXPECT_EQ(type->y, 720 - 120);
  ASSERT_NE(t.Find("主要ｵﾌﾟｼｮﾝ:   "), nullptr);
  EXPECT_EQ(t.Find("難易度: 7")->textColor, palette::kNavy);
  EXPECT_EQ(t.Find("強風       ")->x, 1280 * 7 / 10);

  // A wide screen with a large menu font moves the mark further right.
  Title big(1920, 1080);
  big.screen.menuBarHeight = 22;
  big.Paint();
  EXPECT_EQ(big.Find("TM")->x, 7 + 340 - 720 / 18 + 2);
}

TEST(TitleScreen, ActivityLabels) {
  Title t;
  t.w.ActivityMode = 0;
  t.w.SailingArea = 2;
  t.Paint();
  const TextLogEntry* area = t.Find("セーリング: 島々     ");
  ASSERT_NE(area, nullptr);
  EXPECT_EQ(area->x, 640 * 2 / 5);
  EXPECT_EQ(area->textColor, palette::kDarkGreen);
  t.w.ActivityMode = 6;
  t.Paint();
  EXPECT_EQ(t.Find("セーリングスキル: 落水救助   ")->textColor, palette::kOlive);
  t.w.ActivityMode = 13;
  t.w.JustStartCourseUpDown = 1;
  t.Paint();
  EXPECT_EQ(t.Find("ジャストスタート　上下コース       ")->textColor, palette::kMaroon);
  t.w.JustStartCourseUpDown = 0;
  t.w.WindSetting = 0;
  t.Paint();
  EXPECT_NE(t.Find("ジャストスタート　三角コース "), nullptr);
  EXPECT_NE(t.Find("順風　シフトなし        "), nullptr);
}

TEST(TitleScreen, DesignRowOnlyForTheDesignedBoats) {
  Title t;
  t.w.DesignLength = 30;
  t.w.DesignDisplacement = 9;
  t.w.DesignSailArea = 11;
  t.w.DesignRig = 100;
  t.Paint();
  const int row = 450 - 120 + 20;
  const TextLogEntry* length = t.Find("長さ  = 30");
  ASSERT_NE(length, nullptr);
  EXPECT_EQ(length->x, 15);
  EXPECT_EQ(length->y, row);
  EXPECT_EQ(length->textColor, palette::kBlue);
  EXPECT_EQ(t.Find("軽排水量          ")->x, 640 / 4);
  EXPECT_EQ(t.Find("標準より大きいセール  ")->x, 640 * 2 / 4 + 10);
  EXPECT_EQ(t.Find("ﾏｽﾄﾍｯﾄﾞﾘｸﾞ  ")->x, 640 * 3 / 4 + 10);

  t.w.DesignRig = 80;
  t.w.DesignDisplacement = 8;
  t.w.DesignSailArea = 9;
  t.Paint();
  EXPECT_NE(t.Find("ﾌﾗｸｼｮﾅﾙﾘｸﾞ    "), nullptr);
  EXPECT_NE(t.Find("超軽排水量              "), nullptr);
  EXPECT_NE(t.Find("標準より小さなセール  "), nullptr);

  // A sportboat shows no design row, nor does any boat while a page is open.
  t.w.BoatType = 13;
  t.Paint();
  EXPECT_NE(t.Find("艇種: スポートボート "), nullptr);
  EXPECT_EQ(FindText(t.canvas, "長さ", true), nullptr);
  t.Keelboat();
  t.w.InstructionPage = 3;
  t.Paint();
  EXPECT_EQ(FindText(t.canvas, "長さ", true), nullptr);
}

TEST(TitleScreen, MonochromeUsesOnlyBlackAndWhite) {
  Title t;
  t.w.Monochrome = 1;
  t.w.ActivityMode = 14;
  for (int frame = 0; frame < 40; ++frame) t.Paint();
  const TextLogEntry* banner = t.Find("  BRISAMAR  ");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(banner->textColor, palette::kBlack);
  EXPECT_EQ(banner->backColor, palette::kWhite);
  for (const TextLogEntry& e : t.canvas.TextLog()) {
    EXPECT_TRUE(e.textColor == palette::kBlack) << e.text;
    EXPECT_TRUE(e.backColor == palette::kWhite) << e.text;
  }
  // Shapes are black or white; text edges may be smoothed to grey, never coloured.
  int black = 0;
  for (int y = 0; y < t.canvas.Height(); ++y) {
    for (int x = 0; x < t.canvas.Width(); ++x) {
      const Color c = t.canvas.GetPixel(x, y);
      ASSERT_TRUE(c.r == c.g && c.g == c.b) << x << "," << y;
      black += c == palette::kBlack;
    }
  }
  EXPECT_GT(black, 1000);
}

}  // namespace
