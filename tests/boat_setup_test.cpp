// The boat classes: what each type sets up, the design values and the helm's sense.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "boat/boat_setup.h"
#include "state/world.h"
#include "test_world.h"

namespace {

std::unique_ptr<World> BoatOfType(int type) {
  auto w = TestWorld().Type(type).Build();
  SetUpBoatClass(*w);
  return w;
}

TEST(BoatSetup, ScowIsClassSixWithTheDinghyRulesOverridden) {
  auto w = BoatOfType(15);
  EXPECT_EQ(w->HullClass, 6);
  EXPECT_EQ(w->IsScow, 1);
  EXPECT_EQ(w->HasTraveller, 1);
  EXPECT_EQ(w->SpinnakerKind, 3);
  EXPECT_EQ(w->HelmSign, -1);
  // It must not read as a plain keelboat on the next set-up either.
  SetUpBoatClass(*w);
  EXPECT_EQ(w->HullClass, 6);
  EXPECT_EQ(w->IsScow, 1);
}

TEST(BoatSetup, KeelboatDesignValuesAreUsedOnlyInTheirRanges) {
  for (const auto& [length, expected] : {std::pair{19, 25}, {20, 20}, {50, 50}, {51, 25}, {0, 25}}) {
    auto w = BoatOfType(12);  // from the default keelboat: no reset
    w->DesignLength = length;
    w->DesignDisplacement = 12;
    w->DesignSailArea = 7;
    SetUpBoatClass(*w);
    EXPECT_EQ(w->ScaleLength, expected) << "design length " << length;
    EXPECT_DOUBLE_EQ(w->TimeScale, std::sqrt(15.0 / expected));
    EXPECT_EQ(w->DisplacementClass, 10);
    EXPECT_EQ(w->SailAreaClass, 10);
  }
}

TEST(BoatSetup, DesignValuesResetOnlyWhenTheClassChanges) {
  auto w = BoatOfType(12);
  w->DesignLength = 35;
  w->DesignDisplacement = 8;
  SetUpBoatClass(*w);
  SetUpBoatClass(*w);
  EXPECT_EQ(w->ScaleLength, 35);
  EXPECT_EQ(w->DisplacementClass, 8);

  w->BoatType = 14;  // offshore racer: class 7, so its own defaults
  SetUpBoatClass(*w);
  EXPECT_EQ(w->ScaleLength, 40);
  EXPECT_EQ(w->DisplacementClass, 10);
  EXPECT_EQ(w->IsOffshoreRacer, 1);

  w->DesignLength = 30;
  w->BoatType = 12;  // back to the keelboat: reset to 25 ft, light, fractional
  SetUpBoatClass(*w);
  EXPECT_EQ(w->ScaleLength, 25);
  EXPECT_EQ(w->DesignLength, 25);
  EXPECT_EQ(w->DisplacementClass, 9);
  EXPECT_EQ(w->RigHeightPercent, 80);
  EXPECT_EQ(w->IsOffshoreRacer, 0);
}

TEST(BoatSetup, HelmSignIsForcedExceptOnSloopAndOffshoreRacer) {
  // type, the user's sign before, the sign after
  const int cases[][3] = {{2, 1, -1}, {13, 1, -1}, {15, 1, -1}, {10, 1, -1}, {11, -1, 1},
                          {9, 1, 1},  {9, -1, -1}, {14, 1, 1},  {14, -1, -1}, {14, 0, -1}};
  for (const auto& c : cases) {
    auto w = TestWorld().Type(c[0]).Build();
    w->HelmSign = c[1];
    SetUpBoatClass(*w);
    EXPECT_EQ(w->HelmSign, c[2]) << "type " << c[0] << " from " << c[1];
  }
}

TEST(BoatSetup, ExtraFlagsAndJibResetFollowTheClass) {
  // The skiff's asymmetric spinnaker, no traveller, the vang in the presets, no furling jib.
  auto w = BoatOfType(7);
  EXPECT_EQ((std::array{w->SpinnakerKind, w->HasTraveller, w->VangOutsidePreset, w->HasFurlingJib}),
            (std::array{3, 0, 0, 0}));
  w->JibSize = 3;
  w->JibLuff = 1;
  w->Reefed = 1;
  w->JibFurl = 50;
  w->BoatType = 12;
  SetUpBoatClass(*w);
  // The keelboat after it takes none of those, and its jib starts full and plain.
  EXPECT_EQ((std::array{w->SpinnakerKind, w->HasTraveller, w->VangOutsidePreset, w->HasFurlingJib}),
            (std::array{0, 1, 1, 1}));
  EXPECT_EQ((std::array{w->JibSize, w->JibLuff, w->Reefed, w->JibFurl}), (std::array{1, 2, 0, 0}));
  EXPECT_EQ(BoatOfType(10)->VangOutsidePreset, 0);
}

}  // namespace
