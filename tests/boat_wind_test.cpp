// The wind at a boat: puffs, the lee of the land, the current; and the wave crests.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

#include "boat/boat_step_parts.h"
#include "boat/wave_crests.h"
#include "boat_test_world.h"
#include "world/puffs.h"

namespace {

struct WindAndWaves : BoatWorld, ::testing::Test {};

TEST_F(WindAndWaves, PuffsActOnlyInShiftingWindAndRenewUpwind) {
  std::tie(w.WindDirection, w.PuffX[2], w.PuffRadius[2], w.PuffSpeedChange[2], w.PuffShift) =
      std::tuple{350, 50, 200, 3, 15};
  auto wind = [&] { return ComputeWindAtBoat(w, 1), std::pair{w.WindSpeedAtBoat[1], w.WindDirectionAtBoat[1]}; };
  EXPECT_EQ(wind(), (std::pair{10, 350}));
  w.WindSetting = 2;
  EXPECT_EQ(wind(), (std::pair{13, 5}));  // kept a compass bearing
  EXPECT_EQ(w.InsidePuff, 1);
  w.PuffX[2] = 251;  // reaches 5/4 of its radius
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 10);

  // An expired puff, and it alone, is renewed upwind of the boat; the distances of a new puff
  // are checked with the weather set-up.
  std::tie(w.WindDirection, w.BoatX[1], w.SimSeconds) = std::tuple{270, 300, 400};
  w.PuffExpiry.fill(1000);
  w.PuffExpiry[3] = 399;
  RenewExpiredPuffs(w);
  EXPECT_EQ(w.PuffX[2], 251);
  EXPECT_GE(w.PuffExpiry[3], 700);
  EXPECT_LE(std::abs(BearingTo(w.PuffX[3] - 300, -w.PuffY[3]) - 270), 71);
}

TEST_F(WindAndWaves, AnIslandUpwindSheltersTheBoatAndSlowsTheCurrent) {
  std::tie(w.WindSetting, w.WindSpeed, w.CurrentSpeed) = std::tuple{2, 14, 12};
  auto state = [&] {
    return ComputeWindAtBoat(w, 1), std::array{w.WindSpeedAtBoat[1], w.WaveClass, w.EffectiveCurrent};
  };
  EXPECT_EQ(state(), (std::array{14, 2, 12}));

  // A round island of radius 300, 1000 units to the north: 10 ft of water 600 units upwind.
  std::tie(w.SceneryObjectCount, w.SceneryY[1]) = std::tuple{1, -1000};
  w.SceneryRadius[1].fill(300);
  EXPECT_EQ(state(), (std::array{9, 1, 4}));  // (14 + 14 x 300 / 900) / 2
  w.WindSpeed = 10;
  EXPECT_EQ(state()[0], 7);  // never below 7 knots
  w.WindDirection = 180;
  EXPECT_EQ(state()[0], 10);
  // Steady wind does not keep the waves of a windier sailing.
  std::tie(w.WaveClass, w.WindSetting) = std::tuple{3, 0};
  EXPECT_EQ(state()[1], 1);
}

TEST_F(WindAndWaves, CrestsPlacedAheadMostlyTwentyApartRenewedWhenLeftBehindAndFound) {
  std::tie(w.WaveOrientation, w.BoatX[1]) = std::tuple{90, 1000};
  PlaceCrestsAtStart(w);
  const int n = WaveCrestCount(w);
  ASSERT_EQ(n, 600);
  int close = 0;
  for (int k = 0; k < n; ++k) {
    // RandomBelow(1320) reaches a little past 1320: the square's far sides lie at +706.
    EXPECT_TRUE(w.CrestX[k] >= 1300 - 660.001 && w.CrestX[k] <= 1300 + 706) << k << ": " << w.CrestX[k];
    for (int j = 0; j < k; ++j) {
      if (std::hypot(w.CrestX[k] - w.CrestX[j], w.CrestY[k] - w.CrestY[j]) < 20) {
        ++close;
        break;
      }
    }
  }
  // Scattered blindly some 40% would land within 20 of an earlier crest.
  EXPECT_LT(close, n / 10);
  w.BoatX[1] = 5000;
  UpdateWaveCrests(w);
  for (int k = 0; k < n; ++k) EXPECT_GT(w.CrestX[k], 4000);

  // The nearest crest is sought among those in use.
  w.SimSpeed = 13;  // 250 crests in use
  w.CrestX.fill(90000);
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, -1), 50000);
  std::tie(w.CrestX[3], w.CrestY[3], w.CrestX[400]) = std::tuple{30, 40, 1};
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, -1), 50);
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, 3), 50000);
}

}  // namespace
