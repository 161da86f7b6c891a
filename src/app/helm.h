// The user's helm: the tack calls, the steering, the helm's own pull and the commanded
// manoeuvres that turn the user's boat.
#pragma once

struct World;

// The crew's calls when the user's boat changes tack, and the background sound after a gybe.
void PlayTackCalls(World& w, bool tackChanged);

// Weather (< 0) or lee (> 0) helm of the user's boat; also sets WeatherHelm for the coach.
int ComputeHelmBias(World& w);

// Turns the user's boat by the steering zone, the helm's pull and any commanded manoeuvre,
// and ends the manoeuvres that are complete.
void SteerOwnBoat(World& w, bool tackChanged);

// The user's tack, its calls and the helm, in frame order; remembers the tack for the next
// frame.
void UpdateOwnBoatHelm(World& w);
