// The sailed scenes of the traffic-rules lesson: the user's boat and one other vessel, placed
// so that the situation the scene is about (a crossing on opposite tacks, two boats on the same
// tack, an overtaking, a sailing boat overtaking a motor vessel) unfolds ahead of the user
// within the first half minute. The other vessel stands on: it holds its heading and, where
// the scene wants it slower, its speed; the user steers.
#pragma once

struct World;

struct TrafficSceneSetUp {
  int ownOffWind;     // the user's heading, degrees clockwise from the wind (+: port tack)
  int otherOffWind;   // the other vessel's heading, the same way
  int otherOffBow;    // the other vessel's bearing from the user's bow (+: to starboard)
  int otherDistance;  // yards from the user's boat
  int startSpeed;     // both vessels' speed at the start, tenths of a knot
  int otherSpeedCap;  // tenths of a knot the other vessel does not exceed; 0: no cap
  bool motorVessel;   // the other vessel is a power boat
};

// The scene chosen on the lesson's introduction, 1-based; null outside scenes 1..4.
const TrafficSceneSetUp* TrafficSceneFor(int lessonChoice);

// At the activity set-up: the user's heading and speed, and the other vessel (boat 2) with its
// heading, speed and kind.
void SetUpTrafficScene(World& w);

// After boat b's step: the other vessel keeps its speed cap.
void HoldTrafficSceneBoat(World& w, int b);
