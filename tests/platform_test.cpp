// Random numbers, angles and the canvas.
#include <gtest/gtest.h>

#include <string>

#include "canvas_helpers.h"
#include "platform/canvas.h"
#include "state/angles.h"
#include "state/world.h"
#include "test_world.h"

namespace {

TEST(Random, FixedSeedGivesTheClassicSequenceWithinTheBound) {
  auto owned = TestWorld().Seed(1).Build();
  World& w = *owned;
  // The classic C library's rand() after srand(1): 41, 18467, 6334, 26500, 19169.
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int e : expected) EXPECT_EQ(w.rng.Next(), e);
  w.rng.Seed(1);
  EXPECT_EQ(RandomBelow(w, 100), 0);   // 41 / 320
  EXPECT_EQ(RandomBelow(w, 100), 57);  // 18467 / 320
  EXPECT_EQ(RandomBelow(w, 10), 1);    // 6334 / 3200

  // From zero to slightly above the bound; odd bounds are safe.
  w.rng.Seed(12345);
  int lo = 1000, hi = -1;
  for (int i = 0; i < 200000; ++i) {
    const int r = RandomBelow(w, 100);
    lo = std::min(lo, r);
    hi = std::max(hi, r);
  }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 102);  // 32767 / 320
  for (int n : {0, 1, -1, -7, 32000, 40000, 1 << 30}) {
    for (int i = 0; i < 50; ++i) EXPECT_GE(RandomBelow(w, n), 0);
  }
  w.rng.Seed(3);
  for (int i = 0; i < 1000; ++i) EXPECT_LE(RandomBelow(w, 1), 2);  // a bound below 2 counts as 2
}

TEST(Angles, NormaliseOnceEachWayAndBearings) {
  EXPECT_EQ(NormalizeDegrees(360), 0);
  EXPECT_EQ(NormalizeDegrees(-1), 359);
  EXPECT_EQ(NormalizeDegrees(725), 365);  // only one correction
  EXPECT_EQ(SignedDegrees(181), -179);
  EXPECT_EQ(SignedDegrees(180), 180);
  EXPECT_EQ(SignedDegrees(-180), 180);
  EXPECT_EQ(SignedDegrees(350), -10);
  EXPECT_EQ(PointAt(0, 0, 100, 0), (IntPoint{0, -100}));   // north is -y
  EXPECT_EQ(PointAt(10, 10, 100, 90), (IntPoint{109, 10}));  // sin 90 a hair below 1
  EXPECT_EQ(BearingTo(0, 1), 0);
  EXPECT_EQ(BearingTo(1, 0), 90);
  EXPECT_EQ(BearingTo(0, -1), 180);
  // Rounding adds a half before truncating toward zero, so westerly bearings come out one
  // degree high.
  EXPECT_EQ(BearingTo(-1, 0), 271);
  EXPECT_EQ(BearingTo(-1, 1), 316);
}

TEST(Angles, TrigTablesUseTheProgramsDegreeFactor) {
  auto owned = TestWorld().Build();
  World& w = *owned;
  FillTrigTables(w.SinTable, w.CosTable);
  EXPECT_EQ(w.SinTable[0], 0);
  EXPECT_EQ(w.CosTable[0], 100);
  EXPECT_EQ(w.SinTable[30], 50);
  EXPECT_EQ(w.SinTable[90], 99);
  EXPECT_EQ(w.CosTable[180], -99);
  EXPECT_EQ(w.SinTable[361], 1);
}

TEST(CanvasTest, ShapesExcludeTheirRightAndBottomEdges) {
  Canvas c(50, 50);
  c.BeginFrame();
  c.FillRect(Rect{0, 0, 50, 50}, Rgb(255, 255, 255));
  c.SetPen(Rgb(0, 0, 0));
  c.SetBrush(Rgb(255, 0, 0));
  c.Rectangle(10, 10, 20, 20);
  EXPECT_EQ(c.GetPixel(10, 10), Rgb(0, 0, 0));
  EXPECT_EQ(c.GetPixel(19, 19), Rgb(0, 0, 0));
  EXPECT_EQ(c.GetPixel(15, 15), Rgb(255, 0, 0));
  EXPECT_EQ(c.GetPixel(20, 20), Rgb(255, 255, 255));
  c.SetClip(Rect{0, 0, 5, 5});
  c.FillRect(Rect{0, 0, 50, 50}, Rgb(0, 0, 255));
  c.ClearClip();
  EXPECT_EQ(c.GetPixel(4, 4), Rgb(0, 0, 255));
  EXPECT_EQ(c.GetPixel(6, 6), Rgb(255, 255, 255));
}

// Texts are laid out once and drawn again from the layout: each font keeps its own widths, and
// the ink stays in the text's cell below the given top, drawn afresh or from the cache.
TEST(CanvasTest, TextsDrawnAgainKeepTheirFontAndCell) {
  Canvas c(400, 120);
  c.SetFontSizes(17, 40, 12);
  const std::string text = "ﾒｲﾝ : ﾌﾙ  速度 2.6";
  c.BeginFrame();
  const int normal = c.TextWidth(text);
  c.SetFont(FontRole::Banner);
  const int banner = c.TextWidth(text);
  EXPECT_GT(banner, normal * 3 / 2);
  for (const FontRole role : {FontRole::Normal, FontRole::Banner, FontRole::Normal}) {
    c.BeginFrame();
    c.FillRect(Rect{0, 0, 400, 120}, Rgb(255, 255, 255));
    c.SetFont(role);
    c.SetTextOpaque(false);
    c.SetTextColor(Rgb(0, 0, 0));
    const int top = 30;
    c.TextOut(10, top, text);
    const Rect cell{10, top, 10 + c.TextWidth(text), top + c.LineHeight()};
    const int ink = cell.Width() * cell.Height() - CountPixels(c, Rgb(255, 255, 255), cell);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(CountPixels(c, Rgb(255, 255, 255), Rect{0, 0, 400, top}), 400 * top);
    EXPECT_EQ(CountPixels(c, Rgb(255, 255, 255), Rect{0, cell.bottom, 400, 120}), 400 * (120 - cell.bottom));
  }
  c.SetFontSizes(34, 40, 12);  // a larger view
  c.SetFont(FontRole::Normal);
  EXPECT_GT(c.TextWidth(text), normal * 3 / 2);
}

}  // namespace
