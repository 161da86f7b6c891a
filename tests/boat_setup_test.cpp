// The boat classes: what each type sets up, the design values and the helm's sense.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <tuple>

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
  EXPECT_EQ((std::array{w->HullClass, w->IsScow, w->HasTraveller, w->SpinnakerKind}), (std::array{6, 1, 1, 3}));
  // It must not read as a plain keelboat on the next set-up either. (HelmSign: see below.)
  SetUpBoatClass(*w);
  EXPECT_EQ((std::array{w->HullClass, w->IsScow}), (std::array{6, 1}));
}

TEST(BoatSetup, KeelboatDesignValuesAreUsedOnlyInTheirRanges) {
  for (const auto& [length, expected] : {std::pair{19, 25}, {20, 20}, {50, 50}, {51, 25}, {0, 25}}) {
    auto w = BoatOfType(12);  // from the default keelboat: no reset
    std::tie(w->DesignLength, w->DesignDisplacement, w->DesignSailArea) = std::tuple{length, 12, 7};
    SetUpBoatClass(*w);
    EXPECT_EQ(w->ScaleLength, expected) << "design length " << length;
    EXPECT_DOUBLE_EQ(w->TimeScale, std::sqrt(15.0 / expected));
    EXPECT_EQ((std::array{w->DisplacementClass, w->SailAreaClass}), (std::array{10, 10}));
  }
}

TEST(BoatSetup, DesignValuesResetOnlyWhenTheClassChanges) {
  auto w = BoatOfType(12);
  std::tie(w->DesignLength, w->DesignDisplacement) = std::tuple{35, 8};
  SetUpBoatClass(*w);
  SetUpBoatClass(*w);
  EXPECT_EQ((std::array{w->ScaleLength, w->DisplacementClass}), (std::array{35, 8}));

  w->BoatType = 14;  // offshore racer: class 7, so its own defaults
  SetUpBoatClass(*w);
  EXPECT_EQ((std::array{w->ScaleLength, w->DisplacementClass, w->IsOffshoreRacer}), (std::array{40, 10, 1}));

  // Back to the keelboat: reset to 25 ft, light, fractional.
  std::tie(w->DesignLength, w->BoatType) = std::tuple{30, 12};
  SetUpBoatClass(*w);
  EXPECT_EQ(
      (std::array{w->ScaleLength, w->DesignLength, w->DisplacementClass, w->RigHeightPercent, w->IsOffshoreRacer}),
      (std::array{25, 25, 9, 80, 0}));
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
  std::tie(w->JibSize, w->JibLuff, w->Reefed, w->JibFurl, w->BoatType) = std::tuple{3, 1, 1, 50, 12};
  SetUpBoatClass(*w);
  // The keelboat after it takes none of those, and its jib starts full and plain.
  EXPECT_EQ((std::array{w->SpinnakerKind, w->HasTraveller, w->VangOutsidePreset, w->HasFurlingJib}),
            (std::array{0, 1, 1, 1}));
  EXPECT_EQ((std::array{w->JibSize, w->JibLuff, w->Reefed, w->JibFurl}), (std::array{1, 2, 0, 0}));
  EXPECT_EQ(BoatOfType(10)->VangOutsidePreset, 0);
}

}  // namespace
