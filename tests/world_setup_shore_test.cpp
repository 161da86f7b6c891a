// The land of the world: its depth, the shores, the islands and what every set-up keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <tuple>

#include "sim/activity_setup.h"
#include "sim/activity_start.h"
#include "state/angles.h"
#include "state/world.h"
#include "world/depth.h"
#include "world/scenery.h"
#include "world/shoreline.h"
#include "test_world.h"

namespace {

// An activity started as the space bar starts it, free sailing unless told.
std::unique_ptr<World> Started(int area, uint32_t seed, int mode = 0) {
  return TestWorld().Seed(seed).View(1280, 720).Activity(mode).Area(area).Fleet(4).Start();
}

TEST(Depth, IslandsAreaIsDeepAwayFromTheIslands) {
  // One round island of radius 500 at (2000, 2000).
  auto w = TestWorld().Area(2).Build();
  std::tie(w->ShoreQuadrant, w->ShoreOffset, w->SceneryObjectCount, w->SceneryX[1], w->SceneryY[1]) =
      std::tuple{1, -3500, 1, 2000, 2000};
  w->SceneryRadius[1].fill(500);
  // Far off; on the outline; at nine tenths of the radius; 20 ft more per radius outside.
  for (const auto& [x, y, depth] : {std::tuple{-5000, 6000, 59}, {2000, 2500, 2}, {1550, 2000, 0}, {2000, 1000, 22}})
    EXPECT_EQ(DepthAt(*w, x, y), depth) << x << "," << y;
  w->ActivityMode = 8;
  EXPECT_EQ(DepthAt(*w, 2000, 2000), 59) << "collision avoidance ignores the scenery";
}

// Every object counts wherever it could make the water shallower, however far its widest
// sector reaches and in whichever order the objects come.
TEST(Depth, EveryObjectCountsWhereItShoals) {
  auto w = TestWorld().Area(2).Build();
  std::tie(w->SceneryObjectCount, w->SceneryX[1], w->SceneryY[1], w->SceneryX[2], w->SceneryY[2]) =
      std::tuple{2, 0, 0, 900, 0};
  // Object 1 is small but for a wide spit reaching south and west; object 2 is round.
  w->SceneryRadius[1].fill(100);
  std::fill(w->SceneryRadius[1].begin() + 18, w->SceneryRadius[1].begin() + 29, 600.0);
  w->SceneryRadius[2].fill(300);
  int wrong = 0;
  for (int x = -2500; x <= 3500; x += 100) {
    for (int y = -2500; y <= 2500; y += 100) {
      const double d = std::min({59.0, SceneryDepthAt(*w, 1, x, y), SceneryDepthAt(*w, 2, x, y)});
      if (DepthAt(*w, x, y) != std::clamp(static_cast<int>(d), 0, 59)) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

// The quick test of shallow water agrees with the depth everywhere, in every area as set up,
// for thresholds from none to above the deepest water.
TEST(Depth, ShallowerThanAgreesWithTheDepth) {
  for (int area = 1; area <= 4; ++area) {
    auto w = Started(area, 5);
    int shallow = 0, wrong = 0;
    for (int x = -9000; x <= 9000; x += 150) {
      for (int y = -9000; y <= 9000; y += 150) {
        const int depth = DepthAt(*w, x, y);
        for (int feet : {0, 1, 10, 30, 60}) wrong += ShallowerThan(*w, x, y, feet) != (depth < feet);
        shallow += depth < 10;
      }
    }
    EXPECT_EQ(wrong, 0) << "area " << area;
    EXPECT_GT(shallow, 100) << "area " << area;
  }
}

TEST(Depth, CoastShelfGrowsOneFootPerTwentyYards) {
  // A coast whose shore runs straight along y = -3500.
  auto w = TestWorld().Area(1).Build();
  std::tie(w->ShoreQuadrant, w->ShoreOffset, w->ShoreStep) = std::tuple{1, -3500, 65};
  for (int i = 1; i <= kShorePoints; ++i) std::tie(w->ShoreX[i], w->ShoreY[i]) = std::tuple{i * 65 - 9000, -3500};
  // A boat grounds just inside 100 yards; beyond the shore line is land. Offshore the shelf is
  // capped by the base depth, shoaling toward the shore side. Beyond the chain the shore keeps
  // its last offset; far inland the depth is never negative.
  for (const auto& [x, y, depth] : {std::tuple{0, -3400, 5}, {0, -3401, 4}, {0, -3501, 0}, {0, 0, 59},
                                    {0, -1750, static_cast<int>(59 * (1 - 1750.0 / 10500))}, {20000, -3400, 5},
                                    {0, -20000, 0}})
    EXPECT_EQ(DepthAt(*w, x, y), depth) << x << "," << y;
  // A fresh world, with neither shore nor scenery, is safe.
  World fresh;
  EXPECT_EQ(DepthAt(fresh, 100000, 100000), 59);
  EXPECT_EQ(DepthAt(fresh, -100000, -100000), 30) << "the land side of the coast without a shore";
}

TEST(Depth, RiverBankBentAcrossTheMiddleIsLand) {
  int checked = 0;
  for (uint32_t seed = 1; seed <= 80 && checked < 6; ++seed) {
    auto w = Started(4, seed);
    // Far-shore point 151 lies at x = -8000 (-9000 + 8 steps), where the bend is 2400 yards.
    const int ys = w->ShoreY[151], farLandSign = w->ShoreOffset < 0 ? 1 : -1;
    if (w->MirrorScenery || ys * farLandSign >= -100) continue;  // mirrored, or this bank did not cross y = 0
    ++checked;
    SCOPED_TRACE(seed);
    EXPECT_EQ(DepthAt(*w, -8000, ys / 2), 0);
    EXPECT_GT(DepthAt(*w, -8000, ys - 200 * farLandSign), 0);
  }
  EXPECT_GT(checked, 0);
}

// The shores of the coast, the lake and the river: their end points and mirroring, the bays
// cut into the land and the hills standing miles inland.
TEST(Shoreline, EndsBaysAndHillsOfEveryShore) {
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    for (int area : {1, 3, 4}) {
      auto w = Started(area, seed);
      SCOPED_TRACE(testing::Message() << "area " << area << " seed " << seed);
      const int west = w->MirrorScenery ? 10000 : -10000;
      EXPECT_EQ(w->ShoreStep < 0, w->MirrorScenery == 1);
      // The near shore runs west to east; the far shore of the lake and the river starts across the water.
      const int far = area == 1 ? w->ShoreOffset : -w->ShoreOffset;
      EXPECT_EQ((std::array{w->ShoreX[1], w->ShoreY[1], w->ShoreY[kShorePoints], w->ShoreX[area == 1 ? kShorePoints : 142]}),
                (std::array{west, w->ShoreOffset, far, -west}));
      EXPECT_EQ(w->ShoreY[143], area == 1 ? w->ShoreY[143] : far);

      const int b2 = w->BayStart[2];
      if (area == 4) {
        // The river's second bay opens from the point before it.
        EXPECT_EQ(w->ShoreY[b2 + 2], static_cast<int>(w->ShoreY[b2 - 5] * 2.5));
        EXPECT_EQ(w->ShoreY[b2 - 4], static_cast<int>(w->ShoreY[b2 - 5] * 1.1));
      } else {
        // The deepest point of each bay lies well beyond the mean shore line.
        for (int deepest : {w->BayStart[1] + 3, b2 + 4, w->BayStart[3] + 3})
          EXPECT_GT(std::abs(w->ShoreY[deepest]), 1.1 * std::abs(w->ShoreOffset)) << deepest;
      }

      for (int n = 1; n <= 9; ++n) {
        EXPECT_TRUE(w->HillSize[n] >= 50 && w->HillSize[n] <= 152) << w->HillSize[n];
        // Behind the near shore, or for the last four on the lake and the river behind the far one.
        const int inland = n >= 6 && area != 1 ? w->ShoreSign : -w->ShoreSign;
        EXPECT_GT(w->HillY[n] * inland, 5000) << "hill " << n;
      }
    }
  }
}

// Scenery object i, unrotated, with its outline built.
void BuildIsland(World& w, int i, int x, int y, int size, double shape, int dent) {
  std::tie(w.SceneryX[i], w.SceneryY[i], w.ScenerySize[i], w.SceneryShape[i], w.SceneryRotation[i], w.SceneryDent[i]) =
      std::tuple{x, y, size, shape, 0, dent};
  BuildSceneryOutline(w, i);
}

TEST(Scenery, OutlinesFollowShapeAndDent) {
  auto w = TestWorld().Build();
  BuildIsland(*w, 2, 1000, -500, 800, 0.5, 9);
  EXPECT_EQ(w->SceneryOutlineY[2][36], w->SceneryOutlineY[2][0]);  // closed
  // Unrotated, point 0 is due north of the centre and point 9 due east at half the size.
  EXPECT_EQ(w->SceneryOutlineX[2][0], 1000);
  EXPECT_LE(w->SceneryOutlineY[2][0], -500 - 800);
  EXPECT_NEAR(w->SceneryOutlineX[2][9] - 1000, 0.5 * 0.9 * 800, 0.5 * 0.9 * 21);
  // Sector 13 lies in the dent (0.6 of the radius); sector 23, its mirror image, does not.
  EXPECT_NEAR(w->SceneryRadius[2][13] / w->SceneryRadius[2][23], 0.6, 0.02);
  EXPECT_EQ((std::array{w->SceneryBearing[2][18], w->SceneryBearing[2][27]}), (std::array{180, -90}));
}

TEST(Scenery, AnIslandOverTheStartIsMovedOff) {
  auto w = TestWorld().Area(2).Build();
  BuildIsland(*w, w->SceneryObjectCount = 1, 100, 900, 1000, 0.8, 0);
  ASSERT_LT(DepthAt(*w, 0, 0), 5);
  const int outlineShift = w->SceneryOutlineY[1][5] - w->SceneryY[1];
  KeepStartAfloat(*w, 1);
  EXPECT_GE(DepthAt(*w, 0, 0), 5);
  EXPECT_GT(w->SceneryY[1], 900);
  EXPECT_EQ(w->SceneryOutlineY[1][5] - w->SceneryY[1], outlineShift) << "the outline moves with it";
  EXPECT_DOUBLE_EQ(w->SceneObjectY[1], w->SceneryY[1]);
}

TEST(SetupInvariants, LandStaysInsideTheWorldAndTheStartIsAfloat) {
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    for (int area = 1; area <= 4; ++area) {
      for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15}) {
        if (mode != 0 && area != 1) continue;  // every other activity sails on the coast
        auto w = Started(area, seed * 7919 + area, mode);
        SCOPED_TRACE(testing::Message() << "seed " << seed << " area " << area << " mode " << mode);
        for (int i = 1; i <= kShorePoints && w->SailingArea != 2; ++i)
          ASSERT_LE(std::max(std::abs(w->ShoreX[i]), std::abs(w->ShoreY[i])), 12000) << i;
        for (int i = 1; i <= w->SceneryObjectCount; ++i)
          for (int k = 0; k < kOutlinePoints; ++k)
            ASSERT_TRUE(std::max(std::abs(w->SceneryOutlineX[i][k]), std::abs(w->SceneryOutlineY[i][k])) <= 12000 &&
                        std::isfinite(w->SceneryRadius[i][k])) << i << " " << k;
        EXPECT_GE(DepthAt(*w, static_cast<int>(w->BoatX[1]), static_cast<int>(w->BoatY[1])), 5);
        const int base = w->SailingArea == 4 ? 30 : 59;
        for (int y = -12000; y <= 12000; y += 1500)
          for (int x = -12000; x <= 12000; x += 1500) {
            const int d = DepthAt(*w, x, y);
            ASSERT_TRUE(d >= 0 && d <= base) << d << " at " << x << "," << y;
          }
      }
    }
  }
}

}  // namespace
