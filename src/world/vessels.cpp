#include "world/vessels.h"

#include <array>
#include <cmath>

#include "sound/sound_events.h"
#include "state/activity.h"
#include "state/angles.h"
#include "state/sound_event.h"
#include "state/world.h"

namespace {

struct VesselSector {
  int bearing;  // from the user's boat
  int spread;
};

// Vessels 2, 3, 4: astern to the south, on the bow to the west, to the north.
constexpr std::array<VesselSector, 3> kSectors{{{180, 40}, {255, 30}, {319, 40}}};

}  // namespace

bool IsMotorVessel(const World& w, int b) {
  if (b < 2 || b > kMaxBoats) return false;
  if (w.ActivityMode == Activity::kCollisionAvoidance) return b <= 4;
  return IsTrafficScene(w.ActivityMode, w.LessonChoice) && w.SceneObjectKind[10 + b] == kSceneKindVessel;
}

void PlaceVessel(World& w, int k) {
  if (k < 2 || k > 4) return;
  const VesselSector& sector = kSectors[k - 2];
  const int range = (190 - w.Difficulty) * 10;
  const int bearing = sector.bearing + RandomBelow(w, sector.spread);
  const int side = bearing > 290 ? 1 : (bearing < 250 ? -1 : 0);
  w.BoatHeadings[k] = NormalizeDegrees(bearing + 180 + (20 + RandomBelow(w, 20)) * side);
  w.VesselSpeeds[k] = w.Difficulty * 2 + 70;
  const double b = bearing * kDegToRad;
  w.BoatX[k] = w.BoatX[1] + std::sin(b) * range;
  w.BoatY[k] = w.BoatY[1] - std::cos(b) * range;
  w.SceneObjectX[10 + k] = w.BoatX[k];
  w.SceneObjectY[10 + k] = w.BoatY[k];
  w.SceneObjectKind[10 + k] = kSceneKindVessel;
}

void SetUpVessels(World& w) {
  for (int k = 2; k <= 4; ++k) PlaceVessel(w, k);
}

bool VesselStep(World& w) {
  bool collided = false;
  for (int k = 2; k <= 4; ++k) {
    w.BoatSpeedTenths[k] = w.VesselSpeeds[k];
    w.HeelAngles[k] = 0;
    const int d = static_cast<int>(std::hypot(w.BoatX[k] - w.BoatX[1], w.BoatY[k] - w.BoatY[1]));
    if (d > (200 - w.Difficulty) * 10) PlaceVessel(w, k);
    if (d < 300) PlaySoundEvent(w, SoundEvent::kApproach);
    if (d < 80) collided = true;
  }
  return collided;
}
