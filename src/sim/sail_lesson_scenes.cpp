#include "sim/sail_lesson_scenes.h"

#include <iterator>

#include "boat/boat_family.h"
#include "state/activity.h"
#include "state/world.h"

namespace {

constexpr int k_ = kSceneKeeps;

// heading, wind, main auto, jib auto, spinnaker, close-hauled,
// main sheet, jib sheet, vang, traveller, cunningham, outhaul, mast bend, jib luff, forestay, barber, pole, guy,
// hike
constexpr bool A = true, H = false;  // automatic / by hand
// The sails alone heel a boat only a few degrees even in a strong wind, so the two strong-wind
// scenes start with the crew sitting to leeward: the heel then settles where the coach calls the
// trim good once the findings are answered.
constexpr SailLessonScene kTrimScenes[8] = {
    {90, 10, H, A, false, false, 5, k_, 1, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_},    // main over-trimmed, loose vang
    {90, 20, H, A, false, false, 8, k_, 1, k_, k_, k_, k_, k_, k_, k_, k_, k_, -1},   // stalled, vang loose, sitting to leeward
    {170, 10, H, A, false, false, 25, k_, 1, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_},  // main not eased enough
    {170, 22, H, A, false, false, 47, k_, 2, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_},  // eased too far, vang loose
    {90, 12, A, H, false, false, k_, 0, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_},   // jib sheeted flat: stalled
    {45, 10, H, H, false, false, 0, 0, 2, 3, k_, k_, k_, k_, k_, k_, k_, k_, k_},      // traveller low, both sails hard in
    // Hard on the wind with the rig set for power: main and traveller hard in (stalled), the crew to leeward.
    {55, 22, H, H, false, false, 0, 5, 3, 0, 1, 1, 1, k_, k_, k_, k_, k_, -2},
    {150, 12, A, A, true, false, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, 20, k_},   // pole too far forward
};

// Off the wind the boat no longer settles close-hauled, so that the automatic jib eases.
constexpr SailLessonScene kShapeScenes[9] = {
    {45, 10, A, A, false, true, k_, k_, k_, k_, 3, 1, 3, k_, k_, k_, k_, k_, k_},
    {45, 20, A, A, false, true, k_, k_, k_, k_, 1, 1, 1, k_, k_, k_, k_, k_, k_},
    {160, 12, A, A, false, false, k_, k_, 1, k_, 3, 3, k_, k_, k_, k_, k_, k_, k_},
    {45, 10, A, A, false, true, k_, k_, k_, k_, k_, k_, k_, 3, 0, 3, k_, k_, k_},
    {45, 20, A, A, false, true, k_, k_, k_, k_, k_, k_, k_, 1, 2, 1, k_, k_, k_},
    {90, 12, A, A, false, false, k_, k_, k_, k_, k_, k_, k_, 1, 0, 1, k_, k_, k_},
    {170, 9, A, A, true, false, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, 3, k_, k_},
    {170, 20, A, A, true, false, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, 1, k_, k_},
    {110, 12, A, A, true, false, k_, k_, k_, k_, k_, k_, k_, k_, k_, k_, 3, 40, k_},
};

void Hold(World& w, const SailLessonScene& s) {
  w.BoatHeadings[1] = s.heading;
  w.OwnHeading = s.heading;
  w.WindSpeed = w.BaseWindSpeed = s.windSpeed;
  w.MainAutoTrimActive = s.mainAuto ? 1 : 0;
  w.JibAutoTrimActive = s.jibAuto ? 1 : 0;
  w.SpinnakerFlying[1] = s.spinnaker ? 1 : 0;
  w.HoldCloseHauled = s.closeHauled ? 1 : 0;
}

template <typename T>
void Put(T& field, int value) {
  if (value != k_) field = value;
}

}  // namespace

int LastSailScene(int mode) {
  return static_cast<int>(mode == Activity::kSailShapeLesson ? std::size(kShapeScenes) : std::size(kTrimScenes));
}

const SailLessonScene* SailLessonSceneFor(int mode, int scene) {
  if (!IsSailLesson(mode) || scene < 1 || scene > LastSailScene(mode)) return nullptr;
  return mode == Activity::kSailShapeLesson ? &kShapeScenes[scene - 1] : &kTrimScenes[scene - 1];
}

void SetUpSailLessonScene(World& w) {
  const SailLessonScene* s = SailLessonSceneFor(w.ActivityMode, w.LessonChoice);
  if (!s) return;
  // The scene's trims by hand start where the scene puts them: the automatic trims are held
  // from the set-up on, not from the first frame, which would otherwise trim them first.
  Hold(w, *s);
  Put(w.MainSheet, s->mainSheet);
  Put(w.JibSheet, s->jibSheet);
  Put(w.Vang, s->vang);
  Put(w.Traveller, s->traveller);
  Put(w.Cunningham, s->cunningham);
  Put(w.Outhaul, s->outhaul);
  Put(w.MastBend, s->mastBend);
  Put(w.JibLuff, s->jibLuff);
  Put(w.Forestay, s->forestay);
  Put(w.BarberHauler, s->barber);
  Put(w.PoleHeight, s->pole);
  Put(w.GuyAngle, s->guy);
  Put(w.SkipperHike, s->hike);
  Put(w.Crew1Hike, HasJib(w) ? s->hike : kSceneKeeps);
  Put(w.Crew2Hike, HasSecondCrew(w) ? s->hike : kSceneKeeps);
  if (s->guy != k_) w.GuyAutoTrimActive = 0;
  if (s->pole != k_ || s->guy != k_) w.SpinnakerAutoTrimActive = s->guy != k_ ? 0 : 1;
}

void HoldSailLessonScene(World& w) {
  if (!IsSailLesson(w.ActivityMode)) return;
  if (w.LessonChoice > LastSailScene(w.ActivityMode)) {
    w.ResultsShown = 1;
    w.CoachShown = 0;
    return;
  }
  const SailLessonScene* s = SailLessonSceneFor(w.ActivityMode, w.LessonChoice);
  if (!s) return;
  w.CoachShown = 1;
  Hold(w, *s);
}
