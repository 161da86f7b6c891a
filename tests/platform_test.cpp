// Random numbers, angles and the canvas.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "canvas_helpers.h"
#include "platform/canvas.h"
#include "state/angles.h"
#include "state/world.h"
#include "test_world.h"

namespace {

TEST(Random, FixedSeedGivesTheClassicSequenceWithinTheBound) {
  auto owned = TestWorld().Seed(1).Build();
  World& w = *owned;
  // The classic C library's rand() after srand(1).
  for (int e : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(w.rng.Next(), e);
  w.rng.Seed(1);
  // 41 / 320, 18467 / 320, 6334 / 3200
  EXPECT_EQ((std::array{RandomBelow(w, 100), RandomBelow(w, 100), RandomBelow(w, 10)}), (std::array{0, 57, 1}));

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
  // Only one correction each way.
  for (const auto& [in, out] : {std::pair{360, 0}, {-1, 359}, {725, 365}}) EXPECT_EQ(NormalizeDegrees(in), out) << in;
  for (const auto& [in, out] : {std::pair{181, -179}, {180, 180}, {-180, 180}, {350, -10}}) {
    EXPECT_EQ(SignedDegrees(in), out) << in;
  }
  EXPECT_EQ(PointAt(0, 0, 100, 0), (IntPoint{0, -100}));   // north is -y
  EXPECT_EQ(PointAt(10, 10, 100, 90), (IntPoint{109, 10}));  // sin 90 a hair below 1
  // Rounding adds a half before truncating toward zero, so westerly bearings come out one high.
  for (const auto& [x, y, bearing] : {std::array{0, 1, 0}, {1, 0, 90}, {0, -1, 180}, {-1, 0, 271}, {-1, 1, 316}}) {
    EXPECT_EQ(BearingTo(x, y), bearing) << x << "," << y;
  }
}

TEST(Angles, TrigTablesUseTheProgramsDegreeFactor) {
  auto w = TestWorld().Build();
  FillTrigTables(w->SinTable, w->CosTable);
  EXPECT_EQ((std::array{w->SinTable[0], w->CosTable[0], w->SinTable[30], w->SinTable[90], w->CosTable[180],
                        w->SinTable[361]}),
            (std::array{0, 100, 50, 99, -99, 1}));
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
