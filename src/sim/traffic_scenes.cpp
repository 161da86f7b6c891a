#include "sim/traffic_scenes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "state/activity.h"
#include "state/angles.h"
#include "state/world.h"

namespace {

// The weather set-up, which runs after the activity's, fixes the lesson's wind from the north;
// a heading off the wind is thus the compass heading.
constexpr int kLessonWind = 0;

// own, other off the wind; other off the bow, distance; start speed, other's cap; motor vessel
constexpr std::array<TrafficSceneSetUp, kTrafficSceneCount> kScenes{{
    // Port tack (the user) meets starboard tack: mirror courses, so the other boat keeps the
    // same bearing from the user's bow all the way to the meeting point.
    {50, -50, 40, 400, 45, 0, false},
    // Both on port tack, overlapped: the user to windward on a close reach converges on the
    // boat sailing close-hauled, a little slower, on the leeward bow.
    {65, 50, 50, 60, 45, 28, false},
    // Both on a beam reach, the other boat ahead and slower.
    {90, 90, 6, 100, 45, 25, false},
    // A beam reach up to a slow motor vessel ahead on the same course.
    {90, 90, 10, 120, 45, 25, true},
}};

}  // namespace

const TrafficSceneSetUp* TrafficSceneFor(int lessonChoice) {
  if (!IsTrafficScene(Activity::kTrafficRulesLesson, lessonChoice)) return nullptr;
  return &kScenes[lessonChoice - 1];
}

void SetUpTrafficScene(World& w) {
  if (w.ActivityMode != Activity::kTrafficRulesLesson) return;
  const TrafficSceneSetUp* s = TrafficSceneFor(w.LessonChoice);
  if (!s) return;
  const int wind = kLessonWind;
  w.OwnHeading = NormalizeDegrees(wind + s->ownOffWind);
  const double bearing = (w.OwnHeading + s->otherOffBow) * kDegToRad;
  w.BoatX[2] = w.BoatX[1] + std::sin(bearing) * s->otherDistance;
  w.BoatY[2] = w.BoatY[1] - std::cos(bearing) * s->otherDistance;
  w.BoatHeadings[2] = NormalizeDegrees(wind + s->otherOffWind);
  const int otherStart = s->otherSpeedCap > 0 ? std::min(s->startSpeed, s->otherSpeedCap) : s->startSpeed;
  w.BoatSpeeds[1] = w.BoatSpeedTenths[1] = s->startSpeed;
  w.BoatSpeeds[2] = w.BoatSpeedTenths[2] = otherStart;
  w.VesselSpeeds[2] = otherStart;
  w.SceneObjectX[12] = w.BoatX[2];
  w.SceneObjectY[12] = w.BoatY[2];
  w.SceneObjectKind[12] = s->motorVessel ? kSceneKindVessel : kSceneKindSailingBoat;
}

void HoldTrafficSceneBoat(World& w, int b) {
  if (b != 2 || w.ActivityMode != Activity::kTrafficRulesLesson) return;
  const TrafficSceneSetUp* s = TrafficSceneFor(w.LessonChoice);
  if (!s || s->otherSpeedCap <= 0) return;
  w.BoatSpeedTenths[2] = std::min(w.BoatSpeedTenths[2], s->otherSpeedCap);
  w.BoatSpeeds[2] = std::min(w.BoatSpeeds[2], static_cast<double>(s->otherSpeedCap));
}
