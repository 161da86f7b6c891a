// The scenes of the two sail lessons: each scene sails one point of sail in one wind, with the
// trims the lesson is about left to the user and the others automatic. The scene's set-up puts
// the controls where something needs correcting; every frame then holds the heading, the wind
// and the automatic trims so that only the user's trim changes what the coach finds.
#pragma once

struct World;

struct SailLessonScene {
  int heading;       // off the wind (the lessons' wind blows from 0)
  int windSpeed;     // knots
  bool mainAuto, jibAuto, spinnaker;
  bool closeHauled;  // the boat settles close-hauled (the automatic jib then sheets hard in)
  // Starting control values; kSceneKeeps leaves a control as the boat's set-up put it.
  int mainSheet, jibSheet, vang, traveller, cunningham, outhaul, mastBend, jibLuff, forestay, barber, pole, guy;
  // The crew's starting hike, every hand aboard alike; below 0 they sit to leeward.
  int hike;
};

// A starting value no control takes: the control stays as set up.
constexpr int kSceneKeeps = -99;

// The last scene of a sail lesson: 8 in the sail-trim lesson, 9 in the sail-shape lesson.
int LastSailScene(int mode);

// The scene of a sail lesson, 1-based; null outside the lesson's scenes.
const SailLessonScene* SailLessonSceneFor(int mode, int scene);

// At the activity set-up: the scene's starting control values.
void SetUpSailLessonScene(World& w);

// Every frame: holds the scene, keeps the coach open from the first scene on, and ends the
// lesson past its last scene.
void HoldSailLessonScene(World& w);
