// The wind at a boat: puffs, the lee of the land, the current; and the wave crests.
#include <gtest/gtest.h>

#include <cmath>

#include "boat/boat_step_parts.h"
#include "boat/puffs.h"
#include "boat/wave_crests.h"
#include "boat/wind_at_boat.h"
#include "boat_test_world.h"

namespace {

void PutPuffOnTheBoat(World& w, int i) {
  w.PuffX[i] = w.BoatX[1] + 50;
  w.PuffY[i] = w.BoatY[1];
  w.PuffRadius[i] = 200;
  w.PuffSpeedChange[i] = 3;
  w.PuffShift = 4;
}

TEST(Puffs, SteadyWindIgnoresThem) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindDirection = 350;
  PutPuffOnTheBoat(w, 2);
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 10);
  EXPECT_EQ(w.WindDirectionAtBoat[1], 350);
  EXPECT_EQ(w.InsidePuff, 0);

  w.WindSetting = 2;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 13);
  EXPECT_EQ(w.WindDirectionAtBoat[1], 354);
  EXPECT_EQ(w.InsidePuff, 1);

  // The puff reaches 5/4 of its radius; the wind direction stays a compass bearing.
  w.PuffX[2] = w.BoatX[1] + 251;
  w.PuffShift = 15;
  PutPuffOnTheBoat(w, 4);
  w.PuffShift = 15;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 13);
  EXPECT_EQ(w.WindDirectionAtBoat[1], 5);
}

TEST(Puffs, ExpiredPuffIsRenewedUpwind) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindDirection = 270;
  w.BoatX[1] = 300;
  w.BoatY[1] = -200;
  w.SimSeconds = 400;
  for (int i = 1; i <= kPuffCount; ++i) w.PuffExpiry[i] = 1000;
  w.PuffExpiry[3] = 399;
  w.PuffX[2] = 77;
  RenewExpiredPuffs(w);
  EXPECT_EQ(w.PuffX[2], 77);
  EXPECT_GE(w.PuffExpiry[3], 700);
  EXPECT_LE(w.PuffExpiry[3], 1300);
  const double dx = w.PuffX[3] - 300;
  const double dy = w.PuffY[3] + 200;
  const double distance = std::sqrt(dx * dx + dy * dy);
  EXPECT_GE(distance, 499);
  EXPECT_LE(distance, 2503);
  const int bearing = BearingTo(dx, -dy);
  EXPECT_LE(std::abs(bearing - 270), 71) << bearing;
  EXPECT_GE(w.PuffRadius[3], 150);
  EXPECT_LE(w.PuffSpeedChange[3], 3);
}

TEST(WindAtBoat, LandUpwindShelters) {
  BoatWorld bw;
  World& w = bw.w;
  // Land north of y = -1000: the wind from the north crosses it 1000 units upwind.
  const auto shore = [](int, int y) { return y < -1000 ? 0 : 40; };
  EXPECT_EQ(UpwindFetch(w, 0, 0, 0, shore), 600);
  EXPECT_EQ(UpwindFetch(w, 0, 0, 180, shore), 901);
  EXPECT_EQ(UpwindFetch(w, 0, -1500, 0, shore), 300);
  EXPECT_EQ(UpwindFetch(w, 0, 3000, 0, shore), 900);
  EXPECT_EQ(UpwindFetch(w, 0, 0, 720, shore), 600);  // any whole-degree direction

  EXPECT_EQ(LeeWind(10, 901), 10);
  EXPECT_EQ(LeeWind(10, 900), 10);
  EXPECT_EQ(LeeWind(10, 450), 7);
  EXPECT_EQ(LeeWind(20, 0), 10);
}

TEST(WindAtBoat, WaveClassFollowsTheWind) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSetting = 3;
  for (int wind : {7, 14, 21, 22}) {
    w.WindSpeed = wind;
    ComputeWindAtBoat(w, 1);
    EXPECT_EQ(w.WaveClass, std::min(wind / 7, 3)) << wind;
  }
  // Steady wind does not keep the waves of a windier sailing.
  w.WindSetting = 0;
  w.WindSpeed = 10;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WaveClass, 1);
}

TEST(WindAtBoat, AnIslandUpwindSheltersTheBoatAndSlowsTheCurrent) {
  BoatWorld bw;
  World& w = bw.w;
  w.WindSetting = 2;
  w.WindSpeed = 14;
  w.CurrentSpeed = 12;
  w.CurrentDirection = 0;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 14);
  EXPECT_EQ(w.WaveClass, 2);
  EXPECT_EQ(w.EffectiveCurrent, 12);

  // A round island of radius 300 centred 1000 units to the north.
  w.SceneryObjectCount = 1;
  w.SceneryY[1] = -1000;
  w.SceneryRadius[1].fill(300);
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 9);  // (14 + 14 x 300 / 900) / 2
  EXPECT_EQ(w.WaveClass, 1);
  EXPECT_EQ(w.EffectiveCurrent, 4);
  // The wind never drops below 7 knots in the lee.
  w.WindSpeed = 10;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 7);
  // Downwind of the boat the island shelters nothing.
  w.WindDirection = 180;
  ComputeWindAtBoat(w, 1);
  EXPECT_EQ(w.WindSpeedAtBoat[1], 10);
}

TEST(WaveCrests, PlacedAheadAndMostlyTwentyApart) {
  BoatWorld bw;
  World& w = bw.w;
  w.WaveOrientation = 90;
  w.BoatX[1] = 1000;
  PlaceCrestsAtStart(w);
  const int n = WaveCrestCount(w);
  ASSERT_EQ(n, 600);
  int close = 0;
  double sumX = 0;
  for (int k = 0; k < n; ++k) {
    // RandomBelow(1320) reaches a little past 1320, so the square reaches 706 on its far sides.
    EXPECT_GE(w.CrestX[k], 1300 - 660.001);
    EXPECT_LE(w.CrestX[k], 1300 + 706);
    EXPECT_GE(w.CrestY[k], -660.001);
    EXPECT_LE(w.CrestY[k], 706);
    sumX += w.CrestX[k];
    // A later crest saw every earlier one when it was placed.
    for (int j = 0; j < k; ++j) {
      if (std::hypot(w.CrestX[k] - w.CrestX[j], w.CrestY[k] - w.CrestY[j]) < 20) {
        ++close;
        break;
      }
    }
  }
  EXPECT_NEAR(sumX / n, 1320, 60);
  // Scattered blindly, some 40% of them would land within 20 of another; three picks leave
  // well under a tenth.
  EXPECT_LT(close, n / 10);
  EXPECT_EQ(w.WaveCrestsPlaced, 1);

  // Crests left 450 behind are placed again ahead.
  w.BoatX[1] = 5000;
  UpdateWaveCrests(w);
  for (int k = 0; k < n; ++k) EXPECT_GT(w.CrestX[k], 4000);
}

TEST(WaveCrests, NearestCrestDistance) {
  BoatWorld bw;
  World& w = bw.w;
  w.SimSpeed = 13;  // 250 crests in use
  w.CrestX.fill(90000);
  w.CrestY.fill(0);
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, -1), 50000);
  w.CrestX[3] = 30;
  w.CrestY[3] = 40;
  w.CrestX[400] = 1;  // not in use at this speed
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, -1), 50);
  EXPECT_EQ(NearestCrestDistance(w, 0, 0, 3), 50000);
}

TEST(WaveCrests, PhaseCounterWraps) {
  BoatWorld bw;
  World& w = bw.w;
  w.SimSpeedDivisor = 10;
  w.WavePhase = 3099;
  UpdateWaveCrests(w);
  EXPECT_EQ(w.WavePhase, 3100);
  UpdateWaveCrests(w);
  EXPECT_EQ(w.WavePhase, 0);
}

}  // namespace
