#include "boat/boat_setup.h"

#include <array>
#include <cmath>

#include "boat/boat_family.h"
#include "state/hull_class.h"
#include "state/world.h"

namespace {

enum Family : unsigned {
  kOptimist = 1,
  kCatamaran = 2,
  kSkiff = 4,
  kSportboat = 8,
  kScow = 16,
  kOffshoreCatamaran = 32,
};

struct BoatClassRow {
  int32_t boatType;
  int32_t hullClass;
  unsigned family;
  // For the three designed types these are the type's design defaults.
  int32_t scaleLength;
  int32_t displacement;
  int32_t sailArea;
  int32_t rig;
  bool designed;
  bool furlingJib;
  bool asymmetricSpinnaker;
};

constexpr std::array<BoatClassRow, 12> kBoatClasses{{
    {1, Hull::kSingleHander, kOptimist, 10, 10, 10, 80, false, false, false},
    {2, Hull::kSingleHander, 0, 10, 6, 10, 80, false, false, false},
    {4, Hull::kTwoPerson, 0, 8, 5, 10, 80, false, true, false},
    {6, Hull::kSpinnakerDinghy, 0, 16, 5, 10, 80, false, true, false},
    {7, Hull::kSpinnakerDinghy, kSkiff, 27, 5, 11, 80, false, false, true},
    {9, Hull::kCruiser, 0, 40, 11, 10, 100, true, true, false},
    {10, Hull::kCatamaran, kCatamaran, 30, 6, 11, 80, false, false, false},
    {11, Hull::kOffshoreCatamaran, kCatamaran | kOffshoreCatamaran, 40, 6, 11, 80, false, true, true},
    {12, Hull::kKeelboat, 0, 25, 9, 10, 80, true, true, false},
    {13, Hull::kKeelboat, kSportboat, 15, 6, 11, 80, false, true, true},
    {14, Hull::kOffshoreRacer, 0, 40, 10, 10, 100, true, false, false},
    {15, Hull::kKeelboat, kScow, 12, 4, 10, 80, false, false, true},
}};

constexpr int kOffshoreRacerType = 14;

// Presets by number: minimum, middle, maximum.
constexpr std::array<SailPowerPreset, 4> kSailPowerPresets{{
    {0, 0, 0, 0, 0},
    {3, 0, 3, 3, 3},
    {2, 1, 2, 2, 2},
    {1, 2, 1, 2, 1},
}};

const BoatClassRow* FindRow(int32_t boatType) {
  for (const BoatClassRow& row : kBoatClasses) {
    if (row.boatType == boatType) return &row;
  }
  return nullptr;
}

bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

void ApplyClassRow(World& w, const BoatClassRow& row) {
  w.IsOptimist = (row.family & kOptimist) ? 1 : 0;
  w.IsCatamaran = (row.family & kCatamaran) ? 1 : 0;
  w.IsSkiff = (row.family & kSkiff) ? 1 : 0;
  w.IsSportboat = (row.family & kSportboat) ? 1 : 0;
  w.IsScow = (row.family & kScow) ? 1 : 0;
  w.IsOffshoreCatamaran = (row.family & kOffshoreCatamaran) ? 1 : 0;
  w.HasFurlingJib = row.furlingJib ? 1 : 0;
  w.IsOffshoreRacer = row.boatType == kOffshoreRacerType ? 1 : 0;

  if (!row.designed) {
    w.ScaleLength = row.scaleLength;
    w.DisplacementClass = row.displacement;
    w.SailAreaClass = row.sailArea;
    w.RigHeightPercent = row.rig;
    return;
  }
  // Coming from another class, the Design values start again from the type's own.
  if (w.HullClass != row.hullClass) {
    w.DesignLength = row.scaleLength;
    w.DesignDisplacement = row.displacement;
    w.DesignSailArea = row.sailArea;
    w.DesignRig = row.rig;
  }
  w.ScaleLength = InRange(w.DesignLength, 20, 50) ? w.DesignLength : row.scaleLength;
  w.DisplacementClass = InRange(w.DesignDisplacement, 8, 11) ? w.DesignDisplacement : 10;
  w.SailAreaClass = InRange(w.DesignSailArea, 8, 11) ? w.DesignSailArea : 10;
  w.RigHeightPercent = w.DesignRig > 0 ? w.DesignRig : row.rig;
}

}  // namespace

void SetUpBoatClass(World& w) {
  w.IsOptimist = w.IsCatamaran = w.IsSkiff = w.IsSportboat = w.IsScow = w.IsOffshoreCatamaran = 0;
  w.IsOffshoreRacer = 0;
  w.JibFurl = 0;
  w.HasFurlingJib = 0;
  // Hints of the previous boat must not carry over: some classes never write them.
  w.CrewHint = w.VangHint = w.OuthaulHint = w.LuffBendHint = 0;

  // Unused type numbers keep the class they had.
  const BoatClassRow* row = FindRow(w.BoatType);
  if (row) {
    ApplyClassRow(w, *row);
    // The scow goes through the class rules as a spinnaker dinghy and ends as a keelboat.
    w.HullClass = (row->family & kScow) ? Hull::kSpinnakerDinghy : row->hullClass;
  }

  w.SpinnakerKind = row && row->asymmetricSpinnaker ? 3 : 0;
  if (IsBelowKeelClasses(w.HullClass) || w.HullClass == Hull::kKeelboat || w.IsCatamaran) w.HelmSign = -1;
  if (w.IsOffshoreCatamaran) w.HelmSign = 1;
  // The cruiser and the offshore racer keep the user's choice; a sign of 0 would freeze the helm.
  if (w.HelmSign != 1) w.HelmSign = -1;

  w.HasTraveller = IsSmallDinghy(w.HullClass) ? 0 : 1;
  if (w.IsScow) w.HasTraveller = 1;
  w.IsMonohull = w.IsCatamaran ? 0 : 1;
  const bool vangInPreset = w.HullClass == Hull::kSingleHander || w.HullClass == Hull::kUnusedFour ||
                            w.HullClass == Hull::kCruiser || w.IsCatamaran || w.IsSkiff;
  w.VangOutsidePreset = vangInPreset ? 0 : 1;
  w.Reefed = 0;
  w.JibSize = 1;
  w.JibLuff = 2;

  if (w.IsScow) w.HullClass = Hull::kKeelboat;
  if (w.ScaleLength > 0) w.TimeScale = std::sqrt(15.0 / w.ScaleLength);
}

const SailPowerPreset& SailPowerPresetFor(int preset) {
  return kSailPowerPresets[(preset >= 1 && preset <= 3) ? preset : 0];
}

void ApplySailPowerPreset(World& w, int preset) {
  if (preset < 1 || preset > 3) return;
  const SailPowerPreset& p = SailPowerPresetFor(preset);
  w.Outhaul = p.outhaul;
  w.Cunningham = p.outhaul;
  w.Forestay = p.forestay;
  w.JibLuff = p.outhaul;
  if (!IsSmallDinghy(w.HullClass)) w.MastBend = p.mastBend;
  if (IsSmallDinghy(w.HullClass)) w.Vang = p.vang;
  // The cruising sloop's rig stays straight and its forestay eased whatever the preset.
  if (w.HullClass == Hull::kCruiser) {
    w.MastBend = 1;
    w.Forestay = 2;
  }
  if (w.IsOptimist == 1) w.SpritTension = p.spritTension;
  w.SailPowerPreset = preset;
}
