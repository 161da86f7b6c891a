// The colour/monochrome choice of the shared palette.
#include <gtest/gtest.h>

#include "draw/palette.h"
#include "test_world.h"

namespace {

TEST(Palette, InkFollowsTheMonochromeOption) {
  auto w = TestWorld().Build();
  EXPECT_EQ(palette::Ink(*w, palette::kWater, palette::kWaterMono), palette::kWater);
  w->Monochrome = 1;
  EXPECT_EQ(palette::Ink(*w, palette::kWater, palette::kWaterMono), palette::kWaterMono);
  EXPECT_EQ(palette::Pick(true, palette::kRed, palette::kBlack), palette::kBlack);
  EXPECT_EQ(palette::Pick(false, palette::kRed, palette::kBlack), palette::kRed);
}

}  // namespace
