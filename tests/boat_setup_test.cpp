#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "boat/boat_setup.h"
#include "probe_helpers.h"
#include "world/world.h"

namespace {

std::unique_ptr<World> BoatOfType(int type) {
  auto w = std::make_unique<World>();
  w->BoatType = type;
  SetUpBoatClass(*w);
  return w;
}

TEST(BoatSetup, EveryTypeGetsItsClassLengthAndFlags) {
  struct Expect {
    int type, hullClass, scaleLength, displacement, sailArea;
    bool optimist, catamaran, skiff, sportboat, scow, offshoreCat;
  };
  const Expect rows[] = {
      {1, 1, 10, 10, 10, true, false, false, false, false, false},
      {2, 1, 10, 6, 10, false, false, false, false, false, false},
      {4, 2, 8, 5, 10, false, false, false, false, false, false},
      {6, 3, 16, 5, 10, false, false, false, false, false, false},
      {7, 3, 27, 5, 11, false, false, true, false, false, false},
      {10, 9, 30, 6, 11, false, true, false, false, false, false},
      {11, 10, 40, 6, 11, false, true, false, false, false, true},
      {13, 6, 15, 6, 11, false, false, false, true, false, false},
      {15, 6, 12, 4, 10, false, false, false, false, true, false},
  };
  for (const Expect& e : rows) {
    SCOPED_TRACE(e.type);
    auto w = BoatOfType(e.type);
    EXPECT_EQ(w->HullClass, e.hullClass);
    EXPECT_EQ(w->ScaleLength, e.scaleLength);
    EXPECT_EQ(w->DisplacementClass, e.displacement);
    EXPECT_EQ(w->SailAreaClass, e.sailArea);
    EXPECT_EQ(w->RigHeightPercent, 80);
    EXPECT_EQ(w->IsOptimist, e.optimist);
    EXPECT_EQ(w->IsCatamaran, e.catamaran);
    EXPECT_EQ(w->IsSkiff, e.skiff);
    EXPECT_EQ(w->IsSportboat, e.sportboat);
    EXPECT_EQ(w->IsScow, e.scow);
    EXPECT_EQ(w->IsOffshoreCatamaran, e.offshoreCat);
    EXPECT_EQ(w->IsMonohull, !e.catamaran);
    EXPECT_DOUBLE_EQ(w->TimeScale, std::sqrt(15.0 / e.scaleLength));
  }
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

TEST(BoatSetup, KeelboatDesignLengthIsUsedOnlyFrom20To50) {
  for (const auto& [length, expected] : {std::pair{19, 25}, {20, 20}, {50, 50}, {51, 25}, {0, 25}}) {
    auto w = BoatOfType(12);  // from the default keelboat: no reset
    w->DesignLength = length;
    SetUpBoatClass(*w);
    EXPECT_EQ(w->ScaleLength, expected) << "design length " << length;
  }
  auto w = BoatOfType(12);
  w->DesignLength = 0;
  SetUpBoatClass(*w);
  EXPECT_DOUBLE_EQ(w->TimeScale, std::sqrt(0.6));
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
  EXPECT_EQ(w->RigHeightPercent, 100);
  EXPECT_EQ(w->IsOffshoreRacer, 1);

  w->DesignLength = 30;
  w->BoatType = 12;  // back to the keelboat: reset to 25 ft, light, fractional
  SetUpBoatClass(*w);
  EXPECT_EQ(w->ScaleLength, 25);
  EXPECT_EQ(w->DesignLength, 25);
  EXPECT_EQ(w->DisplacementClass, 9);
  EXPECT_EQ(w->RigHeightPercent, 80);
  EXPECT_EQ(w->IsOffshoreRacer, 0);

  w->BoatType = 9;  // cruising sloop: heavy masthead 40 footer
  SetUpBoatClass(*w);
  EXPECT_EQ(w->HullClass, 5);
  EXPECT_EQ(w->ScaleLength, 40);
  EXPECT_EQ(w->DisplacementClass, 11);
  EXPECT_EQ(w->RigHeightPercent, 100);
}

TEST(BoatSetup, OutOfRangeDesignValuesFallBackToTen) {
  auto w = BoatOfType(12);
  w->DesignDisplacement = 12;
  w->DesignSailArea = 7;
  w->DesignRig = 0;
  SetUpBoatClass(*w);
  EXPECT_EQ(w->DisplacementClass, 10);
  EXPECT_EQ(w->SailAreaClass, 10);
  EXPECT_EQ(w->RigHeightPercent, 80);
  w->DesignDisplacement = 11;
  w->DesignSailArea = 9;
  w->DesignRig = 100;
  SetUpBoatClass(*w);
  EXPECT_EQ(w->DisplacementClass, 11);
  EXPECT_EQ(w->SailAreaClass, 9);
  EXPECT_EQ(w->RigHeightPercent, 100);
}

TEST(BoatSetup, HelmSignIsForcedExceptOnSloopAndOffshoreRacer) {
  for (int type : {1, 2, 4, 6, 7, 10, 12, 13, 15}) {
    auto w = std::make_unique<World>();
    w->BoatType = type;
    w->HelmSign = 1;
    SetUpBoatClass(*w);
    EXPECT_EQ(w->HelmSign, -1) << "type " << type;
  }
  auto cat = std::make_unique<World>();
  cat->BoatType = 11;
  cat->HelmSign = -1;
  SetUpBoatClass(*cat);
  EXPECT_EQ(cat->HelmSign, 1);
  for (int type : {9, 14}) {
    for (int sign : {-1, 1}) {
      auto w = std::make_unique<World>();
      w->BoatType = type;
      w->HelmSign = sign;
      SetUpBoatClass(*w);
      EXPECT_EQ(w->HelmSign, sign) << "type " << type;
    }
    auto w = std::make_unique<World>();
    w->BoatType = type;
    w->HelmSign = 0;
    SetUpBoatClass(*w);
    EXPECT_EQ(w->HelmSign, -1) << "a zero sign would leave the helm dead";
  }
}

TEST(BoatSetup, ExtraFlagsAndJibResetFollowTheClass) {
  auto w = BoatOfType(7);
  EXPECT_EQ(w->SpinnakerKind, 3);
  EXPECT_EQ(w->HasTraveller, 0);
  EXPECT_EQ(w->VangOutsidePreset, 0);
  EXPECT_EQ(w->HasFurlingJib, 0);

  w->JibSize = 3;
  w->JibLuff = 1;
  w->Reefed = 1;
  w->JibFurl = 50;
  w->BoatType = 12;
  SetUpBoatClass(*w);
  EXPECT_EQ(w->SpinnakerKind, 0) << "a conventional spinnaker after the skiff";
  EXPECT_EQ(w->HasTraveller, 1);
  EXPECT_EQ(w->VangOutsidePreset, 1);
  EXPECT_EQ(w->HasFurlingJib, 1);
  EXPECT_EQ(w->JibSize, 1);
  EXPECT_EQ(w->JibLuff, 2);
  EXPECT_EQ(w->Reefed, 0);
  EXPECT_EQ(w->JibFurl, 0);

  EXPECT_EQ(BoatOfType(1)->VangOutsidePreset, 0);
  EXPECT_EQ(BoatOfType(9)->VangOutsidePreset, 0);
  EXPECT_EQ(BoatOfType(10)->VangOutsidePreset, 0);
  EXPECT_EQ(BoatOfType(4)->VangOutsidePreset, 1);
  EXPECT_EQ(BoatOfType(14)->HasFurlingJib, 0);
}

TEST(BoatSetup, UnusedTypeNumbersKeepTheClass) {
  auto w = BoatOfType(10);
  w->BoatType = 5;
  SetUpBoatClass(*w);
  EXPECT_EQ(w->HullClass, 9);
  EXPECT_EQ(w->IsCatamaran, 0) << "the family flags are cleared all the same";
}

TEST(BoatSetup, SailPowerPresetsSetTheControlsByBoatSize) {
  auto dinghy = BoatOfType(1);
  dinghy->MastBend = 2;
  ApplySailPowerPreset(*dinghy, 3);
  EXPECT_EQ(dinghy->Outhaul, 1);
  EXPECT_EQ(dinghy->Cunningham, 1);
  EXPECT_EQ(dinghy->JibLuff, 1);
  EXPECT_EQ(dinghy->Forestay, 2);
  EXPECT_EQ(dinghy->Vang, 2);
  EXPECT_EQ(dinghy->MastBend, 2) << "a dinghy's bend follows its vang, not the preset";
  EXPECT_EQ(dinghy->SpritTension, 1);
  EXPECT_EQ(dinghy->SailPowerPreset, 3);

  auto keelboat = BoatOfType(12);
  keelboat->Vang = 1;
  ApplySailPowerPreset(*keelboat, 1);
  EXPECT_EQ(keelboat->MastBend, 3);
  EXPECT_EQ(keelboat->Forestay, 0);
  EXPECT_EQ(keelboat->Vang, 1);
  EXPECT_EQ(keelboat->SpritTension, 2);

  auto sloop = BoatOfType(9);
  ApplySailPowerPreset(*sloop, 1);
  EXPECT_EQ(sloop->MastBend, 1);
  EXPECT_EQ(sloop->Forestay, 2);
  EXPECT_EQ(sloop->Outhaul, 3);

  ApplySailPowerPreset(*sloop, 0);
  EXPECT_EQ(sloop->SailPowerPreset, 1);
}

TEST(BoatSetup, TitleScreenPaintDerivesTheClassAtOnce) {
  auto run = RunProbe(
      "set BoatType 15\nframes 1\nget HullClass IsScow MaxHeel TimeScale\n"
      "set BoatType 11\nframes 1\nget HullClass HelmSign IsOffshoreCatamaran SpinnakerKind\n");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.output.find("HullClass=6\nIsScow=1\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("HullClass=10\nHelmSign=1\nIsOffshoreCatamaran=1\nSpinnakerKind=3\n"),
            std::string::npos)
      << run.output;
}

}  // namespace
