// The boat families: what a hull class (and the family flags beside it) says about the rig,
// the crew and the hull. Each test keeps its own boundary: the unused classes 4 and 8 fall
// where the comparison puts them.
#pragma once

#include <cstdint>

#include "state/hull_class.h"
#include "state/world.h"

// The three small dinghies, classes 1..3 (the unused class 4 is not among them).
constexpr bool IsSmallDinghy(int32_t hull) { return hull <= Hull::kSpinnakerDinghy; }
// Below the first keel class, 1..4: these capsize and their crew hikes.
constexpr bool IsBelowKeelClasses(int32_t hull) { return hull < Hull::kFirstKeelClass; }
// Classes 4..7: the keel boats, with the unused class 4.
constexpr bool IsKeelboatClass(int32_t hull) {
  return hull >= Hull::kUnusedFour && hull <= Hull::kOffshoreRacer;
}
// Everything but the single-hander carries a jib.
constexpr bool HasJib(int32_t hull) { return hull >= Hull::kTwoPerson; }
// The cruiser, the keelboat and the offshore racer sail on a fixed keel.
constexpr bool HasFixedKeel(int32_t hull) {
  return hull == Hull::kCruiser || hull == Hull::kKeelboat || hull == Hull::kOffshoreRacer;
}
// Every other class, the unused ones included, has a centreboard.
constexpr bool HasCentreboard(int32_t hull) { return !HasFixedKeel(hull); }
// The classes with a spinnaker: the spinnaker dinghy and up, not the catamaran.
constexpr bool IsSpinnakerClass(int32_t hull) {
  return hull >= Hull::kSpinnakerDinghy && hull != Hull::kCatamaran;
}
// Classes 4..6 sail with a second crew member.
constexpr bool HasSecondCrew(int32_t hull) {
  return hull > Hull::kSpinnakerDinghy && hull < Hull::kOffshoreRacer;
}

inline bool HasJib(const World& w) { return HasJib(w.HullClass); }
inline bool HasSecondCrew(const World& w) { return HasSecondCrew(w.HullClass); }
inline bool IsSpinnakerBoat(const World& w) { return IsSpinnakerClass(w.HullClass); }
// A spinnaker boat with a pole and guy (not the asymmetric-spinnaker boats).
inline bool IsPoleBoat(const World& w) {
  return IsSpinnakerBoat(w) && w.IsSkiff == 0 && w.IsSportboat == 0 && w.IsOffshoreCatamaran == 0;
}
// A boat whose crew moves: not the cruising sloop, the offshore racer or the offshore catamaran.
inline bool IsCrewBoat(const World& w) {
  return w.HullClass != Hull::kCruiser && w.HullClass != Hull::kOffshoreRacer && w.IsOffshoreCatamaran == 0;
}
