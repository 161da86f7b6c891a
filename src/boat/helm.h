// The user's helm: the tack calls, the helm's own pull and the commanded manoeuvres that turn
// the user's boat. The hand on the tiller arrives as a steering value worked out above the boat
// model, from the steering zone.
#pragma once

struct World;

// The crew's calls when the user's boat changes tack, and the background sound after a gybe.
void PlayTackCalls(World& w, bool tackChanged);

// Weather (< 0) or lee (> 0) helm of the user's boat; also sets WeatherHelm for the coach.
int ComputeHelmBias(World& w);

// Whether the user steers this frame: not before the activity runs, nor while a lesson
// introduction or a page is shown. A pending introduction also lets go of the helm.
bool OwnHelmInUse(World& w);

// Turns the user's boat by the hand's steering value, the helm's pull and any commanded
// manoeuvre, and ends the manoeuvres that are complete.
void SteerOwnBoat(World& w, bool tackChanged, int steering);
